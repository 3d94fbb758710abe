#include "document/StreamMessageBox.h"

#include <ostream>

namespace spurline {

int StreamMessageBox::CenteredMsgBox(const std::string& prompt, int buttons, const std::string&,
                                     const std::string&, int, int) {
    ++shown_;
    // The two lines of a prompt are joined by CR LF; on a terminal they read as one.
    std::string line;
    for (std::size_t k = 0; k < prompt.size(); ++k) {
        if (prompt[k] == '\r' && k + 1 < prompt.size() && prompt[k + 1] == '\n') {
            continue;
        }
        line += prompt[k];
    }
    out_ << line << '\n';
    return msgbox::IsYesNo(buttons) ? msgbox::No : msgbox::Ok;
}

} // namespace spurline
