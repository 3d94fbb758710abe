#include "platform/QtTextMeasurer.h"

#include "platform/QtStrings.h"

namespace spurline {

QtTextMeasurer::QtTextMeasurer(const QFont& font) : metrics_(font) {}

int QtTextMeasurer::TextWidth(std::string_view text) const {
    return metrics_.horizontalAdvance(ToQString(text));
}

} // namespace spurline
