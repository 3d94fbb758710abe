// CSV import on arbitrary bytes, in both decimal conventions: the lines it names lie in the file
// in order; what it takes exports to CSV that imports to the same entries and the same bytes, and
// saves to a list file (and its level companion) that loads back to the same entries.

#include "FuzzSupport.h"
#include "document/ErrorReport.h"
#include "document/FrequencyListCsv.h"
#include "document/FrequencyListFile.h"
#include "document/FrequencyListReader.h"
#include "document/SiteLevelsFile.h"
#include "document/TextEncoding.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string_view>

namespace spurline::fuzz {
namespace {

// Named lines lie within the file, each once and in order; line 1 too, as a file without the
// heading row begins with an entry.
void RequireLinesInOrder(const std::vector<CsvRejectedLine>& named, int lines, const char* what) {
    int previous = 0;
    for (const CsvRejectedLine& line : named) {
        Require(line.line > previous && line.line <= lines, what, CsvRejectedLineText(line));
        previous = line.line;
    }
}

} // namespace
} // namespace spurline::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace spurline;
    using namespace spurline::fuzz;
    if (size == 0)
        return 0;
    const Locale locale = LocaleFromByte(data[0]);
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    FrequencyList first(locale);
    std::vector<CsvRejectedLine> rejected;
    std::vector<CsvRejectedLine> changed;
    try {
        rejected = ReadFrequencyListCsv(first, bytes, &changed);
    } catch (const CommandFailure&) {
        Require(first.empty(), "a refused file adds nothing");
        return 0;
    }
    const std::string text = DecodeFileText(bytes);
    const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    RequireLinesInOrder(rejected, lines, "lines not taken lie within the file and ascend");
    RequireLinesInOrder(changed, lines, "lines changed lie within the file and ascend");
    if (first.empty())
        return 0;

    const std::string csv = WriteFrequencyListCsv(first);
    FrequencyList second(locale);
    const std::vector<CsvRejectedLine> again = ReadFrequencyListCsv(second, csv);
    Require(again.empty(), "an exported list imports whole",
            csv + "---\n" + CsvRejectedLineText(again.empty() ? CsvRejectedLine{} : again[0]));
    Require(DescribeEntries(second) == DescribeEntries(first),
            "an exported list imports to the same entries",
            DescribeEntries(first) + "---\n" + DescribeEntries(second));
    const std::string csvAgain = WriteFrequencyListCsv(second);
    Require(csvAgain == csv, "an imported export exports to the same bytes",
            csv + "---\n" + csvAgain);

    FrequencyList loaded(locale);
    try {
        ReadFrequencyList(loaded, EncodeFileText(WriteFrequencyListText(first, "D")));
        // The level values travel beside the site file.
        const std::vector<std::string> problems =
            ReadSiteLevelsText(loaded, WriteSiteLevelsText(first));
        Require(problems.empty(), "an imported list's level values read back beside its file",
                problems.empty() ? std::string() : problems[0]);
    } catch (const CommandFailure& failure) {
        Require(false, "an imported list saves to a file that loads", FormatErrorReport(failure));
    }
    Require(DescribeEntries(loaded) == DescribeEntries(first),
            "an imported list saves and loads to the same",
            DescribeEntries(first) + "---\n" + DescribeEntries(loaded));
    return 0;
}
