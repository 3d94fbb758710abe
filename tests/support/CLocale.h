#pragma once

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace spurline::testing {

// The second run of the tests, the one ctest starts with --decimal-comma-run under a
// decimal-comma C locale built into the build tree (de_DE.UTF-8, with tr_TR.UTF-8 beside it).
inline bool& DecimalCommaRunFlag() {
    static bool run = false;
    return run;
}
inline bool DecimalCommaRun() {
    return DecimalCommaRunFlag();
}

// Takes --decimal-comma-run out of the arguments, before GoogleTest sees them.
inline void TakeDecimalCommaArgument(int& argc, char** argv) {
    int kept = 0;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--decimal-comma-run") == 0) {
            DecimalCommaRunFlag() = true;
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    argv[argc] = nullptr;
}

// Called by the test mains once the C locale of the environment is in force: false, with a
// message, when the decimal-comma run does not have a decimal comma, so that run can never
// pass without testing anything.
inline bool DecimalCommaInForceWhenAsked() {
    if (!DecimalCommaRun()) {
        return true;
    }
    const std::lconv* conventions = std::localeconv();
    if (conventions == nullptr || std::strcmp(conventions->decimal_point, ",") != 0) {
        std::fprintf(stderr,
                     "decimal-comma run: the C locale \"%s\" does not write 0,5; "
                     "check LOCPATH and LC_ALL\n",
                     std::setlocale(LC_ALL, nullptr));
        return false;
    }
    return true;
}

// The text of __lsan_default_suppressions in the test mains: glibc's newlocale (called by
// p11-kit as Qt's printing loads it) never frees the list of folders it makes from LOCPATH, which
// only the decimal-comma run sets.
constexpr const char* GlibcLocalePathLeak = "leak:__argz_add_sep\n";

// A C locale in force for one test; the one before comes back at the end.
class ScopedCLocale {
public:
    explicit ScopedCLocale(const char* name) : before_(std::setlocale(LC_ALL, nullptr)) {
        active_ = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~ScopedCLocale() { std::setlocale(LC_ALL, before_.c_str()); }
    ScopedCLocale(const ScopedCLocale&) = delete;
    ScopedCLocale& operator=(const ScopedCLocale&) = delete;
    bool active() const { return active_; }

private:
    std::string before_;
    bool active_ = false;
};

} // namespace spurline::testing

// Skips a test whose C locale is not installed, except in the decimal-comma run, which has
// every locale the tests ask for and so must never skip.
#define SPURLINE_REQUIRE_C_LOCALE(scoped, name)                                                    \
    if (!(scoped).active()) {                                                                      \
        if (::spurline::testing::DecimalCommaRun()) {                                              \
            FAIL() << "the C locale " << (name) << " is missing from the decimal-comma run";       \
        }                                                                                          \
        GTEST_SKIP() << "the C locale " << (name) << " is not installed";                          \
    }
