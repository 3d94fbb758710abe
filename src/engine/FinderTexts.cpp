#include "engine/FinderTexts.h"

#include "document/FrequencyList.h"
#include "document/NumberFormat.h"
#include "document/TextHelpers.h"
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

std::array<std::string, 6> CandidateCells(const CandidateResult& c, const Locale& locale) {
    return {FormatNumber(c.frequencyMHz, "0.00000", locale),
            c.clean() ? "yes" : "no",
            std::to_string(c.conflicts),
            Order(c.lowestOrder),
            Distance(c.closestKHz, locale),
            Distance(c.nearestCarrierKHz, locale)};
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

} // namespace spurline
