#include "engine/CleanSetSearch.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdint>
#include <optional>

namespace spurline {

namespace {

using Clock = std::chrono::steady_clock;

// A set of candidates, by their index among those clean with the site.
class Bits {
public:
    explicit Bits(std::size_t size = 0) : words_((size + 63) / 64) {}
    void Set(std::size_t k) { words_[k / 64] |= std::uint64_t{1} << (k % 64); }
    void Reset(std::size_t k) { words_[k / 64] &= ~(std::uint64_t{1} << (k % 64)); }
    bool Test(std::size_t k) const { return (words_[k / 64] >> (k % 64)) & 1U; }
    std::size_t Count() const {
        std::size_t n = 0;
        for (std::uint64_t w : words_) {
            n += static_cast<std::size_t>(std::popcount(w));
        }
        return n;
    }
    bool Empty() const {
        return std::all_of(words_.begin(), words_.end(), [](std::uint64_t w) { return w == 0; });
    }
    // The lowest member, or the size in words x 64 when empty.
    std::size_t First() const {
        for (std::size_t w = 0; w < words_.size(); ++w) {
            if (words_[w] != 0) {
                return w * 64 + static_cast<std::size_t>(std::countr_zero(words_[w]));
            }
        }
        return words_.size() * 64;
    }
    void And(const Bits& other) {
        for (std::size_t w = 0; w < words_.size(); ++w) {
            words_[w] &= other.words_[w];
        }
    }
    void AndNot(const Bits& other) {
        for (std::size_t w = 0; w < words_.size(); ++w) {
            words_[w] &= ~other.words_[w];
        }
    }
    template <typename Visit> void ForEach(Visit&& visit) const {
        for (std::size_t w = 0; w < words_.size(); ++w) {
            for (std::uint64_t word = words_[w]; word != 0; word &= word - 1) {
                visit(w * 64 + static_cast<std::size_t>(std::countr_zero(word)));
            }
        }
    }

private:
    std::vector<std::uint64_t> words_;
};

class MostChannels {
public:
    MostChannels(const CalculationTable& site, const IntermodOptions& options,
                 CalculationLimits limits, const FinderRequest& request, double timeLimitSeconds,
                 const CleanSetReport& report)
        : site_(site), options_(options), limits_(limits), request_(request), report_(report),
          finder_(site, options, limits), start_(Clock::now()) {
        if (timeLimitSeconds > 0) {
            deadline_ = start_ + std::chrono::duration_cast<Clock::duration>(
                                     std::chrono::duration<double>(timeLimitSeconds));
        }
    }

    CleanSetResult Run() {
        CleanSetResult result;
        const std::vector<CandidateResult> ranked = finder_.Search(request_, Stopper());
        std::vector<const CandidateResult*> clean;
        for (const CandidateResult& c : ranked) {
            if (c.clean()) {
                frequencies_.push_back(c.frequencyMHz);
                clean.push_back(&c);
            }
        }
        result.candidates = frequencies_.size();
        for (std::size_t k = 0; k < frequencies_.size(); ++k) {
            // Each listed channel keeps its own transmit frequency.
            rows_.push_back(finder_.CandidateRow(request_, *clean[k]));
            byFrequency_.push_back({frequencies_[k], k});
        }
        std::sort(byFrequency_.begin(), byFrequency_.end());

        // Greedy first-fit over every channel of the band: the set to beat.
        FinderRequest all = request_;
        all.count = static_cast<int>(CandidateFrequencies(request_).size());
        for (const CandidateResult& c : finder_.Plan(all, Stopper())) {
            if (const std::optional<std::size_t> k = Index(c.frequencyMHz)) {
                best_.push_back(*k);
            }
        }
        greedy_ = best_.size();
        const std::vector<std::size_t> greedy = best_;
        result.greedy = greedy_;
        if (!stopped_) {
            Bits everything(frequencies_.size());
            for (std::size_t k = 0; k < frequencies_.size(); ++k) {
                everything.Set(k);
            }
            std::vector<std::size_t> path;
            Expand(path, everything, 0);
            result.complete = !stopped_;
        }
        result.stopped = stopped_;
        result.channels = Describe(best_);
        if (result.channels.size() < greedy_) {
            // Cannot happen while every step asks the finder; should it, greedy's set stands.
            result.channels = Describe(greedy);
        }
        return result;
    }

private:
    FinderProgress Stopper() {
        return [this](double) { return !ShouldStop(); };
    }

    bool ShouldStop() {
        if (stopped_) {
            return true;
        }
        const Clock::time_point now = Clock::now();
        // Describing the set at the end takes one search per channel, within the limit too;
        // twice the average search and a little more, as a busy machine slows some searches.
        const auto describing = std::chrono::duration_cast<Clock::duration>(
            searchTime_ * 2 * static_cast<double>(best_.size() + 1) /
                static_cast<double>(std::max<std::size_t>(searches_, 1)) +
            std::chrono::milliseconds(20));
        if (deadline_ && now + describing >= *deadline_) {
            stopped_ = true;
        } else if (report_ && now - lastReport_ >= std::chrono::milliseconds(50)) {
            lastReport_ = now;
            // The search tree's first level is a slow measure of a deep search: the time
            // allowed, where there is a limit, moves the bar too.
            double fraction = fraction_;
            if (deadline_) {
                fraction =
                    std::max(fraction, std::chrono::duration<double>(now - start_) /
                                           std::chrono::duration<double>(*deadline_ - start_));
            }
            stopped_ = !report_({std::min(fraction, 1.0), best_.size(), greedy_});
        }
        return stopped_;
    }

    std::optional<std::size_t> Index(double frequencyMHz) const {
        const auto at = std::lower_bound(byFrequency_.begin(), byFrequency_.end(),
                                         std::pair{frequencyMHz, std::size_t{0}});
        if (at == byFrequency_.end() || at->first != frequencyMHz) {
            return std::nullopt;
        }
        return at->second;
    }

    // The finder on the site with the chosen channels added.
    std::vector<CandidateResult> SearchWith(const std::vector<std::size_t>& chosen) {
        CalculationTable table = site_;
        for (std::size_t k : chosen) {
            table.push_back(rows_[k]);
        }
        FrequencyFinder finder(std::move(table), options_, limits_);
        const Clock::time_point begin = Clock::now();
        std::vector<CandidateResult> ranked = finder.Search(request_, Stopper());
        searchTime_ += Clock::now() - begin;
        ++searches_;
        return ranked;
    }

    // The candidates within that are still clean with the chosen channels added; nullopt when
    // stopped.
    std::optional<Bits> Available(const std::vector<std::size_t>& chosen, const Bits& within) {
        const std::vector<CandidateResult> ranked = SearchWith(chosen);
        // The finder may finish a search it was told to stop at its very end.
        if (ranked.empty() || stopped_) {
            return std::nullopt;
        }
        Bits result(frequencies_.size());
        for (const CandidateResult& c : ranked) {
            if (c.clean()) {
                if (const std::optional<std::size_t> k = Index(c.frequencyMHz)) {
                    result.Set(*k);
                }
            }
        }
        result.And(within);
        return result;
    }

    // At most this many more channels fit among the candidates: a clique of compatible pairs
    // takes at most one channel from each group of pairwise incompatible ones.
    std::size_t Bound(const Bits& candidates) const {
        if (compatible_.empty()) {
            return candidates.Count();
        }
        Bits left = candidates;
        std::size_t groups = 0;
        while (!left.Empty()) {
            ++groups;
            Bits group = left;
            while (!group.Empty()) {
                const std::size_t v = group.First();
                left.Reset(v);
                group.Reset(v);
                group.AndNot(compatible_[v]);
            }
        }
        return groups;
    }

    void Expand(std::vector<std::size_t>& path, const Bits& available, int depth) {
        if (path.size() > best_.size()) {
            best_ = path;
            lastReport_ = {};
        }
        if (available.Empty() || path.size() + Bound(available) <= best_.size()) {
            return;
        }
        struct Child {
            std::size_t k;
            Bits left;
            std::size_t count;
        };
        std::vector<Child> children;
        bool ok = true;
        available.ForEach([&](std::size_t k) {
            if (!ok) {
                return;
            }
            path.push_back(k);
            std::optional<Bits> left = Available(path, available);
            path.pop_back();
            if (!left) {
                ok = false;
                return;
            }
            left->Reset(k);
            const std::size_t count = left->Count();
            children.push_back({k, std::move(*left), count});
        });
        if (!ok) {
            return;
        }
        if (depth == 0) {
            // The pairs clean together, both ways round.
            compatible_.assign(frequencies_.size(), Bits(frequencies_.size()));
            for (const Child& c : children) {
                compatible_[c.k] = c.left;
            }
            for (std::size_t a = 0; a < compatible_.size(); ++a) {
                compatible_[a].ForEach([&](std::size_t b) {
                    if (!compatible_[b].Test(a)) {
                        compatible_[a].Reset(b);
                    }
                });
            }
        }
        // The channel that leaves the most others first; the finder's ranking among equals.
        std::stable_sort(children.begin(), children.end(),
                         [](const Child& a, const Child& b) { return a.count > b.count; });
        Bits excluded(frequencies_.size());
        for (std::size_t c = 0; c < children.size(); ++c) {
            if (depth == 0) {
                fraction_ = static_cast<double>(c) / static_cast<double>(children.size());
            }
            Bits candidates = children[c].left;
            candidates.AndNot(excluded);
            path.push_back(children[c].k);
            if (path.size() + Bound(candidates) > best_.size() || path.size() > best_.size()) {
                Expand(path, candidates, depth + 1);
            }
            path.pop_back();
            excluded.Set(children[c].k);
            if (stopped_ || ShouldStop()) {
                return;
            }
        }
    }

    // Each chosen channel as it fares with the site and the others, by frequency; empty when
    // one of them is not clean after all.
    std::vector<CandidateResult> Describe(const std::vector<std::size_t>& chosen) {
        std::vector<CandidateResult> result;
        for (std::size_t k : chosen) {
            std::vector<std::size_t> others;
            for (std::size_t o : chosen) {
                if (o != k) {
                    others.push_back(o);
                }
            }
            CalculationTable table = site_;
            for (std::size_t o : others) {
                table.push_back(rows_[o]);
            }
            FrequencyFinder finder(std::move(table), options_, limits_);
            const std::vector<CandidateResult> ranked = finder.Search(request_);
            const auto at =
                std::find_if(ranked.begin(), ranked.end(), [&](const CandidateResult& c) {
                    return c.frequencyMHz == frequencies_[k];
                });
            if (at == ranked.end() || !at->clean()) {
                return {};
            }
            result.push_back(*at);
        }
        std::sort(result.begin(), result.end(),
                  [](const CandidateResult& a, const CandidateResult& b) {
                      return a.frequencyMHz < b.frequencyMHz;
                  });
        return result;
    }

    const CalculationTable& site_;
    const IntermodOptions& options_;
    CalculationLimits limits_;
    const FinderRequest& request_;
    const CleanSetReport& report_;
    FrequencyFinder finder_;
    Clock::time_point start_;
    std::optional<Clock::time_point> deadline_;
    Clock::time_point lastReport_{};
    bool stopped_ = false;
    double fraction_ = 0;
    std::vector<double> frequencies_;  // clean with the site, best ranked first
    std::vector<CalculationRow> rows_; // each as the site would take it
    std::vector<std::pair<double, std::size_t>> byFrequency_;
    std::vector<Bits> compatible_; // pairs clean together
    std::vector<std::size_t> best_;
    std::size_t greedy_ = 0;
    std::chrono::duration<double> searchTime_{0}; // spent in the finder's searches, and
    std::size_t searches_ = 0;                    // how many there were
};

} // namespace

CleanSetResult FindMostChannels(const CalculationTable& site, const IntermodOptions& options,
                                CalculationLimits limits, const FinderRequest& request,
                                double timeLimitSeconds, const CleanSetReport& report) {
    if (CheckFinderRequest(request) != nullptr) {
        return {};
    }
    return MostChannels(site, options, limits, request, timeLimitSeconds, report).Run();
}

} // namespace spurline
