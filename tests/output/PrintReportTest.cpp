#include "output/PrintReport.h"

#include "document/ErrorReport.h"
#include "output/PrintFlow.h"
#include "output/ReportSite.h"
#include "support/PlainNumbers.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace spurline {
namespace {

using testing::Fixed;
using testing::LeadingPlainNumber;
using testing::ReportSite;
using testing::Selecting;
using Page = std::vector<std::string>;

std::string Place(double x, double y, const std::string& what) {
    return Fixed(x, 2) + "," + Fixed(y, 2) + " " + what;
}

// Column c starts (c - 1) x 0.1 inch from the left, line n at n x 0.2 inch; "*" marks bold.
std::string At(int column, int line, const std::string& text, bool bold = false) {
    return Place((column - 1) * 0.1, line * 0.2, (bold ? "*" : "") + text);
}

// A printer with round numbers: every character 0.1 inch wide but digits 0.12 (wider than the
// average, as in Arial), lines 0.2 inch high, a printable area of 10 x 10 inches. It records what
// is drawn, page by page.
class RecordingPrinter final : public IPagePrinter {
public:
    double PrintableWidth() const override { return width; }
    double PrintableHeight() const override { return height; }
    void SetFont(const FontSpec& font) override {
        EXPECT_EQ(font.name, "Arial");
        EXPECT_EQ(font.size, 10);
        bold_ = font.weight == 700;
    }
    double TextWidth(std::string_view text) const override {
        double sum = 0;
        for (char c : text) {
            sum += c >= '0' && c <= '9' ? 0.12 : 0.1;
        }
        return sum;
    }
    double LineHeight() const override { return 0.2; }
    double GraphAspect() const override { return aspect; }
    void Text(double x, double y, std::string_view text) override {
        Draw(Place(x, y, (bold_ ? "*" : "") + std::string(text)));
        if (failOn == text) {
            throw CommandFailure(errors::PrinterError, "Printer error", "print/text");
        }
    }
    void GraphPicture(double left, double top, double width, double height) override {
        Draw(Place(left, top, "[picture " + Place(width, height, "]")));
    }
    void Rectangle(double left, double top, double right, double bottom) override {
        Draw(Place(left, top, "[frame to " + Place(right, bottom, "]")));
    }
    void NewPage() override { pages.emplace_back(); }
    void EndDoc() override { ++ended; }
    void AbortDoc() override { ++aborted; }

    std::vector<Page> pages;
    double width = 10;
    double height = 10;
    double aspect = 0;
    std::string failOn;
    int ended = 0;
    int aborted = 0;

private:
    void Draw(std::string item) {
        if (pages.empty()) {
            pages.emplace_back();
        }
        pages.back().push_back(std::move(item));
    }
    bool bold_ = false;
};

// Adds a row of the frequency list, its cells at the list's character columns.
void AddRow(Page& page, int line, const std::vector<std::string>& cells) {
    const int columns[] = {5, 13, 29, 41, 53, 65, 77, 89};
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (!cells[i].empty()) {
            page.push_back(At(columns[i], line, cells[i]));
        }
    }
}

Page Slice(const Page& page, std::size_t from, std::size_t count) {
    return Page(page.begin() + static_cast<long>(std::min(from, page.size())),
                page.begin() + static_cast<long>(std::min(from + count, page.size())));
}

TEST(PrintReport, ListColumnsHeaderOnceAndGraphPage) {
    const ReportSite site(Locale::German());
    RecordingPrinter printer;
    LayOutReport(printer, site.Content(), PrintWhat{});
    ASSERT_EQ(printer.pages.size(), 3u);
    EXPECT_EQ(printer.ended, 1);
    Page first{At(5, 1, "File:"),
               At(20, 1, "/data/north-ridge.frq"),
               At(5, 2, "Last Saved:"),
               At(20, 2, "05-Dec-2026 11:54:39"),
               At(5, 3, "Name:"),
               At(20, 3, "North Ridge"),
               At(5, 4, "Comments: "),
               At(20, 4, "Hill top"),
               At(5, 6, "Frequency List", true)};
    AddRow(first, 8, {"ID", "Frequency", "Offset", "Tx BW", "Tx/Rx", "Status", "Rx BW", "Remarks"});
    AddRow(first, 9, {"", "(MHz)", "(kHz)", "(kHz)", "", "", "(kHz)"});
    AddRow(first, 11,
           {" 1 ", "174,50000", "+4.600,00", "12,00", "Both", "Exist", "25,00", "Mast A"});
    AddRow(first, 12, {" 2 ", "1.200,00000"});
    EXPECT_EQ(Slice(printer.pages[0], 0, first.size()), first);
    // The intermod list starts its own page, at the top and without a header.
    EXPECT_EQ(Slice(printer.pages[1], 0, 10),
              (Page{At(5, 0, "Intermodulation Products", true), At(5, 2, "Frequency"),
                    At(25, 2, "Composition"), At(90, 2, "Composition"), At(5, 3, "(MHz)"),
                    At(25, 3, "(by frequency)"), At(90, 3, "(by ID)"), At(5, 5, "349.00000"),
                    At(25, 5, " 2F1 - F2 "), At(90, 5, "2[1] - [2]")}));
    EXPECT_EQ(printer.pages[1].back(), At(5, 9, "n.b. intermods filtered from 100 to 200 MHz."));
    // Picture and frame 0.48 inch right of W/8; the lines continue below the frame at 0.8 H,
    // values at the second print zone (column 15).
    EXPECT_EQ(printer.pages[2],
              (Page{"1.73,2.00 [picture 7.50,6.00 ]", "1.73,2.00 [frame to 9.23,8.00 ]",
                    Place(0, 8.2, "File:"), Place(1.4, 8.2, "/data/north-ridge.frq"),
                    Place(0, 8.4, "Last Saved:"), Place(1.4, 8.4, "05-Dec-2026 11:54:39"),
                    Place(0, 8.6, "North Ridge"), Place(0, 8.8, "Hill top")}));
}

TEST(PrintReport, IntermodsAloneAndPassedColumns) {
    ReportSite site(Locale::English());
    site.rows.resize(1);
    site.rows[0].texts[ImColComposition1] = std::string(70, 'c'); // columns 25 to 94
    RecordingPrinter printer;
    LayOutReport(printer, site.Content("100", ""), Selecting(false, true, false));
    ASSERT_EQ(printer.pages.size(), 1u);
    const Page& page = printer.pages[0];
    // An empty line, the header block, then the list.
    EXPECT_EQ(Slice(page, 0, 2), (Page{At(5, 1, "File:"), At(20, 1, "/data/north-ridge.frq")}));
    EXPECT_EQ(page[8], At(5, 6, "Intermodulation Products", true));
    // Column 90 lies behind the long composition: it continues on the next line.
    EXPECT_EQ(
        Slice(page, page.size() - 4, 4),
        (Page{At(5, 11, "349.00000"), At(25, 11, std::string(70, 'c')), At(90, 12, "2[1] - [2]"),
              At(5, 14, "n.b. intermods filtered from 100 to  MHz.")}));
}

// While the window shows the margin it stands after the frequency, in the list's convention,
// and the composition by frequency moves right; a product without a margin prints none.
TEST(PrintReport, MarginColumnWhileShown) {
    for (const Locale& locale : {Locale::English(), Locale::German()}) {
        SCOPED_TRACE(locale.decimalSeparator);
        const ReportSite site(locale);
        RecordingPrinter printer;
        LayOutReport(printer, site.Content("", "", true), Selecting(false, true, false));
        ASSERT_EQ(printer.pages.size(), 1u);
        const std::string point = locale.decimalSeparator;
        EXPECT_EQ(Slice(printer.pages[0], 9, 100),
                  (Page{At(5, 8, "Frequency"), At(21, 8, "Margin"), At(32, 8, "Composition"),
                        At(90, 8, "Composition"), At(5, 9, "(MHz)"), At(21, 9, "(dB)"),
                        At(32, 9, "(by frequency)"), At(90, 9, "(by ID)"), At(5, 11, "349.00000"),
                        At(21, 11, "-9" + point + "06"), At(32, 11, " 2F1 - F2 "),
                        At(90, 11, "2[1] - [2]"), At(5, 12, "523.50000"), At(32, 12, " 2F1 - F2 "),
                        At(90, 12, "2[1] - [2]"), At(5, 13, "1,025.50000"),
                        At(21, 13, "0" + point + "50"), At(32, 13, " 2F1 - F2 "),
                        At(90, 13, "2[1] - [2]")}));
    }
}

// The widest texts a row can hold stay apart on their line and inside the page.
TEST(PrintReport, WidestMarginRowKeepsCellsApartAndOnThePage) {
    ReportSite site(Locale::English());
    site.rows.resize(1);
    site.rows[0].texts[ImColFrequency] = "99,999.99999";
    site.rows[0].texts[ImColComposition1] = "3F1 - 3F2 + 3F3";
    site.rows[0].texts[ImColComposition2] = "3[1200] - 3[1201] + 3[1202]";
    site.rows[0].worstMarginDb = -1234.56;
    RecordingPrinter printer;
    LayOutReport(printer, site.Content("", "", true), Selecting(false, true, false));
    ASSERT_EQ(printer.pages.size(), 1u);
    double lineY = -1;
    double lineEnd = 0;
    for (const std::string& item : printer.pages[0]) {
        const double x = LeadingPlainNumber(item);
        const double y = LeadingPlainNumber(item.substr(item.find(',') + 1));
        std::string text = item.substr(item.find(' ') + 1);
        text.erase(0, text.starts_with('*') ? 1 : 0);
        EXPECT_TRUE(y != lineY || x >= lineEnd + 0.1 - 1e-9) << item;
        lineY = y;
        lineEnd = x + printer.TextWidth(text);
        EXPECT_LE(lineEnd, printer.width + 1e-9) << item;
    }
    EXPECT_EQ(
        Slice(printer.pages[0], printer.pages[0].size() - 6, 6),
        (Page{At(5, 11, "99,999.99999"), At(21, 11, "-1234.56"), At(32, 11, "3F1 - 3F2 + 3F3"),
              At(90, 11, "3[1200] -"), At(90, 12, "3[1201] +"), At(90, 13, "3[1202]")}));
}

TEST(PrintReport, LongListsFlowOverPagesWithoutRepeatsOrBlankPages) {
    struct Case {
        const char* name;
        int extraRows;
        std::size_t pages;
        int lastLine; // of the last row, on the last page
    };
    // A page holds 50 lines; the first has 11 lines above its 39 rows.
    const Case cases[] = {
        {"page exactly full", 37, 1, 49}, {"one row over", 38, 2, 0}, {"150 rows", 148, 4, 10}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReportSite site(Locale::English());
        for (int i = 0; i < c.extraRows; ++i) {
            site.list.AddEntry({std::to_string(2000 + i), "0", "1", "Tx", "Exist", "1", "x"});
        }
        RecordingPrinter printer;
        LayOutReport(printer, site.Content(), Selecting(false, false, true));
        ASSERT_EQ(printer.pages.size(), c.pages);
        int headings = 0;
        for (const Page& page : printer.pages) {
            EXPECT_FALSE(page.empty());
            for (const std::string& item : page) {
                headings += item.ends_with(" ID") || item.ends_with(" *Frequency List");
                EXPECT_LE(LeadingPlainNumber(item.substr(item.find(',') + 1)), 9.8 + 1e-9) << item;
            }
        }
        EXPECT_EQ(headings, 2);
        EXPECT_EQ(printer.pages.back().back(), At(89, c.lastLine, "x"));
    }
}

// The picture keeps the graph's proportions inside 0.75 W x 0.6 H (6 x 6 inches here), centred
// across the page; the frame follows it and the lines continue below the frame.
TEST(PrintReport, GraphPageKeepsThePicturesProportions) {
    struct Case {
        double aspect; // height over width
        double left, width, height;
    };
    const Case cases[] = {{0.35, 1.48, 6, 2.1}, {2, 2.98, 3, 6}, {0, 1.48, 6, 6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.aspect);
        const ReportSite site(Locale::English());
        RecordingPrinter printer;
        printer.width = 8;
        printer.aspect = c.aspect;
        LayOutReport(printer, site.Content(), Selecting(true, false, false));
        ASSERT_EQ(printer.pages.size(), 1u);
        const double bottom = 2 + c.height;
        EXPECT_EQ(Slice(printer.pages[0], 0, 3),
                  (Page{Place(c.left, 2, "[picture " + Place(c.width, c.height, "]")),
                        Place(c.left, 2, "[frame to " + Place(c.left + c.width, bottom, "]")),
                        Place(0, bottom + 0.2, "File:")}));
    }
}

// A remark too long for the page continues below itself in its column, broken after words; a
// cell that ends less than a blank before the next column keeps a blank before the next cell.
TEST(PrintReport, LongRemarksWrapAndCellsKeepABlankApart) {
    ReportSite site(Locale::English());
    site.list.AddEntry(
        {"450", "10000", "12.5", "Both", "Plan", "12.5", "County council emergency planning"});
    RecordingPrinter printer; // column 89 lies 8.8 inches in: 12 characters fit
    LayOutReport(printer, site.Content(), Selecting(false, false, true));
    ASSERT_EQ(printer.pages.size(), 1u);
    const Page& page = printer.pages[0];
    // "+10,000.00" from column 29 ends at 3.94 inches, less than a blank before column 41.
    EXPECT_EQ(Slice(page, page.size() - 11, 11),
              (Page{At(5, 13, " 3 "), At(13, 13, "450.00000"), At(29, 13, "+10,000.00"),
                    Place(3.94 + 0.1, 13 * 0.2, "12.50"), At(53, 13, "Both"), At(65, 13, "Plan"),
                    At(77, 13, "12.50"), At(89, 13, "County"), At(89, 14, "council"),
                    At(89, 15, "emergency"), At(89, 16, "planning")}));
}

TEST(PrintReport, FailureAbortsTheJobAndReports) {
    ReportSite site(Locale::English());
    RecordingPrinter printer;
    printer.failOn = "Frequency List";
    std::vector<bool> busy;
    print_selection(printer, site.Content(), PrintWhat{}, site.box,
                    [&](bool on) { busy.push_back(on); });
    EXPECT_EQ(printer.aborted, 1);
    EXPECT_EQ(printer.ended, 0);
    EXPECT_EQ(busy, (std::vector<bool>{true, false}));
    ASSERT_EQ(site.box.shown.size(), 1u);
    EXPECT_EQ(site.box.shown[0].prompt,
              "Error: 482 description: Printer error at line: print/text");
    EXPECT_EQ(site.box.shown[0].buttons, msgbox::Critical);
}

TEST(PrintReport, ColumnWidthAndPrinterLabel) {
    RecordingPrinter printer; // 0.1 inch per character
    EXPECT_NEAR(AverageCharWidth(printer), 0.1, 1e-12);
    EXPECT_EQ(PrinterLabel("R&D Laser", "FILE:"), "R&&D Laser on FILE:");
    EXPECT_EQ(PrinterLabel("A&&B", "/tmp/R&D.pdf"), "A&&&&B on /tmp/R&&D.pdf");
}

} // namespace
} // namespace spurline
