#include "app/GraphZoomPanel.h"

#include "app/UpDownControl.h"
#include "graph/GraphController.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

namespace spurline {

GraphZoomPanel::GraphZoomPanel(GraphController& graph, std::function<int()> filterOption,
                               QWidget* parent)
    : QWidget(parent), graph_(graph), filterOption_(std::move(filterOption)) {
    setObjectName(QStringLiteral("picZoomPan"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);

    const int height = fontMetrics().height() + 8;
    auto button = [this, layout, height](const QString& caption, const char* name, int width) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        // A click leaves the keyboard focus where it was (the lists keep their Page keys).
        b->setFocusPolicy(Qt::TabFocus);
        b->setFixedSize(width, height);
        layout->addWidget(b);
        return b;
    };
    cmdZoomIn = button(QStringLiteral("+"), "cmdZoomIn", height + 4);
    cmdZoomOut = button(QString(QChar(0x2212)), "cmdZoomOut", height + 4);

    udcScrollSpectrum = new UpDownControl(this, Qt::Horizontal);
    udcScrollSpectrum->setObjectName(QStringLiteral("udcScrollSpectrum"));
    for (QToolButton* arrow : {udcScrollSpectrum->downButton(), udcScrollSpectrum->upButton()}) {
        arrow->setFixedSize(height, height);
    }
    layout->addWidget(udcScrollSpectrum);

    const int fitWidth = std::max(fontMetrics().horizontalAdvance(QStringLiteral("Extents")),
                                  fontMetrics().horizontalAdvance(QStringLiteral("Victims"))) +
                         24;
    cmdExtents = button(QStringLiteral("&Extents"), "cmdExtents", fitWidth);
    cmdVictims = button(QStringLiteral("&Victims"), "cmdVictims", fitWidth);
    adjustSize();

    connect(cmdZoomIn, &QPushButton::clicked, this, [this] { graph_.ZoomIn(); });
    connect(cmdZoomOut, &QPushButton::clicked, this, [this] { graph_.ZoomOut(); });
    // The down arrow goes towards lower frequencies.
    connect(udcScrollSpectrum, &UpDownControl::downClicked, this, [this] { graph_.ScrollDown(); });
    connect(udcScrollSpectrum, &UpDownControl::upClicked, this, [this] { graph_.ScrollUp(); });
    connect(cmdExtents, &QPushButton::clicked, this, [this] { graph_.FitExtents(); });
    connect(cmdVictims, &QPushButton::clicked, this,
            [this] { graph_.FitVictims(filterOption_ ? filterOption_() : 0); });
}

void GraphZoomPanel::SetBackground(const QColor& colour) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
    setAutoFillBackground(true);
}

} // namespace spurline
