#include "platform/QtCanvas.h"

#include "graph/PixelGrid.h"
#include "platform/QtStrings.h"

#include <QFontMetricsF>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace spurline {

QColor ToQColor(Colour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

QtCanvas::QtCanvas() {
    qfont_ = ToQFont(font_);
}

QtCanvas::~QtCanvas() {
    End();
}

void QtCanvas::Resize(QSize logicalSize, qreal devicePixelRatio, qreal logicalDpi) {
    End();
    pending_ = {};
    ratio_ = devicePixelRatio > 0 ? devicePixelRatio : 1;
    const QSize pixels(static_cast<int>(std::lround(logicalSize.width() * ratio_)),
                       static_cast<int>(std::lround(logicalSize.height() * ratio_)));
    if (pixels == image_.size()) {
        return;
    }
    image_ = QImage(pixels.expandedTo(QSize(0, 0)), QImage::Format_RGB32);
    if (!image_.isNull()) {
        // Points become device pixels at the screen's density times the ratio.
        const int dotsPerMeter = static_cast<int>(std::lround(logicalDpi * ratio_ / 0.0254));
        image_.setDotsPerMeterX(dotsPerMeter);
        image_.setDotsPerMeterY(dotsPerMeter);
        FillBackground();
    }
    qfont_ = ToQFont(font_);
}

const QImage& QtCanvas::image() {
    End();
    return image_;
}

void QtCanvas::FillBackground() {
    // Row by row on this thread: QImage::fill hands large pictures to a thread pool, whose
    // hand-over costs more than the fill on a busy machine.
    for (int y = 0; y < image_.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(line, line + image_.width(), Background);
    }
}

void QtCanvas::SolidFill(const QRect& area, QRgb colour) {
    // Opaque fills are written straight into the picture: QPainter spreads tall fills over a
    // thread pool, and the hand-over outweighs the work for the narrow bars of a spectrum.
    const QRect clipped = area.intersected(image_.rect());
    if (clipped.isEmpty()) {
        return;
    }
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(line + clipped.left(), line + clipped.right() + 1, colour);
    }
}

void QtCanvas::Flush() {
    if (!pending_.active) {
        return;
    }
    pending_.active = false;
    const QRgb colour = pending_.colour;
    const int height = pending_.bottom - pending_.top + 1;
    int x = pending_.first;
    while (x <= pending_.last) {
        if (pending_.covered[static_cast<std::size_t>(x)] == 0) {
            ++x;
            continue;
        }
        const int start = x;
        while (x <= pending_.last && pending_.covered[static_cast<std::size_t>(x)] != 0) {
            pending_.covered[static_cast<std::size_t>(x)] = 0;
            ++x;
        }
        SolidFill(QRect(start, pending_.top, x - start, height), colour);
    }
}

void QtCanvas::End() {
    Flush();
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

QPainter& QtCanvas::Painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setRenderHint(QPainter::TextAntialiasing, true);
    }
    return *painter_;
}

QPointF QtCanvas::ToGraph(QPointF logical) const {
    if (image_.isNull()) {
        return {left_, top_};
    }
    const double px = logical.x() * ratio_;
    const double py = logical.y() * ratio_;
    return {left_ + px / image_.width() * (right_ - left_),
            top_ + py / image_.height() * (bottom_ - top_)};
}

bool QtCanvas::SetScale(double left, double top, double right, double bottom) {
    if (image_.isNull() || !std::isfinite(right - left) || !std::isfinite(bottom - top) ||
        right == left || top == bottom) {
        return false;
    }
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = bottom;
    return true;
}

void QtCanvas::Clear() {
    if (image_.isNull()) {
        return;
    }
    pending_ = {}; // what waited belongs to the old picture
    End();
    FillBackground();
}

double QtCanvas::PixelWidth() const {
    return image_.isNull() ? 1 : std::fabs(right_ - left_) / image_.width();
}

double QtCanvas::PixelHeight() const {
    return image_.isNull() ? 1 : std::fabs(bottom_ - top_) / image_.height();
}

QFont QtCanvas::ToQFont(const FontSpec& font) const {
    QFont q(ToQString(font.name));
    q.setPointSizeF(font.size > 0 ? font.size : 1);
    q.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 1, 1000)));
    q.setItalic(font.italic);
    q.setUnderline(font.underline);
    q.setStrikeOut(font.strikeOut);
    return q;
}

void QtCanvas::SetFont(const FontSpec& font) {
    if (font == font_) {
        return;
    }
    font_ = font;
    qfont_ = ToQFont(font);
}

double QtCanvas::TextWidth(std::string_view text) const {
    if (image_.isNull()) {
        return 0;
    }
    const QFontMetricsF metrics(qfont_, &image_);
    return metrics.horizontalAdvance(ToQString(text)) * PixelWidth();
}

double QtCanvas::TextHeight(std::string_view) const {
    if (image_.isNull()) {
        return 0;
    }
    const QFontMetricsF metrics(qfont_, &image_);
    return metrics.height() * PixelHeight();
}

double QtCanvas::DeviceX(double x) const {
    return (x - left_) / (right_ - left_) * image_.width();
}

double QtCanvas::DeviceY(double y) const {
    return (y - top_) / (bottom_ - top_) * image_.height();
}

QRect QtCanvas::PixelRect(double x1, double y1, double x2, double y2) const {
    const PixelBox box = SnapToPixels(DeviceX(x1), DeviceY(y1), DeviceX(x2), DeviceY(y2),
                                      image_.width(), image_.height());
    return QRect(box.left, box.top, box.width(), box.height());
}

void QtCanvas::Line(double x1, double y1, double x2, double y2, Colour colour) {
    if (image_.isNull()) {
        return;
    }
    Flush();
    QPainter& painter = Painter();
    painter.setPen(QPen(ToQColor(colour), 0));
    const QRect span = PixelRect(x1, y1, x2, y2);
    if (x1 == x2) {
        painter.drawLine(span.left(), span.top(), span.left(), span.bottom());
    } else if (y1 == y2) {
        painter.drawLine(span.left(), span.top(), span.right(), span.top());
    } else {
        painter.drawLine(QPointF(DeviceX(x1), DeviceY(y1)), QPointF(DeviceX(x2), DeviceY(y2)));
    }
}

void QtCanvas::Box(double x1, double y1, double x2, double y2, Colour outline, FillStyle fill,
                   Colour fillColour) {
    if (image_.isNull()) {
        return;
    }
    Flush();
    QPainter& painter = Painter();
    const QRect rect = PixelRect(x1, y1, x2, y2);
    if (fill == FillStyle::Solid) {
        SolidFill(rect, ToQColor(fillColour).rgb());
    } else if (fill == FillStyle::DiagonalCross) {
        painter.fillRect(rect, QBrush(ToQColor(fillColour), Qt::DiagCrossPattern));
    }
    painter.setPen(QPen(ToQColor(outline), 0));
    painter.setBrush(Qt::NoBrush);
    // An aliased outline covers one pixel more than the rectangle in each direction.
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

void QtCanvas::FilledBox(double x1, double y1, double x2, double y2, Colour colour) {
    if (image_.isNull()) {
        return;
    }
    const QRect rect = PixelRect(x1, y1, x2, y2);
    const int first = std::max(rect.left(), 0);
    const int last = std::min(rect.right(), image_.width() - 1);
    const QRgb rgb = ToQColor(colour).rgb();
    if (!pending_.active || pending_.colour != rgb || pending_.top != rect.top() ||
        pending_.bottom != rect.bottom()) {
        Flush();
        pending_.active = true;
        pending_.colour = rgb;
        pending_.top = rect.top();
        pending_.bottom = rect.bottom();
        pending_.first = image_.width();
        pending_.last = -1;
        pending_.covered.resize(static_cast<std::size_t>(image_.width()));
    }
    if (first > last) {
        return; // beside the picture
    }
    std::fill(pending_.covered.begin() + first, pending_.covered.begin() + last + 1, 1);
    pending_.first = std::min(pending_.first, first);
    pending_.last = std::max(pending_.last, last);
}

void QtCanvas::Text(double x, double y, std::string_view text, Colour colour) {
    if (image_.isNull()) {
        return;
    }
    Flush();
    QPainter& painter = Painter();
    painter.setFont(qfont_);
    painter.setPen(ToQColor(colour));
    const QFontMetricsF metrics(qfont_, &image_);
    painter.drawText(QPointF(DeviceX(x), DeviceY(y) + metrics.ascent()), ToQString(text));
}

void QtCanvas::RotatedText(double x, double y, std::string_view text, const FontSpec& font,
                           int angle, Colour colour) {
    if (image_.isNull()) {
        return;
    }
    Flush();
    QPainter& painter = Painter();
    const QFont qfont = ToQFont(font);
    const QFontMetricsF metrics(qfont, &image_);
    painter.save();
    painter.translate(DeviceX(x), DeviceY(y));
    // Counter-clockwise on screen; Qt turns clockwise for positive angles.
    painter.rotate(-angle / 10.0);
    painter.setFont(qfont);
    painter.setPen(ToQColor(colour));
    painter.drawText(QPointF(0, metrics.ascent()), ToQString(text));
    painter.restore();
}

void QtCanvas::Show() {
    if (shown) {
        End();
        shown();
    }
}

} // namespace spurline
