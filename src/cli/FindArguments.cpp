#include "FindArguments.h"

#include "OptionReading.h"
#include "document/NumberFormat.h"
#include "engine/FinderExclusions.h"

#include <cmath>

namespace spurline::cli {

namespace {
constexpr const char* NumberOptions[] = {"--from",         "--to",           "--step",
                                         "--tx-bandwidth", "--rx-bandwidth", "--offset",
                                         "--spacing",      "--count",        "--time-limit"};
} // namespace

const char* FindUsage() {
    return "Finding clean frequencies instead of printing the list:\n"
           "  --find tx|rx|both      the new entry's role; prints every candidate channel of\n"
           "                         the band, ranked: clean ones first, then fewer conflicts,\n"
           "                         higher lowest order, products farther from the centre\n"
           "  --from MHZ --to MHZ    the band to search (required with --find)\n"
           "  --step KHZ             channel step, the raster anchored at --from (required)\n"
           "  --candidates FILE      the channels of a text or CSV file instead of a raster:\n"
           "                         one a line, for both its transmit and receive frequency\n"
           "                         (MHz); lines it cannot read are named on standard error\n"
           "  --exclude MHZ-MHZ      a range no candidate's band may touch (repeatable);\n"
           "                         candidates that do are ranked as not clean, \"excluded\"\n"
           "  --tx-bandwidth KHZ     the new entry's transmit bandwidth [12.5]\n"
           "  --rx-bandwidth KHZ     the new entry's receive bandwidth [12.5]\n"
           "  --offset KHZ           transmit offset of a transceiver [0]\n"
           "  --spacing KHZ          minimum distance from every existing carrier [0]\n"
           "  Each candidate's last column names why it is not clean: \"co-channel [7]\" (its\n"
           "  band touches entry 7's), \"intermod\", \"duplicate\", \"spacing\", \"excluded\".\n"
           "  --count N              plan N channels together, each clean with the others\n"
           "                         too; prints only the chosen ones, each as it is chosen\n"
           "                         (at most as many as the band has channels) [1: print all]\n"
           "  --most                 the largest set of channels clean with the site and\n"
           "                         with each other that the search finds; prints them by\n"
           "                         frequency, and on standard error how many greedy\n"
           "                         first-fit (--count) finds\n"
           "  --time-limit SECONDS   how long --most may search; it then prints the best\n"
           "                         set so far (0: until done) [10]\n"
           "  --summary              prints who is to blame instead: per entry the products\n"
           "                         it takes part in that reach a receiver, their distinct\n"
           "                         victims, the products that reach it, their lowest order\n"
           "                         and the closest one (kHz from its band centre)\n";
}

bool TakeFindOption(const std::vector<std::string>& arguments, std::size_t& k, FindArguments& find,
                    std::string& error) {
    const std::string& argument = arguments[k];
    if (argument == "--summary" || argument == "--most") {
        (argument == "--most" ? find.most : find.summary) = true;
        return true;
    }
    if (argument != "--find" && argument != "--candidates" && argument != "--exclude" &&
        !IsOneOf(argument, NumberOptions)) {
        return false;
    }
    const std::string* value = TakeValue(arguments, k, error);
    if (value == nullptr) {
        return true;
    }
    if (argument == "--candidates") {
        find.candidates = *value;
        return true;
    }
    if (argument == "--exclude") {
        find.exclusions.push_back(*value);
        return true;
    }
    if (argument == "--find") {
        find.find = true;
        if (!Choose(*value,
                    {{"tx", FinderRole::Tx}, {"rx", FinderRole::Rx}, {"both", FinderRole::Both}},
                    find.request.role)) {
            error = BadValue(argument, *value);
        }
        return true;
    }
    find.numbers[argument] = *value;
    return true;
}

bool FinishFindArguments(FindArguments& find, const Locale& locale, std::string& error) {
    if (!find.find) {
        if (!find.numbers.empty() || find.most) {
            error = (find.most ? "--most" : find.numbers.begin()->first) + " needs --find";
            return false;
        }
        if (!find.candidates.empty() || !find.exclusions.empty()) {
            error = std::string(find.candidates.empty() ? "--exclude" : "--candidates") +
                    " needs --find";
            return false;
        }
        return true;
    }
    if (find.numbers.count("--time-limit") != 0 && !find.most) {
        error = "--time-limit needs --most";
        return false;
    }
    if (find.most && find.numbers.count("--count") != 0) {
        error = "--most and --count cannot be combined";
        return false;
    }
    if (find.summary) {
        error = "--find and --summary cannot be combined";
        return false;
    }
    for (const char* raster : {"--from", "--to", "--step"}) {
        if (find.candidates.empty() && find.numbers.count(raster) == 0) {
            error = std::string("--find needs ") + raster + " or --candidates";
            return false;
        }
        if (!find.candidates.empty() && find.numbers.count(raster) != 0) {
            error = std::string("--candidates and ") + raster + " cannot be combined";
            return false;
        }
    }
    FinderRequest& r = find.request;
    for (const std::string& text : find.exclusions) {
        const std::optional<FinderExclusion> x = ParseExclusion(text, locale);
        if (!x) {
            error = BadValue("--exclude", text);
            return false;
        }
        r.exclusions.push_back(*x);
    }
    double* targets[] = {&r.fromMHz,        &r.toMHz,          &r.stepKHz,
                         &r.txBandwidthKHz, &r.rxBandwidthKHz, &r.offsetKHz,
                         &r.spacingKHz,     nullptr,           &find.timeLimitSeconds};
    for (std::size_t n = 0; n < std::size(NumberOptions); ++n) {
        const auto found = find.numbers.find(NumberOptions[n]);
        if (found == find.numbers.end()) {
            continue;
        }
        const std::optional<double> value = ParseNumber(found->second, locale);
        const bool whole = value && *value == std::floor(*value) && *value < 1e6;
        if (!value || (targets[n] == nullptr && !whole)) {
            error = BadValue(found->first, found->second);
            return false;
        }
        if (targets[n] != nullptr) {
            *targets[n] = *value;
        } else {
            r.count = static_cast<int>(*value);
        }
    }
    if (!(find.timeLimitSeconds >= 0) || !std::isfinite(find.timeLimitSeconds)) {
        error = BadValue("--time-limit", find.numbers["--time-limit"]);
        return false;
    }
    // The file's channels come later; one stands in for them meanwhile.
    FinderRequest checked = r;
    if (!find.candidates.empty()) {
        checked.channels = {{1, 1}};
    }
    if (const char* problem = CheckFinderRequest(checked)) {
        error = problem;
        return false;
    }
    return true;
}

} // namespace spurline::cli
