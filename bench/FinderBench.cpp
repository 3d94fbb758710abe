// Speed of the clean-frequency finder: 200 entries, 1,601 candidates (450 to 470 MHz at
// 12.5 kHz), orders 3 to 9 with three-transmitter products, on two site shapes:
//   sameband: every entry a transceiver inside the searched band (the worst case);
//   mixed:    entries spread over VHF, UHF and 800 MHz, as at a real mast.

#include "engine/FrequencyFinder.h"
#include "engine/SiteSummary.h"

#include <benchmark/benchmark.h>
#include <random>

namespace spurline {
namespace {

CalculationTable Site(bool sameBand) {
    std::mt19937 random(2026);
    CalculationTable table;
    static const double Bands[][2] = {{146, 174}, {450, 470}, {851, 869}};
    for (int r = 0; r < 200; ++r) {
        const auto& band = sameBand ? Bands[1] : Bands[r % 3];
        const double span = band[1] - band[0];
        CalculationRow row;
        row.receiveFrequency =
            band[0] + 0.0125 * static_cast<double>(random() % static_cast<unsigned>(span * 80));
        row.transmitFrequency = row.receiveFrequency + (r % 2 == 0 ? 0 : 5);
        row.transmitHalfWidth = 12.5 / 2000;
        row.receiveHalfWidth = 12.5 / 2000;
        row.role = RoleBoth;
        row.status = 1;
        table.push_back(row);
    }
    return table;
}

IntermodOptions Options() {
    IntermodOptions options;
    for (int order : {3, 5, 7, 9}) {
        options.setOrder(order, true);
    }
    options.harmonics = false;
    options.threeFrequencies = true;
    options.worstCase = true;
    options.filter = VictimFilter::FromOption(1);
    return options;
}

void Find(benchmark::State& state, bool sameBand, FinderRole role) {
    FrequencyFinder finder(Site(sameBand), Options(), {0, 1000});
    FinderRequest request;
    request.role = role;
    request.fromMHz = 450;
    request.toMHz = 470;
    request.stepKHz = 12.5;
    request.offsetKHz = 5000;
    std::size_t clean = 0;
    for (auto _ : state) {
        const std::vector<CandidateResult> ranked = finder.Search(request);
        clean = static_cast<std::size_t>(
            std::count_if(ranked.begin(), ranked.end(), [](const auto& c) { return c.clean(); }));
        benchmark::DoNotOptimize(ranked.data());
    }
    state.counters["clean"] = static_cast<double>(clean);
}

void Summary(benchmark::State& state) {
    const CalculationTable table = Site(false);
    for (auto _ : state) {
        benchmark::DoNotOptimize(SummariseSite(table, Options(), {0, 1000}).data());
    }
}

BENCHMARK_CAPTURE(Find, sameband_tx, true, FinderRole::Tx)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Find, sameband_rx, true, FinderRole::Rx)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Find, sameband_both, true, FinderRole::Both)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Find, mixed_tx, false, FinderRole::Tx)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Find, mixed_rx, false, FinderRole::Rx)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Find, mixed_both, false, FinderRole::Both)->Unit(benchmark::kMillisecond);
BENCHMARK(Summary)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace spurline

BENCHMARK_MAIN();
