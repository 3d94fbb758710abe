#include "FindRun.h"

#include "FindArguments.h"
#include "MostRun.h"
#include "document/FrequencyList.h"
#include "engine/ChannelList.h"
#include "engine/FinderTexts.h"

#include <fstream>
#include <ostream>
#include <sstream>

namespace spurline::cli {

namespace {
template <typename Cells> void PrintCells(std::ostream& out, const Cells& cells) {
    for (std::size_t c = 0; c < cells.size(); ++c) {
        out << (c > 0 ? "\t" : "") << cells[c];
    }
    out << '\n';
}
// The channels of --candidates into request; false, with the reason told, when there are none.
bool ReadCandidates(const std::string& path, const Locale& locale, FinderRequest& request,
                    std::ostream& err) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    if (!file) {
        err << "spurline-calc: " << path << ": cannot be read\n";
        return false;
    }
    const ChannelListRead read =
        ReadChannelList(bytes.str(), request.role, request.offsetKHz, locale);
    for (const CsvRejectedLine& line : read.rejected) {
        err << "spurline-calc: " << path << ": " << CsvRejectedLineText(line) << '\n';
    }
    request.channels = read.channels;
    if (request.channels.empty()) {
        err << "spurline-calc: " << path << ": no channels\n";
        return false;
    }
    if (const char* problem = CheckFinderRequest(request)) {
        err << "spurline-calc: " << path << ": " << problem << '\n';
        return false;
    }
    return true;
}

} // namespace

int RunFind(const FrequencyList& list, const IntermodOptions& options, const FindArguments& find,
            const SiteLevels* levels, std::ostream& out, std::ostream& err) {
    const CalculationLimits limits =
        ReadLimits(options.lowerLimit, options.upperLimit, list.locale());
    if (!(limits.lower < limits.upper)) {
        err << "Lower limit greater than upper limit!\n";
        return 2;
    }
    if (find.summary) {
        const SiteSummary summary = SummariseList(list, options, limits, levels);
        PrintCells(out, SummaryColumnCaptions);
        for (const EntrySummary& s : summary.entries) {
            PrintCells(out, SummaryCells(s, list));
        }
        if (levels != nullptr) {
            out << '\n';
            PrintCells(out, ReceiverLevelCaptions);
            for (const ReceiverLevel& r : summary.receivers) {
                PrintCells(out, ReceiverLevelCells(r, list));
            }
        }
        return 0;
    }
    const CalculationTable table = ReadCalculationTable(list);
    FinderRequest request = find.request;
    if (!find.candidates.empty() && !ReadCandidates(find.candidates, list.locale(), request, err)) {
        return 2;
    }
    if (find.most) {
        FindArguments listed = find;
        listed.request = request;
        return RunMost(list, table, options, limits, listed, out, err);
    }
    FrequencyFinder finder(table, options, limits);
    const bool plan = request.count > 1;
    PrintCells(out, FinderColumnCaptions);
    std::vector<CandidateResult> found;
    if (plan) {
        // Each search of a plan can take seconds: a channel is written once it is chosen.
        out.flush();
        found = finder.Plan(request, {}, [&](const CandidateResult& c) {
            PrintCells(out, CandidateCells(c, list.locale()));
            out.flush();
        });
    } else {
        found = finder.Search(request);
        for (const CandidateResult& c : found) {
            PrintCells(out, CandidateCells(c, list.locale()));
        }
    }
    if (plan && static_cast<int>(found.size()) < request.count) {
        err << "Only " << found.size() << " of " << request.count << " clean channels found.\n";
        return 3;
    }
    return 0;
}

} // namespace spurline::cli
