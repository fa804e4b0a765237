#include "ESeries.h"

namespace {

constexpr std::array<int, 6> kE6{100, 150, 220, 330, 470, 680};
constexpr std::array<int, 12> kE12{100, 120, 150, 180, 220, 270, 330, 390, 470, 560, 680, 820};
constexpr std::array<int, 24> kE24{100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
                                   330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910};
constexpr std::array<int, 48> kE48{100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169,
                                   178, 187, 196, 205, 215, 226, 237, 249, 261, 274, 287, 301,
                                   316, 332, 348, 365, 383, 402, 422, 442, 464, 487, 511, 536,
                                   562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};
constexpr std::array<int, 96> kE96{
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
    147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
    215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
    316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
    464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};
constexpr std::array<int, 192> kE192{
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123,
    124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152,
    154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189,
    191, 193, 196, 198, 200, 203, 205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234,
    237, 240, 243, 246, 249, 252, 255, 258, 261, 264, 267, 271, 274, 277, 280, 284, 287, 291,
    294, 298, 301, 305, 309, 312, 316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361,
    365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448,
    453, 459, 464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673, 681, 690,
    698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

}  // namespace

std::string_view SeriesName(ESeries series) {
    switch (series) {
    case ESeries::E6: return "E6";
    case ESeries::E12: return "E12";
    case ESeries::E24: return "E24";
    case ESeries::E48: return "E48";
    case ESeries::E96: return "E96";
    case ESeries::E192: return "E192";
    }
    return "";
}

std::span<const int> SeriesMantissas(ESeries series) {
    switch (series) {
    case ESeries::E6: return kE6;
    case ESeries::E12: return kE12;
    case ESeries::E24: return kE24;
    case ESeries::E48: return kE48;
    case ESeries::E96: return kE96;
    case ESeries::E192: return kE192;
    }
    return {};
}

std::vector<double> SeriesValuesBetween(ESeries series, double lowest, double highest) {
    // Decades from 0.1 ohm to 1 gigaohm: a mantissa m stands for m / 1000 ohm
    // in the first. Whole-ohm values are exact; below 100 ohms the division
    // keeps 4.7 as close as a double holds it, the same way for every caller.
    constexpr std::array<double, 10> kDivisors{1000, 100, 10, 1, 1, 1, 1, 1, 1, 1};
    constexpr std::array<double, 10> kFactors{1, 1, 1, 1, 10, 100, 1e3, 1e4, 1e5, 1e6};
    std::vector<double> values;
    for (std::size_t decade = 0; decade < kDivisors.size(); ++decade) {
        for (const int mantissa : SeriesMantissas(series)) {
            const double value = mantissa * kFactors[decade] / kDivisors[decade];
            if (value > highest) {
                return values;
            }
            if (value >= lowest) {
                values.push_back(value);
            }
        }
    }
    return values;
}
