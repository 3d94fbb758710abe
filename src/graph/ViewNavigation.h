#pragma once

namespace spurline {

class FrequencyList;
class cIntermodItems;

// The graph's visible frequency range in MHz.
struct ViewRange {
    double ViewLow = 0;
    double ViewHigh = 100000;

    double width() const { return ViewHigh - ViewLow; }
    bool operator==(const ViewRange&) const = default;
};

namespace view {
inline constexpr double UpperLimit = 100000;     // MHz; no command moves ViewHigh above it...
inline constexpr double MinimumHalfWidth = 0.06; // MHz; ...and zoom in keeps 0.12 MHz
inline constexpr double ZoomInFactor = 0.375;    // new half width per old width
inline constexpr double ZoomOutFactor = 0.666666;
} // namespace view

// The navigation commands, as pure steps on a view. Each result says whether the platform's beep
// is due; the caller redraws after every one of them.
struct ZoomResult {
    ViewRange view;
    bool beep = false; // zoom in stopped at the minimum width
};

ZoomResult ZoomIn(const ViewRange& view);
ViewRange ZoomOut(const ViewRange& view);
// Half a view towards lower (down) or higher (up) frequencies; a step that would leave 0 to
// 100000 MHz leaves the view as it is.
ViewRange ScrollDown(const ViewRange& view);
ViewRange ScrollUp(const ViewRange& view);
// A drag from dragStartX to dropX (graph x units, MHz x 10): the picture follows the mouse; the
// view keeps its width when it meets 0 or 100000.
ViewRange Pan(const ViewRange& view, double dragStartX, double dropX);

enum class FitOutcome {
    NoData,       // no products or no rows: nothing happens, not even a redraw
    NothingToFit, // no band to fit within 0 to 100000 MHz: the view stays, the graph redraws
    Fitted,
    Widened // the bands had no width: the minimum width around their centre
};

struct FitResult {
    FitOutcome outcome = FitOutcome::NoData;
    ViewRange view;
    bool redraw() const { return outcome != FitOutcome::NoData; }
};

// Fits the view to the receive bands of the ticked receivers and transceivers of the admitted
// statuses, and with includeAll also to their transmit bands and to every product. No margin.
FitResult FitView(const ViewRange& view, const FrequencyList& list, const cIntermodItems& products,
                  bool includeAll, bool planned, bool existing);

// "&Extents": everything.
FitResult FitExtents(const ViewRange& view, const FrequencyList& list,
                     const cIntermodItems& products);
// "&Victims": the receivers the filter option (0 any frequency, 1 all receivers, 2 planned
// receivers only, 3 existing receivers only) admits.
FitResult FitVictims(const ViewRange& view, const FrequencyList& list,
                     const cIntermodItems& products, int filterOption);

} // namespace spurline
