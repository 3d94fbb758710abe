#include "platform/QtLocale.h"

#include "platform/QtStrings.h"

#include <QLocale>

namespace spurline {

namespace {

// The core reads grouped numbers with an ASCII blank; locales such as French group with a
// no-break space, which would make every grouped number unreadable.
QString PlainBlanks(QString text) {
    text.replace(QChar(0x00A0), QLatin1Char(' '));
    text.replace(QChar(0x202F), QLatin1Char(' '));
    text.replace(QChar(0x2009), QLatin1Char(' '));
    return text;
}

} // namespace

Locale LocaleFrom(const QLocale& locale) {
    Locale result;
    result.decimalSeparator = ToStdString(locale.decimalPoint());
    result.groupSeparator = ToStdString(PlainBlanks(locale.groupSeparator()));
    for (int month = 1; month <= 12; ++month) {
        result.monthAbbreviations[static_cast<std::size_t>(month - 1)] =
            ToStdString(locale.monthName(month, QLocale::ShortFormat));
    }
    return result;
}

Locale SystemLocale() {
    return LocaleFrom(QLocale::system());
}

} // namespace spurline
