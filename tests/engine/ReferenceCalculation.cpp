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

// Order 2 red, 3 blue, 5 green, 7 yellow, any other magenta; red in the low byte.
constexpr std::uint32_t Colours[] = {0xFF00FF, 0xFF00FF, 0xFF0000, 0x0000FF, 0xFF00FF,
                                     0x00FF00, 0xFF00FF, 0xFFFF00, 0xFF00FF, 0xFF00FF};

} // namespace

ReferenceResult ReferenceCalculate(const std::vector<FrequencyEntry>& entries, const Locale& locale,
                                   const IntermodOptions& options, int listCap) {
    ReferenceResult result;
    for (const FrequencyEntry& e : entries) {
        result.marks.push_back(e.mark);
    }
    const int n = static_cast<int>(entries.size());
    if (n == 0) {
        return result;
    }
    const double lower = LeadingNumber(options.lowerLimit, locale);
    const double upper = ParseNumber(options.upperLimit, locale)
                             ? LeadingNumber(options.upperLimit, locale)
                             : 1000000;
    if (!(lower < upper)) {
        result.limitsRejected = true;
        return result;
    }
    std::vector<Row> table;
    for (int r = 0; r < n; ++r) {
        const FrequencyEntry& e = entries[static_cast<std::size_t>(r)];
        result.marks[static_cast<std::size_t>(r)] = VictimMark{};
        const double f = LeadingNumber(e.frequency(), locale);
        table.push_back({e.checked ? f + LeadingNumber(e.offset(), locale) / 1000 : Sentinel,
                         LeadingNumber(e.txbandwidth(), locale) / 2000,
                         EqualsIgnoringCase(e.txrx(), "Rx")   ? 0
                         : EqualsIgnoringCase(e.txrx(), "Tx") ? 1
                                                              : 3,
                         EqualsIgnoringCase(e.status(), "Plan") ? 0 : 1,
                         LeadingNumber(e.rxbandwidth(), locale) / 2000, f});
    }
    auto at = [&](int e) -> const Row& { return table[static_cast<std::size_t>(e - 1)]; };
    auto number = [&](double value, const char* format) {
        return FormatNumber(value, format, locale);
    };
    int counter = 0;

    // Sums the terms in their order; the half-bandwidth is the widest component's, or in the
    // worst case the sum of |coefficient| x each component's.
    auto record = [&](std::initializer_list<Term> terms) {
        double F = 0, B = 0, widest = -HUGE_VAL;
        int order = 0;
        for (const Term& t : terms) {
            if (at(t.e).tx <= Sentinel) {
                return;
            }
            F += t.c * at(t.e).tx;
            B += std::abs(t.c) * at(t.e).txHalf;
            widest = std::max(widest, at(t.e).txHalf);
            order += std::abs(t.c);
        }
        F = std::abs(F);
        B = options.worstCase ? B : widest;
        if (!(F >= lower) || !(F <= upper)) {
            return;
        }
        std::string victims, planned, existing;
        auto add = [](std::string& list, int e) {
            list += (list.empty() ? "[" : ",[") + std::to_string(e) + "]";
        };
        bool shown = options.filter.anyFrequency;
        if (!options.filter.anyFrequency) {
            for (int r = 1; r <= n; ++r) {
                const Row& t = at(r);
                if (t.role != 1 && F + B >= t.rx - t.rxHalf && F - B <= t.rx + t.rxHalf &&
                    (t.status == 0 ? options.filter.showPlanned : options.filter.showExisting)) {
                    VictimMark& mark = result.marks[static_cast<std::size_t>(r - 1)];
                    if (!(order > mark.tag && mark.tag != 0)) {
                        mark = VictimMark{order, Colours[order > 9 ? 0 : order], true, true, 1};
                    }
                    add(victims, r);
                    shown = true;
                }
            }
            for (const Term& t : terms) {
                add(at(t.e).status == 1 ? existing : planned, t.e);
            }
        }
        if (!shown) {
            return;
        }
        const std::string key = "ID: " + std::to_string(++counter);
        const char* mhz = "#,###,##0.00000";
        std::string byFrequency, byId;
        for (const Term& t : terms) {
            const std::string sign = &t == terms.begin() ? "" : t.c < 0 ? " - " : " + ";
            const std::string times = number(std::abs(t.c), "0") + " x ";
            byFrequency += sign + times + number(at(t.e).tx, mhz);
            byId += sign + times + "[" + number(t.e, "0") + "]";
        }
        // Beyond 2^53 the tag is no longer an exact integer and is written as a whole number.
        const double tag = order * 16777216.0 + std::nearbyint(B * 2000);
        const char* suffix = order == 2 ? "nd" : order == 3 ? "rd" : "th";
        IntermodListRow row;
        row.texts = {PadLeft(number(F, mhz), 15, ' '),
                     std::to_string(order) + suffix,
                     byFrequency,
                     byId,
                     victims,
                     planned,
                     existing,
                     number(F - B, mhz) + " - " + number(F + B, mhz),
                     number(B * 2000, "#,##0.00")};
        row.key = key;
        row.tag = std::abs(tag) < 9007199254740992.0 ? std::to_string(static_cast<long long>(tag))
                                                     : number(tag, "0");
        result.rows.push_back(row);
        result.products.push_back({static_cast<float>(F), static_cast<float>(B * 2000), order, key,
                                   byFrequency, byId, row.tag});
    };

    auto capReached = [&] {
        return listCap >= 0 && static_cast<int>(result.rows.size()) > listCap;
    };
    const bool harmonics = options.harmonics;
    bool capped = false;
    for (int i = 1; i <= n && !capped; ++i) {
        if (!(at(i).role > 0)) {
            continue;
        }
        for (int h = 2; h <= 3; ++h) {
            if (harmonics && options.order(h)) {
                record({{i, h}});
            }
        }
        for (int j = i + 1; j <= n && !capped; ++j) {
            if (!(at(j).role > 0)) {
                continue;
            }
            if (harmonics && options.order(2)) {
                record({{i, 1}, {j, 1}});
                record({{i, 1}, {j, -1}});
            }
            if (harmonics && options.order(3)) {
                record({{i, 2}, {j, 1}});
                record({{j, 2}, {i, 1}});
            }
            for (int N = 3; N <= 9 && !capped; N += 2) {
                if (capReached()) {
                    capped = true;
                } else if (options.order(N)) {
                    const int p = (N + 1) / 2, q = (N - 1) / 2;
                    record({{i, p}, {j, -q}});
                    record({{j, p}, {i, -q}});
                }
            }
            if (capped || !options.threeFrequencies) {
                continue;
            }
            for (int m = 1; m <= n; ++m) {
                if (capReached()) {
                    capped = true;
                    break;
                }
                if (m == i || m == j || !(at(m).role > 0)) {
                    continue;
                }
                if (harmonics && options.order(3)) {
                    record({{i, 1}, {j, 1}, {m, 1}});
                }
                if (options.order(3)) {
                    record({{i, 1}, {j, 1}, {m, -1}});
                }
                for (int N = 5; N <= 9; N += 2) {
                    // The triples of order N by their rule.
                    for (int k1 = 1; k1 <= N - 2 && options.order(N); ++k1) {
                        for (int k2 = 1; k2 <= N - 2; ++k2) {
                            int k3 = 1 - k1 - k2;
                            if (std::abs(k1) + std::abs(k2) + std::abs(k3) != N) {
                                k3 = -1 - k1 - k2;
                            }
                            if (k3 != 0 && std::abs(k1) + std::abs(k2) + std::abs(k3) == N) {
                                record({{i, k1}, {j, k2}, {m, k3}});
                            }
                        }
                    }
                }
            }
        }
    }
    result.capped = capped;
    if (!capped) { // the ranking sort: by order, products of one order in the order found
        std::stable_sort(
            result.products.begin(), result.products.end(),
            [](const ReferenceProduct& a, const ReferenceProduct& b) { return a.order < b.order; });
    }
    if (result.products.empty()) {
        IntermodListRow none;
        none.texts[0] = "None";
        none.key = "None";
        result.rows.push_back(none);
    }
    return result;
}

} // namespace spurline::testing
