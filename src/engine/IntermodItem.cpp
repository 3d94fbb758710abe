#include "engine/IntermodItem.h"

#include "document/NumberFormat.h"

#include <charconv>

namespace spurline {

float cIntermodItem::lowerfrequency() const {
    return frequency_ - bandwidth_ / 2000.0f;
}

float cIntermodItem::upperfrequency() const {
    return frequency_ + bandwidth_ / 2000.0f;
}

std::string cIntermodItem::bandwidthstring(const Locale& locale) const {
    return FormatNumber(FloatAsDisplayed(bandwidth_), patterns::Bandwidth, locale);
}

std::string cIntermodItem::frequencystring(const Locale& locale) const {
    return FormatNumber(FloatAsDisplayed(frequency_), patterns::Frequency, locale);
}

std::shared_ptr<cIntermodItem> cIntermodItem::Clone() const {
    return std::make_shared<cIntermodItem>(*this);
}

double FloatAsDisplayed(float value) {
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (result.ec != std::errc{}) {
        return value;
    }
    // Read back with from_chars: strtod would stop at the '.' under a decimal-comma C locale.
    double shortest = value;
    std::from_chars(buffer, result.ptr, shortest);
    return shortest;
}

} // namespace spurline
