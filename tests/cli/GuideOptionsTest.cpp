// The user guide's option tables for spurline-calc against the program: every option --help
// names is in the guide, the guide names no option the program lacks, and every default the
// guide or --help gives is what the program does when the option is left out.

#include "CalcArguments.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace spurline::cli {
namespace {

std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? ""
                                      : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Option -> its default as the guide's tables of section 11 give it ("" for none).
std::map<std::string, std::string> GuideDefaults() {
    std::ifstream file(SPURLINE_GUIDE_PATH);
    std::stringstream whole;
    whole << file.rdbuf();
    const std::string text = whole.str();
    const std::size_t start = text.find("\n## 11.");
    if (start == std::string::npos) {
        return {};
    }
    std::istringstream section(text.substr(start, text.find("\n## 12.") - start));
    std::map<std::string, std::string> defaults;
    for (std::string line; std::getline(section, line);) {
        if (line.rfind("| --", 0) != 0) {
            continue;
        }
        std::vector<std::string> cells;
        for (std::size_t at = 1, bar; (bar = line.find('|', at)) != std::string::npos;
             at = bar + 1) {
            cells.push_back(Trim(line.substr(at, bar - at)));
        }
        // "--lower MHZ" or "--from MHZ, --to MHZ": the names begin the comma-separated parts.
        std::istringstream names(cells.at(0));
        for (std::string part; std::getline(names, part, ',');) {
            defaults[Trim(part).substr(0, Trim(part).find(' '))] = cells.at(2);
        }
    }
    return defaults;
}

// Option -> the default in brackets that --help gives it ("" for none).
std::map<std::string, std::string> HelpDefaults() {
    std::map<std::string, std::string> defaults;
    std::istringstream usage(CalcUsage());
    std::vector<std::string> options; // those the current line's text belongs to
    for (std::string line; std::getline(usage, line);) {
        if (line.rfind("  --", 0) == 0) {
            // "  --from MHZ --to MHZ    the band...": the names come before the description.
            options.clear();
            std::istringstream names(line.substr(2, line.find("  ", 2) - 2));
            for (std::string name; names >> name;) {
                if (name.rfind("--", 0) == 0) {
                    options.push_back(name);
                    defaults[name] = "";
                }
            }
        } else if (line.rfind("    ", 0) != 0) {
            options.clear(); // a heading or an empty line ends the options' text
        }
        const std::size_t open = line.rfind('[');
        if (open != std::string::npos && !line.empty() && line.back() == ']') {
            for (const std::string& option : options) {
                defaults[option] = line.substr(open + 1, line.size() - open - 2);
            }
        }
    }
    defaults.erase("--help");
    defaults.erase("--version");
    defaults.erase("--");
    return defaults;
}

// What the parsed command line asks the program to do, as far as a default can change it.
std::string Meaning(const CalcArguments& a) {
    std::ostringstream out;
    const IntermodOptions& o = a.options;
    for (int order : {2, 3, 5, 7, 9}) {
        out << o.order(order);
    }
    const CalculationLimits limits = ReadLimits(o.lowerLimit, o.upperLimit, a.locale);
    const FinderRequest& r = a.find.request;
    out << o.harmonics << o.worstCase << o.threeFrequencies << o.filter.anyFrequency
        << o.filter.showPlanned << o.filter.showExisting << ' ' << limits.lower << ' '
        << limits.upper << ' ' << a.locale.decimalSeparator << a.locale.groupSeparator
        << static_cast<int>(a.batch.format) << a.batch.noCap << a.batch.graphPath << ' '
        << a.batch.graphWidth << 'x' << a.batch.graphHeight << ' ' << a.batch.threads << ' '
        << r.txBandwidthKHz << ' ' << r.rxBandwidthKHz << ' ' << r.offsetKHz << ' ' << r.spacingKHz
        << ' ' << r.count << ' ' << a.levels.on;
    const SiteLevels levels = a.levels.Apply({});
    for (int k = 0; k < SiteLevelCount; ++k) {
        out << ' ' << SiteLevelValue(levels, k);
    }
    return out.str();
}

// Whether the first word of a stated default is a value the option takes; if so, whether giving
// it changes nothing.
bool StatedValueIsTheDefault(const std::string& option, const std::string& stated, bool& same) {
    const std::vector<std::string> base{"--find", "tx",     "--from", "450",     "--to",
                                        "470",    "--step", "12.5",   "site.frq"};
    const std::string value = stated.substr(0, stated.find_first_of(" :("));
    if (value == "none") {
        return false; // the option's absence, not a value
    }
    std::vector<std::string> given{option, value};
    given.insert(given.end(), base.begin(), base.end());
    // A system convention unlike en and de, so that "--locale system" is told from them.
    Locale system = Locale::English();
    system.groupSeparator = "'";
    std::string error;
    const auto without = ParseCalcArguments(base, system, error);
    const auto with = ParseCalcArguments(given, system, error);
    if (!without || !with) {
        return false;
    }
    same = Meaning(*with) == Meaning(*without);
    return true;
}

TEST(GuideOptions, TheGuideListsEveryOptionWithTheProgramsDefault) {
    const std::map<std::string, std::string> guide = GuideDefaults();
    const std::map<std::string, std::string> help = HelpDefaults();
    ASSERT_GE(help.size(), 20u);
    ASSERT_GE(guide.size(), 20u);
    for (const auto& [option, stated] : help) {
        SCOPED_TRACE(option);
        EXPECT_EQ(guide.count(option), 1u) << "missing from the guide's table";
    }
    for (const auto& [option, stated] : guide) {
        SCOPED_TRACE(option);
        ASSERT_EQ(help.count(option), 1u) << "the guide names an option --help does not";
        const std::string& helpStated = help.at(option);
        int values = 0;
        for (const std::string& text : {stated, helpStated}) {
            bool same = false;
            if (!text.empty() && StatedValueIsTheDefault(option, text, same)) {
                EXPECT_TRUE(same) << "stated default " << text << " is not what the program does";
                ++values;
            }
        }
        // Unless both are values checked above, two stated defaults must read the same: "none"
        // in one and "0" in the other leave the reader guessing.
        if (!stated.empty() && !helpStated.empty() && values < 2) {
            EXPECT_EQ(stated, helpStated);
        }
    }
}

} // namespace
} // namespace spurline::cli
