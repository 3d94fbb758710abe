// A small site loaded from arbitrary bytes and calculated with options from the input: the fast
// engine must give the plain reference calculation's list, products and victim marks exactly.

#include "FuzzSupport.h"
#include "ReferenceCalculation.h"
#include "document/ErrorReport.h"
#include "document/FrequencyListReader.h"
#include "engine/CalculationCallbacks.h"
#include "engine/IntermodCalculation.h"
#include "engine/IntermodItems.h"
#include "engine/IntermodList.h"

#include <cstdint>
#include <string_view>

namespace spurline::fuzz {
namespace {

// Larger sites add nothing the fuzzer cannot reach with small ones, only time.
constexpr int MaxEntries = 10;

// Two bytes of options: orders, harmonics, worst case, three transmitters, filter, and whether
// the site's comment and last-saved lines serve as lower and upper limit texts.
IntermodOptions OptionsFrom(std::uint8_t a, std::uint8_t b, const FrequencyList& list) {
    IntermodOptions options;
    const int orders[] = {2, 3, 5, 7, 9};
    for (int k = 0; k < 5; ++k)
        options.setOrder(orders[k], (a >> k & 1) != 0);
    options.harmonics = (a & 0x20) != 0;
    options.worstCase = (a & 0x40) != 0;
    options.threeFrequencies = (a & 0x80) != 0;
    options.filter = VictimFilter::FromOption(b & 3);
    if ((b & 4) != 0)
        options.lowerLimit = list.comment();
    if ((b & 8) != 0)
        options.upperLimit = list.lastSaved();
    return options;
}

std::string RowText(const IntermodListRow& row) {
    std::string text = row.key + "|" + row.tag;
    for (const std::string& cell : row.texts)
        text += "|" + cell;
    return text;
}

} // namespace
} // namespace spurline::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace spurline;
    using namespace spurline::fuzz;
    if (size < 3)
        return 0;
    QuietMessageBox box;
    FrequencyList list(LocaleFromByte(data[0]));
    try {
        ReadFrequencyList(list,
                          std::string_view(reinterpret_cast<const char*>(data) + 3, size - 3));
    } catch (const CommandFailure&) {
        return 0;
    }
    if (list.count() > MaxEntries)
        return 0;
    // Unchecked entries take no part.
    for (int r = 0; r < list.count(); r += 1 + (data[0] >> 1 & 3))
        list.SetChecked(r, (data[0] & 0x80) != 0);
    const IntermodOptions options = OptionsFrom(data[1], data[2], list);
    const testing::ReferenceResult expected =
        testing::ReferenceCalculate(list.entries(), list.locale(), options);

    cIntermodItems products(box);
    IntermodList rows;
    IntermodCalculation calculation(list, products, rows, box);
    NoCalculationCallbacks events;
    const CalculationResult result = calculation.Calculate(options, events);

    if (list.empty()) {
        Require(result.outcome == CalculationOutcome::NothingToDo, "an empty site does nothing");
        return 0;
    }
    if (expected.limitsRejected) {
        Require(result.outcome == CalculationOutcome::LimitsRejected, "limits refused alike");
        return 0;
    }
    Require(result.outcome ==
                (expected.capped ? CalculationOutcome::Capped : CalculationOutcome::Complete),
            "the same outcome");
    Require(rows.count() == static_cast<int>(expected.rows.size()), "the same number of rows",
            std::to_string(rows.count()) + " vs " + std::to_string(expected.rows.size()));
    for (std::size_t k = 0; k < expected.rows.size(); ++k)
        Require(RowText(rows.rows()[k]) == RowText(expected.rows[k]), "the same row",
                RowText(rows.rows()[k]) + "\n" + RowText(expected.rows[k]));
    Require(products.Count() == static_cast<int>(expected.products.size()),
            "the same number of products");
    std::size_t k = 0;
    for (const auto& item : products) {
        const testing::ReferenceProduct& p = expected.products[k++];
        Require(item->key() == p.key && item->frequency() == p.frequency &&
                    item->bandwidth() == p.bandwidth && item->order() == p.order &&
                    item->byfrequency() == p.byfrequency &&
                    item->bycomposition() == p.bycomposition && item->tag() == p.tag,
                "the same product", p.key);
    }
    for (int r = 0; r < list.count(); ++r)
        Require(list.entry(r).mark == expected.marks[static_cast<std::size_t>(r)],
                "the same victim mark", std::to_string(r + 1));
    return 0;
}
