#include "engine/ProductRecorder.h"

#include "document/FrequencyList.h"
#include "document/NumberFormat.h"
#include "document/TextHelpers.h"
#include "engine/IntermodItems.h"
#include "engine/IntermodList.h"
#include "engine/VictimMarks.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>
#include <optional>

namespace spurline {

namespace {

constexpr double OrderWeight = 16777216; // 2^24: the tag's order part

void AppendTerm(std::string& byFrequency, std::string& byEntry, const Component& c,
                const Locale& locale) {
    const std::string coefficient = std::to_string(std::abs(c.coefficient));
    byFrequency += coefficient;
    byFrequency += " x ";
    byFrequency += FormatNumber(c.frequency, patterns::Frequency, locale);
    byEntry += coefficient;
    byEntry += " x [";
    byEntry += std::to_string(c.entry);
    byEntry += ']';
}

void AppendFurtherTerm(std::string& byFrequency, std::string& byEntry, const Component& c,
                       const Locale& locale) {
    if (c.coefficient == 0) {
        return;
    }
    const char* sign = c.coefficient < 0 ? " - " : " + ";
    byFrequency += sign;
    byEntry += sign;
    AppendTerm(byFrequency, byEntry, c, locale);
}

std::string TagText(int order, double halfBandwidth, const Locale& locale) {
    // Rounded to the nearest integer, halves to the even neighbour (the default rounding mode).
    const double value = order * OrderWeight + std::nearbyint(halfBandwidth * 2000);
    if (std::abs(value) < 9007199254740992.0) {
        return std::to_string(static_cast<long long>(value));
    }
    return FormatNumber(value, "0", locale);
}

} // namespace

std::string OrderLabel(int order) {
    switch (order) {
    case 2:
        return "2nd";
    case 3:
        return "3rd";
    default:
        return std::to_string(order) + "th";
    }
}

std::string EntryList(const std::vector<int>& entries) {
    // A product can hit thousands of receivers: one allocation, no temporary strings.
    std::string text;
    text.reserve(entries.size() * 8);
    char digits[16];
    for (int entry : entries) {
        if (!text.empty()) {
            text += ',';
        }
        text += '[';
        const auto written = std::to_chars(digits, digits + sizeof digits, entry);
        text.append(digits, written.ptr);
        text += ']';
    }
    return text;
}

ProductTexts BuildProductTexts(double F, const Component& c1, const Component& c2,
                               const Component& c3, double B, const Locale& locale) {
    ProductTexts texts;
    const int order =
        std::abs(c1.coefficient) + std::abs(c2.coefficient) + std::abs(c3.coefficient);
    texts.frequency = PadLeft(FormatNumber(F, patterns::Frequency, locale), 15, ' ');
    texts.order = OrderLabel(order);
    AppendTerm(texts.byfrequency, texts.bycomposition, c1, locale);
    AppendFurtherTerm(texts.byfrequency, texts.bycomposition, c2, locale);
    AppendFurtherTerm(texts.byfrequency, texts.bycomposition, c3, locale);
    texts.bounds = FormatNumber(F - B, patterns::Frequency, locale) + " - " +
                   FormatNumber(F + B, patterns::Frequency, locale);
    texts.bandwidth = FormatNumber(B * 2000, patterns::Bandwidth, locale);
    texts.tag = TagText(order, B, locale);
    return texts;
}

ProductRecorder::ProductRecorder(const CalculationTable& table, const VictimFilter& filter,
                                 CalculationLimits limits, FrequencyList& list,
                                 cIntermodItems& products, IntermodList& rows,
                                 CalculationCallbacks& events, bool& abort)
    : table_(table), filter_(filter), limits_(limits), list_(list), products_(products),
      rows_(rows), events_(events), abort_(abort), locale_(list.locale()) {
    if (!filter_.anyFrequency) {
        receivers_.Build(table_, filter_);
    }
}

void ProductRecorder::SetLevels(const LevelTable* table) {
    levelTable_ = table;
    totals_.Reset(table != nullptr ? table->size() : 0);
}

void ProductRecorder::Record(double F, const Component& c1, const Component& c2,
                             const Component& c3, double B) {
    const int order =
        std::abs(c1.coefficient) + std::abs(c2.coefficient) + std::abs(c3.coefficient);
    std::vector<int> planned;
    std::vector<int> existing;
    victims_.clear();
    if (!filter_.anyFrequency) {
        receivers_.Hits(F + B, F - B, victims_);
        for (int r : victims_) {
            mark_freq(list_, r, order, &events_, &abort_);
        }
        for (const Component* c : {&c1, &c2, &c3}) {
            if (c->entry > 0) {
                (table_[static_cast<std::size_t>(c->entry - 1)].status == 1 ? existing : planned)
                    .push_back(c->entry);
            }
        }
        if (victims_.empty()) {
            return;
        }
    }

    ++counter_;
    std::optional<double> worstMargin;
    double worstLevel = 0;
    if (levelTable_ != nullptr && !victims_.empty()) {
        // Per product a few additions per victim: the level stays off the candidate loop.
        const ProductSource source = levelTable_->Source(c1, c2, c3);
        levels_.clear();
        double worst = -std::numeric_limits<double>::infinity();
        for (int v : victims_) {
            const double level = levelTable_->LevelAt(source, v);
            levels_.push_back(level);
            totals_.Add(v, level);
            const double margin = level - levelTable_->Sensitivity(v);
            if (margin > worst) {
                worst = margin;
                worstLevel = level;
            }
        }
        worstMargin = worst;
    }
    std::string key = "ID: " + std::to_string(counter_);
    ProductTexts texts = BuildProductTexts(F, c1, c2, c3, B, locale_);

    if (keepProducts) {
        auto item = std::make_shared<cIntermodItem>();
        item->setFrequency(static_cast<float>(F));
        item->setBandwidth(static_cast<float>(B * 2000));
        item->setOrder(static_cast<std::int16_t>(order));
        item->setBycomposition(texts.bycomposition);
        item->setByfrequency(texts.byfrequency);
        item->setTag(texts.tag);
        if (worstMargin) {
            item->setLevel(static_cast<float>(worstLevel), static_cast<float>(*worstMargin));
        }
        products_.Add(std::move(item), key);
    }

    IntermodListRow row;
    row.texts[ImColFrequency] = std::move(texts.frequency);
    row.texts[ImColOrder] = std::move(texts.order);
    row.texts[ImColComposition1] = std::move(texts.byfrequency);
    row.texts[ImColComposition2] = std::move(texts.bycomposition);
    row.texts[ImColAffects] = EntryList(victims_);
    row.texts[ImColAffectedPlanned] = EntryList(planned);
    row.texts[ImColAffectedExisting] = EntryList(existing);
    row.texts[ImColFrequencyBounds] = std::move(texts.bounds);
    row.texts[ImColBandwidth] = std::move(texts.bandwidth);
    row.key = std::move(key);
    row.tag = std::move(texts.tag);
    row.worstMarginDb = worstMargin;
    if (rows_.productSink) {
        const bool withLevels = worstMargin.has_value();
        rows_.productSink(row, RecordedProduct{F,
                                               B,
                                               order,
                                               {c1, c2, c3},
                                               victims_,
                                               table_,
                                               withLevels ? &levels_ : nullptr,
                                               withLevels ? levelTable_ : nullptr});
        return;
    }
    rows_.AddRow(std::move(row));
}

} // namespace spurline
