#include "MostRun.h"

#include "FindArguments.h"
#include "document/FrequencyList.h"
#include "engine/CleanSetTexts.h"
#include "engine/FinderTexts.h"

#include <iostream>
#include <unistd.h>

namespace spurline::cli {

int RunMost(const FrequencyList& list, const CalculationTable& site, const IntermodOptions& options,
            CalculationLimits limits, const FindArguments& find, std::ostream& out,
            std::ostream& err) {
    // Progress only where someone watches: a redirected standard error gets the result alone.
    const bool terminal = &err == &std::cerr && isatty(STDERR_FILENO) == 1;
    std::size_t shown = 0;
    const CleanSetReport report = [&](const CleanSetProgress& p) {
        const std::string line = MostProgressText(p);
        err << '\r' << line << std::string(shown > line.size() ? shown - line.size() : 0, ' ')
            << std::flush;
        shown = line.size();
        return true;
    };
    const CleanSetResult result =
        FindMostChannels(site, options, limits, find.request, find.timeLimitSeconds,
                         terminal ? report : CleanSetReport{});
    if (shown > 0) {
        err << '\r' << std::string(shown, ' ') << '\r';
    }
    const auto row = [&](const auto& cells) {
        for (std::size_t c = 0; c < cells.size(); ++c) {
            out << (c > 0 ? "\t" : "") << cells[c];
        }
        out << '\n';
    };
    row(FinderColumnCaptions);
    for (const CandidateResult& c : result.channels) {
        row(CandidateCells(c, list.locale()));
    }
    err << MostChannelsText(result) << '\n';
    return 0;
}

} // namespace spurline::cli
