// The level companion of a site on arbitrary bytes, in both decimal conventions: the lines it
// names lie in the text; what it takes writes to a companion that reads back whole into the
// same values and writes the same bytes again.

#include "FuzzSupport.h"
#include "document/SiteLevelsFile.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace {

// A small site whose entries the input can name: 150.0125, 178.6, 1234.4 and 450 MHz.
void FillSite(spurline::FrequencyList& list) {
    const bool comma = list.locale().decimalSeparator == ",";
    list.AddEntry({comma ? "150,0125" : "150.0125", "0", "", "Rx", "Exist", "12.5", ""});
    list.AddEntry({"174", "4600", "12.5", "Both", "Exist", "12.5", ""});
    list.AddEntry({comma ? "1234,5" : "1234.5", "-100", "25", "Tx", "Plan", "", ""});
    list.AddEntry({"450", "0", "25", "Both", "Exist", "25", ""});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace spurline;
    using namespace spurline::fuzz;
    if (size == 0)
        return 0;
    const Locale locale = LocaleFromByte(data[0]);
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    QuietMessageBox box;
    FrequencyList first(locale);
    FillSite(first);
    const bool changed = first.changed();
    const std::vector<std::string> problems = ReadSiteLevelsText(first, bytes);
    const auto lines = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
    Require(problems.size() <= lines, "no more lines named than the text holds");
    Require(first.changed() == changed, "reading a companion keeps the list's changed state");

    const std::string text = WriteSiteLevelsText(first);
    FrequencyList second(locale);
    FillSite(second);
    const std::vector<std::string> again = ReadSiteLevelsText(second, text);
    Require(again.empty(), "a written companion reads back whole",
            text + "---\n" + (again.empty() ? std::string() : again[0]));
    Require(DescribeEntries(second) == DescribeEntries(first),
            "a written companion reads back to the same values",
            DescribeEntries(first) + "---\n" + DescribeEntries(second));
    Require(second.siteLevels() == first.siteLevels(), "the site values read back");
    Require(WriteSiteLevelsText(second) == text, "a read companion writes the same bytes",
            text + "---\n" + WriteSiteLevelsText(second));
    return 0;
}
