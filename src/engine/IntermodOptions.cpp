#include "engine/IntermodOptions.h"

#include "document/NumberFormat.h"
#include "document/TextHelpers.h"

namespace spurline {

namespace {
constexpr double NoUpperLimit = 1000000;
}

VictimFilter VictimFilter::FromOption(int index) {
    switch (index) {
    case 3:
        return {false, false, true};
    case 2:
        return {false, true, false};
    case 1:
        return {false, true, true};
    default:
        return {true, false, false};
    }
}

IntermodOptions IntermodOptions::Defaults() {
    IntermodOptions options;
    options.setOrder(2, true);
    options.setOrder(3, true);
    return options;
}

CalculationLimits ReadLimits(std::string_view lowerText, std::string_view upperText,
                             const Locale& locale) {
    CalculationLimits limits;
    limits.lower = LeadingNumber(lowerText, locale);
    limits.upper = ParseNumber(upperText, locale).has_value() ? LeadingNumber(upperText, locale)
                                                              : NoUpperLimit;
    return limits;
}

} // namespace spurline
