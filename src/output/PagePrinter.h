#pragma once

#include "graph/Canvas.h"

#include <string_view>

namespace spurline {

namespace errors {
inline constexpr int PrinterError = 482;
} // namespace errors

// The printer as the printed report needs it. Positions and sizes are in inches from the top-left
// corner of the printable area. Operations that fail throw CommandFailure.
class IPagePrinter {
public:
    virtual ~IPagePrinter() = default;

    // The printable area, inches.
    virtual double PrintableWidth() const = 0;
    virtual double PrintableHeight() const = 0;

    virtual void SetFont(const FontSpec& font) = 0;
    // In the current font, inches.
    virtual double TextWidth(std::string_view text) const = 0;
    virtual double LineHeight() const = 0;
    // Text in the current font with its top-left corner at (x, y).
    virtual void Text(double x, double y, std::string_view text) = 0;
    // Height over width of the spectrum graph as displayed; 0 when it has no size.
    virtual double GraphAspect() const = 0;
    // The spectrum graph as displayed, scaled into the box.
    virtual void GraphPicture(double left, double top, double width, double height) = 0;
    // An unfilled black rectangle.
    virtual void Rectangle(double left, double top, double right, double bottom) = 0;

    virtual void NewPage() = 0;
    virtual void EndDoc() = 0;
    // Gives the document up after a failure, so that it does not block later jobs.
    virtual void AbortDoc() = 0;
};

} // namespace spurline
