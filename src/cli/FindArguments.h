#pragma once

#include "document/Locale.h"
#include "engine/FrequencyFinder.h"

#include <map>
#include <string>
#include <vector>

namespace spurline::cli {

// The finder's and the summary's part of the command line.
struct FindArguments {
    bool find = false;            // --find tx|rx|both
    bool summary = false;         // --summary
    bool most = false;            // --most
    double timeLimitSeconds = 10; // --time-limit, for --most; 0 for none
    FinderRequest request;
    std::string candidates;                     // --candidates FILE, read by RunFind
    std::vector<std::string> exclusions;        // --exclude FROM-TO as given
    std::map<std::string, std::string> numbers; // option -> text, read once the locale is known
};

// Takes arguments[k] (and its value) when it is one of the finder's options: true when taken,
// with k moved past the value; error set when the option was the finder's but its value is bad.
bool TakeFindOption(const std::vector<std::string>& arguments, std::size_t& k, FindArguments& find,
                    std::string& error);

// Reads the numbers in the chosen convention and checks the request; false with error set.
bool FinishFindArguments(FindArguments& find, const Locale& locale, std::string& error);

// The options' lines for the --help text.
const char* FindUsage();

} // namespace spurline::cli
