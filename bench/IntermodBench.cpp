// Speed of the intermodulation calculation against the plain algorithm, on two site shapes:
//   throughput: every candidate passes the limits and is tested against the receivers, none is
//               recorded (transmitters at 400-470 MHz, receivers at 800-870 MHz);
//   realistic:  transceivers inside 400-470 MHz, run until complete or until the list cap;
//               again with levels.

#include "ReferenceCalculation.h"
#include "SilentMessageBox.h"
#include "document/FrequencyList.h"
#include "document/MessageBox.h"
#include "document/NumberFormat.h"
#include "engine/CalculationCallbacks.h"
#include "engine/IntermodCalculation.h"
#include "engine/IntermodItems.h"
#include "engine/IntermodList.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace spurline {
namespace {

using bench::SilentBox;

struct BenchSite {
    SilentBox box;
    FrequencyList list{Locale::English()};
    cIntermodItems products{box};
    IntermodList rows;
    IntermodCalculation calculation{list, products, rows, box};
    IntermodOptions options;
    double candidates = 0;        // every candidate of the site, when all of them are tried
    bool countCandidates = false; // false when the list cap ends the run early
};

void Add(FrequencyList& list, double mhz, double offsetKHz, double txKHz, const char* txrx,
         double rxKHz) {
    const Locale& l = list.locale();
    list.AddEntry({FormatNumber(mhz, "0.00000", l), FormatNumber(offsetKHz, "0.00", l),
                   FormatNumber(txKHz, "0.00", l), txrx, "Exist", FormatNumber(rxKHz, "0.00", l),
                   ""});
}

void CommonOptions(IntermodOptions& options, int filter) {
    for (int order : {3, 5, 7, 9}) {
        options.setOrder(order, true);
    }
    options.harmonics = false;
    options.threeFrequencies = true;
    options.worstCase = true;
    options.filter = VictimFilter::FromOption(filter);
    options.lowerLimit = std::string{"0"};
    options.upperLimit = std::string{"1000"};
}

// Candidates of t transmitters with orders 3 to 9 and three-transmitter products, no harmonics.
double CandidateCount(double t) {
    const double pairs = t * (t - 1) / 2;
    return pairs * 8 + pairs * (t - 2) * 16;
}

// 12.5 kHz raster steps between 0 and span MHz, spread evenly over count entries.
double RasterPoint(int k, int count, double spanMHz) {
    const int steps = static_cast<int>(spanMHz / 0.0125);
    return 0.0125 * (static_cast<long long>(k) * steps / count);
}

std::unique_ptr<BenchSite> Throughput(int transmitters) {
    auto site = std::make_unique<BenchSite>();
    for (int k = 0; k < transmitters; ++k) {
        Add(site->list, 400 + RasterPoint(k, transmitters, 70), 0, k % 2 ? 25 : 12.5, "Tx", 0);
    }
    for (int k = 0; k < transmitters; ++k) {
        Add(site->list, 800 + RasterPoint(k, transmitters, 70), 0, 0, "Rx", k % 2 ? 12.5 : 25);
    }
    CommonOptions(site->options, 3);
    site->candidates = CandidateCount(transmitters);
    site->countCandidates = true;
    return site;
}

std::unique_ptr<BenchSite> Realistic(int transceivers) {
    auto site = std::make_unique<BenchSite>();
    for (int k = 0; k < transceivers; ++k) {
        const double offset = k % 2 ? 5000 : 10000;
        Add(site->list, 400 + RasterPoint(k, transceivers, 60), offset, k % 3 ? 12.5 : 25, "Both",
            k % 3 ? 12.5 : 25);
    }
    CommonOptions(site->options, 1);
    return site;
}

void RunEngine(benchmark::State& state, std::unique_ptr<BenchSite> site, int threads = 1,
               bool levels = false) {
    NoCalculationCallbacks events;
    if (levels) {
        site->calculation.levels = SiteLevels{};
    }
    site->calculation.SetThreads(threads);
    long rows = 0;
    for (auto _ : state) {
        const CalculationResult result = site->calculation.Calculate(site->options, events);
        rows = site->rows.count();
        benchmark::DoNotOptimize(result.products);
    }
    state.counters["rows"] = static_cast<double>(rows);
    if (site->countCandidates) {
        state.counters["candidates/s"] =
            benchmark::Counter(site->candidates * static_cast<double>(state.iterations()),
                               benchmark::Counter::kIsRate);
    }
}

void RunReference(benchmark::State& state, std::unique_ptr<BenchSite> site) {
    long rows = 0;
    for (auto _ : state) {
        const testing::ReferenceResult result =
            testing::ReferenceCalculate(site->list.entries(), site->list.locale(), site->options);
        rows = static_cast<long>(result.rows.size());
    }
    state.counters["rows"] = static_cast<double>(rows);
    if (site->countCandidates) {
        state.counters["candidates/s"] =
            benchmark::Counter(site->candidates * static_cast<double>(state.iterations()),
                               benchmark::Counter::kIsRate);
    }
}

void BM_ThroughputEngine(benchmark::State& state) {
    RunEngine(state, Throughput(static_cast<int>(state.range(0))));
}
// Arguments: transmitters, threads.
void BM_ThroughputThreads(benchmark::State& state) {
    RunEngine(state, Throughput(static_cast<int>(state.range(0))),
              static_cast<int>(state.range(1)));
}
void BM_ThroughputReference(benchmark::State& state) {
    RunReference(state, Throughput(static_cast<int>(state.range(0))));
}
void BM_RealisticEngine(benchmark::State& state) {
    RunEngine(state, Realistic(static_cast<int>(state.range(0))));
}
// The same with every product's level at each victim and the receivers' totals.
void BM_RealisticLevels(benchmark::State& state) {
    RunEngine(state, Realistic(static_cast<int>(state.range(0))), 1, true);
}
void BM_RealisticReference(benchmark::State& state) {
    RunReference(state, Realistic(static_cast<int>(state.range(0))));
}

BENCHMARK(BM_ThroughputEngine)
    ->Arg(50)
    ->Arg(100)
    ->Arg(200)
    ->Arg(400)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(BM_ThroughputThreads)
    ->Args({200, 1})
    ->Args({200, 2})
    ->Args({400, 1})
    ->Args({400, 2})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(BM_ThroughputReference)
    ->Arg(50)
    ->Arg(100)
    ->Arg(200)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_RealisticEngine)
    ->Arg(50)
    ->Arg(100)
    ->Arg(200)
    ->Arg(400)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_RealisticLevels)
    ->Arg(50)
    ->Arg(100)
    ->Arg(200)
    ->Arg(400)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_RealisticReference)
    ->Arg(50)
    ->Arg(100)
    ->Arg(200)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
} // namespace spurline

BENCHMARK_MAIN();
