#include "app/GraphWidget.h"

#include "document/FrequencyList.h"
#include "graph/GraphSite.h"

#include <QTest>
#include <gtest/gtest.h>

namespace spurline {
namespace {

using testing::GraphSite;

struct GraphOnScreen {
    GraphOnScreen() : controller(site.list, site.products), widget(controller) {
        controller.drawGraph = [this] {
            ++draws;
            widget.Redraw();
        };
        widget.resize(800, 300);
        widget.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&widget));
    }
    // The widget position of a frequency (MHz) at the graph's vertical middle.
    QPoint At(double mhz) const {
        const ViewRange& v = controller.view;
        return QPoint(static_cast<int>((mhz - v.ViewLow) / v.width() * widget.width()),
                      widget.height() / 2);
    }
    GraphSite site;
    GraphController controller;
    GraphWidget widget;
    int draws = 0;
};

TEST(GraphWidget, DragWithLeftOrMiddleButtonPans) {
    GraphOnScreen g;
    g.controller.view = {440, 460};
    g.widget.Redraw();
    // 2 MHz to the right: the view moves 2 MHz down, the picture follows the mouse.
    QTest::mousePress(&g.widget, Qt::LeftButton, Qt::NoModifier, g.At(448));
    EXPECT_TRUE(g.widget.dragging());
    EXPECT_EQ(g.widget.cursor().shape(), Qt::ClosedHandCursor);
    QTest::mouseRelease(&g.widget, Qt::LeftButton, Qt::NoModifier, g.At(450));
    EXPECT_FALSE(g.widget.dragging());
    EXPECT_NEAR(g.controller.view.ViewLow, 438, 0.05);
    EXPECT_NE(g.widget.cursor().shape(), Qt::ClosedHandCursor);

    g.controller.view = {440, 460};
    QTest::mousePress(&g.widget, Qt::MiddleButton, Qt::NoModifier, g.At(452));
    QTest::mouseRelease(&g.widget, Qt::MiddleButton, Qt::NoModifier, g.At(450));
    EXPECT_NEAR(g.controller.view.ViewLow, 442, 0.05);

    // Released outside the graph: nothing.
    g.controller.view = {440, 460};
    const int drawsBefore = g.draws;
    QTest::mousePress(&g.widget, Qt::LeftButton, Qt::NoModifier, g.At(450));
    QTest::mouseRelease(&g.widget, Qt::LeftButton, Qt::NoModifier,
                        QPoint(g.widget.width() + 40, g.widget.height() / 2));
    EXPECT_EQ(g.controller.view, (ViewRange{440, 460}));
    EXPECT_EQ(g.draws, drawsBefore);
}

TEST(GraphWidget, HoverShowsTheProductsUnderTheMouse) {
    GraphOnScreen g;
    g.site.Product(450, 25, 3);
    g.controller.view = {449.9, 450.1};
    g.widget.Redraw();
    const QPoint at = g.At(450);
    QTest::mouseMove(&g.widget, at);
    QTest::mouseMove(&g.widget, QPoint(at.x(), at.y() + 5)); // straight down
    EXPECT_EQ(g.widget.toolTip(), QStringLiteral("450.00000 - (2 x [1] - 1 x [2])"));
    QTest::mouseMove(&g.widget, QPoint(at.x() + 300, at.y() + 10)); // diagonal
    EXPECT_TRUE(g.widget.toolTip().isEmpty());
}

TEST(GraphWidget, DrawsTheSiteOnAPictureOfTheWidgetsSizeInDevicePixels) {
    GraphOnScreen g;
    const qreal ratio = g.widget.devicePixelRatioF();
    EXPECT_EQ(g.widget.image().width(), qRound(800 * ratio));
    EXPECT_EQ(g.widget.image().height(), qRound(300 * ratio));
    EXPECT_EQ(g.widget.image().pixelColor(0, 0), GraphWidget::backgroundColour());
    g.site.Entry("450", "0", "N/A", "Rx", "Exist", "25");
    g.site.Product(450.05, 25, 3);
    g.controller.view = {449.9, 450.1};
    g.controller.orders[3] = true;
    g.widget.Redraw();
    const QImage& image = g.widget.image();
    // The product's bar at 450.05 MHz, low in the plot area, is red.
    const QPoint product(qRound(g.At(450.05).x() * ratio), qRound(image.height() * 0.85));
    EXPECT_EQ(QColor(image.pixel(product)), QColor(255, 0, 0));
    // The background between bars stays white.
    const QPoint empty(qRound(g.At(449.93).x() * ratio), qRound(image.height() * 0.5));
    EXPECT_EQ(QColor(image.pixel(empty)), QColor(255, 255, 255));

    // A widget without size draws nothing and does not fail.
    QtCanvas none;
    EXPECT_FALSE(DrawGraph(none, g.controller.Inputs()));
}

} // namespace
} // namespace spurline
