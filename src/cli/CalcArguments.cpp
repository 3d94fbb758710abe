#include "CalcArguments.h"

#include "OptionReading.h"
#include "document/NumberFormat.h"

namespace spurline::cli {

namespace {

bool ParseOrders(const std::string& value, IntermodOptions& options) {
    IntermodOptions chosen = options;
    for (int order : {2, 3, 5, 7, 9}) {
        chosen.setOrder(order, false);
    }
    std::size_t start = 0;
    while (start <= value.size()) {
        std::size_t end = value.find(',', start);
        if (end == std::string::npos) {
            end = value.size();
        }
        const std::string item = value.substr(start, end - start);
        if (item.size() != 1 || std::string("23579").find(item[0]) == std::string::npos) {
            return false;
        }
        chosen.setOrder(item[0] - '0', true);
        start = end + 1;
    }
    options = chosen;
    return true;
}

} // namespace

std::string CalcUsage() {
    return "Usage: spurline-calc [options] [--] SITE.frq|SITE.csv\n"
           "\n"
           "Loads a frequency list file (duplicate frequencies are skipped without questions\n"
           "and named with their line numbers on standard error),\n"
           "calculates its intermodulation products and prints the intermod list: a heading\n"
           "line with the nine column captions, then one line per product in the order the\n"
           "products were found, cells separated by TAB.\n"
           "\n"
           "Options (defaults in brackets):\n"
           "  --orders LIST          orders to calculate, from 2,3,5,7,9 [2,3]\n"
           "  --harmonics on|off     harmonics, sum products and all second-order products [on]\n"
           "  --worst-case on|off    bandwidth = sum of the component bandwidths [on]\n"
           "  --three on|off         three-transmitter products [on]\n"
           "  --filter any|all|planned|existing\n"
           "                         receivers that count as victims; any = every product\n"
           "                         within the limits, without victim analysis [any]\n"
           "  --lower MHZ            lower frequency limit [0]\n"
           "  --upper MHZ            upper frequency limit [none]\n"
           "  --locale en|de|system  number convention for reading the file, the limits and\n"
           "                         for the printed texts: en decimal point, de decimal comma,\n"
           "                         system the convention of this machine [system]\n" +
           BatchUsage() + LevelUsage() +
           "  --help                 this text\n"
           "  --version              the program's name and version\n"
           "  --                     ends the options: what follows is the site file\n"
           "\n" +
           std::string(FindUsage()) +
           "\n"
           "Messages (limit, list full, errors) go to standard error; one about a file\n"
           "begins with its name. A refused run prints nothing on standard output.\n"
           "Exit status: 0 complete; 3 list full (incomplete); 2 bad arguments, lower limit\n"
           "not below the upper, a file that cannot be read or one without any entry;\n"
           "1 the output could not be written (\"write error\": the run stops there), the\n"
           "graph file could not be written, or any other failure.\n";
}

std::string CalcVersion() {
    return std::string("spurline-calc ") + SPURLINE_VERSION + "\n";
}

std::optional<CalcArguments> ParseCalcArguments(const std::vector<std::string>& arguments,
                                                const Locale& systemLocale, std::string& error) {
    CalcArguments parsed;
    parsed.locale = systemLocale;
    std::optional<std::string> lower;
    std::optional<std::string> upper;
    bool optionsEnded = false;
    for (std::size_t k = 0; k < arguments.size(); ++k) {
        const std::string& argument = arguments[k];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && (argument == "--help" || argument == "-h")) {
            parsed.help = true;
            return parsed;
        }
        if (!optionsEnded && argument == "--version") {
            parsed.version = true;
            return parsed;
        }
        // After "--" every argument is a file name, also one that begins with "-".
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            if (!parsed.sitePath.empty()) {
                error = "more than one site file: " + argument;
                return std::nullopt;
            }
            parsed.sitePath = argument;
            continue;
        }
        BatchTake taken = TakeBatchOption(arguments, k, parsed.batch, error);
        if (taken == BatchTake::NotMine) {
            taken = TakeLevelOption(arguments, k, parsed.levels, error);
        }
        if (taken == BatchTake::Bad) {
            return std::nullopt;
        }
        if (taken == BatchTake::Taken) {
            continue;
        }
        if (TakeFindOption(arguments, k, parsed.find, error)) {
            if (!error.empty()) {
                return std::nullopt;
            }
            continue;
        }
        static const char* const Known[] = {"--orders", "--harmonics", "--worst-case", "--three",
                                            "--filter", "--lower",     "--upper",      "--locale"};
        if (!IsOneOf(argument, Known)) {
            error = "unknown option " + argument;
            return std::nullopt;
        }
        const std::string* value = TakeValue(arguments, k, error);
        if (value == nullptr) {
            return std::nullopt;
        }
        bool good = true;
        if (argument == "--orders") {
            good = ParseOrders(*value, parsed.options);
        } else if (argument == "--harmonics") {
            good = ChooseOnOff(*value, parsed.options.harmonics);
        } else if (argument == "--worst-case") {
            good = ChooseOnOff(*value, parsed.options.worstCase);
        } else if (argument == "--three") {
            good = ChooseOnOff(*value, parsed.options.threeFrequencies);
        } else if (argument == "--filter") {
            good = Choose(*value,
                          {{"any", VictimFilter::FromOption(0)},
                           {"all", VictimFilter::FromOption(1)},
                           {"planned", VictimFilter::FromOption(2)},
                           {"existing", VictimFilter::FromOption(3)}},
                          parsed.options.filter);
        } else if (argument == "--lower") {
            lower = *value;
        } else if (argument == "--upper") {
            upper = *value;
        } else if (argument == "--locale") {
            good = Choose(
                *value,
                {{"en", Locale::English()}, {"de", Locale::German()}, {"system", systemLocale}},
                parsed.locale);
        } else {
            error = "unknown option " + argument;
            return std::nullopt;
        }
        if (!good) {
            error = BadValue(argument, *value);
            return std::nullopt;
        }
    }
    // Limits are read in the chosen convention, whatever the order of the options.
    struct Limit {
        const std::optional<std::string>& text;
        std::string& target;
        const char* name;
    };
    for (const Limit& limit : {Limit{lower, parsed.options.lowerLimit, "--lower"},
                               Limit{upper, parsed.options.upperLimit, "--upper"}}) {
        if (limit.text.has_value()) {
            if (!ParseNumber(*limit.text, parsed.locale).has_value()) {
                error = BadValue(limit.name, *limit.text);
                return std::nullopt;
            }
            limit.target = *limit.text;
        }
    }
    if (!FinishLevelArguments(parsed.levels, parsed.locale, error)) {
        return std::nullopt;
    }
    if (!FinishFindArguments(parsed.find, parsed.locale, error)) {
        return std::nullopt;
    }
    // The graph is drawn from the kept products, and without the cap they have no bound.
    if (parsed.batch.noCap && !parsed.batch.graphPath.empty()) {
        error = "--no-cap and --graph cannot be combined: the graph needs every product kept";
        return std::nullopt;
    }
    if (parsed.sitePath.empty()) {
        error = "no site file given";
        return std::nullopt;
    }
    return parsed;
}

} // namespace spurline::cli
