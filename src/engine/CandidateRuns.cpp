#include "engine/CandidateRuns.h"

#include "engine/FinderTally.h"

#include <algorithm>
#include <limits>

namespace spurline::finder {

namespace {
// How far a channel may stray from its run's straight line: the rounding of a raster to five
// decimals, which the finder's margins allow for.
constexpr double Stray = 6e-6; // MHz
} // namespace

std::vector<CandidateRun> CandidateRuns(const FinderRequest& request) {
    const bool both = request.role == FinderRole::Both;
    if (CheckFinderRequest(request) != nullptr) {
        return {};
    }
    if (request.channels.empty()) {
        CandidateRun run{both ? RoundTo(request.offsetKHz, 100) : 0, CandidateFrequencies(request)};
        return run.rx.empty() ? std::vector<CandidateRun>{} : std::vector<CandidateRun>{run};
    }
    std::vector<std::pair<double, double>> channels; // offset kHz, rx MHz
    for (const FinderChannel& c : request.channels) {
        const double rx = RoundTo(c.receiveMHz, 1e5);
        channels.emplace_back(both ? RoundTo((RoundTo(c.transmitMHz, 1e5) - rx) * 1000, 100) : 0,
                              rx);
    }
    std::sort(channels.begin(), channels.end());
    channels.erase(std::unique(channels.begin(), channels.end()), channels.end());
    std::vector<CandidateRun> runs;
    for (std::size_t i = 0; i < channels.size();) {
        CandidateRun run{channels[i].first, {channels[i].second}};
        const double first = channels[i].second;
        // The slopes that keep every channel so far within Stray of the line from the first.
        double low = -std::numeric_limits<double>::infinity();
        double high = std::numeric_limits<double>::infinity();
        std::size_t j = i + 1;
        for (; j < channels.size() && channels[j].first == run.offsetKHz; ++j) {
            const auto steps = static_cast<double>(j - i);
            const double rise = channels[j].second - first;
            const double slope = rise / steps;
            if (slope < low || slope > high) {
                break;
            }
            low = std::max(low, (rise - Stray) / steps);
            high = std::min(high, (rise + Stray) / steps);
            run.rx.push_back(channels[j].second);
        }
        runs.push_back(std::move(run));
        i = j;
    }
    return runs;
}

} // namespace spurline::finder
