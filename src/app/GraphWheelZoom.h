#pragma once

class QWidget;

namespace spurline {

class CHookMouseWheel;
class GraphController;

// Hooks the window's mouse wheel to the graph's zoom and returns the hook (owned by the window).
CHookMouseWheel* AttachGraphWheelZoom(QWidget& window, GraphController& graph);

} // namespace spurline
