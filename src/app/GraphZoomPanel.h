#pragma once

#include <QWidget>
#include <functional>

class QPushButton;

namespace spurline {

class GraphController;
class UpDownControl;

// The graph's control panel, laid over the top left corner of the "Graph" page: zoom in and out,
// the arrows that scroll by half a view, and the fits to the extents and to the victims. Each
// control calls the graph's command; the panel keeps no state of its own.
class GraphZoomPanel final : public QWidget {
    Q_OBJECT

public:
    // filterOption gives the intermod filter's selected option at the moment "&Victims" is
    // clicked (0 any frequency ... 3 existing receivers only).
    GraphZoomPanel(GraphController& graph, std::function<int()> filterOption,
                   QWidget* parent = nullptr);

    // The panel takes the graph's background, so that it blends into the picture.
    void SetBackground(const QColor& colour);

    QPushButton* cmdZoomIn = nullptr;
    QPushButton* cmdZoomOut = nullptr;
    UpDownControl* udcScrollSpectrum = nullptr;
    QPushButton* cmdExtents = nullptr;
    QPushButton* cmdVictims = nullptr;

private:
    GraphController& graph_;
    std::function<int()> filterOption_;
};

} // namespace spurline
