#pragma once

#include "document/Locale.h"
#include "engine/FrequencyFinder.h"
#include "engine/SiteSummary.h"

#include <array>
#include <string>
#include <vector>

namespace spurline {

class FrequencyList;

// The columns of the finder's result table, as the window and the command line show them.
inline constexpr std::array<const char*, 6> FinderColumnCaptions{
    "Frequency (MHz)", "Clean",         "Conflicts",
    "Lowest order",    "Closest (kHz)", "Nearest carrier (kHz)"};

// One candidate's cells: frequency "0.00000", "yes"/"no", the count, the order label ("" for
// none), the distances in kHz with one decimal ("" for none).
std::array<std::string, 6> CandidateCells(const CandidateResult& candidate, const Locale& locale);

// The columns of the site summary.
inline constexpr std::array<const char*, 8> SummaryColumnCaptions{
    "ID",      "Frequency (MHz)", "Tx/Rx",        "Products",
    "Victims", "Hit by",          "Lowest order", "Closest (kHz)"};

// One entry's cells: its ID, frequency and Tx/Rx texts from the list, then the counts.
std::array<std::string, 8> SummaryCells(const EntrySummary& summary, const FrequencyList& list);

// The site as the calculation reads it, entry by entry.
CalculationTable ReadCalculationTable(const FrequencyList& list);

// The entry whose products reach the most receivers (then the most products); 0 for none.
int WorstTransmitter(const std::vector<EntrySummary>& summary);

} // namespace spurline
