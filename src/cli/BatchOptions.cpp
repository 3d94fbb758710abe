#include "BatchOptions.h"

#include <charconv>

namespace spurline::cli {

namespace {

bool ParseCount(const std::string& text, int low, int high, int& value) {
    int parsed = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, parsed);
    if (ec != std::errc() || ptr != end || parsed < low || parsed > high) {
        return false;
    }
    value = parsed;
    return true;
}

bool ParseSize(const std::string& text, int& width, int& height) {
    const std::size_t x = text.find('x');
    return x != std::string::npos && ParseCount(text.substr(0, x), 100, 20000, width) &&
           ParseCount(text.substr(x + 1), 100, 20000, height);
}

} // namespace

BatchTake TakeBatchOption(const std::vector<std::string>& arguments, std::size_t& k,
                          BatchOptions& batch, std::string& error) {
    const std::string& argument = arguments[k];
    if (argument == "--no-cap") {
        batch.noCap = true;
        return BatchTake::Taken;
    }
    if (argument != "--format" && argument != "--graph" && argument != "--graph-size" &&
        argument != "--threads") {
        return BatchTake::NotMine;
    }
    if (k + 1 >= arguments.size()) {
        error = argument + " needs a value";
        return BatchTake::Bad;
    }
    const std::string& value = arguments[++k];
    bool good = true;
    if (argument == "--format") {
        good = value == "tsv" || value == "csv" || value == "json";
        batch.format = value == "csv"    ? OutputFormat::Csv
                       : value == "json" ? OutputFormat::Json
                                         : OutputFormat::Tsv;
    } else if (argument == "--graph") {
        good = !value.empty();
        batch.graphPath = value;
    } else if (argument == "--graph-size") {
        good = ParseSize(value, batch.graphWidth, batch.graphHeight);
    } else {
        good = ParseCount(value, 1, 1024, batch.threads);
    }
    if (!good) {
        error = "bad value for " + argument + ": " + value;
        return BatchTake::Bad;
    }
    return BatchTake::Taken;
}

std::string BatchUsage() {
    return "  --format tsv|csv|json  tsv: the list as above; csv: the same columns with\n"
           "                         RFC 4180 quoting; json: one object per product with\n"
           "                         numbers, components and victims, and the options used\n"
           "                         and the outcome [tsv]\n"
           "  --no-cap               no limit of 32700 products; rows are written as found\n"
           "                         and none is kept\n"
           "  --graph FILE.svg       also draws the spectrum graph of the result to FILE.svg\n"
           "                         (not with --no-cap: the graph needs every product kept)\n"
           "  --graph-size WxH       size of that picture in pixels [1200x600]\n"
           "  --threads N            threads that calculate, at most 4 per core [every core]\n";
}

} // namespace spurline::cli
