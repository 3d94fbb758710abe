#pragma once

#include "BatchOptions.h"
#include "FindArguments.h"
#include "LevelArguments.h"
#include "document/Locale.h"
#include "engine/IntermodOptions.h"

#include <optional>
#include <string>
#include <vector>

namespace spurline::cli {

// What the command line of spurline-calc asks for.
struct CalcArguments {
    std::string sitePath;
    IntermodOptions options = IntermodOptions::Defaults();
    Locale locale = Locale::English();
    bool help = false;
    bool version = false;
    FindArguments find; // --find or --summary instead of the list
    BatchOptions batch;
    LevelArguments levels;
};

// Reads the arguments after the program name; on a bad argument returns nothing and sets error.
// systemLocale is the convention "--locale system" (and no --locale) stands for.
std::optional<CalcArguments> ParseCalcArguments(const std::vector<std::string>& arguments,
                                                const Locale& systemLocale, std::string& error);

// The --help text.
std::string CalcUsage();

// The --version text: "spurline-calc" and the project's version, one line.
std::string CalcVersion();

} // namespace spurline::cli
