#include "engine/FinderVerdicts.h"

#include <algorithm>
#include <cmath>

namespace spurline {

namespace {

// Edges closer than this touch: list frequencies have five decimals and bandwidths two (kHz),
// so rounding noise is far below it and a real gap far above.
constexpr double Touch = 1e-7; // MHz

struct EntryBand {
    double low;
    double high;
    int entry; // 1-based
};

bool Touches(double low, double high, double otherLow, double otherHigh) {
    return low <= otherHigh + Touch && otherLow <= high + Touch;
}

void AddEntries(std::vector<int>& entries, const std::vector<EntryBand>& bands, double low,
                double high) {
    for (const EntryBand& b : bands) {
        if (Touches(low, high, b.low, b.high)) {
            entries.push_back(b.entry);
        }
    }
}

} // namespace

void JudgeOwnBands(std::vector<CandidateResult>& results, const CalculationTable& site,
                   const VictimFilter& filter, const CalculationRow& model,
                   const std::vector<FinderExclusion>& exclusions) {
    // The receivers the intermod verdicts count as victims, and the transmitters whose products
    // they form.
    std::vector<EntryBand> receivers;
    std::vector<EntryBand> transmitters;
    for (std::size_t k = 0; k < site.size(); ++k) {
        const CalculationRow& row = site[k];
        const int entry = static_cast<int>(k) + 1;
        const bool admitted =
            (row.status == 0 && filter.showPlanned) || (row.status != 0 && filter.showExisting);
        if (row.receives() && admitted && !std::isnan(row.receiveFrequency)) {
            receivers.push_back({row.receiveFrequency - row.receiveHalfWidth,
                                 row.receiveFrequency + row.receiveHalfWidth, entry});
        }
        if (row.transmits() && row.transmitFrequency > ExcludedFrequency) {
            transmitters.push_back({row.transmitFrequency - row.transmitHalfWidth,
                                    row.transmitFrequency + row.transmitHalfWidth, entry});
        }
    }
    for (CandidateResult& r : results) {
        std::vector<int> entries;
        std::vector<std::pair<double, double>> own;
        if (model.transmits()) {
            const double tx = r.frequencyMHz + r.offsetKHz / 1000;
            own.emplace_back(tx - model.transmitHalfWidth, tx + model.transmitHalfWidth);
            AddEntries(entries, receivers, own.back().first, own.back().second);
        }
        if (model.receives()) {
            own.emplace_back(r.frequencyMHz - model.receiveHalfWidth,
                             r.frequencyMHz + model.receiveHalfWidth);
            AddEntries(entries, transmitters, own.back().first, own.back().second);
        }
        std::sort(entries.begin(), entries.end());
        entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
        r.coChannel = std::move(entries);
        r.excluded = false;
        for (const FinderExclusion& x : exclusions) {
            for (const auto& [low, high] : own) {
                r.excluded = r.excluded || Touches(low, high, x.fromMHz, x.toMHz);
            }
        }
    }
}

std::string ConflictKinds(const CandidateResult& c) {
    std::string text;
    auto add = [&](const std::string& kind) { text += (text.empty() ? "" : "; ") + kind; };
    if (!c.coChannel.empty()) {
        std::string entries;
        for (int e : c.coChannel) {
            entries += (entries.empty() ? "" : ", ") + std::to_string(e);
        }
        add("co-channel [" + entries + "]");
    }
    if (c.conflicts > 0) {
        add("intermod");
    }
    if (c.duplicate) {
        add("duplicate");
    } else if (!c.spacingOk) {
        add("spacing");
    }
    if (c.excluded) {
        add("excluded");
    }
    return text;
}

} // namespace spurline
