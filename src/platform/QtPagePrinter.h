#pragma once

#include "output/PagePrinter.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSizeF>
#include <functional>
#include <memory>

class QPrinter;

namespace spurline {

// The report's printer on a QPrinter: inches become printer pixels, the document starts with the
// first drawing (so a report with nothing selected prints no page), and a failed job is aborted
// and its painter ended.
class QtPagePrinter final : public IPagePrinter {
public:
    // graphPicture renders the graph as displayed for a box of the given size in printer pixels;
    // graphSize is the graph's size on screen, whose proportions the printed picture keeps.
    QtPagePrinter(QPrinter& printer, std::function<QImage(QSize)> graphPicture,
                  QSizeF graphSize = {});
    ~QtPagePrinter() override;

    double PrintableWidth() const override;
    double PrintableHeight() const override;
    void SetFont(const FontSpec& font) override;
    double TextWidth(std::string_view text) const override;
    double LineHeight() const override;
    double GraphAspect() const override;
    void Text(double x, double y, std::string_view text) override;
    void GraphPicture(double left, double top, double width, double height) override;
    void Rectangle(double left, double top, double right, double bottom) override;
    void NewPage() override;
    void EndDoc() override;
    void AbortDoc() override;

    // The font the printer actually uses for the current request (after substitution).
    const QFont& font() const { return font_; }

private:
    QPainter& Painter();
    double Dpi() const;

    QPrinter& printer_;
    std::function<QImage(QSize)> graphPicture_;
    QSizeF graphSize_;
    std::unique_ptr<QPainter> painter_;
    QFont font_;
};

} // namespace spurline
