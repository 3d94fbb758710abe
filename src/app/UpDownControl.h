#pragma once

#include <QWidget>

class QToolButton;

namespace spurline {

// A pair of arrow buttons beside a text box, as a spin control without a box of its own: it
// only reports the clicks, and its owner decides what a step means. Laid out horizontally, the
// left arrow is the down arrow and the right arrow the up arrow.
class UpDownControl final : public QWidget {
    Q_OBJECT

public:
    explicit UpDownControl(QWidget* parent = nullptr, Qt::Orientation orientation = Qt::Vertical);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    void upClicked();
    void downClicked();

private:
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
};

} // namespace spurline
