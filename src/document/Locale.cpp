#include "document/Locale.h"

namespace spurline {

Locale Locale::English() {
    return Locale{};
}

Locale Locale::German() {
    Locale locale;
    locale.decimalSeparator = ",";
    locale.groupSeparator = ".";
    locale.monthAbbreviations = {"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun",
                                 "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
    return locale;
}

} // namespace spurline
