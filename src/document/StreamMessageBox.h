#pragma once

#include "document/MessageBox.h"

#include <iosfwd>

namespace spurline {

// Message boxes for runs without anyone to answer them: each prompt becomes one line on the
// stream, questions are answered No, and the boxes are counted.
class StreamMessageBox final : public IMessageBox {
public:
    explicit StreamMessageBox(std::ostream& out) : out_(out) {}

    int CenteredMsgBox(const std::string& prompt, int buttons, const std::string& title = {},
                       const std::string& helpFile = {}, int context = 0,
                       int position = msgbox::CentreOnForeground) override;

    int shown() const { return shown_; }

private:
    std::ostream& out_;
    int shown_ = 0;
};

} // namespace spurline
