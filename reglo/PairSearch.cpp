#include "PairSearch.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

bool Closer(const ResistorPair& a, const ResistorPair& b) {
    return std::make_tuple(std::fabs(a.deviationVolts), a.r1, a.r2, a.r2Second) <
           std::make_tuple(std::fabs(b.deviationVolts), b.r1, b.r2, b.r2Second);
}

// The closest pairs seen so far, at most `count`, as a heap with the worst on top.
class Leaders {
public:
    explicit Leaders(int count) : count_(static_cast<std::size_t>(std::max(count, 0))) {}

    bool Full() const { return pairs_.size() >= count_; }
    // Whether a pair this close could still enter.
    bool Admits(const ResistorPair& pair) const {
        return count_ > 0 && (!Full() || Closer(pair, pairs_.front()));
    }
    void Offer(const ResistorPair& pair) {
        if (!Admits(pair)) {
            return;
        }
        if (Full()) {
            std::pop_heap(pairs_.begin(), pairs_.end(), Closer);
            pairs_.pop_back();
        }
        pairs_.push_back(pair);
        std::push_heap(pairs_.begin(), pairs_.end(), Closer);
    }
    std::vector<ResistorPair> Sorted() && {
        std::sort_heap(pairs_.begin(), pairs_.end(), Closer);
        return std::move(pairs_);
    }

private:
    std::size_t count_;
    std::vector<ResistorPair> pairs_;
};

struct Divider {
    const PairQuery& query;
    double r1;

    ResistorPair Pair(double r2, double r2Second = 0) const {
        const double volts =
            DividerOutputVolts(query.referenceVolts, query.adjustAmps, r1, r2 + r2Second);
        return {r1, r2, r2Second, volts, volts - query.targetVolts};
    }
    // The R2 that would hit the target exactly.
    double IdealR2() const {
        return (query.targetVolts - query.referenceVolts) /
               (query.referenceVolts / r1 + query.adjustAmps);
    }
};

// The single R2 values of one R1, nearest the ideal first: a merge of the
// values below and above it, each side getting worse the farther it goes.
void OfferSingles(const Divider& divider, const std::vector<double>& r2Values, Leaders& leaders) {
    const auto split = std::lower_bound(r2Values.begin(), r2Values.end(), divider.IdealR2());
    auto below = split;  // the next value below is *(below - 1)
    auto above = split;
    while (below != r2Values.begin() || above != r2Values.end()) {
        std::optional<ResistorPair> low;
        std::optional<ResistorPair> high;
        if (below != r2Values.begin()) {
            low = divider.Pair(*(below - 1));
        }
        if (above != r2Values.end()) {
            high = divider.Pair(*above);
        }
        const bool takeLow = low && (!high || Closer(*low, *high));
        const ResistorPair& next = takeLow ? *low : *high;
        if (!leaders.Admits(next)) {
            return;
        }
        leaders.Offer(next);
        if (takeLow) {
            --below;
        } else {
            ++above;
        }
    }
}

// The single R2 of one R1 that comes closest: one of the two values around
// the ideal one.
std::optional<ResistorPair> BestSingle(const Divider& divider,
                                       const std::vector<double>& r2Values) {
    const auto split = std::lower_bound(r2Values.begin(), r2Values.end(), divider.IdealR2());
    std::optional<ResistorPair> best;
    if (split != r2Values.end()) {
        best = divider.Pair(*split);
    }
    if (split != r2Values.begin()) {
        const ResistorPair low = divider.Pair(*(split - 1));
        if (!best || Closer(low, *best)) {
            best = low;
        }
    }
    return best;
}

// The two-resistor R2 of one R1 closest to the ideal: the classic walk from
// both ends of the sorted values (the same value twice included). A sum with
// a part at or above the ideal loses to that part alone, so the walk starts
// below it. The walk compares sums, Vout is computed once at the end.
std::optional<ResistorPair> BestSum(const Divider& divider, const std::vector<double>& r2Values) {
    const double ideal = divider.IdealR2();
    std::size_t high = static_cast<std::size_t>(
        std::lower_bound(r2Values.begin(), r2Values.end(), ideal) - r2Values.begin());
    if (high == 0) {
        return std::nullopt;
    }
    --high;
    std::size_t low = 0;
    std::size_t bestLow = low;
    std::size_t bestHigh = high;
    double bestDistance = std::fabs(r2Values[high] + r2Values[low] - ideal);
    while (low <= high) {
        const double sum = r2Values[high] + r2Values[low];
        const double distance = std::fabs(sum - ideal);
        if (distance < bestDistance) {
            bestDistance = distance;
            bestLow = low;
            bestHigh = high;
        }
        if (sum < ideal) {
            ++low;
        } else if (high == 0) {
            break;
        } else {
            --high;
        }
    }
    return divider.Pair(r2Values[bestHigh], r2Values[bestLow]);
}

}  // namespace

double DividerOutputVolts(double referenceVolts, double adjustAmps, double r1, double r2) {
    return referenceVolts * (1 + r2 / r1) + adjustAmps * r2;
}

std::vector<ResistorPair> BestPairs(const PairQuery& query) {
    const std::vector<double> r1Values =
        query.fixedR1 ? std::vector<double>{*query.fixedR1}
                      : SeriesValuesBetween(query.series, kFreeR1Lowest, kFreeR1Highest);
    const std::vector<double> r2Values = SeriesValuesBetween(query.series, kR2Lowest, kR2Highest);

    Leaders leaders(query.count);
    for (const double r1 : r1Values) {
        OfferSingles(Divider{query, r1}, r2Values, leaders);
    }
    std::vector<ResistorPair> pairs = std::move(leaders).Sorted();
    if (!query.twoResistorR2) {
        return pairs;
    }

    // A two-resistor R2 joins where it comes truly closer than the best
    // single R2 of its R1: 2 kΩ + 200 Ω is no better than 2,2 kΩ, and below
    // 100 Ω a sum may differ from a single value only in the last bit of a
    // double. The list keeps the closest of all.
    const double noise = 1e-12 * query.targetVolts;
    Leaders withSums(query.count);
    for (const ResistorPair& pair : pairs) {
        withSums.Offer(pair);
    }
    for (const double r1 : r1Values) {
        const Divider divider{query, r1};
        const auto sum = BestSum(divider, r2Values);
        const auto single = BestSingle(divider, r2Values);
        if (sum && (!single ||
                    std::fabs(sum->deviationVolts) < std::fabs(single->deviationVolts) - noise)) {
            withSums.Offer(*sum);
        }
    }
    return std::move(withSums).Sorted();
}
