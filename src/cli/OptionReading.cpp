#include "OptionReading.h"

#include <algorithm>
#include <charconv>

namespace spurline::cli {

bool IsOneOf(const std::string& argument, std::span<const char* const> names) {
    return std::find(names.begin(), names.end(), argument) != names.end();
}

const std::string* TakeValue(const std::vector<std::string>& arguments, std::size_t& k,
                             std::string& error) {
    if (k + 1 >= arguments.size()) {
        error = arguments[k] + " needs a value";
        return nullptr;
    }
    return &arguments[++k];
}

std::string BadValue(const std::string& option, const std::string& value) {
    return "bad value for " + option + ": " + value;
}

bool ChooseOnOff(const std::string& value, bool& flag) {
    return Choose(value, {{"on", true}, {"off", false}}, flag);
}

bool ParseCount(const std::string& text, int low, int high, int& value) {
    int parsed = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, parsed);
    if (ec != std::errc() || ptr != end || parsed < low || parsed > high) {
        return false;
    }
    value = parsed;
    return true;
}

std::string RefusalText(const std::string& error) {
    return "spurline-calc: " + error + "\nTry 'spurline-calc --help' for more information.\n";
}

} // namespace spurline::cli
