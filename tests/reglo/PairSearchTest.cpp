// The pair search against trying every pair, for every series and many
// targets: the same closest pairs in the same order.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "PairSearch.h"

namespace {

struct Candidate {
    double r1, r2, r2Second, deviation;
};

bool Before(const Candidate& a, const Candidate& b) {
    const double da = std::fabs(a.deviation);
    const double db = std::fabs(b.deviation);
    if (da != db) {
        return da < db;
    }
    if (a.r1 != b.r1) {
        return a.r1 < b.r1;
    }
    return a.r2 != b.r2 ? a.r2 < b.r2 : a.r2Second < b.r2Second;
}

std::vector<double> R1Values(const PairQuery& query) {
    return query.fixedR1 ? std::vector<double>{*query.fixedR1}
                         : SeriesValuesBetween(query.series, 100, 1000);
}

double Deviation(const PairQuery& query, double r1, double r2) {
    return query.referenceVolts * (1 + r2 / r1) + query.adjustAmps * r2 - query.targetVolts;
}

// Every single R2 for every R1, the best `count` of them, kept in order.
std::vector<Candidate> BruteForceSingles(const PairQuery& query) {
    const std::vector<double> r2Values = SeriesValuesBetween(query.series, 1, 10e6);
    const std::size_t count = static_cast<std::size_t>(query.count);
    std::vector<Candidate> best;
    for (const double r1 : R1Values(query)) {
        for (const double r2 : r2Values) {
            const Candidate candidate{r1, r2, 0, Deviation(query, r1, r2)};
            if (best.size() == count && !Before(candidate, best.back())) {
                continue;
            }
            best.insert(std::upper_bound(best.begin(), best.end(), candidate, Before), candidate);
            if (best.size() > count) {
                best.pop_back();
            }
        }
    }
    return best;
}

// The closest of every single R2 and every sum of two series values.
double BruteForceBestWithSums(const PairQuery& query) {
    const std::vector<double> r2Values = SeriesValuesBetween(query.series, 1, 10e6);
    double best = INFINITY;
    for (const double r1 : R1Values(query)) {
        for (std::size_t a = 0; a < r2Values.size(); ++a) {
            best = std::min(best, std::fabs(Deviation(query, r1, r2Values[a])));
            for (std::size_t b = 0; b <= a; ++b) {
                best = std::min(best, std::fabs(Deviation(query, r1, r2Values[a] + r2Values[b])));
            }
        }
    }
    return best;
}

std::vector<double> Targets(int count) {
    std::vector<double> targets{1.2501, 1.3, 3.3, 5, 12, 15, 24, 37, 100, 1000};
    for (int i = 0; i < count; ++i) {
        targets.push_back(1.26 + i * 0.977);
    }
    return targets;
}

TEST(PairSearch, FindsWhatTryingEveryPairFinds) {
    for (const ESeries series : kAllSeries) {
        // The big series cost the brute force most; fewer targets suffice there.
        const int extraTargets = series == ESeries::E192 ? 12 : 40;
        for (const double adjustAmps : {0.0, 50e-6}) {
            for (const double target : Targets(extraTargets)) {
                PairQuery query;
                query.targetVolts = target;
                query.adjustAmps = adjustAmps;
                query.series = series;
                const std::vector<ResistorPair> found = BestPairs(query);
                const std::vector<Candidate> expected = BruteForceSingles(query);
                ASSERT_EQ(found.size(), expected.size());
                for (std::size_t i = 0; i < found.size(); ++i) {
                    SCOPED_TRACE(testing::Message() << SeriesName(series) << " " << target
                                                    << " V, Iadj " << adjustAmps << ", rank " << i);
                    EXPECT_EQ(found[i].deviationVolts, expected[i].deviation);
                    EXPECT_EQ(found[i].r1, expected[i].r1);
                    EXPECT_EQ(found[i].r2, expected[i].r2);
                    EXPECT_EQ(found[i].r2Second, 0.0);
                }
            }
        }
    }
}

TEST(PairSearch, AFixedR1NeedNotBeASeriesValue) {
    for (const double target : {3.3, 5.0, 9.0, 13.8}) {
        PairQuery query;
        query.targetVolts = target;
        query.adjustAmps = 60e-6;
        query.series = ESeries::E96;
        query.fixedR1 = 237.5;
        query.count = 5;
        const std::vector<ResistorPair> found = BestPairs(query);
        const std::vector<Candidate> expected = BruteForceSingles(query);
        ASSERT_EQ(found.size(), 5u);
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].r1, 237.5);
            EXPECT_EQ(found[i].r2, expected[i].r2) << target << " rank " << i;
            EXPECT_EQ(found[i].deviationVolts, expected[i].deviation);
        }
    }
}

// With R2 from two resistors the first pair is the closest of all singles
// and sums. Sums that are equal in decimals may differ in the last bit of a
// double, hence the margin far below a microvolt.
TEST(PairSearch, TwoResistorR2ComesClosestWhereItCan) {
    bool sumShown = false;
    for (const ESeries series : {ESeries::E6, ESeries::E12, ESeries::E24}) {
        for (const double target : Targets(6)) {
            PairQuery query;
            query.targetVolts = target;
            query.adjustAmps = 50e-6;
            query.series = series;
            query.twoResistorR2 = true;
            const std::vector<ResistorPair> found = BestPairs(query);
            ASSERT_FALSE(found.empty());
            EXPECT_NEAR(std::fabs(found.front().deviationVolts), BruteForceBestWithSums(query),
                        1e-12)
                << SeriesName(series) << " " << target << " V";
            // Each shown pair is computed from its own resistors, and a sum is
            // shown only where it beats every single R2 with its R1.
            for (const ResistorPair& pair : found) {
                EXPECT_EQ(pair.volts,
                          DividerOutputVolts(1.25, 50e-6, pair.r1, pair.r2 + pair.r2Second));
                if (pair.r2Second > 0) {
                    PairQuery sameR1 = query;
                    sameR1.fixedR1 = pair.r1;
                    sameR1.count = 1;
                    EXPECT_LT(std::fabs(pair.deviationVolts),
                              std::fabs(BruteForceSingles(sameR1).front().deviation))
                        << pair.r1 << " " << pair.r2 << " + " << pair.r2Second;
                    EXPECT_GE(pair.r2, pair.r2Second);
                    sumShown = true;
                }
            }
            EXPECT_TRUE(
                std::is_sorted(found.begin(), found.end(), [](const auto& a, const auto& b) {
                    return std::fabs(a.deviationVolts) < std::fabs(b.deviationVolts);
                }));
        }
    }
    EXPECT_TRUE(sumShown);
}

}  // namespace
