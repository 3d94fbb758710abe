#include "platform/QtLocale.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace spurline {
namespace {

TEST(QtLocaleTest, SeparatorsAndMonthNamesAsTheCoreWantsThem) {
    struct Case {
        QLocale locale;
        const char* decimal;
        const char* group; // Qt's no-break space becomes a plain blank
        int month;
        const char* abbreviation; // UTF-8
    };
    const Case cases[] = {{QLocale(QLocale::German, QLocale::Germany), ",", ".", 4, "Mai"},
                          {QLocale(QLocale::English, QLocale::UnitedStates), ".", ",", 11, "Dec"},
                          {QLocale(QLocale::French, QLocale::France), ",", " ", 1, "f\xC3\xA9vr."},
                          {QLocale(QLocale::Swedish, QLocale::Sweden), ",", " ", 0, "jan."}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString());
        const Locale locale = LocaleFrom(c.locale);
        EXPECT_EQ(locale.decimalSeparator, c.decimal);
        EXPECT_EQ(locale.groupSeparator, c.group);
        EXPECT_EQ(locale.monthAbbreviations[static_cast<std::size_t>(c.month)], c.abbreviation);
    }
    EXPECT_EQ(LocaleFrom(cases[1].locale).monthAbbreviations,
              (std::array<std::string, 12>{"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug",
                                           "Sep", "Oct", "Nov", "Dec"}));

    const Locale system = SystemLocale();
    EXPECT_EQ(system.decimalSeparator, QLocale::system().decimalPoint().toStdString());
    EXPECT_FALSE(system.monthAbbreviations[0].empty());
}

} // namespace
} // namespace spurline
