#include "graph/DrawGraph.h"

#include "document/FrequencyList.h"
#include "document/TextHelpers.h"
#include "engine/IntermodItems.h"
#include "engine/OrderColours.h"
#include "graph/GraphLegend.h"
#include "graph/LevelGraph.h"

#include <cmath>
#include <string>

namespace spurline {

namespace {

const FontSpec GraphFont{"Arial", 10};
constexpr double RemarkFontSize = 11; // points
constexpr int Upright = 900;          // tenths of a degree

bool Drawable(double low, double high) {
    return std::isfinite(low) && std::isfinite(high) && high > low;
}

void DrawRemarkLabel(ICanvas& canvas, const GraphLayout& layout, double x, const std::string& r,
                     Colour background, double extra) {
    const double pxX = layout.pxX;
    const double pxY = layout.pxY;
    // The text stands upright: its height in whole pixels gives the label's width, its width the
    // label's height.
    const double Lw = std::ceil(canvas.TextHeight(r) / pxY) * pxX;
    const double Lh = 1.02 * std::ceil(canvas.TextWidth(r) / pxX) * pxY;
    canvas.FilledBox(x - Lw / 2, 50 - Lh / 2 - extra, x + Lw / 2, 50 + Lh / 2 + extra, background);
    FontSpec font = canvas.font();
    font.size = RoundHalfEven(font.size);
    font.weight = 400;
    canvas.RotatedText(x - Lw / 2 + pxX / 2, 50 - Lh / 2, r, font, Upright, graphcolours::Black);
}

} // namespace

EntryBands ReadEntryBands(const FrequencyEntry& entry, const Locale& locale) {
    EntryBands bands;
    bands.f = LeadingNumber(entry.frequency(), locale);
    bands.hr = LeadingNumber(entry.rxbandwidth(), locale) / 2000;
    bands.ft = bands.f + LeadingNumber(entry.offset(), locale) / 1000;
    bands.ht = LeadingNumber(entry.txbandwidth(), locale) / 2000;
    return bands;
}

GraphLayout DrawFrame(ICanvas& canvas, const GraphInputs& inputs) {
    const double ViewLow = inputs.ViewLow;
    const double ViewHigh = inputs.ViewHigh;
    const Locale locale = inputs.list != nullptr ? inputs.list->locale() : Locale::English();

    const GraphLayout layout = LayoutFor(ViewLow, ViewHigh, canvas.PixelWidth(),
                                         canvas.PixelHeight(), canvas.TextHeight("##"));
    const AxisRange& axis = layout.axis;

    canvas.Line(static_cast<double>(axis.first), layout.axisY, static_cast<double>(axis.last),
                layout.axisY, graphcolours::Grey);

    for (long long x = axis.first + axis.step; x <= axis.last; x += axis.step) {
        const double gx = static_cast<double>(x);
        canvas.Line(gx, layout.tickTop, gx, layout.axisY, graphcolours::Grey);
        const std::string text = GeneralNumber(gx / 10, locale);
        // Only the digits are centred; the blanks around them pad the label to the right.
        canvas.Text(gx - canvas.TextWidth(text) / 2, layout.axisY, " " + text + " ",
                    graphcolours::Black);
    }

    // The title covers whatever tick label lies under it.
    const double titleY = layout.axisY - layout.pxY;
    canvas.FilledBox(ViewLow * 10, titleY, ViewLow * 10 + canvas.TextWidth(AxisTitle),
                     titleY - canvas.TextHeight(AxisTitle), graphcolours::White);
    canvas.Text(ViewLow * 10, titleY, AxisTitle, graphcolours::Black);

    const auto legend = inputs.levelView ? LevelLegendEntries()
                                         : LegendEntries(inputs.plotFirstOrder, inputs.orders);
    std::string legendText;
    for (const auto& entry : legend) {
        legendText += entry.label + "##";
    }
    const double swatchWidth = canvas.TextWidth("##");
    const double swatchHeight = canvas.TextHeight("##");
    double cx = ViewHigh * 10 - canvas.TextWidth(legendText);
    for (const auto& entry : legend) {
        canvas.Box(cx, layout.legendY, cx + swatchWidth, layout.legendY - swatchHeight,
                   entry.colour, entry.fill, entry.colour);
        canvas.Text(cx + swatchWidth, layout.legendY, entry.label, graphcolours::Black);
        cx += swatchWidth + canvas.TextWidth(entry.label);
    }

    if (inputs.list != nullptr) {
        const std::string name = TrimBlanks(inputs.list->siteName());
        if (!name.empty()) {
            const double pictureWidth = (ViewHigh - ViewLow) * 10;
            canvas.Text(ViewLow * 10 + (pictureWidth - canvas.TextWidth(name)) / 2,
                        100 - layout.axisY / 5, name, graphcolours::Black);
        }
    }
    return layout;
}

void DrawProducts(ICanvas& canvas, const GraphLayout& layout, const cIntermodItems& products) {
    const double axisLow = layout.axis.lowMHz();
    const double axisHigh = layout.axis.highMHz();
    for (const auto& product : products) {
        const double f = product->frequency();
        const DecodedTag tag = DecodeTag(product->tag());
        const double h = static_cast<double>(tag.bandwidthKhz) / 2000;
        if (f + h < axisLow || f - h > axisHigh) {
            continue;
        }
        const double yTop =
            RoundHalfEven(layout.axisY + (100 - layout.axisY) * BarHeightFactor(tag.order));
        canvas.FilledBox((f - h) * 10, yTop, (f + h) * 10, layout.barBase, order2colour(tag.order));
    }
}

void DrawEntries(ICanvas& canvas, const GraphLayout& layout, const GraphInputs& inputs) {
    if (inputs.list == nullptr) {
        return;
    }
    const Locale& locale = inputs.list->locale();
    const double axisLow = layout.axis.lowMHz();
    const double axisHigh = layout.axis.highMHz();
    const Colour black = graphcolours::Black;
    bool remarkFont = false;

    for (const FrequencyEntry& entry : inputs.list->entries()) {
        if (!entry.checked) {
            continue;
        }
        // Plain names rather than a structured binding: the box lambdas below capture them.
        const EntryBands bands = ReadEntryBands(entry, locale);
        const double f = bands.f, hr = bands.hr, ft = bands.ft, ht = bands.ht;
        const bool transmitInRange = ft + ht > axisLow && ft - ht < axisHigh;
        const bool receiveInRange = f + hr > axisLow && f - hr < axisHigh;
        if (!transmitInRange && !receiveInRange) {
            continue;
        }

        const auto txBox = [&](double top, double bottom) {
            canvas.Box((ft - ht) * 10, top, (ft + ht) * 10, bottom, black, FillStyle::Solid, black);
        };
        const auto rxBox = [&](double top, double bottom) {
            canvas.Box((f - hr) * 10, top, (f + hr) * 10, bottom, black, FillStyle::DiagonalCross,
                       black);
        };
        const std::string& role = entry.txrx();
        const bool both = EqualsIgnoringCase(role, "Both");
        if (EqualsIgnoringCase(role, "Tx")) {
            if (inputs.plotFirstOrder) {
                txBox(layout.topY, layout.barBase);
            }
        } else if (EqualsIgnoringCase(role, "Rx") || (both && !inputs.plotFirstOrder)) {
            rxBox(layout.topY, layout.barBase);
        } else if (both) {
            if (f + hr > ft - ht && f - hr < ft + ht) {
                txBox(layout.topY, layout.midY);
                rxBox(layout.midY, layout.barBase);
            } else {
                txBox(layout.topY, layout.barBase);
                rxBox(layout.topY, layout.barBase);
            }
        }

        if (!inputs.showRemarks) {
            continue;
        }
        const std::string r = TrimBlanks(entry.remarks());
        if (r.empty()) {
            continue;
        }
        if (!remarkFont) {
            FontSpec font = canvas.font();
            font.size = RemarkFontSize;
            canvas.SetFont(font);
            remarkFont = true;
        }
        const Colour background =
            EqualsIgnoringCase(entry.status(), "Plan") ? graphcolours::Yellow : graphcolours::White;
        DrawRemarkLabel(canvas, layout, f * 10, r, background, layout.pxY);
        if (both && ft != f) {
            DrawRemarkLabel(canvas, layout, ft * 10, r, background, 0);
        }
    }
}

bool DrawGraph(ICanvas& picSpectrum, const GraphInputs& inputs, IGraphDrawHost* host) {
    if (host != nullptr) {
        host->SetBusyCursor(true);
        host->LetEventsRun();
    }
    const double ViewLow = inputs.ViewLow;
    const double ViewHigh = inputs.ViewHigh;
    // A view without width has no scale; the picture keeps what it showed.
    if (!Drawable(ViewLow, ViewHigh) ||
        !picSpectrum.SetScale(ViewLow * 10, 100, ViewHigh * 10, 0)) {
        if (host != nullptr) {
            host->SetBusyCursor(false);
        }
        return false;
    }
    picSpectrum.SetFont(GraphFont);
    picSpectrum.Clear();

    const GraphLayout layout = DrawFrame(picSpectrum, inputs);
    picSpectrum.Show();

    if (inputs.levelView) {
        DrawLevels(picSpectrum, layout, inputs);
    } else {
        if (inputs.products != nullptr) {
            DrawProducts(picSpectrum, layout, *inputs.products);
        }
        DrawEntries(picSpectrum, layout, inputs);
    }

    if (host != nullptr) {
        host->SetBusyCursor(false);
    }
    return true;
}

} // namespace spurline
