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
inline constexpr std::array<const char*, 7> FinderColumnCaptions{
    "Frequency (MHz)",       "Clean",         "Conflicts", "Lowest order", "Closest (kHz)",
    "Nearest carrier (kHz)", "Conflict kinds"};

// One candidate's cells: frequency "0.00000", "yes"/"no", the count, the order label ("" for
// none), the distances in kHz with one decimal ("" for none), why it is not clean.
std::array<std::string, 7> CandidateCells(const CandidateResult& candidate, const Locale& locale);

// The columns of the site summary.
inline constexpr std::array<const char*, 8> SummaryColumnCaptions{
    "ID",      "Frequency (MHz)", "Tx/Rx",        "Products",
    "Victims", "Hit by",          "Lowest order", "Closest (kHz)"};

// One entry's cells: its ID, frequency and Tx/Rx texts from the list, then the counts.
std::array<std::string, 8> SummaryCells(const EntrySummary& summary, const FrequencyList& list);

// The windows' captions and messages.
namespace findertexts {
inline constexpr const char* FindMenu = "Find clean &frequencies...";
inline constexpr const char* SummaryMenu = "Site &summary...";
inline constexpr const char* FindTitle = "Find clean frequencies";
inline constexpr const char* SummaryTitle = "Site summary";
inline constexpr std::array<const char*, 3> Roles{"Transmitter", "Receiver",
                                                  "Transceiver (duplex offset)"};
inline constexpr std::array<const char*, 9> Labels{"Role",
                                                   "From (MHz)",
                                                   "To (MHz)",
                                                   "Step (kHz)",
                                                   "Tx bandwidth (kHz)",
                                                   "Rx bandwidth (kHz)",
                                                   "Offset (kHz)",
                                                   "Minimum spacing (kHz)",
                                                   "How many"};
inline constexpr const char* Find = "&Find";
inline constexpr const char* Add = "&Add";
inline constexpr const char* Close = "Close";
inline constexpr const char* Refresh = "&Refresh";
inline constexpr const char* BadNumber = "Please enter a number in every box.";
inline constexpr const char* LimitMessage = "Lower limit greater than upper limit!";
inline constexpr const char* Duplicate = "This frequency is already in the list.";
inline constexpr const char* OutOfRange = "The frequency is out of range";
inline constexpr const char* Stopped = "Search stopped.";
inline constexpr const char* PickFirst = "Select a candidate to add.";
// The ranking once the site or the options have changed since it was found.
inline constexpr const char* OutOfDate = "Out of date: press Find to refresh.";
// The site summary window's last column, after SummaryColumnCaptions (and ReceiverLevelCaptions).
inline constexpr const char* Remarks = "Remarks";
// Above the receivers' totals in the site summary window, while levels are on.
inline constexpr const char* ReceiversHeading =
    "Intermodulation level at each receiver, worst margin first:";
} // namespace findertexts

// "12 of 1601 candidates clean." or, when planning, "3 of 3 channels chosen."
std::string FinderStatus(const std::vector<CandidateResult>& found, const FinderRequest& request);

// "Most trouble: entry 13 (Fire service base, 450.00000 MHz), 2 products reaching 2 receivers."
// (without remarks "entry 13 (450.00000 MHz)") or, with no product reaching a receiver, "No
// product reaches a receiver."
std::string WorstTransmitterText(const std::vector<EntrySummary>& summary,
                                 const FrequencyList& list);

// The site as the calculation reads it, entry by entry.
CalculationTable ReadCalculationTable(const FrequencyList& list);

// The site summary's table of receivers' intermodulation totals, worst first.
inline constexpr std::array<const char*, 6> ReceiverLevelCaptions{
    "ID", "Frequency (MHz)", "Products", "Level (dBm)", "Margin (dB)", "Class"};
std::array<std::string, 6> ReceiverLevelCells(const ReceiverLevel& r, const FrequencyList& list);

// The entry whose products reach the most receivers (then the most products); 0 for none.
int WorstTransmitter(const std::vector<EntrySummary>& summary);

} // namespace spurline
