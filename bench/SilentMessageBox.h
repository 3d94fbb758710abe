#pragma once

#include "document/MessageBox.h"

#include <string>

namespace spurline::bench {

// Shows nothing and answers OK: benchmarks measure work, not boxes.
class SilentBox final : public IMessageBox {
public:
    int CenteredMsgBox(const std::string&, int, const std::string&, const std::string&, int,
                       int) override {
        return msgbox::Ok;
    }
};

} // namespace spurline::bench
