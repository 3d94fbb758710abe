#include "platform/QtPagePrinter.h"

#include "document/ErrorReport.h"
#include "platform/QtStrings.h"

#include <QFontMetricsF>
#include <QPrinter>

namespace spurline {

QtPagePrinter::QtPagePrinter(QPrinter& printer, std::function<QImage(QSize)> graphPicture,
                             QSizeF graphSize)
    : printer_(printer), graphPicture_(std::move(graphPicture)), graphSize_(graphSize) {}

double QtPagePrinter::GraphAspect() const {
    return graphSize_.isEmpty() ? 0 : graphSize_.height() / graphSize_.width();
}

QtPagePrinter::~QtPagePrinter() {
    AbortDoc();
}

double QtPagePrinter::Dpi() const {
    return printer_.resolution();
}

double QtPagePrinter::PrintableWidth() const {
    return printer_.pageRect(QPrinter::Inch).width();
}

double QtPagePrinter::PrintableHeight() const {
    return printer_.pageRect(QPrinter::Inch).height();
}

void QtPagePrinter::SetFont(const FontSpec& font) {
    // Measured on the printer itself, so points map to its resolution.
    font_ = QFont(ToQString(font.name));
    font_.setPointSizeF(font.size);
    font_.setWeight(font.weight >= 700 ? QFont::Bold : QFont::Normal);
    font_.setItalic(font.italic);
    font_.setUnderline(font.underline);
    font_.setStrikeOut(font.strikeOut);
    // Widths as the font designs them, not snapped to the printer's pixels.
    font_.setHintingPreference(QFont::PreferNoHinting);
    font_ = QFont(font_, &printer_);
}

double QtPagePrinter::TextWidth(std::string_view text) const {
    return QFontMetricsF(font_, &printer_).horizontalAdvance(ToQString(text)) / Dpi();
}

double QtPagePrinter::LineHeight() const {
    return QFontMetricsF(font_, &printer_).lineSpacing() / Dpi();
}

QPainter& QtPagePrinter::Painter() {
    if (!painter_) {
        auto painter = std::make_unique<QPainter>();
        if (!painter->begin(&printer_)) {
            throw CommandFailure(errors::PrinterError, "Printer error", "print/start");
        }
        painter_ = std::move(painter);
    }
    return *painter_;
}

void QtPagePrinter::Text(double x, double y, std::string_view text) {
    QPainter& painter = Painter();
    painter.setFont(font_);
    painter.setPen(Qt::black);
    const double ascent = QFontMetricsF(font_, &printer_).ascent();
    painter.drawText(QPointF(x * Dpi(), y * Dpi() + ascent), ToQString(text));
}

void QtPagePrinter::GraphPicture(double left, double top, double width, double height) {
    QPainter& painter = Painter();
    const QRectF box(left * Dpi(), top * Dpi(), width * Dpi(), height * Dpi());
    const QImage picture = graphPicture_ ? graphPicture_(box.size().toSize()) : QImage();
    // Drawn into the box as it comes: the box already has the picture's proportions.
    if (!picture.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(box, picture);
    }
}

void QtPagePrinter::Rectangle(double left, double top, double right, double bottom) {
    QPainter& painter = Painter();
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(
        QRectF(QPointF(left * Dpi(), top * Dpi()), QPointF(right * Dpi(), bottom * Dpi())));
}

void QtPagePrinter::NewPage() {
    Painter();
    if (!printer_.newPage()) {
        throw CommandFailure(errors::PrinterError, "Printer error", "print/new page");
    }
}

void QtPagePrinter::EndDoc() {
    if (painter_) {
        const bool ended = painter_->end();
        painter_.reset();
        if (!ended) {
            throw CommandFailure(errors::PrinterError, "Printer error", "print/end");
        }
    }
}

void QtPagePrinter::AbortDoc() {
    if (painter_) {
        printer_.abort();
        painter_->end();
        painter_.reset();
    }
}

} // namespace spurline
