#pragma once
// What a printed page says, gathered from the data files through the same
// engine functions the main window lists with, before anything is laid out.
// Plain C++; every text is cp1252 bytes as the files hold it.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "lists/ListState.h"

// A category list as the main window lists it.
struct CategoryContent {
    struct Column {
        std::string title;
        double share = 0.0;  // of the printable width; the shares add up to 1
        ColumnAlignment alignment = kAlignLeft;
    };
    struct Row {
        std::vector<std::string> cells;  // one per column
        bool shortage = false;           // red in the list
    };

    std::string name;
    std::vector<Column> columns;
    std::vector<Row> rows;  // sorted by name
    std::string countText;  // "37 Teil(e) in dieser Kategorie"
};

// The user's columns in their order, stock and target added at the end when
// the user shows neither; the rows sorted by name. A category without a name
// is called "Nr. <n>".
CategoryContent ReadCategoryContent(const std::string& folder, int category);

// An order letter to one supplier.
struct OrderContent {
    // Each block holds its lines without blanks and "k.A."; an address that is
    // missing or malformed leaves its block empty.
    std::vector<std::string> sender;     // the user's invoice address
    std::vector<std::string> contact;    // "Telefon: ...", "E-Mail: ..."
    std::vector<std::string> recipient;  // company, contact, street, town
    std::string customerNumber;          // "" when none is stored
    std::vector<std::string> delivery;   // "lief", or the invoice address
    bool business = false;               // "Firma" rather than "Privat"
    std::string signature;               // the sender's name as signed

    std::string supplierName;  // the supplier's short name
    // Menge, Bestell-Nr., Bezeichnung, Einzelpreis, Gesamtpreis as the order
    // list shows them, hidden positions left out, in its default order.
    std::vector<std::array<std::string, kOrderColumnCount>> positions;
    std::optional<std::string> sum;  // the list's "Gesamtsumme:", none for an empty list
    bool smallPrint = false;         // "klein" = "JA" in group "ausgabe"
};

OrderContent ReadOrderContent(const std::string& folder, int supplier);
