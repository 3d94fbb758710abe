#pragma once

#include "document/LevelValues.h"
#include "document/Locale.h"
#include "engine/IntermodList.h"
#include "engine/LevelModel.h"

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace spurline {

struct IntermodOptions;
struct RecordedProduct;

// What a batch run writes besides the products: the site, the options and how it ended.
struct RunSummary {
    std::string siteName;
    std::string outcome; // "complete", "capped", "aborted", "failed", "limits rejected", ...
    int products = 0;
    bool capped = true; // whether the list cap applied
    // With levels: the site values used, and (at the end) the receivers' totals.
    std::optional<SiteLevels> levels;
    std::vector<ReceiverLevel> receivers;
    Locale locale = Locale::English(); // the convention of the list's texts
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

// TAB-separated texts of the intermod list, a heading line first; with levels a last column
// "Worst margin (dB)" in the list's convention, empty for a product without victims.
std::unique_ptr<ProductWriter> MakeTsvWriter(std::ostream& out);
// The same columns as RFC 4180 CSV: a heading row, CRLF line ends, quoted where needed.
std::unique_ptr<ProductWriter> MakeCsvWriter(std::ostream& out);
// One JSON document: site, options, products (numbers, components, victims), outcome; with
// levels also the values used ("levels"), each victim's "level_dbm" and "margin_db", and the
// receivers' totals ("receivers").
std::unique_ptr<ProductWriter> MakeJsonWriter(std::ostream& out);

} // namespace spurline
