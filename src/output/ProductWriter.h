#pragma once

#include "engine/IntermodList.h"

#include <iosfwd>
#include <memory>
#include <string>

namespace spurline {

struct IntermodOptions;
struct RecordedProduct;

// What a batch run writes besides the products: the site, the options and how it ended.
struct RunSummary {
    std::string siteName;
    std::string outcome; // "complete", "capped", "aborted", "failed", "limits rejected", ...
    int products = 0;
    bool capped = true; // whether the list cap applied
};

// Writes the products of a calculation to a stream as they are recorded, in one format.
class ProductWriter {
public:
    virtual ~ProductWriter() = default;
    virtual void Begin(const RunSummary& run, const IntermodOptions& options) = 0;
    virtual void Product(const IntermodListRow& row, const RecordedProduct& product) = 0;
    // A row without a product (the single "None" row of an empty result).
    virtual void Row(const IntermodListRow& row) = 0;
    virtual void End(const RunSummary& run) = 0;
};

// TAB-separated texts of the intermod list, a heading line first.
std::unique_ptr<ProductWriter> MakeTsvWriter(std::ostream& out);
// The same columns as RFC 4180 CSV: a heading row, CRLF line ends, quoted where needed.
std::unique_ptr<ProductWriter> MakeCsvWriter(std::ostream& out);
// One JSON document: site, options, products (numbers, components, victims), outcome.
std::unique_ptr<ProductWriter> MakeJsonWriter(std::ostream& out);

} // namespace spurline
