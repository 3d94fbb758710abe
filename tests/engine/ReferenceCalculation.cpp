#include "ReferenceCalculation.h"

#include "document/NumberFormat.h"
#include "document/TextHelpers.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace spurline::testing {

namespace {

constexpr double Sentinel = -99999;

struct Row {
    double tx, txHalf;
    int role, status;
    double rxHalf, rx;
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
              const IntermodOptions& options)
        : entries_(entries), locale_(locale), options_(options) {}

    ReferenceResult Run();

private:
    void Record(double F, double f1, int c1, int e1, double f2, int c2, int e2, double f3, int c3,
                int e3, double B);
    std::string Term(double f, int c) const {
        return FormatNumber(std::abs(c), "0", locale_) + " x " +
               FormatNumber(f, "#,###,##0.00000", locale_);
    }
    std::string IdTerm(int e, int c) const {
        return FormatNumber(std::abs(c), "0", locale_) + " x [" + FormatNumber(e, "0", locale_) +
               "]";
    }
    static std::string List(const std::vector<int>& entries) {
        std::string text;
        for (std::size_t k = 0; k < entries.size(); ++k) {
            text += (k == 0 ? "[" : ",[") + std::to_string(entries[k]) + "]";
        }
        return text;
    }
    void Sort();

    const std::vector<FrequencyEntry>& entries_;
    const Locale& locale_;
    const IntermodOptions& options_;
    std::vector<Row> table_;
    double lower_ = 0, upper_ = 0;
    int counter_ = 0;
    ReferenceResult result_;
};

ReferenceResult Reference::Run() {
    result_.marks.clear();
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
    const bool worst = options_.worstCase;
    for (int r = 0; r < n; ++r) {
        const FrequencyEntry& e = entries_[static_cast<std::size_t>(r)];
        result_.marks[static_cast<std::size_t>(r)] = VictimMark{};
        Row row{};
        const double f = LeadingNumber(e.frequency(), locale_);
        row.tx = e.checked ? f + LeadingNumber(e.offset(), locale_) / 1000 : Sentinel;
        row.txHalf = LeadingNumber(e.txbandwidth(), locale_) / 2000;
        row.role = EqualsIgnoringCase(e.txrx(), "Rx")   ? 0
                   : EqualsIgnoringCase(e.txrx(), "Tx") ? 1
                                                        : 3;
        row.status = EqualsIgnoringCase(e.status(), "Plan") ? 0 : 1;
        row.rxHalf = LeadingNumber(e.rxbandwidth(), locale_) / 2000;
        row.rx = f;
        table_.push_back(row);
    }
    auto width = [&](double bMax, int c1, double b1, int c2, double b2, int c3, double b3) {
        return worst ? std::abs(c1) * b1 + std::abs(c2) * b2 + std::abs(c3) * b3 : bMax;
    };
    auto capReached = [&] { return static_cast<int>(result_.rows.size()) > 32700; };
    const bool harmonics = options_.harmonics;
    bool capped = false;
    for (int i = 1; i <= n && !capped; ++i) {
        const Row& ti = table_[static_cast<std::size_t>(i - 1)];
        if (!(ti.role > 0)) {
            continue;
        }
        const double f1 = ti.tx, b1 = ti.txHalf;
        for (int h = 2; h <= 3; ++h) {
            if (harmonics && options_.order(h)) {
                Record(h * f1, f1, h, i, 0, 0, 0, 0, 0, 0, width(b1, h, b1, 0, 0, 0, 0));
            }
        }
        for (int j = i + 1; j <= n && !capped; ++j) {
            const Row& tj = table_[static_cast<std::size_t>(j - 1)];
            if (!(tj.role > 0)) {
                continue;
            }
            const double f2 = tj.tx, b2 = tj.txHalf;
            const double b12 = b1 > b2 ? b1 : b2;
            if (harmonics && options_.order(2)) {
                Record(f1 + f2, f1, 1, i, f2, 1, j, 0, 0, 0, width(b12, 1, b1, 1, b2, 0, 0));
                Record(std::abs(f1 - f2), f1, 1, i, f2, -1, j, 0, 0, 0,
                       width(b12, 1, b1, -1, b2, 0, 0));
            }
            if (harmonics && options_.order(3)) {
                Record(2 * f1 + f2, f1, 2, i, f2, 1, j, 0, 0, 0, width(b12, 2, b1, 1, b2, 0, 0));
                Record(2 * f2 + f1, f2, 2, j, f1, 1, i, 0, 0, 0, width(b12, 2, b2, 1, b1, 0, 0));
            }
            for (int N = 3; N <= 9 && !capped; N += 2) {
                if (capReached()) {
                    capped = true;
                    break;
                }
                if (options_.order(N)) {
                    const int p = (N + 1) / 2, q = (N - 1) / 2;
                    Record(std::abs(p * f1 - q * f2), f1, p, i, f2, -q, j, 0, 0, 0,
                           width(b12, p, b1, -q, b2, 0, 0));
                    Record(std::abs(p * f2 - q * f1), f2, p, j, f1, -q, i, 0, 0, 0,
                           width(b12, p, b2, -q, b1, 0, 0));
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
                const Row& tm = table_[static_cast<std::size_t>(m - 1)];
                if (m == i || m == j || !(tm.role > 0)) {
                    continue;
                }
                const double f3 = tm.tx, b3 = tm.txHalf;
                double b123 = b12;
                if (b3 > b123) {
                    b123 = b3;
                }
                if (harmonics && options_.order(3)) {
                    Record(f1 + f2 + f3, f1, 1, i, f2, 1, j, f3, 1, m,
                           width(b123, 1, b1, 1, b2, 1, b3));
                }
                if (options_.order(3)) {
                    Record(std::abs(f1 + f2 - f3), f1, 1, i, f2, 1, j, f3, -1, m,
                           width(b123, 1, b1, 1, b2, -1, b3));
                }
                for (int N = 5; N <= 9; N += 2) {
                    if (!options_.order(N)) {
                        continue;
                    }
                    // The triples of order N by their rule.
                    for (int k1 = 1; k1 <= N - 2; ++k1) {
                        for (int k2 = 1; k2 <= N - 2; ++k2) {
                            int k3 = 1 - k1 - k2;
                            if (std::abs(k1) + std::abs(k2) + std::abs(k3) != N) {
                                k3 = -1 - k1 - k2;
                            }
                            if (k3 == 0 || std::abs(k1) + std::abs(k2) + std::abs(k3) != N) {
                                continue;
                            }
                            Record(std::abs(k1 * f1 + k2 * f2 + k3 * f3), f1, k1, i, f2, k2, j, f3,
                                   k3, m, width(b123, k1, b1, k2, b2, k3, b3));
                        }
                    }
                }
            }
        }
    }
    result_.capped = capped;
    if (!capped) {
        Sort();
    }
    if (result_.products.empty()) {
        IntermodListRow none;
        none.texts[0] = "None";
        none.key = "None";
        result_.rows.push_back(none);
    }
    return result_;
}

void Reference::Record(double F, double f1, int c1, int e1, double f2, int c2, int e2, double f3,
                       int c3, int e3, double B) {
    if (f1 <= Sentinel || f2 <= Sentinel || f3 <= Sentinel || !(F >= lower_) || !(F <= upper_)) {
        return;
    }
    const int order = std::abs(c1) + std::abs(c2) + std::abs(c3);
    std::vector<int> victims, planned, existing;
    bool shown = options_.filter.anyFrequency;
    if (!options_.filter.anyFrequency) {
        for (int r = 1; r <= static_cast<int>(table_.size()); ++r) {
            const Row& t = table_[static_cast<std::size_t>(r - 1)];
            if (t.role != 1 && F + B >= t.rx - t.rxHalf && F - B <= t.rx + t.rxHalf) {
                if ((t.status == 0 && options_.filter.showPlanned) ||
                    (t.status != 0 && options_.filter.showExisting)) {
                    VictimMark& mark = result_.marks[static_cast<std::size_t>(r - 1)];
                    if (!(order > mark.tag && mark.tag != 0)) {
                        mark = VictimMark{order, Colour(order), true, true, 1};
                    }
                    victims.push_back(r);
                    shown = true;
                }
            }
        }
        for (int e : {e1, e2, e3}) {
            if (e > 0) {
                (table_[static_cast<std::size_t>(e - 1)].status == 1 ? existing : planned)
                    .push_back(e);
            }
        }
    }
    if (!shown) {
        return;
    }
    ++counter_;
    const std::string key = "ID: " + std::to_string(counter_);
    std::string byFrequency = Term(f1, c1), byId = IdTerm(e1, c1);
    for (auto [f, c, e] : {std::tuple{f2, c2, e2}, std::tuple{f3, c3, e3}}) {
        if (c != 0) {
            byFrequency += (c < 0 ? " - " : " + ") + Term(f, c);
            byId += (c < 0 ? " - " : " + ") + IdTerm(e, c);
        }
    }
    // Beyond 2^53 the tag is no longer an exact integer and is written as a whole number.
    const double tag = order * 16777216.0 + std::nearbyint(B * 2000);
    IntermodListRow row;
    row.texts[0] = PadLeft(FormatNumber(F, "#,###,##0.00000", locale_), 15, ' ');
    row.texts[1] = std::to_string(order) + (order == 2 ? "nd" : order == 3 ? "rd" : "th");
    row.texts[2] = byFrequency;
    row.texts[3] = byId;
    row.texts[4] = List(victims);
    row.texts[5] = List(planned);
    row.texts[6] = List(existing);
    row.texts[7] = FormatNumber(F - B, "#,###,##0.00000", locale_) + " - " +
                   FormatNumber(F + B, "#,###,##0.00000", locale_);
    row.texts[8] = FormatNumber(B * 2000, "#,##0.00", locale_);
    row.key = key;
    row.tag = std::abs(tag) < 9007199254740992.0 ? std::to_string(static_cast<long long>(tag))
                                                 : FormatNumber(tag, "0", locale_);
    result_.rows.push_back(row);
    result_.products.push_back({static_cast<float>(F), static_cast<float>(B * 2000), order, key,
                                byFrequency, byId, row.tag});
}

// The ranking sort: by order, products of one order kept in the order they were found.
void Reference::Sort() {
    std::stable_sort(
        result_.products.begin(), result_.products.end(),
        [](const ReferenceProduct& a, const ReferenceProduct& b) { return a.order < b.order; });
}

} // namespace

ReferenceResult ReferenceCalculate(const std::vector<FrequencyEntry>& entries, const Locale& locale,
                                   const IntermodOptions& options) {
    Reference reference(entries, locale, options);
    return reference.Run();
}

} // namespace spurline::testing
