#include "app/UpDownControl.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace spurline {

UpDownControl::UpDownControl(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const auto makeButton = [this, layout](Qt::ArrowType arrow, const QString& name) {
        auto* button = new QToolButton(this);
        button->setObjectName(name);
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        button->setFixedWidth(18);
        layout->addWidget(button);
        return button;
    };
    up_ = makeButton(Qt::UpArrow, QStringLiteral("up"));
    down_ = makeButton(Qt::DownArrow, QStringLiteral("down"));
    connect(up_, &QToolButton::clicked, this, &UpDownControl::upClicked);
    connect(down_, &QToolButton::clicked, this, &UpDownControl::downClicked);
}

} // namespace spurline
