#include "graph/LevelGraph.h"

#include "document/FrequencyList.h"
#include "document/TextHelpers.h"
#include "engine/IntermodItems.h"
#include "engine/LevelModel.h"
#include "graph/DrawGraph.h"
#include "graph/GraphLegend.h"
#include "graph/TickScale.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace spurline {

namespace {

constexpr double SpareDb = 5;
constexpr double MostSteps = 8;

double NiceStep(double span) {
    const double raw = span / MostSteps;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0}) {
        if (m * magnitude >= raw) {
            return m * magnitude;
        }
    }
    return 10 * magnitude;
}

// Maps levels onto the plot area between the frame's bars' base and the title line.
struct LevelMap {
    LevelAxis axis;
    double bottom = 0;
    double top = 0;
    double Y(double dbm) const {
        return bottom + (dbm - axis.low) / (axis.high - axis.low) * (top - bottom);
    }
};

bool ReceivesOn(const FrequencyEntry& entry) {
    return EqualsIgnoringCase(entry.txrx(), "Rx") || EqualsIgnoringCase(entry.txrx(), "Both");
}

double SensitivityOf(const FrequencyEntry& entry, const SiteLevels& site) {
    return entry.levels.sensitivityDbm.value_or(site.sensitivityDbm);
}

} // namespace

LevelAxis LevelAxisFor(const std::vector<double>& levels) {
    double lowest = std::numeric_limits<double>::infinity();
    double highest = -lowest;
    for (double level : levels) {
        if (std::isfinite(level)) {
            lowest = std::min(lowest, level);
            highest = std::max(highest, level);
        }
    }
    if (lowest > highest) {
        return {};
    }
    lowest -= SpareDb;
    highest += SpareDb;
    LevelAxis axis;
    axis.step = NiceStep(highest - lowest);
    axis.low = std::floor(lowest / axis.step) * axis.step;
    axis.high = std::ceil(highest / axis.step) * axis.step;
    return axis;
}

Colour LevelClassColour(double marginDb) {
    switch (ClassOfMargin(marginDb)) {
    case LevelClass::Harmful:
        return levelcolours::Harmful;
    case LevelClass::Marginal:
        return levelcolours::Marginal;
    default:
        return levelcolours::Negligible;
    }
}

std::vector<LegendEntry> LevelLegendEntries() {
    return {{"  Harmful ", FillStyle::Solid, levelcolours::Harmful},
            {"  Marginal ", FillStyle::Solid, levelcolours::Marginal},
            {"  Negligible ", FillStyle::Solid, levelcolours::Negligible},
            {"  Sensitivity ", FillStyle::Solid, graphcolours::Black}};
}

void DrawLevels(ICanvas& canvas, const GraphLayout& layout, const GraphInputs& inputs) {
    const double axisLow = layout.axis.lowMHz();
    const double axisHigh = layout.axis.highMHz();
    const double left = inputs.ViewLow * 10;
    const double right = inputs.ViewHigh * 10;

    // The scale covers every product and receiver, not only those in view, so that it stays put
    // while the view zooms and scrolls.
    std::vector<double> levels;
    std::vector<const cIntermodItem*> shown;
    if (inputs.products != nullptr) {
        for (const auto& product : *inputs.products) {
            if (!product->hasLevel()) {
                continue;
            }
            levels.push_back(product->levelDbm());
            const double f = product->frequency();
            const double h = product->bandwidth() / 2000.0;
            if (f + h >= axisLow && f - h <= axisHigh) {
                shown.push_back(product.get());
            }
        }
    }
    const bool anyLevel = !levels.empty();
    std::vector<const FrequencyEntry*> receivers;
    const SiteLevels site = inputs.list != nullptr ? inputs.list->siteLevels() : SiteLevels{};
    if (inputs.list != nullptr) {
        for (const FrequencyEntry& entry : inputs.list->entries()) {
            if (entry.checked && ReceivesOn(entry)) {
                receivers.push_back(&entry);
                levels.push_back(SensitivityOf(entry, site));
            }
        }
    }

    LevelMap map;
    map.axis = LevelAxisFor(levels);
    map.bottom = layout.barBase;
    map.top = 100 - 2.5 * layout.H;
    if (!(map.top > map.bottom + 4 * layout.pxY)) {
        return; // no room for a scale
    }
    const Locale locale = inputs.list != nullptr ? inputs.list->locale() : Locale::English();
    const int steps = static_cast<int>(std::lround((map.axis.high - map.axis.low) / map.axis.step));
    for (int i = 0; i <= steps; ++i) {
        const double y = map.Y(map.axis.low + i * map.axis.step);
        canvas.Line(left, y, right, y, levelcolours::Grid);
    }

    // The worst margins last, so that they stay on top where bars meet.
    std::stable_sort(shown.begin(), shown.end(),
                     [](const cIntermodItem* a, const cIntermodItem* b) {
                         return a->marginDb() < b->marginDb();
                     });
    for (const cIntermodItem* product : shown) {
        const double f = product->frequency();
        const double h = product->bandwidth() / 2000.0;
        canvas.FilledBox((f - h) * 10, map.Y(product->levelDbm()), (f + h) * 10, map.bottom,
                         LevelClassColour(product->marginDb()));
    }

    for (const FrequencyEntry* entry : receivers) {
        const EntryBands bands = ReadEntryBands(*entry, locale);
        if (bands.f + bands.hr < axisLow || bands.f - bands.hr > axisHigh) {
            continue;
        }
        // At least a few pixels wide, so that a narrow receiver's line is seen on a wide view.
        const double half = std::max(bands.hr * 10, 4 * layout.pxX);
        const double y = map.Y(SensitivityOf(*entry, site));
        canvas.FilledBox(bands.f * 10 - half, y + layout.pxY, bands.f * 10 + half, y - layout.pxY,
                         graphcolours::Black);
    }

    // Labels last, on white, above their grid lines at the right edge: the window's zoom panel
    // covers the top left corner.
    for (int i = 0; i <= steps; ++i) {
        const std::string text = GeneralNumber(map.axis.low + i * map.axis.step, locale);
        const double y = map.Y(map.axis.low + i * map.axis.step) + canvas.TextHeight(text);
        const double x = right - 2 * layout.pxX - canvas.TextWidth(text);
        canvas.FilledBox(x, y, x + canvas.TextWidth(text), y - canvas.TextHeight(text),
                         graphcolours::White);
        canvas.Text(x, y, text, graphcolours::Black);
    }
    canvas.Text(right - 2 * layout.pxX - canvas.TextWidth(LevelAxisTitle), 100 - layout.axisY / 5,
                LevelAxisTitle, graphcolours::Black);
    if (!anyLevel) {
        const double width = canvas.TextWidth(NoLevelsNote);
        canvas.Text((left + right - width) / 2, (map.top + map.bottom) / 2, NoLevelsNote,
                    graphcolours::Black);
    }
}

} // namespace spurline
