#include "app/UpDownControl.h"

#include <QBoxLayout>
#include <QToolButton>

namespace spurline {

UpDownControl::UpDownControl(QWidget* parent, Qt::Orientation orientation) : QWidget(parent) {
    const bool vertical = orientation == Qt::Vertical;
    auto* layout =
        new QBoxLayout(vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const auto makeButton = [this, vertical](Qt::ArrowType arrow, const QString& name) {
        auto* button = new QToolButton(this);
        button->setObjectName(name);
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        if (vertical) {
            button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
            button->setFixedWidth(18);
        } else {
            button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        }
        return button;
    };
    up_ = makeButton(vertical ? Qt::UpArrow : Qt::RightArrow, QStringLiteral("up"));
    down_ = makeButton(vertical ? Qt::DownArrow : Qt::LeftArrow, QStringLiteral("down"));
    // Side by side, the down arrow points left and sits on the left.
    if (vertical) {
        layout->addWidget(up_);
        layout->addWidget(down_);
    } else {
        layout->addWidget(down_);
        layout->addWidget(up_);
    }
    connect(up_, &QToolButton::clicked, this, &UpDownControl::upClicked);
    connect(down_, &QToolButton::clicked, this, &UpDownControl::downClicked);
}

} // namespace spurline
