#pragma once

#include "document/FrequencyList.h"
#include "output/PrintWhat.h"
#include "output/ReportContent.h"
#include "support/ScriptedMessageBox.h"

#include <optional>
#include <string>
#include <vector>

namespace spurline::testing {

// A small site as the window would show it: two frequency rows and three intermod rows, with
// the display texts of the given locale.
struct ReportSite {
    explicit ReportSite(Locale locale) : list(std::move(locale)) {
        const bool comma = list.locale().decimalSeparator == ",";
        list.AddEntry({comma ? "174,5" : "174.5", "4600", "12", "Both", "Exist", "25", "  Mast A"});
        list.AddEntry({"1200", "0", "25", "Rx", "Plan", "30", ""});
        list.SetSiteName("North Ridge");
        list.SetComment("Hill top");
        list.SetFile("/data/north-ridge.frq", "/data/north-ridge.frq");
        list.SetLastSaved("05-Dec-2026 11:54:39");
        // Worst margins as levels give them; the second product has none.
        const std::optional<double> margins[] = {-9.056, std::nullopt, 0.5};
        int i = 0;
        for (const char* f : {"  349.00000", "  523.50000", "1,025.50000"}) {
            IntermodListRow row;
            row.texts = {f, "3", " 2F1 - F2 ", "2[1] - [2]", "", "", "", "", "12.50"};
            row.worstMarginDb = margins[i++];
            rows.push_back(row);
        }
    }

    ReportContent Content(std::string lower = "100", std::string upper = "200",
                          bool marginShown = false) const {
        std::vector<const IntermodListRow*> displayed;
        for (const IntermodListRow& row : rows) {
            displayed.push_back(&row);
        }
        ReportContent content =
            MakeReportContent(list, displayed, std::move(lower), std::move(upper));
        content.marginShown = marginShown;
        return content;
    }

    ScriptedMessageBox box;
    FrequencyList list;
    std::vector<IntermodListRow> rows;
};

// The parts of a report that are checked.
inline PrintWhat Selecting(bool graph, bool intermods, bool frequencies) {
    PrintWhat what;
    what.spectrumDisplay.checked = graph;
    what.intermodList.checked = intermods;
    what.frequencyList.checked = frequencies;
    return what;
}

} // namespace spurline::testing
