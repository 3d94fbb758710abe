#include "output/TextExport.h"

#include "document/AtomicFile.h"
#include "document/ErrorReport.h"
#include "document/FileDialogs.h"
#include "document/MessageBox.h"
#include "document/TextEncoding.h"
#include "document/TextHelpers.h"

#include <new>

namespace spurline {

namespace {

class Lines {
public:
    void Add(std::string_view text) {
        text_ += text;
        text_ += "\r\n";
    }
    std::string& text() { return text_; }

private:
    std::string text_;
};

void FrequencySection(Lines& out, const ReportContent& c) {
    out.Add("Frequency List");
    out.Add("");
    std::string captions;
    for (const char* caption : FrequencyColumnCaptions) {
        captions += captions.empty() ? "" : "\t";
        captions += caption;
    }
    out.Add(captions);
    int position = 0;
    for (const FrequencyEntry& e : c.frequencies) {
        // The row's position, not its ID text: IDs do not follow a sort.
        std::string line = " " + std::to_string(++position) + " ";
        for (int column = ColFrequency; column < FrequencyColumnCount; ++column) {
            line += '\t';
            line += TrimBlanks(e.texts[static_cast<std::size_t>(column)]);
        }
        out.Add(line);
    }
    out.Add("");
}

void IntermodSection(Lines& out, const ReportContent& c) {
    out.Add("Intermodulation Products");
    out.Add("");
    // The margin stands where the window shows it: after the order, which is not exported.
    const std::string margin = c.marginShown ? std::string("\t") + MarginColumnCaption : "";
    out.Add("Frequency (MHz)" + margin + "\tComposition (by frequency)\tComposition (by ID)");
    for (const IntermodListRow* row : c.intermods) {
        out.Add(TrimBlanks(row->texts[ImColFrequency]) +
                (c.marginShown ? "\t" + MarginText(*row, c.locale) : "") + "\t" +
                TrimBlanks(row->texts[ImColComposition1]) + "\t" +
                TrimBlanks(row->texts[ImColComposition2]));
    }
    out.Add("");
    if (!c.lowerLimit.empty() || !c.upperLimit.empty()) {
        out.Add("n.b. intermods filtered from " + c.lowerLimit + " to " + c.upperLimit + " MHz");
    }
}

} // namespace

std::string ExportText(const ReportContent& c, const PrintWhat& what) {
    Lines out;
    bool headerPending = true;
    if (what.frequencyList.selected()) {
        out.Add("File:\t" + c.filePath);
        out.Add("Last Saved:\t" + c.lastSaved);
        out.Add("Name:\t" + c.siteName);
        out.Add("Comment:\t" + c.comment);
        out.Add("");
        headerPending = false;
        FrequencySection(out, c);
    }
    if (what.intermodList.selected()) {
        if (headerPending) {
            out.Add("File:\t" + c.filePath);
            out.Add("Last Saved:\t" + c.lastSaved);
            out.Add(c.siteName);
            out.Add(c.comment);
            out.Add("");
        }
        IntermodSection(out, c);
    }
    return std::move(out.text());
}

TextExport::TextExport(IFileDialogs& dialogs, IMessageBox& messages)
    : dialogs_(dialogs), messages_(messages) {}

bool TextExport::send_to_file(const std::function<ReportContent()>& content,
                              const PrintWhat& what) {
    // The graph is never exported: without a list section the file would be empty, and an
    // empty file looks like a report that lost its contents.
    if (!what.frequencyList.selected() && !what.intermodList.selected()) {
        messages_.CenteredMsgBox(NothingToExport, msgbox::Exclamation);
        return false;
    }
    FileDialogOptions options;
    options.title = "Print To File";
    options.filter = "Text file (*.txt)|*.txt";
    options.initialDirectory = programDirectory ? programDirectory() : std::string();
    options.confirmOverwrite = true;
    options.mustExist = true;
    if (setDialogFileName) {
        setDialogFileName({});
    }
    const std::optional<std::string> chosen = dialogs_.GetSaveFileName(options);
    if (!chosen || chosen->empty()) {
        return false;
    }
    if (setDialogFileName) {
        setDialogFileName(*chosen);
    }
    const auto busy = [this](bool on) {
        if (setBusyCursor) {
            setBusyCursor(on);
        }
    };
    busy(true);
    int error = 0;
    try {
        WriteFileAtomically(*chosen, EncodeFileText(ExportText(content(), what)));
    } catch (const CommandFailure& failure) {
        error = failure.number();
    } catch (const std::bad_alloc&) {
        error = errors::OutOfMemory;
    } catch (const std::exception&) {
        error = errors::PathFileAccessError;
    }
    busy(false);
    if (error != 0) {
        messages_.CenteredMsgBox("Print To File Error " + std::to_string(error), msgbox::Critical);
        return false;
    }
    return true;
}

} // namespace spurline
