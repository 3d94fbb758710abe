// spurline-calc's argument parsing on arbitrary argument lists (arguments separated by NUL).

#include "CalcArguments.h"
#include "FuzzSupport.h"

#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace spurline;
    using namespace spurline::fuzz;
    std::vector<std::string> arguments(1);
    for (std::size_t k = 0; k < size; ++k) {
        if (data[k] == 0)
            arguments.emplace_back();
        else
            arguments.back() += static_cast<char>(data[k]);
    }
    std::string error;
    const auto parsed = cli::ParseCalcArguments(arguments, Locale::German(), error);
    if (!parsed) {
        Require(!error.empty(), "a refused command line says why");
        return 0;
    }
    Require(error.empty(), "an accepted command line has no error");
    if (parsed->help || parsed->version)
        return 0;
    Require(!parsed->sitePath.empty(), "an accepted command line names a site");
    // The site is an argument as given: after "--", or one that is not an option.
    bool named = false;
    bool ended = false;
    for (const std::string& argument : arguments) {
        if (argument == parsed->sitePath && (ended || argument[0] != '-' || argument == "-"))
            named = true;
        ended = ended || argument == "--";
    }
    Require(named, "the site is one of the arguments and not an option", parsed->sitePath);
    return 0;
}
