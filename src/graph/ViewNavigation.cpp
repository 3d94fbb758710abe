#include "graph/ViewNavigation.h"

#include "document/FrequencyList.h"
#include "document/TextHelpers.h"
#include "engine/IntermodItems.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace spurline {

ZoomResult ZoomIn(const ViewRange& view) {
    ZoomResult result;
    double half = view::ZoomInFactor * view.width();
    const double centre = (view.ViewLow + view.ViewHigh) / 2;
    if (half < view::MinimumHalfWidth) {
        half = view::MinimumHalfWidth;
        result.beep = true;
    }
    result.view.ViewHigh = centre + half;
    result.view.ViewLow = centre - half;
    if (result.view.ViewLow < 0) {
        result.view.ViewLow = 0;
    }
    return result;
}

ViewRange ZoomOut(const ViewRange& view) {
    const double half = view::ZoomOutFactor * view.width();
    const double centre = (view.ViewLow + view.ViewHigh) / 2;
    ViewRange result{centre - half, centre + half};
    if (result.ViewLow < 0) {
        result.ViewLow = 0;
    }
    if (result.ViewHigh > view::UpperLimit) {
        result.ViewHigh = view::UpperLimit;
    }
    return result;
}

ViewRange ScrollDown(const ViewRange& view) {
    const double half = view.width() / 2;
    const double c = (view.ViewLow + view.ViewHigh) / 2 - half;
    if (c - half > 0 && c < view::UpperLimit) {
        return {c - half, c + half};
    }
    return view;
}

ViewRange ScrollUp(const ViewRange& view) {
    const double half = view.width() / 2;
    const double c = (view.ViewLow + view.ViewHigh) / 2 + half;
    if (c > 0 && c + half < view::UpperLimit) {
        return {c - half, c + half};
    }
    return view;
}

ViewRange Pan(const ViewRange& view, double dragStartX, double dropX) {
    const double span = view.width();
    const double d = (dragStartX - dropX) / 10;
    ViewRange result{view.ViewLow + d, view.ViewHigh + d};
    if (!std::isfinite(d)) {
        return view;
    }
    if (result.ViewLow < 0) {
        result.ViewLow = 0;
        result.ViewHigh = span;
    }
    if (result.ViewHigh > view::UpperLimit) {
        result.ViewHigh = view::UpperLimit;
        result.ViewLow = view::UpperLimit - span;
    }
    return result;
}

FitResult FitView(const ViewRange& view, const FrequencyList& list, const cIntermodItems& products,
                  bool includeAll, bool planned, bool existing) {
    FitResult result;
    result.view = view;
    if (products.Count() == 0 || list.empty()) {
        return result;
    }
    const Locale& locale = list.locale();
    double low = view::UpperLimit;
    double high = 0;
    bool found = false;
    // The outermost band edges themselves, to tell bands wholly beyond 0 to 100000 MHz.
    double lowestEdge = std::numeric_limits<double>::infinity();
    double highestEdge = -std::numeric_limits<double>::infinity();
    const auto take = [&](double bottom, double top) {
        low = MinOf(low, bottom);
        high = MaxOf(high, top);
        lowestEdge = std::min(lowestEdge, bottom);
        highestEdge = std::max(highestEdge, top);
        found = true;
    };
    for (const FrequencyEntry& entry : list.entries()) {
        if (!entry.checked || EqualsIgnoringCase(entry.txrx(), "Tx")) {
            continue;
        }
        const std::string& status = entry.status();
        if (!((status == "Exist" && existing) || (status == "Plan" && planned))) {
            continue;
        }
        const double f = LeadingNumber(entry.frequency(), locale);
        const double hr = LeadingNumber(entry.rxbandwidth(), locale) / 2000;
        take(f - hr, f + hr);
        if (includeAll) {
            const double ft = f + LeadingNumber(entry.offset(), locale) / 1000;
            const double ht = LeadingNumber(entry.txbandwidth(), locale) / 2000;
            take(ft - ht, ft + ht);
        }
    }
    if (includeAll) {
        for (const auto& product : products) {
            const double p = product->frequency();
            const double hp = static_cast<double>(product->bandwidth()) / 2000;
            take(p - hp, p + hp);
        }
    }

    // Nothing admitted, or every band beyond 0 to 100000 MHz: the fit would give a reversed view,
    // or one without width at a range end, and show none of the bands.
    if (!found || !(lowestEdge <= view::UpperLimit) || !(highestEdge >= 0)) {
        result.outcome = FitOutcome::NothingToFit;
        return result;
    }
    ViewRange fitted{MaxOf(0, low), MinOf(view::UpperLimit, high)};
    if (!(fitted.ViewHigh >= fitted.ViewLow)) {
        result.outcome = FitOutcome::NothingToFit;
        return result;
    }
    result.outcome = FitOutcome::Fitted;
    if (fitted.ViewHigh == fitted.ViewLow) {
        // A single band of no width has no scale; show the narrowest view around it instead.
        const double centre = fitted.ViewLow;
        fitted = {MaxOf(0, centre - view::MinimumHalfWidth),
                  MinOf(view::UpperLimit, centre + view::MinimumHalfWidth)};
        result.outcome = FitOutcome::Widened;
    }
    result.view = fitted;
    return result;
}

FitResult FitExtents(const ViewRange& view, const FrequencyList& list,
                     const cIntermodItems& products) {
    return FitView(view, list, products, true, true, true);
}

FitResult FitVictims(const ViewRange& view, const FrequencyList& list,
                     const cIntermodItems& products, int filterOption) {
    const bool planned = filterOption != 3;
    const bool existing = filterOption != 2;
    return FitView(view, list, products, false, planned, existing);
}

} // namespace spurline
