#include "support/CLocale.h"

#include <QApplication>
#include <clocale>
#include <gtest/gtest.h>

extern "C" const char* __lsan_default_suppressions() {
    return spurline::testing::GlibcLocalePathLeak;
}

// Widget tests need the QApplication before any widget exists; they run headless unless told
// otherwise, also when ctest lists them.
int main(int argc, char** argv) {
    spurline::testing::TakeDecimalCommaArgument(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Spurline"));
    // The program puts LC_NUMERIC back to "C" here; the decimal-comma run puts the desktop's
    // locale back in force instead, since the core must not rely on that reset.
    if (spurline::testing::DecimalCommaRun()) {
        std::setlocale(LC_ALL, "");
    }
    if (!spurline::testing::DecimalCommaInForceWhenAsked()) {
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
