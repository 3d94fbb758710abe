#pragma once

#include "graph/GraphController.h"
#include "platform/QtCanvas.h"

#include <QColor>
#include <QWidget>

namespace spurline {

// The spectrum graph on the "Graph" page: shows the persistent picture that DrawGraph paints, and
// turns the mouse into the graph's commands: a drag with the left or middle button pans, a move
// shows the products under the mouse, the right button asks for the Edit menu. The wheel is left
// to the main window's wheel hook, which zooms.
class GraphWidget final : public QWidget {
    Q_OBJECT

public:
    explicit GraphWidget(GraphController& controller, QWidget* parent = nullptr);

    // DrawGraph into the picture, then show it.
    void Redraw();
    // The picture as last drawn, in device pixels; printing and the clipboard take it.
    const QImage& image() { return canvas_.image(); }
    QtCanvas& canvas() { return canvas_; }
    // The colour the picture is cleared to.
    static QColor backgroundColour() { return QColor::fromRgb(QtCanvas::Background); }
    // Where the right button makes the graph the Edit menu's target (ListCommandStates'
    // EditMenuTarget).
    void setEditMenuTarget(int* target) { editMenuTarget_ = target; }
    bool dragging() const { return dragging_; }

signals:
    // The right button was pressed: the Edit menu should pop up at globalPosition with these
    // states.
    void editMenuRequested(const spurline::EditMenuState& states, const QPoint& globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QPointF GraphPosition(QPointF position) const;
    void SizeCanvas();

    GraphController& controller_;
    QtCanvas canvas_;
    int* editMenuTarget_ = nullptr;
    bool dragging_ = false;
};

} // namespace spurline
