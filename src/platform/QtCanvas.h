#pragma once

#include "graph/Canvas.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QSize>
#include <functional>
#include <memory>
#include <vector>

namespace spurline {

// The spectrum graph's persistent picture: a QImage in device pixels that the core's drawing
// paints on through QPainter, and that the widget, the printout and the clipboard take as it is.
// Boxes and lines are snapped to whole device pixels and never thinner than one, so a narrow band
// stays visible at any zoom.
class QtCanvas final : public ICanvas {
public:
    static constexpr QRgb Background = 0xFFFFFFFF;

    QtCanvas();
    ~QtCanvas() override;

    // Sizes the picture for a widget of logicalSize at devicePixelRatio; fonts are scaled for
    // logicalDpi. A new size clears the picture.
    void Resize(QSize logicalSize, qreal devicePixelRatio, qreal logicalDpi = 96);
    // The finished picture, in device pixels.
    const QImage& image();
    qreal devicePixelRatio() const { return ratio_; }
    // A widget position (logical pixels) in the graph units of the last scale.
    QPointF ToGraph(QPointF logical) const;

    // Called when the drawing's frame is complete.
    std::function<void()> shown;

    bool SetScale(double left, double top, double right, double bottom) override;
    void Clear() override;
    double PixelWidth() const override;
    double PixelHeight() const override;
    void SetFont(const FontSpec& font) override;
    const FontSpec& font() const override { return font_; }
    double TextWidth(std::string_view text) const override;
    double TextHeight(std::string_view text) const override;
    void Line(double x1, double y1, double x2, double y2, Colour colour) override;
    void Box(double x1, double y1, double x2, double y2, Colour outline, FillStyle fill,
             Colour fillColour) override;
    void FilledBox(double x1, double y1, double x2, double y2, Colour colour) override;
    void Text(double x, double y, std::string_view text, Colour colour) override;
    void RotatedText(double x, double y, std::string_view text, const FontSpec& font, int angle,
                     Colour colour) override;
    void Show() override;

    // Ends the painting so the image can be read.
    void End();

private:
    // Solid boxes of one colour over the same rows, waiting to be filled column run by column
    // run: a full result stacks many products on one column, and among boxes alike the order of
    // painting does not matter.
    struct PendingFill {
        bool active = false;
        QRgb colour = 0;
        int top = 0;
        int bottom = 0;
        int first = 0; // columns marked, inclusive
        int last = -1;
        std::vector<unsigned char> covered;
    };

    void Flush();
    void FillBackground();
    void SolidFill(const QRect& area, QRgb colour);
    QPainter& Painter();
    double DeviceX(double x) const;
    double DeviceY(double y) const;
    QRect PixelRect(double x1, double y1, double x2, double y2) const;
    QFont ToQFont(const FontSpec& font) const;

    QImage image_;
    std::unique_ptr<QPainter> painter_;
    qreal ratio_ = 1;
    double left_ = 0, top_ = 1, right_ = 1, bottom_ = 0;
    FontSpec font_;
    QFont qfont_;
    PendingFill pending_;
};

// A core colour (red in the low byte) as Qt's.
QColor ToQColor(Colour colour);

} // namespace spurline
