#include "BatchOptions.h"

#include "OptionReading.h"

namespace spurline::cli {

namespace {

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
    static const char* const Valued[] = {"--format", "--graph", "--graph-size", "--threads"};
    if (!IsOneOf(argument, Valued)) {
        return BatchTake::NotMine;
    }
    const std::string* value = TakeValue(arguments, k, error);
    if (value == nullptr) {
        return BatchTake::Bad;
    }
    bool good = true;
    if (argument == "--format") {
        good = Choose(
            *value,
            {{"tsv", OutputFormat::Tsv}, {"csv", OutputFormat::Csv}, {"json", OutputFormat::Json}},
            batch.format);
    } else if (argument == "--graph") {
        good = !value->empty();
        batch.graphPath = *value;
    } else if (argument == "--graph-size") {
        good = ParseSize(*value, batch.graphWidth, batch.graphHeight);
    } else {
        good = ParseCount(*value, 1, 1024, batch.threads);
    }
    if (!good) {
        error = BadValue(argument, *value);
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
