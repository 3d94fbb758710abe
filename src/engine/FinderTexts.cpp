#include "engine/FinderTexts.h"

#include "document/FrequencyList.h"
#include "document/NumberFormat.h"
#include "document/TextHelpers.h"
#include "engine/FinderVerdicts.h"
#include "engine/ProductRecorder.h"

#include <cmath>

namespace spurline {

namespace {
std::string Distance(double kHz, const Locale& locale) {
    return std::isfinite(kHz) ? FormatNumber(kHz, "0.0", locale) : std::string();
}

std::string Order(int order) {
    return order > 0 ? OrderLabel(order) : std::string();
}
} // namespace

std::array<std::string, 7> CandidateCells(const CandidateResult& c, const Locale& locale) {
    return {FormatNumber(c.frequencyMHz, "0.00000", locale),
            c.clean() ? "yes" : "no",
            std::to_string(c.conflicts),
            Order(c.lowestOrder),
            Distance(c.closestKHz, locale),
            Distance(c.nearestCarrierKHz, locale),
            ConflictKinds(c)};
}

std::array<std::string, 8> SummaryCells(const EntrySummary& s, const FrequencyList& list) {
    const FrequencyEntry& e = list.entry(s.entry - 1);
    return {TrimBlanks(e.texts[ColId]),
            TrimBlanks(e.frequency()),
            e.txrx(),
            std::to_string(s.products),
            std::to_string(s.victims),
            std::to_string(s.received),
            Order(s.lowestOrder),
            Distance(s.closestKHz, list.locale())};
}

std::array<std::string, 6> ReceiverLevelCells(const ReceiverLevel& r, const FrequencyList& list) {
    const FrequencyEntry& e = list.entry(r.entry - 1);
    return {TrimBlanks(e.texts[ColId]),           TrimBlanks(e.frequency()),
            std::to_string(r.products),           LevelText(r.levelDbm, list.locale()),
            LevelText(r.marginDb, list.locale()), LevelClassName(ClassOfMargin(r.marginDb))};
}

CalculationTable ReadCalculationTable(const FrequencyList& list) {
    CalculationTable table;
    for (const FrequencyEntry& e : list.entries()) {
        table.push_back(ReadCalculationRow(e, list.locale()));
    }
    return table;
}

int WorstTransmitter(const std::vector<EntrySummary>& summary) {
    const EntrySummary* worst = nullptr;
    for (const EntrySummary& s : summary) {
        if (s.products > 0 && (worst == nullptr || s.victims > worst->victims ||
                               (s.victims == worst->victims && s.products > worst->products))) {
            worst = &s;
        }
    }
    return worst != nullptr ? worst->entry : 0;
}

std::string FinderStatus(const std::vector<CandidateResult>& found, const FinderRequest& request) {
    if (request.count > 1) {
        return std::to_string(found.size()) + " of " + std::to_string(request.count) +
               " channels chosen.";
    }
    std::size_t clean = 0;
    for (const CandidateResult& c : found) {
        clean += c.clean() ? 1 : 0;
    }
    return std::to_string(clean) + " of " + std::to_string(found.size()) + " candidates clean.";
}

std::string WorstTransmitterText(const std::vector<EntrySummary>& summary,
                                 const FrequencyList& list) {
    const int worst = WorstTransmitter(summary);
    if (worst == 0) {
        return "No product reaches a receiver.";
    }
    const EntrySummary& s = summary[static_cast<std::size_t>(worst - 1)];
    const FrequencyEntry& e = list.entry(worst - 1);
    // Named as the user named it, so that nobody has to look the number up.
    const std::string remarks = TrimBlanks(e.remarks());
    return "Most trouble: entry " + std::to_string(worst) + " (" +
           (remarks.empty() ? "" : remarks + ", ") + TrimBlanks(e.frequency()) + " MHz), " +
           std::to_string(s.products) + " products reaching " + std::to_string(s.victims) +
           " receivers.";
}

} // namespace spurline
