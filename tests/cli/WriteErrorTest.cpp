// spurline-calc when its output cannot be written: it says so, stops and fails.

#include "CalcRun.h"
#include "DescriptorBuffer.h"
#include "OutputWatch.h"
#include "document/AtomicFile.h"
#include "document/FrequencyList.h"
#include "document/FrequencyListReader.h"
#include "document/StreamMessageBox.h"
#include "engine/IntermodCalculation.h"
#include "engine/IntermodItems.h"
#include "engine/IntermodList.h"
#include "support/TemporaryFolder.h"

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace spurline::cli {
namespace {

const std::string Site = SPURLINE_EXAMPLES_DIR "/north-ridge.frq";

// A descriptor every write to fails: /dev/full, or a pipe whose reader has gone (SIGPIPE ignored,
// as a parent may leave it).
struct FailingOutput {
    explicit FailingOutput(bool pipe) {
        if (pipe) {
            int ends[2] = {-1, -1};
            EXPECT_EQ(::pipe(ends), 0);
            ::close(ends[0]);
            fd = ends[1];
        } else {
            fd = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
        }
        previous = std::signal(SIGPIPE, SIG_IGN);
    }
    ~FailingOutput() {
        ::close(fd);
        std::signal(SIGPIPE, previous);
    }
    int fd = -1;
    void (*previous)(int) = nullptr;
};

TEST(CalcRun, AnOutputThatCannotBeWrittenIsAFailure) {
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    testing::TemporaryFolder folder;
    const std::string svg = folder.File("graph.svg");
    const std::vector<std::vector<std::string>> runs = {
        {"--locale", "en", Site},
        {"--locale", "en", "--format", "json", "--no-cap", "--orders", "3,5,7,9", Site},
        {"--locale", "en", "--graph", svg, Site},
        {"--locale", "en", "--summary", Site},
        {"--locale", "en", "--find", "rx", "--from", "450", "--to", "451", "--step", "25", Site},
        {"--help"},
    };
    for (const bool pipe : {false, true}) {
        for (const std::vector<std::string>& arguments : runs) {
            SCOPED_TRACE(::testing::PrintToString(arguments) + (pipe ? " to a pipe" : ""));
            std::filesystem::remove(svg);
            FailingOutput sink(pipe);
            DescriptorBuffer buffer(sink.fd);
            std::ostream out(&buffer);
            std::ostringstream err;
            EXPECT_EQ(RunCalc(arguments, Locale::English(), out, err), 1);
            EXPECT_EQ(err.str(), std::string("spurline-calc: write error: ") +
                                     (pipe ? "Broken pipe" : "No space left on device") + "\n");
            // It stopped: the graph is not drawn for a list nobody received.
            EXPECT_FALSE(std::filesystem::exists(svg));
        }
    }
}

// Rows stream with --no-cap: once the stream fails the calculation stops instead of computing the
// rest of the list.
TEST(CalcRun, AFailedOutputStopsTheCalculation) {
    for (const int threads : {1, 2}) {
        SCOPED_TRACE(threads);
        std::ostringstream err;
        StreamMessageBox box(err);
        FrequencyList list(Locale::English());
        ReadFrequencyList(list, ReadWholeFile(Site), LoadListener{});
        cIntermodItems products(box);
        IntermodList rows;
        std::ostringstream out;
        int offered = 0;
        rows.productSink = [&](const IntermodListRow&, const RecordedProduct&) {
            if (++offered == 10)
                out.setstate(std::ios::badbit);
        };
        IntermodCalculation calculation(list, products, rows, box);
        calculation.listCap = -1;
        calculation.keepProducts = false;
        calculation.sliceSteps = 64;
        calculation.SetThreads(threads);
        IntermodOptions options = IntermodOptions::Defaults();
        for (const int order : {5, 7, 9})
            options.setOrder(order, true);
        OutputWatch watch(out);
        const CalculationResult result = calculation.Calculate(options, watch);
        EXPECT_EQ(result.outcome, CalculationOutcome::Aborted);
        // The whole list has 15548 products.
        EXPECT_LT(offered, 1000);
    }
}

} // namespace
} // namespace spurline::cli
