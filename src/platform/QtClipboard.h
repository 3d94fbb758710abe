#pragma once

#include "output/ClipboardCopy.h"

#include <QImage>
#include <functional>

namespace spurline {

// The system clipboard: text as plain text, the graph as an image.
class QtClipboard final : public IClipboard {
public:
    explicit QtClipboard(std::function<QImage()> graphPicture);

    void Clear() override;
    void SetText(const std::string& utf8) override;
    void SetGraphPicture() override;

private:
    std::function<QImage()> graphPicture_;
};

} // namespace spurline
