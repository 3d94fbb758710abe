#include "LevelArguments.h"

#include "OptionReading.h"
#include "document/NumberFormat.h"

namespace spurline::cli {

namespace {

// The options of the site values, in SiteLevelValue's order.
constexpr std::array<const char*, 5> Names{"--isolation", "--harmonic-attenuation", "--tx-power",
                                           "--sensitivity", "--im-rejection"};

} // namespace

SiteLevels LevelArguments::Apply(SiteLevels site) const {
    for (int k = 0; k < SiteLevelCount; ++k) {
        if (values[static_cast<std::size_t>(k)]) {
            SiteLevelValue(site, k) = *values[static_cast<std::size_t>(k)];
        }
    }
    return site;
}

BatchTake TakeLevelOption(const std::vector<std::string>& arguments, std::size_t& k,
                          LevelArguments& levels, std::string& error) {
    const std::string& argument = arguments[k];
    if (argument == "--levels") {
        levels.on = true;
        return BatchTake::Taken;
    }
    for (std::size_t n = 0; n < Names.size(); ++n) {
        if (argument == Names[n]) {
            const std::string* value = TakeValue(arguments, k, error);
            if (value == nullptr) {
                return BatchTake::Bad;
            }
            levels.texts[n] = *value;
            return BatchTake::Taken;
        }
    }
    return BatchTake::NotMine;
}

bool FinishLevelArguments(LevelArguments& levels, const Locale& locale, std::string& error) {
    for (std::size_t n = 0; n < Names.size(); ++n) {
        if (!levels.texts[n]) {
            continue;
        }
        const std::optional<double> value = ParseNumber(*levels.texts[n], locale);
        if (!value || !LevelValueAllowed(SiteLevelRule(static_cast<int>(n)), *value)) {
            error = BadValue(Names[n], *levels.texts[n]);
            return false;
        }
        levels.values[n] = value;
    }
    return true;
}

std::string LevelUsage() {
    return "  --levels               estimate each product's level at its victims and the\n"
           "                         margin over their sensitivity; the entries' own values\n"
           "                         come from the CSV columns or the site's .levels file\n"
           "  --tx-power W           transmit power of entries without their own [25]\n"
           "  --sensitivity DBM      receive sensitivity of entries without their own [-116]\n"
           "  --im-rejection DB      intermodulation rejection of entries without their own\n"
           "                         [70]\n"
           "  --isolation DB         antenna isolation between any two antennas [30]\n"
           "  --harmonic-attenuation DB\n"
           "                         attenuation of a transmitter's harmonics [70]\n";
}

} // namespace spurline::cli
