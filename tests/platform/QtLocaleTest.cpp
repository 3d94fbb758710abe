#include "platform/QtLocale.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace spurline {
namespace {

TEST(QtLocaleTest, GermanWritesDecimalCommaAndGroupsWithPoint) {
    const Locale locale = LocaleFrom(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(locale.decimalSeparator, ",");
    EXPECT_EQ(locale.groupSeparator, ".");
    EXPECT_EQ(locale.monthAbbreviations[4], "Mai");
}

TEST(QtLocaleTest, EnglishWritesDecimalPointAndGroupsWithComma) {
    const Locale locale = LocaleFrom(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(locale.decimalSeparator, ".");
    EXPECT_EQ(locale.groupSeparator, ",");
    const std::array<std::string, 12> expected{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    EXPECT_EQ(locale.monthAbbreviations, expected);
}

TEST(QtLocaleTest, FrenchNoBreakGroupSeparatorBecomesPlainBlank) {
    const QLocale french(QLocale::French, QLocale::France);
    ASSERT_NE(french.groupSeparator(), QStringLiteral(" ")); // Qt gives a no-break space
    const Locale locale = LocaleFrom(french);
    EXPECT_EQ(locale.decimalSeparator, ",");
    EXPECT_EQ(locale.groupSeparator, " ");
}

TEST(QtLocaleTest, SwedishNoBreakSpaceBecomesPlainBlank) {
    const Locale locale = LocaleFrom(QLocale(QLocale::Swedish, QLocale::Sweden));
    EXPECT_EQ(locale.groupSeparator, " ");
}

TEST(QtLocaleTest, MonthNamesKeepNonAsciiLettersAsUtf8) {
    const Locale locale = LocaleFrom(QLocale(QLocale::French, QLocale::France));
    // "févr." in UTF-8.
    EXPECT_EQ(locale.monthAbbreviations[1], "f\xC3\xA9vr.");
}

TEST(QtLocaleTest, SystemLocaleFollowsTheUsersSettings) {
    const Locale locale = SystemLocale();
    EXPECT_EQ(locale.decimalSeparator, QLocale::system().decimalPoint().toStdString());
    EXPECT_FALSE(locale.monthAbbreviations[0].empty());
}

} // namespace
} // namespace spurline
