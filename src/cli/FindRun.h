#pragma once

#include <iosfwd>

namespace spurline {
class FrequencyList;
struct IntermodOptions;
struct SiteLevels;
} // namespace spurline

namespace spurline::cli {

struct FindArguments;

// --find or --summary on a loaded site: writes the table to out (heading line, cells separated
// by TAB) and messages to err. Returns the exit status: 0 done, 2 limits rejected, 3 fewer clean
// channels than --count asked for. With levels, the summary is followed by an empty line and the
// receivers' intermodulation totals, worst margin first.
int RunFind(const FrequencyList& list, const IntermodOptions& options, const FindArguments& find,
            const SiteLevels* levels, std::ostream& out, std::ostream& err);

} // namespace spurline::cli
