#include "output/ClipboardCopy.h"

#include "document/ErrorReport.h"
#include "output/ReportSite.h"

#include <gtest/gtest.h>

namespace spurline {
namespace {

using testing::ReportSite;

class RecordingClipboard final : public IClipboard {
public:
    void Clear() override { calls += "clear;"; }
    void SetText(const std::string& utf8) override {
        calls += "text;";
        text = utf8;
    }
    void SetGraphPicture() override {
        calls += "picture;";
        if (fail) {
            throw CommandFailure(errors::OutOfMemory, "Out of memory", "copy/picture");
        }
    }
    std::string calls;
    std::string text;
    bool fail = false;
};

const std::string FrequencyHeading =
    "ID\tFrequency (MHz)\tOffset (kHz)\tTx BW (kHz)\tTx/Rx\tStatus\tRx BW (kHz)\tRemarks";

TEST(ClipboardCopy, TargetDecidesTextOrPicture) {
    struct Case {
        int target;
        std::string calls;
        std::string text;
    };
    ReportSite site(Locale::English());
    site.list.SetSelected(1, true);
    const Case cases[] = {
        {EditNone, "clear;picture;", ""},
        {EditGraph, "clear;picture;", ""},
        // Cells as displayed, untrimmed; the empty remark leaves a trailing TAB.
        {EditFrequencyList, "clear;text;",
         FrequencyHeading + "\r\n 2\t    1,200.00000\t0\tN/A\tRx\tPlan\t30.00\t"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        RecordingClipboard clipboard;
        ClipboardCopy copy(clipboard, site.box);
        copy.Copy(c.target, [&] { return FrequencyCopyTable(site.list); });
        EXPECT_EQ(clipboard.calls, c.calls);
        EXPECT_EQ(clipboard.text, c.text);
    }
    EXPECT_TRUE(site.box.shown.empty());
}

TEST(ClipboardCopy, IntermodRowsHaveNineCellsAndHiddenColumns) {
    const ReportSite site(Locale::English());
    std::vector<const IntermodListRow*> displayed;
    for (const IntermodListRow& row : site.rows) {
        displayed.push_back(&row);
    }
    const CopyText copied =
        BuildCopyText(IntermodCopyTable(displayed, {false, true, true}), 1 << 20);
    EXPECT_FALSE(copied.truncated);
    EXPECT_EQ(copied.text,
              "Frequency (MHz)\tOrder\tComposition (by Frequency)\tComposition (by ID)\t"
              "Affects (by ID)\tAffected by planned (by ID)\tAffected by existing (by ID)\t"
              "Frequency bounds (MHz)\tBandwdith (kHz)\r\n"
              "  523.50000\t3\t 2F1 - F2 \t2[1] - [2]\t\t\t\t\t12.50\r\n"
              "1,025.50000\t3\t 2F1 - F2 \t2[1] - [2]\t\t\t\t\t12.50");
    EXPECT_EQ(BuildCopyText(IntermodCopyTable(displayed, {false, false, false}), 1 << 20).text,
              copied.text.substr(0, copied.text.find("\r\n")));
}

TEST(ClipboardCopy, TooLargeSelectionIsTruncatedAfterAWholeCell) {
    ReportSite site(Locale::English());
    site.list.SetSelected(0, true);
    site.list.SetSelected(1, true);
    // Room for the heading, the first row (62 bytes), the second row's ID and 15 bytes more.
    const std::size_t limit = FrequencyHeading.size() + 62 + 4 + 15;
    RecordingClipboard clipboard;
    ClipboardCopy copy(clipboard, site.box, limit);
    copy.Copy(EditFrequencyList, [&] { return FrequencyCopyTable(site.list); });
    ASSERT_EQ(site.box.shown.size(), 1u);
    EXPECT_EQ(site.box.shown[0].prompt, "Selection too large!\r\nCopy to clipboard truncated");
    EXPECT_EQ(site.box.shown[0].buttons, msgbox::Exclamation);
    EXPECT_EQ(clipboard.calls, "clear;text;");
    EXPECT_EQ(clipboard.text, FrequencyHeading +
                                  "\r\n 1\t      174.50000\t+4,600.00\t12.00\tBoth\tExist\t25.00\t"
                                  "  Mast A\r\n 2");
    EXPECT_LE(clipboard.text.size(), limit);
}

TEST(ClipboardCopy, OtherFailureShowsTheErrorReport) {
    ReportSite site(Locale::English());
    RecordingClipboard clipboard;
    clipboard.fail = true;
    ClipboardCopy copy(clipboard, site.box);
    copy.Copy(EditNone, {});
    ASSERT_EQ(site.box.shown.size(), 1u);
    EXPECT_EQ(site.box.shown[0].prompt,
              "Error: 7 description: Out of memory at line: copy/picture");
    EXPECT_EQ(site.box.shown[0].buttons, msgbox::Critical);
}

} // namespace
} // namespace spurline
