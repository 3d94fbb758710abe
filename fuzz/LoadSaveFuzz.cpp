// The frequency list file loader on arbitrary bytes, in both decimal conventions: whatever loads
// must save to text that loads back to the same list and saves to the same bytes again.

#include "FuzzSupport.h"
#include "document/ErrorReport.h"
#include "document/FrequencyListFile.h"
#include "document/FrequencyListReader.h"
#include "document/TextEncoding.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string_view>

namespace spurline::fuzz {
namespace {

std::string Saved(const FrequencyList& list) {
    return EncodeFileText(WriteFrequencyListText(list, list.lastSaved()));
}

std::unique_ptr<FrequencyList> Loaded(std::string_view bytes, const Locale& locale) {
    auto list = std::make_unique<FrequencyList>(locale);
    ReadFrequencyList(*list, bytes);
    return list;
}

// A text written anew must load as it was: the header and every entry (see DescribeEntries).
std::string Describe(const FrequencyList& list) {
    return list.siteName() + "|" + list.lastSaved() + "|" + list.comment() + "|\n" +
           DescribeEntries(list);
}

} // namespace
} // namespace spurline::fuzz

// Whatever loads keeps its entries and texts through a save and a load, and from then on saves
// to the same bytes: nothing the user typed is lost or changed by saving.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace spurline;
    using namespace spurline::fuzz;
    if (size == 0)
        return 0;
    const Locale locale = LocaleFromByte(data[0]);
    std::unique_ptr<FrequencyList> first;
    try {
        first = Loaded(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1), locale);
    } catch (const CommandFailure&) {
        return 0; // refused with the error report, as the window would show it
    }
    // An empty list is never saved.
    if (first->empty())
        return 0;
    try {
        const auto second = Loaded(Saved(*first), locale);
        Require(Describe(*second) == Describe(*first), "a saved list loads to the same entries",
                Describe(*first) + "---\n" + Describe(*second));
        const std::string saved = Saved(*second);
        const std::string savedAgain = Saved(*Loaded(saved, locale));
        Require(savedAgain == saved, "a reloaded list saves to the same bytes",
                saved + "---\n" + savedAgain);
    } catch (const CommandFailure& failure) {
        Require(false, "a saved list loads again", FormatErrorReport(failure));
    }
    return 0;
}
