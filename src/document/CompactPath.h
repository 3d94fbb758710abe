#pragma once

#include <string>
#include <string_view>

namespace spurline {

// Measures text in the font of the control that will show it.
class ITextMeasurer {
public:
    virtual ~ITextMeasurer() = default;
    virtual int TextWidth(std::string_view text) const = 0; // pixels
};

// Shortens path to fit widthPixels by replacing folders between the root and the file name with
// "..."; a path that fits is returned unchanged and the file name is always kept whole.
std::string CompactPath(std::string_view path, const ITextMeasurer& measurer, int widthPixels);

} // namespace spurline
