#include "output/PrintReport.h"

#include "document/ErrorReport.h"
#include "output/PrintFlow.h"
#include "output/ReportSite.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace spurline {
namespace {

using testing::ReportSite;

// A printer with round numbers: every character 0.1 inch wide, lines 0.2 inch high, a printable
// area of 8 x 10 inches. It records what is drawn, page by page.
class RecordingPrinter final : public IPagePrinter {
public:
    struct Item {
        double x, y;
        std::string text; // "[picture]" and "[frame]" for the graph
        bool bold;
    };

    double PrintableWidth() const override { return 8; }
    double PrintableHeight() const override { return height; }
    void SetFont(const FontSpec& font) override {
        EXPECT_EQ(font.name, "Arial");
        EXPECT_EQ(font.size, 10);
        bold_ = font.weight == 700;
    }
    double TextWidth(std::string_view text) const override {
        return 0.1 * static_cast<double>(text.size());
    }
    double LineHeight() const override { return 0.2; }
    void Text(double x, double y, std::string_view text) override {
        Page().push_back({x, y, std::string(text), bold_});
        if (failOn == text) {
            throw CommandFailure(errors::PrinterError, "Printer error", "print/text");
        }
    }
    void GraphPicture(double left, double top, double width, double height) override {
        Page().push_back({left, top, "[picture " + Size(width, height) + "]", false});
    }
    void Rectangle(double left, double top, double right, double bottom) override {
        Page().push_back({left, top, "[frame " + Size(right, bottom) + "]", false});
    }
    void NewPage() override { pages.emplace_back(); }
    void EndDoc() override { ++ended; }
    void AbortDoc() override { ++aborted; }

    std::vector<std::vector<Item>> pages;
    double height = 10;
    std::string failOn;
    int ended = 0;
    int aborted = 0;

private:
    static std::string Size(double a, double b) {
        char text[64];
        std::snprintf(text, sizeof text, "%.2f %.2f", a, b);
        return text;
    }
    std::vector<Item>& Page() {
        if (pages.empty()) {
            pages.emplace_back();
        }
        return pages.back();
    }
    bool bold_ = false;
};

PrintWhat Selecting(bool graph, bool intermods, bool frequencies) {
    PrintWhat what;
    what.spectrumDisplay.checked = graph;
    what.intermodList.checked = intermods;
    what.frequencyList.checked = frequencies;
    return what;
}

// Column c starts (c - 1) x 0.1 inch from the left; line n (0-based) at n x 0.2 inch.
RecordingPrinter::Item At(int column, int line, std::string text, bool bold = false) {
    return {(column - 1) * 0.1, line * 0.2, std::move(text), bold};
}

void ExpectItems(const std::vector<RecordingPrinter::Item>& page,
                 const std::vector<RecordingPrinter::Item>& expected) {
    ASSERT_GE(page.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].text);
        EXPECT_NEAR(page[i].x, expected[i].x, 1e-9);
        EXPECT_NEAR(page[i].y, expected[i].y, 1e-9);
        EXPECT_EQ(page[i].text, expected[i].text);
        EXPECT_EQ(page[i].bold, expected[i].bold);
    }
}

TEST(PrintReport, FrequencyListColumnsAndHeaderOnce) {
    const ReportSite site(Locale::German());
    RecordingPrinter printer;
    LayOutReport(printer, site.Content(), Selecting(false, true, true));
    ASSERT_EQ(printer.pages.size(), 2u);
    ExpectItems(printer.pages[0], {At(5, 1, "File:"),
                                   At(20, 1, "/data/north-ridge.frq"),
                                   At(5, 2, "Last Saved:"),
                                   At(20, 2, "05-Dec-2026 11:54:39"),
                                   At(5, 3, "Name:"),
                                   At(20, 3, "North Ridge"),
                                   At(5, 4, "Comments: "),
                                   At(20, 4, "Hill top"),
                                   At(5, 6, "Frequency List", true),
                                   At(5, 8, "ID"),
                                   At(13, 8, "Frequency"),
                                   At(29, 8, "Offset"),
                                   At(41, 8, "Tx BW"),
                                   At(53, 8, "Tx/Rx"),
                                   At(65, 8, "Status"),
                                   At(77, 8, "Rx BW"),
                                   At(89, 8, "Remarks"),
                                   At(13, 9, "(MHz)"),
                                   At(29, 9, "(kHz)"),
                                   At(41, 9, "(kHz)"),
                                   At(77, 9, "(kHz)"),
                                   At(5, 11, " 1 "),
                                   At(13, 11, "174,50000"),
                                   At(29, 11, "+4.600,00"),
                                   At(41, 11, "12,00"),
                                   At(53, 11, "Both"),
                                   At(65, 11, "Exist"),
                                   At(77, 11, "25,00"),
                                   At(89, 11, "Mast A"),
                                   At(5, 12, " 2 "),
                                   At(13, 12, "1.200,00000")});
    // The intermod page has no header of its own and starts at the top.
    ExpectItems(printer.pages[1],
                {At(5, 0, "Intermodulation Products", true), At(5, 2, "Frequency"),
                 At(25, 2, "Composition"), At(90, 2, "Composition"), At(5, 3, "(MHz)"),
                 At(25, 3, "(by frequency)"), At(90, 3, "(by ID)"), At(5, 5, "349.00000"),
                 At(25, 5, " 2F1 - F2 "), At(90, 5, "2[1] - [2]")});
    EXPECT_EQ(printer.pages[1].back().text, "n.b. intermods filtered from 100 to 200 MHz.");
    EXPECT_NEAR(printer.pages[1].back().y, 9 * 0.2, 1e-9);
    EXPECT_EQ(printer.ended, 1);
}

TEST(PrintReport, IntermodsAloneStartWithEmptyLineAndHeader) {
    const ReportSite site(Locale::English());
    RecordingPrinter printer;
    LayOutReport(printer, site.Content("100", ""), Selecting(false, true, false));
    ASSERT_EQ(printer.pages.size(), 1u);
    ExpectItems(printer.pages[0], {At(5, 1, "File:"), At(20, 1, "/data/north-ridge.frq")});
    ExpectItems({printer.pages[0][8]}, {At(5, 6, "Intermodulation Products", true)});
    EXPECT_EQ(printer.pages[0].back().text, "n.b. intermods filtered from 100 to  MHz.");
}

TEST(PrintReport, GraphPageWithFrameAndZoneColumns) {
    const ReportSite site(Locale::English());
    RecordingPrinter printer;
    LayOutReport(printer, site.Content(), Selecting(true, false, true));
    ASSERT_EQ(printer.pages.size(), 2u);
    // Picture and frame 0.48 inch right of W/8; the lines continue below the frame at 0.8 H.
    ExpectItems(printer.pages[1], {{1.48, 2, "[picture 6.00 6.00]", false},
                                   {1.48, 2, "[frame 7.48 8.00]", false},
                                   {0, 8.2, "File:", false},
                                   {1.4, 8.2, "/data/north-ridge.frq", false},
                                   {0, 8.4, "Last Saved:", false},
                                   {1.4, 8.4, "05-Dec-2026 11:54:39", false},
                                   {0, 8.6, "North Ridge", false},
                                   {0, 8.8, "Hill top", false}});
}

TEST(PrintReport, LongListsFlowOverPagesWithoutRepeatsOrBlankPages) {
    struct Case {
        const char* name;
        int extraRows;
        double height;
        std::size_t pages;
    };
    // The first page holds 50 lines: 11 above the rows, then the rows; the second 50 rows.
    const Case cases[] = {
        {"exactly full page", 37, 10, 1}, {"one row over", 38, 10, 2}, {"150 rows", 148, 10, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReportSite site(Locale::English());
        for (int i = 0; i < c.extraRows; ++i) {
            site.list.AddEntry({std::to_string(2000 + i), "0", "1", "Tx", "Exist", "1", "x"});
        }
        RecordingPrinter printer;
        printer.height = c.height;
        LayOutReport(printer, site.Content(), Selecting(false, false, true));
        EXPECT_EQ(printer.pages.size(), c.pages);
        int titles = 0;
        for (const auto& page : printer.pages) {
            EXPECT_FALSE(page.empty());
            for (const auto& item : page) {
                titles += item.text == "Frequency List" || item.text == "Frequency";
                EXPECT_LE(item.y + 0.2, c.height + 1e-9) << item.text;
            }
        }
        EXPECT_EQ(titles, 2);
        EXPECT_EQ(printer.pages.back().back().text, "x");
    }
}

TEST(PrintReport, PassedColumnContinuesOnTheNextLine) {
    ReportSite site(Locale::English());
    site.rows.resize(1);
    site.rows[0].texts[ImColComposition1] = std::string(70, 'c'); // columns 25 to 94
    RecordingPrinter printer;
    LayOutReport(printer, site.Content("", ""), Selecting(false, true, false));
    const auto& page = printer.pages.at(0);
    ASSERT_GE(page.size(), 2u);
    ExpectItems({page.end() - 2, page.end()},
                {At(25, 11, std::string(70, 'c')), At(90, 12, "2[1] - [2]")});
}

TEST(PrintReport, NothingSelectedPrintsNothing) {
    const ReportSite site(Locale::English());
    RecordingPrinter printer;
    PrintWhat what;
    what.Recompute(0, 0, false);
    LayOutReport(printer, site.Content(), what);
    EXPECT_TRUE(printer.pages.empty());
    EXPECT_EQ(printer.ended, 0);
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

TEST(PrintReport, ColumnWidthIsTheWeightedLetterAverage) {
    RecordingPrinter printer; // 0.1 inch per character
    EXPECT_NEAR(AverageCharWidth(printer), 0.1, 1e-12);
    EXPECT_EQ(PrinterLabel("R&D Laser", "FILE:"), "R&&D Laser on FILE:");
    EXPECT_EQ(PrinterLabel("A&&B", "lp0"), "A&&&&B on lp0");
}

} // namespace
} // namespace spurline
