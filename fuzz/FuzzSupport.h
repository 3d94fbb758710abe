#pragma once

#include "document/FrequencyList.h"
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

// The entries' texts and level values, a line each, save the offset, which counts by its value: a
// tiny offset such as 0.0006 kHz shows as "+0.00" (its sign picks the format) and reads back as
// zero, "0".
inline std::string DescribeEntries(const FrequencyList& list) {
    std::string text;
    for (int row = 0; row < list.count(); ++row) {
        const FrequencyEntry& entry = list.entry(row);
        for (int column = 0; column < static_cast<int>(entry.texts.size()); ++column) {
            if (column == ColOffset) {
                char value[32];
                std::snprintf(value, sizeof value, "%.17g", list.OffsetFrequency(row));
                text += value;
            } else {
                text += entry.texts[static_cast<std::size_t>(column)];
            }
            text += "|";
        }
        for (int field = 0; field < LevelFieldCount; ++field) {
            const std::optional<double>& value = LevelValue(entry.levels, field);
            char number[32] = "-";
            if (value) {
                std::snprintf(number, sizeof number, "%.17g", *value);
            }
            text += number;
            text += "|";
        }
        text += "\n";
    }
    return text;
}

// The convention a fuzz input asks for in its first byte.
inline Locale LocaleFromByte(unsigned char byte) {
    return (byte & 1) != 0 ? Locale::German() : Locale::English();
}

} // namespace spurline::fuzz
