#include "engine/LevelModel.h"

#include "engine/ProductRecorder.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace spurline {

LevelClass ClassOfMargin(double marginDb) {
    if (marginDb >= 0) {
        return LevelClass::Harmful;
    }
    return marginDb >= -10 ? LevelClass::Marginal : LevelClass::Negligible;
}

const char* LevelClassName(LevelClass c) {
    switch (c) {
    case LevelClass::Harmful:
        return "harmful";
    case LevelClass::Marginal:
        return "marginal";
    case LevelClass::Negligible:
        break;
    }
    return "negligible";
}

double WattsToDbm(double watts) {
    return 10 * std::log10(watts * 1000);
}

namespace {
// Rounded to hundredths first, so that -0.004 reads 0.00 and not -0.00.
double Hundredths(double db) {
    const double rounded = std::round(db * 100) / 100;
    return rounded == 0 ? 0.0 : rounded;
}
} // namespace

std::string LevelNumber(double db) {
    if (!std::isfinite(db)) {
        return {};
    }
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, Hundredths(db), std::chars_format::fixed, 2);
    return std::string(buffer, end.ptr);
}

std::string LevelText(double db, const Locale& locale) {
    if (!std::isfinite(db)) {
        return {};
    }
    std::string text = LevelNumber(db);
    const std::size_t point = text.find('.');
    if (point != std::string::npos) {
        text.replace(point, 1, locale.decimalSeparator);
    }
    return text;
}

double PowerSumDbm(const std::vector<double>& levelsDbm) {
    double milliwatts = 0;
    for (double l : levelsDbm) {
        milliwatts += std::pow(10.0, l / 10);
    }
    return 10 * std::log10(milliwatts);
}

LevelTable::LevelTable(const std::vector<FrequencyEntry>& entries, const SiteLevels& site)
    : harmonicAttenuationDb_(site.harmonicAttenuationDb) {
    atAntennas_.reserve(entries.size());
    receivers_.reserve(entries.size());
    for (const FrequencyEntry& e : entries) {
        const EntryLevels& l = e.levels;
        atAntennas_.push_back(WattsToDbm(l.txPowerW.value_or(site.txPowerW)) -
                              l.txExtraDb.value_or(site.txExtraDb) - site.isolationDb);
        const double s = l.sensitivityDbm.value_or(site.sensitivityDbm);
        receivers_.push_back({l.rxExtraDb.value_or(site.rxExtraDb), s,
                              s + 1.5 * l.imRejectionDb.value_or(site.imRejectionDb)});
    }
}

ProductSource LevelTable::Source(const Component& c1, const Component& c2,
                                 const Component& c3) const {
    ProductSource s;
    int components = 0;
    double last = 0;
    for (const Component* c : {&c1, &c2, &c3}) {
        if (c->coefficient != 0 && c->entry > 0) {
            const int k = std::abs(c->coefficient);
            last = AtAntennas(c->entry);
            s.dbm += k * last;
            s.order += k;
            ++components;
        }
    }
    if (components == 1) {
        // A harmonic is the transmitter's own emission, not a mixing product in the receiver.
        s.single = true;
        s.dbm = last;
    }
    return s;
}

void ReceiverTotals::Add(int victim, double levelDbm) {
    const auto v = static_cast<std::size_t>(victim - 1);
    milliwatts_[v] += std::pow(10.0, levelDbm / 10);
    ++counts_[v];
}

std::vector<ReceiverLevel> ReceiverTotals::Worst(const LevelTable& table) const {
    std::vector<ReceiverLevel> worst;
    for (std::size_t v = 0; v < milliwatts_.size(); ++v) {
        if (counts_[v] == 0) {
            continue;
        }
        const int entry = static_cast<int>(v) + 1;
        const double level = 10 * std::log10(milliwatts_[v]);
        worst.push_back({entry, counts_[v], level, level - table.Sensitivity(entry)});
    }
    std::stable_sort(
        worst.begin(), worst.end(),
        [](const ReceiverLevel& a, const ReceiverLevel& b) { return a.marginDb > b.marginDb; });
    return worst;
}

} // namespace spurline
