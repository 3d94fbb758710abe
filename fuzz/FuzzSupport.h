#pragma once

#include "document/Locale.h"
#include "document/MessageBox.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace spurline::fuzz {

// Answers every box as a user who wants no further questions would, and shows nothing.
class QuietMessageBox final : public IMessageBox {
public:
    int CenteredMsgBox(const std::string&, int buttons, const std::string&, const std::string&, int,
                       int) override {
        return msgbox::IsYesNo(buttons) ? msgbox::No : msgbox::Ok;
    }
};

// A broken property is a finding: say which and stop, so the fuzzer keeps the input.
inline void Require(bool holds, const char* property, const std::string& detail = {}) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n%s\n", property, detail.c_str());
        std::abort();
    }
}

// The convention a fuzz input asks for in its first byte.
inline Locale LocaleFromByte(unsigned char byte) {
    return (byte & 1) != 0 ? Locale::German() : Locale::English();
}

} // namespace spurline::fuzz
