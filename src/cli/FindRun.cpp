#include "FindRun.h"

#include "FindArguments.h"
#include "MostRun.h"
#include "document/FrequencyList.h"
#include "engine/FinderTexts.h"

#include <ostream>

namespace spurline::cli {

namespace {
template <typename Cells> void PrintCells(std::ostream& out, const Cells& cells) {
    for (std::size_t c = 0; c < cells.size(); ++c) {
        out << (c > 0 ? "\t" : "") << cells[c];
    }
    out << '\n';
}
} // namespace

int RunFind(const FrequencyList& list, const IntermodOptions& options, const FindArguments& find,
            std::ostream& out, std::ostream& err) {
    const CalculationLimits limits =
        ReadLimits(options.lowerLimit, options.upperLimit, list.locale());
    if (!(limits.lower < limits.upper)) {
        err << "Lower limit greater than upper limit!\n";
        return 2;
    }
    const CalculationTable table = ReadCalculationTable(list);
    if (find.summary) {
        PrintCells(out, SummaryColumnCaptions);
        for (const EntrySummary& s : SummariseSite(table, options, limits)) {
            PrintCells(out, SummaryCells(s, list));
        }
        return 0;
    }
    if (find.most) {
        return RunMost(list, table, options, limits, find, out, err);
    }
    FrequencyFinder finder(table, options, limits);
    const bool plan = find.request.count > 1;
    PrintCells(out, FinderColumnCaptions);
    std::vector<CandidateResult> found;
    if (plan) {
        // Each search of a plan can take seconds: a channel is written once it is chosen.
        out.flush();
        found = finder.Plan(find.request, {}, [&](const CandidateResult& c) {
            PrintCells(out, CandidateCells(c, list.locale()));
            out.flush();
        });
    } else {
        found = finder.Search(find.request);
        for (const CandidateResult& c : found) {
            PrintCells(out, CandidateCells(c, list.locale()));
        }
    }
    if (plan && static_cast<int>(found.size()) < find.request.count) {
        err << "Only " << found.size() << " of " << find.request.count
            << " clean channels found.\n";
        return 3;
    }
    return 0;
}

} // namespace spurline::cli
