#pragma once

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace spurline::cli {

// The pieces every option of spurline-calc is read with: the value after an option, values that
// are one of a few names, whole numbers, and the texts with which a command line is refused.

// Whether argument is one of names.
bool IsOneOf(const std::string& argument, std::span<const char* const> names);

// The value of the option arguments[k], with k moved onto it; nullptr, with error set, when the
// option is the last argument.
const std::string* TakeValue(const std::vector<std::string>& arguments, std::size_t& k,
                             std::string& error);

// The error for a value the option does not take.
std::string BadValue(const std::string& option, const std::string& value);

// Sets target to what value names among choices; false, target unchanged, when it names none.
template <typename T>
bool Choose(const std::string& value,
            std::initializer_list<std::pair<const char*, std::type_identity_t<T>>> choices,
            T& target) {
    for (const auto& [name, meaning] : choices) {
        if (value == name) {
            target = meaning;
            return true;
        }
    }
    return false;
}

// "on" or "off" into flag; false, flag unchanged, for anything else.
bool ChooseOnOff(const std::string& value, bool& flag);

// A whole number from low to high, in plain digits and nothing else (no locale: it is a count).
bool ParseCount(const std::string& text, int low, int high, int& value);

// What a refused command line shows on standard error: the reason, and where to find help.
std::string RefusalText(const std::string& error);

} // namespace spurline::cli
