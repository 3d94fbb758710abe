// Spurline at scale: loading large sites, the site whose entries all share one key and all hit
// every receiver (as spurline-calc runs it: rows written out as they are found, none kept), and
// sorting a full intermod list of 32,700 rows.

#include "SilentMessageBox.h"
#include "document/FrequencyList.h"
#include "document/FrequencyListReader.h"
#include "engine/CalculationCallbacks.h"
#include "engine/IntermodCalculation.h"
#include "engine/IntermodItems.h"
#include "engine/IntermodList.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <optional>
#include <string>

#ifdef SPURLINE_SCALE_BENCH_QT
#include "app/IntermodListModel.h"
#endif

namespace spurline {
namespace {

using bench::SilentBox;

// A site file's text: count transceivers on a 12.5 kHz raster from 30 MHz.
std::string SpreadSite(int count) {
    std::string text = "Spread\r\n05 Dec 2026 11:54:39\r\n\r\n";
    for (int k = 0; k < count; ++k)
        text += std::to_string(30 + 0.0125 * k) + ",+4600,12.5,Both,Exist,12.5,Site " +
                std::to_string(k) + ",\r\n";
    return text;
}

// count transceivers written with ten decimals between 100.0000000000 and 100.000001 MHz: all
// show as 100.00000, so the first is kept and every other line is a duplicate.
std::string EqualAsShownSite(int count) {
    std::string text = "Equal as shown\r\n05 Dec 2026 11:54:39\r\n\r\n";
    char line[64];
    for (int k = 0; k < count; ++k) {
        std::snprintf(line, sizeof line, "100.%010d,0,12.5,Both,Exist,12.5,,\r\n", k);
        text += line;
    }
    return text;
}

// count transceivers 10 Hz apart above 100 MHz with receivers 250 kHz wide: every product near
// 100 MHz falls on every receiver.
std::string CrowdedSite(int count) {
    std::string text = "Crowded\r\n05 Dec 2026 11:54:39\r\n\r\n";
    char line[64];
    for (int k = 0; k < count; ++k) {
        std::snprintf(line, sizeof line, "%.5f,0,12.5,Both,Exist,250,,\r\n", 100 + 1e-5 * k);
        text += line;
    }
    return text;
}

void Load(benchmark::State& state, const std::string& text) {
    SilentBox box;
    for (auto _ : state) {
        FrequencyList list(Locale::English());
        ReadFrequencyList(list, text);
        benchmark::DoNotOptimize(list.count());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
void BM_Load(benchmark::State& state) {
    Load(state, SpreadSite(static_cast<int>(state.range(0))));
}
void BM_EqualAsShownLoad(benchmark::State& state) {
    Load(state, EqualAsShownSite(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_Load)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EqualAsShownLoad)->Arg(10000)->Unit(benchmark::kMillisecond);

// Load and calculate with every receiver a victim, until the list cap; the rows are only
// measured, as spurline-calc writes them and forgets them. The second argument is the number of
// threads: spurline-calc uses every core. "held MB" is the most that the workers' accepted
// candidates took at once, which must not grow with the threads.
void BM_CrowdedSite(benchmark::State& state) {
    const std::string text = CrowdedSite(static_cast<int>(state.range(0)));
    SilentBox box;
    double bytes = 0;
    double held = 0;
    for (auto _ : state) {
        FrequencyList list(Locale::English());
        ReadFrequencyList(list, text);
        cIntermodItems products(box);
        IntermodList rows;
        rows.rowSink = [&bytes](const IntermodListRow& row) {
            for (const std::string& text : row.texts)
                bytes += static_cast<double>(text.size() + 1);
        };
        IntermodCalculation calculation(list, products, rows, box);
        calculation.SetThreads(static_cast<int>(state.range(1)));
        IntermodOptions options = IntermodOptions::Defaults(); // as spurline-calc --filter all
        options.filter = VictimFilter::FromOption(1);
        NoCalculationCallbacks events;
        benchmark::DoNotOptimize(calculation.Calculate(options, events).products);
        held = std::max(held, static_cast<double>(calculation.peakHeld()));
    }
    state.counters["output MB"] = bytes / 1e6 / static_cast<double>(state.iterations());
    state.counters["held MB"] = held * 72 / 1e6;
}
BENCHMARK(BM_CrowdedSite)
    ->Args({10000, 1})
    ->Args({10000, 2})
    ->Args({10000, 8})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// 40 transmitters with orders 3 to 9 fill the intermod list to its cap of 32,700 rows.
struct FullList {
    SilentBox box;
    FrequencyList list{Locale::English()};
    cIntermodItems products{box};
    IntermodList rows;
    FullList() {
        std::string text = "Crowd\r\n\r\n\r\n";
        for (int k = 0; k < 40; ++k)
            text += std::to_string(400 + k) + "." + std::to_string(100 + k * 7 % 89) +
                    ",0,25.00,Tx,Exist,N/A,,\r\n";
        ReadFrequencyList(list, text);
        IntermodCalculation calculation(list, products, rows, box);
        IntermodOptions options;
        for (int order : {3, 5, 7, 9})
            options.setOrder(order, true);
        NoCalculationCallbacks events;
        calculation.Calculate(options, events);
    }
};

void BM_SortProductsByOrder(benchmark::State& state) {
    std::optional<FullList> full;
    int rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        full.emplace(); // a collection is sorted once
        rows = full->rows.count();
        state.ResumeTiming();
        full->products.SortByOrder();
    }
    state.counters["rows"] = rows;
}
BENCHMARK(BM_SortProductsByOrder)->Iterations(5)->Unit(benchmark::kMillisecond);

#ifdef SPURLINE_SCALE_BENCH_QT
// A click on a column header of the full list; each click toggles the order.
void BM_SortIntermodListByColumn(benchmark::State& state) {
    FullList full;
    IntermodListModel model(full.rows);
    model.Refresh();
    for (auto _ : state)
        model.ColumnClick(static_cast<int>(state.range(0)));
    state.counters["rows"] = model.rowCount();
}
BENCHMARK(BM_SortIntermodListByColumn)
    ->Arg(ImColFrequency)
    ->Arg(ImColComposition1)
    ->Arg(ImColBandwidth)
    ->Unit(benchmark::kMillisecond);
#endif

} // namespace
} // namespace spurline

BENCHMARK_MAIN();
