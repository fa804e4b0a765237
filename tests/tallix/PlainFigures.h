#pragma once
// The figures of a database worked out the plain way, straight from the
// records in the files, for the tests to hold the library's figures against.
// Money is counted in whole cents.

#include <array>
#include <map>
#include <string>
#include <vector>

struct PlainCategory {
    int parts = 0;
    long long pieces = 0;
    long long valueCents = 0;
    int withoutPrice = 0;
    int shortParts = 0;
    long long restockCents = 0;
};

struct PlainSupplier {
    int open = 0;
    long long pieces = 0;
    long long valueCents = 0;
    int hidden = 0;
};

// A part at or below its positive target, with the cheapest price above zero.
struct PlainShortPart {
    int category = -1;
    std::string name;
    long long shortfall = 0;
    int supplier = 0;  // 0 without a price
    std::string orderNumber;
    long long priceCents = 0;
};

struct PlainFigures {
    std::map<int, PlainCategory> categories;  // by category number
    std::vector<PlainShortPart> shortParts;   // in file order
    std::array<PlainSupplier, 3> suppliers;
    int places = 0;
};

PlainFigures ComputePlainFigures(const std::string& folder);
