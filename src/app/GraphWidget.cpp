#include "app/GraphWidget.h"

#include "platform/QtStrings.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

namespace spurline {

GraphWidget::GraphWidget(GraphController& controller, QWidget* parent)
    : QWidget(parent), controller_(controller) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(120, 80);
    // Working in the graph takes the focus, so that keys meant for it reach no other view.
    setFocusPolicy(Qt::ClickFocus);
}

void GraphWidget::SizeCanvas() {
    canvas_.Resize(size(), devicePixelRatioF(), logicalDpiY());
}

void GraphWidget::Redraw() {
    SizeCanvas();
    DrawGraph(canvas_, controller_.Inputs());
    canvas_.End();
    update();
}

void GraphWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QImage& picture = canvas_.image();
    if (picture.isNull()) {
        painter.fillRect(rect(), backgroundColour());
        return;
    }
    // The picture is in device pixels: drawn into the logical rectangle it maps one to one.
    painter.drawImage(QRectF(rect()), picture);
}

void GraphWidget::resizeEvent(QResizeEvent*) {
    Redraw();
}

QPointF GraphWidget::GraphPosition(QPointF position) const {
    return canvas_.ToGraph(position);
}

void GraphWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        int ignored = 0;
        const EditMenuState states =
            controller_.GraphMenu(editMenuTarget_ != nullptr ? *editMenuTarget_ : ignored);
        emit editMenuRequested(states, event->globalPosition().toPoint());
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton || event->button() == Qt::MiddleButton) {
        controller_.StartDrag(GraphPosition(event->position()).x());
        dragging_ = true;
        setCursor(Qt::ClosedHandCursor);
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void GraphWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = GraphPosition(event->position());
    const std::string text =
        controller_.MouseMove(static_cast<float>(at.x()), static_cast<float>(at.y()));
    const QString tip = ToQString(text);
    setToolTip(tip);
    if (tip.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(event->globalPosition().toPoint(), tip, this);
    }
}

void GraphWidget::mouseReleaseEvent(QMouseEvent* event) {
    const bool panButton = event->button() == Qt::LeftButton || event->button() == Qt::MiddleButton;
    if (!dragging_ || !panButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    dragging_ = false;
    unsetCursor();
    // Only a drop on the graph pans.
    if (rect().contains(event->position().toPoint())) {
        controller_.Drop(GraphPosition(event->position()).x());
    }
    event->accept();
}

void GraphWidget::wheelEvent(QWheelEvent* event) {
    // The turn goes on to the main window, whose wheel hook zooms: one notch, one zoom step.
    event->ignore();
}

} // namespace spurline
