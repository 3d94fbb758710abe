#pragma once

#include "document/FrequencyList.h"
#include "engine/IntermodList.h"

#include <span>
#include <string>
#include <vector>

namespace spurline {

// What the export and the printout read from the main window: the header fields, both lists in
// their displayed order with their displayed texts, the limit boxes' texts (MHz, may be empty),
// and whether the intermod list shows its "Margin (dB)" column.
struct ReportContent {
    std::string filePath;
    std::string lastSaved;
    std::string siteName;
    std::string comment;
    std::span<const FrequencyEntry> frequencies;
    std::vector<const IntermodListRow*> intermods;
    std::string lowerLimit;
    std::string upperLimit;
    Locale locale = Locale::English(); // the convention of the list's texts
    bool marginShown = false;
};

// The content for a document, its intermod rows in displayed order and the limit texts.
inline ReportContent MakeReportContent(const FrequencyList& list,
                                       std::vector<const IntermodListRow*> intermods,
                                       std::string lowerLimit, std::string upperLimit) {
    // The full path: the window's field shows it shortened to the field's width.
    return {list.filePath(),       list.lastSaved(),      list.siteName(),
            list.comment(),        list.entries(),        std::move(intermods),
            std::move(lowerLimit), std::move(upperLimit), list.locale()};
}

} // namespace spurline
