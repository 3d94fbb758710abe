#pragma once

#include "document/Locale.h"

class QLocale;

namespace spurline {

// The number and date conventions of a Qt locale, in the form the core takes.
Locale LocaleFrom(const QLocale& locale);

// The user's regional settings.
Locale SystemLocale();

} // namespace spurline
