#pragma once

#include "document/CompactPath.h"

#include <QFontMetrics>

class QFont;

namespace spurline {

// Measures text as a widget with the given font draws it.
class QtTextMeasurer final : public ITextMeasurer {
public:
    explicit QtTextMeasurer(const QFont& font);

    int TextWidth(std::string_view text) const override;

private:
    QFontMetrics metrics_;
};

} // namespace spurline
