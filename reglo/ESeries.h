#pragma once
// The resistor series of IEC 60063. E6 to E24 are the standard's own two-digit
// values (2.7, 3.3, 4.7 ... are not the rounded geometric series); E48 to
// E192 are three-digit values. Every table holds the mantissas of one decade
// from 100 up, so 47 in E12 is 470 here.

#include <array>
#include <span>
#include <string_view>
#include <vector>

enum class ESeries { E6, E12, E24, E48, E96, E192 };

inline constexpr std::array<ESeries, 6> kAllSeries{ESeries::E6,  ESeries::E12, ESeries::E24,
                                                   ESeries::E48, ESeries::E96, ESeries::E192};

std::string_view SeriesName(ESeries series);
std::span<const int> SeriesMantissas(ESeries series);

// Every value of the series from `lowest` to `highest` ohms, both included,
// ascending.
std::vector<double> SeriesValuesBetween(ESeries series, double lowest, double highest);
