// The recent-files captions at start-up: ten files of the same name, deep in folders, each
// shortened to 500 pixels; and the shortening of one deep path alone.
#include "document/CompactPath.h"
#include "document/RecentFiles.h"
#include "support/MemorySettingsStore.h"

#include <benchmark/benchmark.h>
#include <string>

#ifdef SPURLINE_CAPTION_BENCH_QT
#include "platform/QtTextMeasurer.h"

#include <QFont>
#include <QGuiApplication>
#endif

namespace spurline {
namespace {

// Every character 7 pixels wide.
class FixedPitch final : public ITextMeasurer {
public:
    int TextWidth(std::string_view text) const override {
        return static_cast<int>(text.size()) * 7;
    }
};

// A file depth folders deep: "/d<i>/f/f/.../site.frq".
std::string DeepPath(int depth, int i) {
    std::string path = "/d" + std::to_string(i);
    for (int k = 1; k < depth; ++k) {
        path += "/f";
    }
    return path + "/site.frq";
}

void CompactDeepPath(benchmark::State& state, const ITextMeasurer& measurer) {
    const std::string path = DeepPath(static_cast<int>(state.range(0)), 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(CompactPath(path, measurer, RecentFiles::LongCaptionPathWidth));
    }
}

void LoadTenSameNamed(benchmark::State& state, const ITextMeasurer& measurer) {
    testing::MemorySettingsStore store;
    for (int i = 0; i < 10; ++i) {
        store.Write("MRUFiles", std::to_string(i), DeepPath(static_cast<int>(state.range(0)), i));
    }
    for (auto _ : state) {
        RecentFiles files(measurer);
        files.Load(store);
        benchmark::DoNotOptimize(files.entries().back().caption);
    }
}

const FixedPitch fixedPitch;

void BM_CompactPathFixedPitch(benchmark::State& state) {
    CompactDeepPath(state, fixedPitch);
}
BENCHMARK(BM_CompactPathFixedPitch)->Arg(10)->Arg(300)->Arg(2000)->Unit(benchmark::kMicrosecond);

void BM_LoadTenSameNamedFixedPitch(benchmark::State& state) {
    LoadTenSameNamed(state, fixedPitch);
}
BENCHMARK(BM_LoadTenSameNamedFixedPitch)
    ->Arg(10)
    ->Arg(300)
    ->Arg(2000)
    ->Unit(benchmark::kMillisecond);

#ifdef SPURLINE_CAPTION_BENCH_QT
// The font shaper the menu measures with.
void BM_CompactPathQtFont(benchmark::State& state) {
    const QtTextMeasurer measurer{QFont()};
    CompactDeepPath(state, measurer);
}
BENCHMARK(BM_CompactPathQtFont)->Arg(10)->Arg(300)->Arg(2000)->Unit(benchmark::kMillisecond);

void BM_LoadTenSameNamedQtFont(benchmark::State& state) {
    const QtTextMeasurer measurer{QFont()};
    LoadTenSameNamed(state, measurer);
}
BENCHMARK(BM_LoadTenSameNamedQtFont)->Arg(10)->Arg(300)->Arg(2000)->Unit(benchmark::kMillisecond);
#endif

} // namespace
} // namespace spurline

int main(int argc, char** argv) {
#ifdef SPURLINE_CAPTION_BENCH_QT
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
