#include "support/CLocale.h"

#include <clocale>
#include <gtest/gtest.h>

// The core tests run under the C locale of their environment, as the program's core does under
// a desktop's: the core must give the same texts and numbers whatever it is.
extern "C" const char* __lsan_default_suppressions() {
    return spurline::testing::GlibcLocalePathLeak;
}

int main(int argc, char** argv) {
    spurline::testing::TakeDecimalCommaArgument(argc, argv);
    std::setlocale(LC_ALL, "");
    if (!spurline::testing::DecimalCommaInForceWhenAsked()) {
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
