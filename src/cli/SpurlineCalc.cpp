// spurline-calc: loads a site, runs the intermodulation calculation and prints the intermod list
// as the window shows it before any column sort.

#include "CalcRun.h"
#include "DescriptorBuffer.h"
#include "SignalCleanup.h"

#include <clocale>
#include <iostream>
#include <unistd.h>

namespace spurline::cli {

namespace {

Locale SystemLocale() {
    std::setlocale(LC_ALL, "");
    const std::lconv* conventions = std::localeconv();
    Locale locale = Locale::English();
    if (conventions != nullptr && conventions->decimal_point != nullptr &&
        *conventions->decimal_point != '\0') {
        locale.decimalSeparator = conventions->decimal_point;
        const char* group = conventions->thousands_sep;
        if (group != nullptr && *group != '\0') {
            locale.groupSeparator = group;
        } else {
            locale.groupSeparator = locale.decimalSeparator == "," ? "." : ",";
        }
    }
    std::setlocale(LC_ALL, "C");
    return locale;
}

} // namespace

} // namespace spurline::cli

int main(int argc, char** argv) {
    // Nothing here writes through C stdio, so the streams may buffer on their own: the list can
    // be gigabytes. The list goes through a buffer of its own that keeps the reason a write
    // failed.
    std::ios::sync_with_stdio(false);
    spurline::cli::DescriptorBuffer outBuffer(STDOUT_FILENO);
    std::ostream out(&outBuffer);
    // Interrupted while it writes the graph, the program leaves no hidden temporary file.
    spurline::cli::RemoveTemporaryFileOnSignals();
    std::vector<std::string> arguments(argv + 1, argv + argc);
    try {
        return spurline::cli::RunCalc(arguments, spurline::cli::SystemLocale(), out, std::cerr);
    } catch (const std::exception& failure) {
        std::cerr << "spurline-calc: " << failure.what() << '\n';
        return 1;
    }
}
