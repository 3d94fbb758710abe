#pragma once

#include "document/Locale.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace spurline::cli {

// spurline-calc without its process: reads the arguments after the program name, loads the site,
// writes the intermod list to out row by row and messages to err. Returns the exit status.
// systemLocale is the convention "--locale system" (and no --locale) stands for.
int RunCalc(const std::vector<std::string>& arguments, const Locale& systemLocale,
            std::ostream& out, std::ostream& err);

} // namespace spurline::cli
