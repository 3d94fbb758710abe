// The frequency list file loader on arbitrary bytes, in both decimal conventions: whatever loads
// must save to text that loads back to the same list and saves to the same bytes again.

#include "FuzzSupport.h"
#include "document/ErrorReport.h"
#include "document/FrequencyListFile.h"
#include "document/FrequencyListReader.h"
#include "document/TextEncoding.h"

#include <cstdint>
#include <memory>
#include <set>
#include <string_view>

namespace spurline::fuzz {
namespace {

std::string Saved(const FrequencyList& list) {
    return EncodeFileText(WriteFrequencyListText(list, list.lastSaved()));
}

std::unique_ptr<FrequencyList> Loaded(std::string_view bytes, const Locale& locale,
                                      IMessageBox& box) {
    auto list = std::make_unique<FrequencyList>(locale, box);
    ReadFrequencyList(*list, bytes);
    return list;
}

// A text written anew must load as it was; the header and every entry's texts.
std::string Describe(const FrequencyList& list) {
    std::string text = list.siteName() + "|" + list.lastSaved() + "|" + list.comment() + "|";
    for (const FrequencyEntry& entry : list.entries()) {
        text += "\n";
        for (const std::string& cell : entry.texts)
            text += cell + "|";
    }
    return text + "\n";
}

} // namespace
} // namespace spurline::fuzz

// The first save brings a hand-made file into the program's notation, as the format asks: the
// field separator goes from a text of the other convention, digit grouping from a number-like
// remark, and rows whose
// offset frequencies differ only beyond the five decimals shown save as duplicates, of which the
// reload keeps the first. From then on loading and saving must change nothing: the same entries
// and the same bytes. No entry may be lost on the way, save those duplicates.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace spurline;
    using namespace spurline::fuzz;
    if (size == 0)
        return 0;
    const Locale locale = LocaleFromByte(data[0]);
    QuietMessageBox box;
    std::unique_ptr<FrequencyList> first;
    try {
        first = Loaded(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1), locale,
                       box);
    } catch (const CommandFailure&) {
        return 0; // refused with the error report, as the window would show it
    }
    // An empty list is never saved.
    if (first->empty())
        return 0;
    try {
        const auto second = Loaded(Saved(*first), locale, box);
        // A frequency text that fills the column (ten million MHz and more, or a long word)
        // keeps only its rightmost characters; such values lie far outside any site and are not
        // what this property is about.
        for (const FrequencyList* list : {first.get(), second.get()})
            for (const FrequencyEntry& entry : list->entries())
                if (entry.frequency().size() >= 15 && entry.frequency()[0] != ' ')
                    return 0;
        std::set<double> distinct;
        for (int row = 0; row < first->count(); ++row)
            distinct.insert(first->OffsetFrequency(row));
        Require(second->count() >= static_cast<int>(distinct.size()),
                "a saved list loads back with every entry but those equal as shown",
                Describe(*first) + "---\n" + Describe(*second));
        const std::string saved = Saved(*second);
        const auto third = Loaded(saved, locale, box);
        Require(Describe(*third) == Describe(*second), "a saved list loads to the same entries",
                Describe(*second) + "---\n" + Describe(*third));
        const std::string savedAgain = Saved(*third);
        Require(savedAgain == saved, "a reloaded list saves to the same bytes",
                saved + "---\n" + savedAgain);
    } catch (const CommandFailure& failure) {
        Require(false, "a saved list loads again", FormatErrorReport(failure));
    }
    return 0;
}
