#include "output/PrintReport.h"

#include "document/ErrorReport.h"
#include "document/TextHelpers.h"
#include "output/PrintFlow.h"

#include <new>
#include <vector>

namespace spurline {

namespace {

// The picture and its frame are placed in coordinates whose origin lies this far right of the
// printable area's left edge (inches).
constexpr double OriginShift = 0.48;

void HeaderBlock(PrintFlow& flow, const ReportContent& c) {
    const std::pair<const char*, const std::string*> lines[] = {
        {"File:", &c.filePath},
        {"Last Saved:", &c.lastSaved},
        {"Name:", &c.siteName},
        {"Comments: ", &c.comment},
    };
    for (const auto& [label, value] : lines) {
        flow.Tab(5);
        flow.Print(label);
        flow.Tab(20);
        flow.Print(*value);
        flow.EndLine();
    }
    flow.EndLine();
}

void Title(PrintFlow& flow, const char* title) {
    flow.SetFont(true);
    flow.Tab(5);
    flow.Print(title);
    flow.EndLine();
    flow.EndLine();
    flow.SetFont(false);
}

// Texts at their columns on one line.
using Cells = std::vector<std::pair<int, std::string_view>>;
void Line(PrintFlow& flow, const Cells& cells) {
    for (const auto& [column, text] : cells) {
        flow.Tab(column);
        flow.Print(text);
    }
    flow.EndLine();
}

void FrequencyPart(PrintFlow& flow, const ReportContent& c, bool& headerPending) {
    flow.SetFont(false);
    flow.EndLine();
    if (headerPending) {
        HeaderBlock(flow, c);
        headerPending = false;
    }
    Title(flow, "Frequency List");
    Line(flow, {{5, "ID"},
                {13, "Frequency"},
                {29, "Offset"},
                {41, "Tx BW"},
                {53, "Tx/Rx"},
                {65, "Status"},
                {77, "Rx BW"},
                {89, "Remarks"}});
    Line(flow, {{13, "(MHz)"}, {29, "(kHz)"}, {41, "(kHz)"}, {77, "(kHz)"}});
    flow.EndLine();
    int position = 0;
    for (const FrequencyEntry& e : c.frequencies) {
        flow.Tab(5);
        flow.Print(" " + std::to_string(++position) + " ");
        for (int k = 1; k < FrequencyColumnCount; ++k) {
            flow.Tab(k == 1 ? 5 + 12 - 4 : 5 + 12 * k);
            flow.Print(TrimBlanks(e.texts[static_cast<std::size_t>(k)]));
        }
        flow.EndLine();
    }
    flow.NewPage();
}

void IntermodPart(PrintFlow& flow, const ReportContent& c, bool& headerPending) {
    if (headerPending) {
        flow.SetFont(false);
        flow.EndLine();
        HeaderBlock(flow, c);
        headerPending = false;
    }
    Title(flow, "Intermodulation Products");
    // With the margin beside the frequency the composition by frequency moves right. In Arial's
    // digits the widest frequency (100,000.00000) ends before column 21 and a margin of four
    // digits (-1234.56) a blank before column 32; a wider text pushes the next cell right, never
    // over it.
    const int composition = c.marginShown ? 32 : 25;
    const auto withMargin = [&](Cells cells, std::string_view margin) {
        if (c.marginShown) {
            cells.insert(cells.begin() + 1, {21, margin});
        }
        return cells;
    };
    Line(flow, withMargin({{5, "Frequency"}, {composition, "Composition"}, {90, "Composition"}},
                          "Margin"));
    Line(flow,
         withMargin({{5, "(MHz)"}, {composition, "(by frequency)"}, {90, "(by ID)"}}, "(dB)"));
    flow.EndLine();
    for (const IntermodListRow* row : c.intermods) {
        const std::string frequency = TrimBlanks(row->texts[ImColFrequency]);
        const std::string margin = c.marginShown ? MarginText(*row, c.locale) : std::string();
        Line(flow, withMargin({{5, frequency},
                               {composition, row->texts[ImColComposition1]},
                               {90, row->texts[ImColComposition2]}},
                              margin));
    }
    flow.EndLine();
    if (!c.lowerLimit.empty() || !c.upperLimit.empty()) {
        const std::string note =
            "n.b. intermods filtered from " + c.lowerLimit + " to " + c.upperLimit + " MHz.";
        Line(flow, {{5, note}});
    }
    flow.NewPage();
}

void GraphPart(PrintFlow& flow, IPagePrinter& printer, const ReportContent& c) {
    const double W = printer.PrintableWidth();
    const double H = printer.PrintableHeight();
    // The picture keeps the graph's proportions within 0.75 W by 0.6 H, centred across the page:
    // stretched to that box, a wide graph's texts would come out squashed.
    double width = 0.75 * W;
    double height = 0.6 * H;
    const double aspect = printer.GraphAspect();
    if (aspect > 0) {
        if (width * aspect <= height) {
            height = width * aspect;
        } else {
            width = height / aspect;
        }
    }
    const double left = OriginShift + (W - width) / 2;
    const double top = H / 5;
    flow.Picture(left, top, width, height);
    flow.Rectangle(left, top, left + width, top + height);
    flow.SetFont(false);
    flow.MoveTo(top + height);
    flow.EndLine();
    flow.Print("File:");
    flow.NextZone();
    flow.Print(c.filePath);
    flow.EndLine();
    flow.Print("Last Saved:");
    flow.NextZone();
    flow.Print(c.lastSaved);
    flow.EndLine();
    flow.Print(c.siteName);
    flow.EndLine();
    flow.Print(c.comment);
    flow.EndLine();
    flow.NewPage();
}

} // namespace

void LayOutReport(IPagePrinter& printer, const ReportContent& content, const PrintWhat& what) {
    PrintFlow flow(printer);
    bool headerPending = true;
    if (what.frequencyList.selected()) {
        FrequencyPart(flow, content, headerPending);
    }
    if (what.intermodList.selected()) {
        IntermodPart(flow, content, headerPending);
    }
    if (what.spectrumDisplay.selected()) {
        GraphPart(flow, printer, content);
    }
    flow.EndDoc();
}

void print_selection(IPagePrinter& printer, const ReportContent& content, const PrintWhat& what,
                     IMessageBox& messages, const std::function<void(bool)>& setBusyCursor) {
    const auto busy = [&](bool on) {
        if (setBusyCursor) {
            setBusyCursor(on);
        }
    };
    busy(true);
    CommandFailure failure(0, {});
    try {
        LayOutReport(printer, content, what);
        busy(false);
        return;
    } catch (const CommandFailure& caught) {
        failure = caught;
    } catch (const std::bad_alloc&) {
        failure = CommandFailure(errors::OutOfMemory, "Out of memory", "print/lay out");
    } catch (const std::exception& caught) {
        failure = CommandFailure(errors::PrinterError, caught.what(), "print/lay out");
    }
    printer.AbortDoc();
    busy(false);
    ShowErrorReport(messages, failure);
}

std::string PrinterLabel(std::string_view deviceName, std::string_view port) {
    // The port can be a PDF file's path, which may hold an "&" as well.
    return ReplaceAll(deviceName, "&", "&&") + " on " + ReplaceAll(port, "&", "&&");
}

} // namespace spurline
