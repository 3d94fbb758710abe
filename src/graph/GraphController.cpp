#include "graph/GraphController.h"

#include "document/FrequencyList.h"
#include "engine/IntermodItems.h"
#include "graph/MouseWheel.h"

namespace spurline {

GraphController::GraphController(const FrequencyList& list, const cIntermodItems& products)
    : list_(list), products_(products) {}

GraphInputs GraphController::Inputs() const {
    GraphInputs inputs;
    inputs.list = &list_;
    inputs.products = &products_;
    inputs.ViewLow = view.ViewLow;
    inputs.ViewHigh = view.ViewHigh;
    inputs.plotFirstOrder = plotFirstOrder;
    inputs.orders = orders;
    inputs.showRemarks = showRemarks;
    inputs.levelView = levelView;
    return inputs;
}

void GraphController::Redraw() {
    if (drawGraph) {
        drawGraph();
    }
}

void GraphController::ZoomIn() {
    const ZoomResult zoom = spurline::ZoomIn(view);
    view = zoom.view;
    if (zoom.beep && beep) {
        beep();
    }
    Redraw();
}

void GraphController::ZoomOut() {
    view = spurline::ZoomOut(view);
    Redraw();
}

void GraphController::ScrollDown() {
    view = spurline::ScrollDown(view);
    Redraw();
}

void GraphController::ScrollUp() {
    view = spurline::ScrollUp(view);
    Redraw();
}

void GraphController::MouseWheel(int Delta) {
    if (WheelZoomFor(Delta) == WheelZoom::In) {
        ZoomIn();
    } else {
        ZoomOut();
    }
}

void GraphController::StartDrag(double x) {
    DragStartX = x;
}

void GraphController::Drop(double x) {
    view = Pan(view, DragStartX, x);
    Redraw();
}

void GraphController::Apply(const FitResult& fit) {
    view = fit.view;
    if (fit.redraw()) {
        Redraw();
    }
}

void GraphController::FitExtents() {
    Apply(spurline::FitExtents(view, list_, products_));
}

void GraphController::FitVictims(int filterOption) {
    Apply(spurline::FitVictims(view, list_, products_, filterOption));
}

void GraphController::AutoFit(int filterOption) {
    if (autoZoom.extents) {
        FitExtents();
    }
    if (autoZoom.victims) {
        FitVictims(filterOption);
    }
}

std::string GraphController::MouseMove(float X, float Y) {
    return hover.Move(X, Y, products_, list_.locale(), levelView);
}

EditMenuState GraphController::GraphMenu(int& EditMenuTarget) const {
    EditMenuState menu;
    menu.copy = true;
    menu.saveGraph = true;
    EditMenuTarget = EditGraph;
    return menu;
}

void GraphController::ToggleAutoExtents() {
    autoZoom.extents = !autoZoom.extents;
    if (autoZoom.extents) {
        autoZoom.victims = false;
    }
    if (recalculateDue) {
        recalculateDue();
    }
}

void GraphController::ToggleAutoVictims() {
    autoZoom.victims = !autoZoom.victims;
    if (autoZoom.victims) {
        autoZoom.extents = false;
    }
    if (recalculateDue) {
        recalculateDue();
    }
}

void GraphController::PlotFirstOrderClicked() {
    Redraw();
}

} // namespace spurline
