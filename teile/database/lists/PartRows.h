#pragma once
// The rows of the part list in memory, read from a category file or from an
// order list plus the parts its positions name.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "Records.h"

// The record fields a row keeps as text: 1 (name) to 12 (storage place); the
// stock and target stock are kept as numbers.
inline constexpr int kPartRowTextCount = kFieldPlace;

// One row of the part list. In a category list it is one part; in an order
// list one position together with the part it names.
struct PartRow {
    // Record fields 1-12 by field number: Text(1) name ... Text(12) storage
    // place. Field 3 reads "k.A." where the record says "frei"; in an order
    // list Text(6) is the part's order number at that list's supplier.
    std::array<std::string, kPartRowTextCount> texts;
    int amount = 0;          // stock; in an order list the position's quantity
    int target = 0;          // target stock; in an order list the hidden flag
    double unitPrice = 0.0;  // order lists: price at the list's supplier
    double total = 0.0;      // order lists: unit price x quantity
    int slot = -1;           // slot of the record in its list file

    const std::string& Text(int field) const {
        return texts.at(static_cast<std::size_t>(field - 1));
    }
    std::string& Text(int field) { return texts.at(static_cast<std::size_t>(field - 1)); }
    bool IsHiddenPosition() const { return target == 1; }
};

// The rows of the category file listFile, in slot order.
std::vector<PartRow> ReadCategoryRows(const std::string& listFile);

// The rows of an order list of `supplier` (1-3). Each position's part is
// looked up in folder + "k" + category + ".dat" through its strictly parsed
// reference; a reference that names no part gives a row with empty texts and
// the position's quantity. Each category file is parsed at most once.
std::vector<PartRow> ReadOrderRows(const std::string& listFile, int supplier,
                                   const std::string& folder);

// Rows of the list `listNumber` (0-49 a category, 901-903 an order list) in
// `folder`; none for any other number.
std::vector<PartRow> ReadPartRows(const std::string& folder, int listNumber);

// The row of one part record (category lists).
PartRow PartRowOfRecord(std::string_view record, int slot);
