#include "engine/ChannelList.h"

#include "document/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <map>
#include <optional>

namespace spurline {

namespace {

constexpr std::size_t MaxChannels = 200000;

std::string_view Trim(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(" \t\r");
    if (begin == std::string_view::npos) {
        return {};
    }
    return text.substr(begin, text.find_last_not_of(" \t\r") - begin + 1);
}

std::vector<std::string_view> Fields(std::string_view line, bool commaSeparates) {
    std::vector<std::string_view> fields;
    std::size_t begin = 0;
    for (std::size_t k = 0; k <= line.size(); ++k) {
        const bool end = k == line.size();
        const char c = end ? '\0' : line[k];
        if (end || c == '\t' || c == ';' || c == ' ' || (c == ',' && commaSeparates)) {
            if (k > begin) {
                fields.push_back(line.substr(begin, k - begin));
            }
            begin = k + 1;
        }
    }
    return fields;
}

std::string Frequency(double mhz) {
    return FixedText(std::round(mhz * 1e5) / 1e5);
}

} // namespace

std::optional<double> ReadChannelNumber(std::string_view text, const Locale& locale) {
    double value = 0;
    const char* first = text.data() + (text.starts_with('+') ? 1 : 0);
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (error == std::errc() && end == last && first != last) {
        return value;
    }
    return ParseNumber(text, locale);
}

ChannelListRead ReadChannelList(std::string_view text, FinderRole role, double offsetKHz,
                                const Locale& locale) {
    ChannelListRead read;
    std::map<std::pair<double, double>, int> seen; // channel -> its line
    const bool both = role == FinderRole::Both;
    bool first = true;
    int number = 0;
    for (std::size_t begin = 0; begin <= text.size();) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view line = Trim(text.substr(begin, end - begin));
        begin = end + 1;
        ++number;
        if (line.empty() || line.starts_with('#')) {
            continue;
        }
        const bool commaSeparates =
            locale.decimalSeparator != "," || line.find('.') != std::string_view::npos;
        const std::vector<std::string_view> fields = Fields(line, commaSeparates);
        if (fields.empty()) {
            continue; // separators only, as a spreadsheet writes an empty row
        }
        std::vector<double> values;
        for (std::size_t k = 0; k < fields.size(); ++k) {
            const std::optional<double> value = ReadChannelNumber(fields[k], locale);
            if (!value) {
                break;
            }
            values.push_back(*value);
        }
        const bool heading = first && values.empty();
        first = false;
        if (heading) {
            continue;
        }
        auto reject = [&](std::string reason) { read.rejected.push_back({number, reason}); };
        const std::size_t wanted = both ? 2 : 1;
        if (values.empty()) {
            reject("\"" + std::string(fields[0]) + "\" is not a frequency");
            continue;
        }
        if (values.size() > wanted) {
            reject(both ? "more than a transmit and a receive frequency"
                        : "more than one frequency");
            continue;
        }
        FinderChannel channel;
        channel.receiveMHz = std::round(values.back() * 1e5) / 1e5;
        channel.transmitMHz = values.size() == 2
                                  ? std::round(values[0] * 1e5) / 1e5
                                  : (both ? std::round((values[0] + offsetKHz / 1000) * 1e5) / 1e5
                                          : channel.receiveMHz);
        if (!(channel.receiveMHz > 0) || !(channel.transmitMHz > 0) ||
            !std::isfinite(channel.receiveMHz) || !std::isfinite(channel.transmitMHz) ||
            channel.receiveMHz >= 1e6 || channel.transmitMHz >= 1e6) {
            reject("a frequency must lie above 0 and below 1000000 MHz");
            continue;
        }
        const auto [at, added] =
            seen.try_emplace({channel.receiveMHz, channel.transmitMHz}, number);
        if (!added) {
            reject("the same channel as line " + std::to_string(at->second));
            continue;
        }
        if (read.channels.size() >= MaxChannels) {
            reject("more than " + std::to_string(MaxChannels) + " channels");
            break;
        }
        read.channels.push_back(channel);
    }
    return read;
}

std::string WriteChannelList(const std::vector<FinderChannel>& channels, FinderRole role) {
    std::string text;
    for (const FinderChannel& c : channels) {
        if (role == FinderRole::Both) {
            text += Frequency(c.transmitMHz) + "\t";
        }
        text += Frequency(c.receiveMHz) + "\n";
    }
    return text;
}

} // namespace spurline
