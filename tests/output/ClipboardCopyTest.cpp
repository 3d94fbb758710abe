#include "output/ClipboardCopy.h"

#include "document/EditMenuTarget.h"
#include "document/FrequencySelection.h"
#include "output/ReportSite.h"

#include <gtest/gtest.h>

namespace spurline {
namespace {

using testing::ReportSite;

class RecordingClipboard final : public IClipboard {
public:
    void Clear() override { calls += "clear;"; }
    void SetText(const std::string& utf8) override { calls += "text:" + utf8; }
    void SetGraphPicture() override { calls += "picture;"; }
    std::string calls;
};

const std::string FrequencyHeading =
    "ID\tFrequency (MHz)\tOffset (kHz)\tTx BW (kHz)\tTx/Rx\tStatus\tRx BW (kHz)\tRemarks";
const std::string FirstRow =
    "\r\n 1\t      174.50000\t+4,600.00\t12.00\tBoth\tExist\t25.00\t  Mast A";

TEST(ClipboardCopy, SelectedRowsOfTheTargetListOrThePicture) {
    struct Case {
        int target;
        std::size_t limit;
        std::string calls;
    };
    ReportSite site(Locale::English());
    FrequencySelection selection(site.list);
    selection.SetSelected(0, true);
    selection.SetSelected(1, true);
    // Cells as displayed, untrimmed; the empty remark leaves a trailing TAB.
    const std::string text =
        FrequencyHeading + FirstRow + "\r\n 2\t    1,200.00000\t0\tN/A\tRx\tPlan\t30.00\t";
    const Case cases[] = {
        {EditNone, 1, "clear;picture;"},
        {EditGraph, 1, "clear;picture;"},
        {EditFrequencyList, text.size(), "clear;text:" + text},
        // Too large: cut after the last whole cell, the second row's ID (the rest is 37 bytes).
        {EditFrequencyList, text.size() - 22,
         "clear;text:" + FrequencyHeading + FirstRow + "\r\n 2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.calls);
        site.box.shown.clear();
        RecordingClipboard clipboard;
        ClipboardCopy(clipboard, site.box, c.limit).Copy(c.target, [&] {
            return FrequencyCopyTable(site.list, selection);
        });
        EXPECT_EQ(clipboard.calls, c.calls);
        const bool truncated = c.target == EditFrequencyList && c.limit < text.size();
        ASSERT_EQ(site.box.shown.size(), truncated ? 1u : 0u);
        if (truncated) {
            EXPECT_EQ(site.box.shown[0].prompt,
                      "Selection too large!\r\nCopy to clipboard truncated");
            EXPECT_EQ(site.box.shown[0].buttons, msgbox::Exclamation);
        }
    }
}

TEST(ClipboardCopy, IntermodRowsHaveNineCellsWithTheHiddenColumns) {
    const ReportSite site(Locale::English());
    const CopyText copied =
        BuildCopyText(IntermodCopyTable(site.Content(), {false, false, true}), 1000);
    EXPECT_EQ(copied.text,
              "Frequency (MHz)\tOrder\tComposition (by Frequency)\tComposition (by ID)\t"
              "Affects (by ID)\tAffected by planned (by ID)\tAffected by existing (by ID)\t"
              "Frequency bounds (MHz)\tBandwdith (kHz)\r\n"
              "1,025.50000\t3\t 2F1 - F2 \t2[1] - [2]\t\t\t\t\t12.50");
}

// While the window shows the margin it follows the order, as there, in the list's convention;
// a product without one has an empty cell. The limit counts it like any other cell.
TEST(ClipboardCopy, IntermodMarginFollowsTheOrderWhileShown) {
    struct Case {
        Locale locale;
        bool shown;
        std::size_t limit;
        std::string text;
    };
    const std::string heading =
        "Frequency (MHz)\tOrder\tMargin (dB)\tComposition (by Frequency)\t"
        "Composition (by ID)\tAffects (by ID)\tAffected by planned (by ID)\t"
        "Affected by existing (by ID)\tFrequency bounds (MHz)\tBandwdith (kHz)";
    const std::string cells = "\t 2F1 - F2 \t2[1] - [2]\t\t\t\t\t12.50";
    const std::string first = "\r\n  349.00000\t3";
    const std::string english =
        heading + first + "\t-9.06" + cells + "\r\n  523.50000\t3\t" + cells;
    const Case cases[] = {
        {Locale::English(), true, 1000, english},
        {Locale::German(), true, 1000,
         heading + first + "\t-9,06" + cells + "\r\n  523.50000\t3\t" + cells},
        {Locale::English(), true, heading.size() + first.size() + 5, heading + first},
        {Locale::German(), false, 1000,
         "Frequency (MHz)\tOrder\tComposition (by Frequency)\tComposition (by ID)\t"
         "Affects (by ID)\tAffected by planned (by ID)\tAffected by existing (by ID)\t"
         "Frequency bounds (MHz)\tBandwdith (kHz)" +
             first + cells + "\r\n  523.50000\t3" + cells},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ReportSite site(c.locale);
        const CopyText copied = BuildCopyText(
            IntermodCopyTable(site.Content("", "", c.shown), {true, true, false}), c.limit);
        EXPECT_EQ(copied.text, c.text);
        EXPECT_EQ(copied.truncated, c.limit < 1000);
    }
}

} // namespace
} // namespace spurline
