// The series against the values that define them: E6 to E24 as IEC 60063
// lists them (not the rounded geometric series), E48 to E192 as the geometric
// series rounded to three digits with the standard's one exception.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "ESeries.h"

namespace {

std::vector<int> Mantissas(ESeries series) {
    const auto values = SeriesMantissas(series);
    return {values.begin(), values.end()};
}

std::vector<int> EverySecond(const std::vector<int>& values) {
    std::vector<int> taken;
    for (std::size_t i = 0; i < values.size(); i += 2) {
        taken.push_back(values[i]);
    }
    return taken;
}

TEST(ESeries, TwoDigitSeriesAreTheListedValues) {
    const std::vector<int> e24{10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                               33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
    std::vector<int> expected;
    for (const int value : e24) {
        expected.push_back(value * 10);
    }
    EXPECT_EQ(Mantissas(ESeries::E24), expected);
    EXPECT_EQ(Mantissas(ESeries::E12), EverySecond(expected));
    EXPECT_EQ(Mantissas(ESeries::E6), EverySecond(EverySecond(expected)));
}

TEST(ESeries, ThreeDigitSeriesAreTheRoundedGeometricSeries) {
    for (const auto& [series, count] :
         {std::pair{ESeries::E48, 48}, {ESeries::E96, 96}, {ESeries::E192, 192}}) {
        const std::vector<int> values = Mantissas(series);
        ASSERT_EQ(values.size(), std::size_t(count)) << SeriesName(series);
        for (int i = 0; i < count; ++i) {
            int expected = static_cast<int>(std::lround(100 * std::pow(10.0, double(i) / count)));
            // The standard's exception: 919 would be the rounded value.
            if (series == ESeries::E192 && expected == 919) {
                expected = 920;
            }
            EXPECT_EQ(values[i], expected) << SeriesName(series) << " index " << i;
        }
    }
}

TEST(ESeries, ValuesBetweenSpanTheDecadesWithBothEnds) {
    const std::vector<double> e12 = SeriesValuesBetween(ESeries::E12, 1, 10e6);
    ASSERT_EQ(e12.size(), 12u * 7 + 1);
    EXPECT_EQ(e12.front(), 1.0);
    EXPECT_EQ(e12[8], 4.7);
    EXPECT_EQ(e12[12 + 8], 47.0);
    EXPECT_EQ(e12[5 * 12 + 8], 470e3);
    EXPECT_EQ(e12.back(), 10e6);
    EXPECT_TRUE(std::is_sorted(e12.begin(), e12.end()));
    EXPECT_EQ(std::adjacent_find(e12.begin(), e12.end()), e12.end());

    const std::vector<double> r1 = SeriesValuesBetween(ESeries::E24, 100, 1000);
    ASSERT_EQ(r1.size(), 25u);
    EXPECT_EQ(r1.front(), 100.0);
    EXPECT_EQ(r1.back(), 1000.0);
    EXPECT_TRUE(SeriesValuesBetween(ESeries::E6, 101, 149).empty());
}

}  // namespace
