#pragma once
// The entries of the category tree: the categories sorted by name and the
// three order lists, each with the ItemTag that tells what it is.

#include <array>
#include <string>
#include <vector>

#include "DataFiles.h"

// The tags of the two roots. Every other entry's tag is its list number (see
// DataFiles.h: IsCategoryNumber, IsOrderListNumber, SupplierOfList).
inline constexpr int kTagCategoryRoot = 800;
inline constexpr int kTagOrderRoot = 900;

struct TreeEntry {
    int itemTag = 0;
    std::string text;
    int level = 0;  // 0 for the two roots, 1 below them
    bool operator==(const TreeEntry&) const = default;
};

struct CategoryTree {
    std::vector<TreeEntry> entries;  // in display order
    // Short names of suppliers 1-3, also used by the part editor and the
    // order dialogs.
    std::array<std::string, kSupplierCount> supplierNames;
    int categoryCount = 0;
    std::string statusText;  // status-bar field 0
};

// Reads the category and supplier names from folder + "teile.dat".
CategoryTree FillCategoryTree(const std::string& folder);

// Trimmed "k901" ... "k903", or "Lieferant 1" ... "Lieferant 3" when blank.
std::array<std::string, kSupplierCount> SupplierShortNames(const std::string& folder);

// "<n> Kategorie(n)"
std::string CategoryCountText(int count);
