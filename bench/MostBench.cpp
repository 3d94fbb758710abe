// The largest clean set against greedy first-fit on generated bands: 100 to 1,000 candidates,
// sites of 0 to 50 entries, orders 3 and 3+5; each search has the command line's default time
// limit of 10 s. Counters: candidates clean with the site, greedy's channels, the search's, and
// whether it searched to the end (1) or stopped at the limit (0).

#include "GeneratedBands.h"
#include "engine/CleanSetSearch.h"

#include <benchmark/benchmark.h>

namespace spurline {
namespace {

void Most(benchmark::State& state, const testing::BandCase& c) {
    const CalculationTable site = testing::BandSite(c);
    CleanSetResult result;
    for (auto _ : state) {
        result = FindMostChannels(site, testing::BandOptions(c), {0, 1000000},
                                  testing::BandRequest(c), 10);
        benchmark::DoNotOptimize(result.channels.data());
    }
    state.counters["candidates"] = c.candidates;
    state.counters["site"] = c.siteEntries;
    state.counters["clean"] = static_cast<double>(result.candidates);
    state.counters["greedy"] = static_cast<double>(result.greedy);
    state.counters["most"] = static_cast<double>(result.channels.size());
    state.counters["complete"] = result.complete ? 1 : 0;
}

const bool Registered = [] {
    for (const testing::BandCase& c : testing::BandCases) {
        benchmark::RegisterBenchmark(c.name, Most, c)->Unit(benchmark::kMillisecond)->Iterations(1);
    }
    return true;
}();

} // namespace
} // namespace spurline

BENCHMARK_MAIN();
