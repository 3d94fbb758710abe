#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace spurline {

enum IntermodColumn : int {
    ImColFrequency = 0,
    ImColOrder,
    ImColComposition1,
    ImColComposition2,
    ImColAffects,
    ImColAffectedPlanned,
    ImColAffectedExisting,
    ImColFrequencyBounds,
    ImColBandwidth,
    IntermodColumnCount
};

inline constexpr std::array<const char*, IntermodColumnCount> IntermodColumnKeys{
    "frequency",        "order",           "composition1",
    "composition2",     "affects",         "affectedplanned",
    "affectedexisting", "frequencybounds", "bandwidth"};

inline constexpr std::array<const char*, IntermodColumnCount> IntermodColumnCaptions{
    "Frequency (MHz)",
    "Order",
    "Composition (by Frequency)",
    "Composition (by ID)",
    "Affects (by ID)",
    "Affected by planned (by ID)",
    "Affected by existing (by ID)",
    "Frequency bounds (MHz)",
    "Bandwdith (kHz)"};

struct Locale;
struct RecordedProduct;

// The column the window shows beside the order while levels are on.
inline constexpr const char* MarginColumnCaption = "Margin (dB)";

// One row of the intermod list: its nine texts, key and sort tag.
struct IntermodListRow {
    std::array<std::string, IntermodColumnCount> texts;
    std::string key;
    std::string tag;
    // With levels: the highest (worst) margin over the sensitivity among the product's victims
    // (dB).
    std::optional<double> worstMarginDb;
};

// The worst margin as the list shows it, in the locale's convention; empty without one (levels
// were off, or the product has no victims).
std::string MarginText(const IntermodListRow& row, const Locale& locale);

inline constexpr const char* StatusNotUpToDate = "Intermod list not up to date";
inline constexpr const char* StatusNotComplete = "Intermod list not complete!";

// The intermod list as the calculation leaves it: the rows in the order they were added, whether
// it is shown as out of date (red background) and the engine's status-line text.
class IntermodList {
public:
    const std::vector<IntermodListRow>& rows() const { return rows_; }
    int count() const { return static_cast<int>(rows_.size()); }
    bool outOfDate() const { return outOfDate_; }
    const std::string& statusLine() const { return statusLine_; }

    void Clear();
    void AddRow(IntermodListRow row) {
        if (rowSink) {
            rowSink(row);
        } else {
            rows_.push_back(std::move(row));
        }
    }
    void Reserve(std::size_t rows) { rows_.reserve(rows); }
    // Red background and "Intermod list not up to date".
    void MarkOutOfDate();
    // White background and the given status text.
    void MarkCurrent(std::string statusLine);
    void SetStatusLine(std::string statusLine);

    // Told after the out-of-date state or the status text changed.
    std::function<void()> stateChanged;
    // When set, each row goes here as it is added and is not kept: a caller that only writes the
    // list out never holds it whole (with every receiver hit, a row can be tens of kilobytes).
    std::function<void(const IntermodListRow&)> rowSink;
    // When set, each product's row goes here with the product's numbers instead of rowSink.
    std::function<void(const IntermodListRow&, const RecordedProduct&)> productSink;

private:
    void Notify();

    std::vector<IntermodListRow> rows_;
    bool outOfDate_ = false;
    std::string statusLine_;
};

} // namespace spurline
