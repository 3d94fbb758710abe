#include "ReferenceCalculation.h"

#include "document/NumberFormat.h"
#include "document/TextHelpers.h"

#include <algorithm>
#include <cmath>

namespace spurline::testing {

namespace {

constexpr double Sentinel = -99999;

struct Row {
    double tx, txHalf;
    int role, status;
    double rxHalf, rx;
};

// One component of a product: entry number (from 1) and its coefficient.
struct Term {
    int e, c;
};

std::uint32_t Colour(int order) {
    return order == 2   ? 0xFF0000
           : order == 3 ? 0x0000FF
           : order == 5 ? 0x00FF00
           : order == 7 ? 0xFFFF00
                        : 0xFF00FF;
}

class Reference {
public:
    Reference(const std::vector<FrequencyEntry>& entries, const Locale& locale,
              const IntermodOptions& options, int listCap)
        : entries_(entries), locale_(locale), options_(options), listCap_(listCap) {}

    ReferenceResult Run();

private:
    const Row& At(int e) const { return table_[static_cast<std::size_t>(e - 1)]; }
    std::string Number(double value, const char* format) const {
        return FormatNumber(value, format, locale_);
    }
    void Record(std::initializer_list<Term> terms);

    const std::vector<FrequencyEntry>& entries_;
    const Locale& locale_;
    const IntermodOptions& options_;
    const int listCap_;
    std::vector<Row> table_;
    double lower_ = 0, upper_ = 0;
    int counter_ = 0;
    ReferenceResult result_;
};

ReferenceResult Reference::Run() {
    for (const FrequencyEntry& e : entries_) {
        result_.marks.push_back(e.mark);
    }
    const int n = static_cast<int>(entries_.size());
    if (n == 0) {
        return result_;
    }
    lower_ = LeadingNumber(options_.lowerLimit, locale_);
    upper_ = ParseNumber(options_.upperLimit, locale_) ? LeadingNumber(options_.upperLimit, locale_)
                                                       : 1000000;
    if (!(lower_ < upper_)) {
        result_.limitsRejected = true;
        return result_;
    }
    for (int r = 0; r < n; ++r) {
        const FrequencyEntry& e = entries_[static_cast<std::size_t>(r)];
        result_.marks[static_cast<std::size_t>(r)] = VictimMark{};
        const double f = LeadingNumber(e.frequency(), locale_);
        table_.push_back({e.checked ? f + LeadingNumber(e.offset(), locale_) / 1000 : Sentinel,
                          LeadingNumber(e.txbandwidth(), locale_) / 2000,
                          EqualsIgnoringCase(e.txrx(), "Rx")   ? 0
                          : EqualsIgnoringCase(e.txrx(), "Tx") ? 1
                                                               : 3,
                          EqualsIgnoringCase(e.status(), "Plan") ? 0 : 1,
                          LeadingNumber(e.rxbandwidth(), locale_) / 2000, f});
    }
    auto capReached = [&] {
        return listCap_ >= 0 && static_cast<int>(result_.rows.size()) > listCap_;
    };
    const bool harmonics = options_.harmonics;
    bool capped = false;
    for (int i = 1; i <= n && !capped; ++i) {
        if (!(At(i).role > 0)) {
            continue;
        }
        for (int h = 2; h <= 3; ++h) {
            if (harmonics && options_.order(h)) {
                Record({{i, h}});
            }
        }
        for (int j = i + 1; j <= n && !capped; ++j) {
            if (!(At(j).role > 0)) {
                continue;
            }
            if (harmonics && options_.order(2)) {
                Record({{i, 1}, {j, 1}});
                Record({{i, 1}, {j, -1}});
            }
            if (harmonics && options_.order(3)) {
                Record({{i, 2}, {j, 1}});
                Record({{j, 2}, {i, 1}});
            }
            for (int N = 3; N <= 9 && !capped; N += 2) {
                if (capReached()) {
                    capped = true;
                } else if (options_.order(N)) {
                    const int p = (N + 1) / 2, q = (N - 1) / 2;
                    Record({{i, p}, {j, -q}});
                    Record({{j, p}, {i, -q}});
                }
            }
            if (capped || !options_.threeFrequencies) {
                continue;
            }
            for (int m = 1; m <= n; ++m) {
                if (capReached()) {
                    capped = true;
                    break;
                }
                if (m == i || m == j || !(At(m).role > 0)) {
                    continue;
                }
                if (harmonics && options_.order(3)) {
                    Record({{i, 1}, {j, 1}, {m, 1}});
                }
                if (options_.order(3)) {
                    Record({{i, 1}, {j, 1}, {m, -1}});
                }
                for (int N = 5; N <= 9; N += 2) {
                    // The triples of order N by their rule.
                    for (int k1 = 1; k1 <= N - 2 && options_.order(N); ++k1) {
                        for (int k2 = 1; k2 <= N - 2; ++k2) {
                            int k3 = 1 - k1 - k2;
                            if (std::abs(k1) + std::abs(k2) + std::abs(k3) != N) {
                                k3 = -1 - k1 - k2;
                            }
                            if (k3 != 0 && std::abs(k1) + std::abs(k2) + std::abs(k3) == N) {
                                Record({{i, k1}, {j, k2}, {m, k3}});
                            }
                        }
                    }
                }
            }
        }
    }
    result_.capped = capped;
    if (!capped) { // the ranking sort: by order, products of one order in the order found
        std::stable_sort(
            result_.products.begin(), result_.products.end(),
            [](const ReferenceProduct& a, const ReferenceProduct& b) { return a.order < b.order; });
    }
    if (result_.products.empty()) {
        IntermodListRow none;
        none.texts[0] = "None";
        none.key = "None";
        result_.rows.push_back(none);
    }
    return result_;
}

// Sums the terms in their order; the half-bandwidth is the widest component's, or in the worst
// case the sum of |coefficient| x each component's.
void Reference::Record(std::initializer_list<Term> terms) {
    double F = 0, B = 0, widest = -HUGE_VAL;
    int order = 0;
    for (const Term& t : terms) {
        if (At(t.e).tx <= Sentinel) {
            return;
        }
        F += t.c * At(t.e).tx;
        B += std::abs(t.c) * At(t.e).txHalf;
        widest = std::max(widest, At(t.e).txHalf);
        order += std::abs(t.c);
    }
    F = std::abs(F);
    B = options_.worstCase ? B : widest;
    if (!(F >= lower_) || !(F <= upper_)) {
        return;
    }
    std::string victims, planned, existing;
    auto add = [](std::string& list, int e) {
        list += (list.empty() ? "[" : ",[") + std::to_string(e) + "]";
    };
    bool shown = options_.filter.anyFrequency;
    if (!options_.filter.anyFrequency) {
        for (int r = 1; r <= static_cast<int>(table_.size()); ++r) {
            const Row& t = At(r);
            if (t.role != 1 && F + B >= t.rx - t.rxHalf && F - B <= t.rx + t.rxHalf &&
                (t.status == 0 ? options_.filter.showPlanned : options_.filter.showExisting)) {
                VictimMark& mark = result_.marks[static_cast<std::size_t>(r - 1)];
                if (!(order > mark.tag && mark.tag != 0)) {
                    mark = VictimMark{order, Colour(order), true, true, 1};
                }
                add(victims, r);
                shown = true;
            }
        }
        for (const Term& t : terms) {
            add(At(t.e).status == 1 ? existing : planned, t.e);
        }
    }
    if (!shown) {
        return;
    }
    const std::string key = "ID: " + std::to_string(++counter_);
    std::string byFrequency, byId;
    for (const Term& t : terms) {
        const std::string sign = &t == terms.begin() ? "" : t.c < 0 ? " - " : " + ";
        const std::string times = Number(std::abs(t.c), "0") + " x ";
        byFrequency += sign + times + Number(At(t.e).tx, "#,###,##0.00000");
        byId += sign + times + "[" + Number(t.e, "0") + "]";
    }
    // Beyond 2^53 the tag is no longer an exact integer and is written as a whole number.
    const double tag = order * 16777216.0 + std::nearbyint(B * 2000);
    IntermodListRow row;
    row.texts = {PadLeft(Number(F, "#,###,##0.00000"), 15, ' '),
                 std::to_string(order) + (order == 2   ? "nd"
                                          : order == 3 ? "rd"
                                                       : "th"),
                 byFrequency,
                 byId,
                 victims,
                 planned,
                 existing,
                 Number(F - B, "#,###,##0.00000") + " - " + Number(F + B, "#,###,##0.00000"),
                 Number(B * 2000, "#,##0.00")};
    row.key = key;
    row.tag = std::abs(tag) < 9007199254740992.0 ? std::to_string(static_cast<long long>(tag))
                                                 : Number(tag, "0");
    result_.rows.push_back(row);
    result_.products.push_back({static_cast<float>(F), static_cast<float>(B * 2000), order, key,
                                byFrequency, byId, row.tag});
}

} // namespace

ReferenceResult ReferenceCalculate(const std::vector<FrequencyEntry>& entries, const Locale& locale,
                                   const IntermodOptions& options, int listCap) {
    return Reference(entries, locale, options, listCap).Run();
}

} // namespace spurline::testing
