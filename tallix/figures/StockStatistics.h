#pragma once
// The figures of the statistics: what the stock is worth, what is running
// short and what is on order, read from the data files as they are at the
// moment of the call. Standard C++; every text is cp1252 bytes as stored.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "DataFiles.h"

// The price a part is valued at: the lowest of its three prices above zero,
// and the supplier that asks it (the lowest number on a tie).
struct PartPrice {
    int supplier = 0;  // 1-3; 0 when no price is above zero ("ohne Preis")
    double price = 0.0;
    bool HasPrice() const { return supplier != 0; }
};

struct CategoryFigures {
    int number = -1;   // 0-49; -1 for the totals over all categories
    std::string name;  // as stored
    int parts = 0;
    std::int64_t pieces = 0;  // a negative stock counts as none
    double stockValue = 0.0;  // sum of every part's value in cents
    int partsWithoutPrice = 0;
    int partsShort = 0;        // at or below a positive target
    double restockCost = 0.0;  // of the parts short that have a price
};

// One part at or below its positive target stock.
struct ShortPart {
    int category = -1;
    std::string categoryName;
    int slot = -1;
    std::string name;
    int stock = 0;  // as read
    int target = 0;
    std::int64_t shortfall = 0;  // target minus the stock (a negative stock as none)
    PartPrice price;
    std::string supplierName;  // of price.supplier; empty without a price
    std::string orderNumber;   // at that supplier
    double cost = 0.0;         // shortfall x price, in cents
};

struct SupplierFigures {
    int supplier = 0;  // 1-3; 0 for the totals
    std::string name;  // short name as the tree shows it
    int openPositions = 0;
    std::int64_t pieces = 0;  // of the open positions
    // The order list's "Gesamtsumme:" as the main window shows it, and its value.
    std::string orderValueText = "0,00";
    double orderValue = 0.0;
    int hiddenPositions = 0;
};

struct StockStatistics {
    std::vector<CategoryFigures> categories;  // in the order of the category tree
    CategoryFigures allCategories;
    std::vector<ShortPart> shortParts;  // by category as above, then by part name
    std::array<SupplierFigures, kSupplierCount> suppliers;
    SupplierFigures allSuppliers;
    int storagePlaces = 0;  // distinct places in use, "k.A." and blank not counted
};

// Reads the database in `folder` (ending in "/"); writes nothing.
StockStatistics ComputeStockStatistics(const std::string& folder);

// The lowest price above zero of fields 9-11 of `prices` (price 1 to 3).
PartPrice CheapestPrice(const std::array<double, kSupplierCount>& prices);

// What a row of the main window would show for price x count: rounded to
// cents, and never infinite or NaN however large the stored numbers are.
double ValueInCents(double price, std::int64_t count);
// a + b, held at the largest finite value instead of overflowing.
double SaturatingSum(double a, double b);
