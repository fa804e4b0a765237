#pragma once
// The figures of a database worked out the plain way, straight from the
// records in the files, for the tests to hold the library's figures against.
// Money is counted in whole cents.

#include <array>
#include <map>
#include <string>
#include <tuple>
#include <vector>

struct PlainCategory {
    int parts = 0;
    long long pieces = 0;
    long long valueCents = 0;
    int withoutPrice = 0;
    int shortParts = 0;
    long long restockCents = 0;
    bool operator==(const PlainCategory&) const = default;
};

struct PlainSupplier {
    int open = 0;
    long long pieces = 0;
    long long valueCents = 0;
    int hidden = 0;
    bool operator==(const PlainSupplier&) const = default;
};

// A part at or below its positive target: category, name, shortfall, the
// supplier of the lowest price above zero (0 for none), its order number and
// price in cents.
using PlainShortPart = std::tuple<int, std::string, long long, int, std::string, long long>;

struct PlainFigures {
    std::map<int, PlainCategory> categories;  // by category number
    std::vector<PlainShortPart> shortParts;   // sorted
    std::array<PlainSupplier, 3> suppliers;
    int places = 0;
};

PlainFigures ComputePlainFigures(const std::string& folder);

// The bytes of every file below `folder`, by path.
std::map<std::string, std::string> FilesOf(const std::string& folder);
