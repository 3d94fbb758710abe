#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace spurline::cli {

enum class OutputFormat { Tsv, Csv, Json };

// The options of spurline-calc for batch work: the output format, the list cap, the graph file
// and the number of threads.
struct BatchOptions {
    OutputFormat format = OutputFormat::Tsv;
    bool noCap = false;
    std::string graphPath; // empty: no graph file
    int graphWidth = 1200; // pixels
    int graphHeight = 600;
    int threads = 0; // 0: every core
};

enum class BatchTake { NotMine, Taken, Bad };

// Takes arguments[k] (and its value, advancing k) when it is one of the batch options.
BatchTake TakeBatchOption(const std::vector<std::string>& arguments, std::size_t& k,
                          BatchOptions& batch, std::string& error);

// The lines of the --help text for the batch options.
std::string BatchUsage();

} // namespace spurline::cli
