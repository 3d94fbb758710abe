#pragma once

#include "document/EditMenuTarget.h"
#include "graph/DrawGraph.h"
#include "graph/HoverReadout.h"
#include "graph/ViewNavigation.h"

#include <array>
#include <functional>
#include <string>

namespace spurline {

class FrequencyList;
class cIntermodItems;

// Enabled states of the Edit menu's items.
struct EditMenuState {
    bool deleteItem = false;
    bool cut = false;
    bool copy = false;
    bool selectAll = false;
    bool selectChecked = false;
    bool invertSelection = false;
    bool saveGraph = false; // "Save graph as...": the pop-up over the graph offers it
};

// The "Auto &zoom" check items: at most one is checked.
struct AutoZoom {
    bool victims = false; // "&Victims"
    bool extents = true;  // "&Extents"
};

// The graph's command handlers and the state they share with the window: the view range, the
// drag start, the hover read-out's last position and the graph options. Every command ends with
// drawGraph unless it says otherwise; the window supplies drawGraph, the beep and RecalculateDue.
class GraphController {
public:
    GraphController(const FrequencyList& list, const cIntermodItems& products);

    ViewRange view;        // ViewLow, ViewHigh (MHz); 0 to 100000 at start-up
    double DragStartX = 0; // graph x of the last left- or middle-button press
    HoverReadout hover;
    AutoZoom autoZoom;

    bool plotFirstOrder = false;   // "&fundamental"
    std::array<bool, 10> orders{}; // the order boxes, indexed by order
    bool showRemarks = false;      // "&Show remarks"
    bool levelView = false;        // the level view instead of the products by order

    std::function<void()> drawGraph;
    std::function<void()> beep;
    std::function<void()> recalculateDue;

    // What DrawGraph needs, from the state above.
    GraphInputs Inputs() const;

    void ZoomIn();
    void ZoomOut();
    void ScrollDown();
    void ScrollUp();
    // A vertical wheel notice: zooms in for a positive Delta, out otherwise.
    void MouseWheel(int Delta);
    // Button press on the graph (not the right button) at graph x.
    void StartDrag(double x);
    // The drag dropped on the graph at graph x.
    void Drop(double x);
    void FitExtents();
    // filterOption as the intermod filter: 0 any frequency ... 3 existing receivers only.
    void FitVictims(int filterOption);
    // After a calculation: "&Extents" first if checked, then "&Victims" if checked.
    void AutoFit(int filterOption);
    // A mouse move over the graph (graph units); returns the tooltip text. No redraw.
    std::string MouseMove(float X, float Y);
    // Right-button press: the graph becomes the Edit menu's target; returns the menu's states.
    // No redraw.
    EditMenuState GraphMenu(int& EditMenuTarget) const;
    void ToggleAutoExtents();
    void ToggleAutoVictims();
    // A click on "&fundamental": redraw only.
    void PlotFirstOrderClicked();

private:
    void Redraw();
    void Apply(const FitResult& fit);

    const FrequencyList& list_;
    const cIntermodItems& products_;
};

} // namespace spurline
