#pragma once
// The record types stored in the data files and their text forms.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The pieces of a value split at every ";" (the value is not trimmed).
std::vector<std::string> SplitFields(std::string_view value);
// Field `number` (1-based) of a split value, "" when it does not exist.
std::string FieldOf(const std::vector<std::string>& fields, int number);
std::string JoinFields(const std::vector<std::string>& fields);
// Field `number` (1-based) of a ";"-separated record replaced by `text`; the
// number of fields stays as it was (a ";" in `text` becomes ","), and a
// record with fewer fields comes back unchanged.
std::string ReplaceField(std::string_view record, int number, std::string_view text);

// Field numbers of a part record (1-based, as the column definitions use them).
enum PartField : int {
    kFieldName = 1,
    kFieldRemark = 2,
    kFieldRange = 3,
    kFieldPackage = 4,
    kFieldTolerance = 5,
    kFieldOrderNumber1 = 6,  // supplier s: 5 + s
    kFieldPrice1 = 9,        // supplier s: 8 + s
    kFieldPlace = 12,
    kFieldStock = 13,
    kFieldTarget = 14,
};
inline constexpr int kPartFieldCount = 14;
inline constexpr int OrderNumberField(int supplier) { return 5 + supplier; }
inline constexpr int PriceField(int supplier) { return 8 + supplier; }

// The value of key "t" + slot in a category file: 14 fields joined by ";".
struct PartRecord {
    std::array<std::string, kPartFieldCount> fields;

    // Missing trailing fields read as "", pieces after the 14th are ignored.
    static PartRecord Parse(std::string_view value);
    // The defaults of a new part with the given name.
    static PartRecord NewPart(std::string_view name);

    const std::string& Field(int number) const { return fields.at(number - 1); }
    std::string& Field(int number) { return fields.at(number - 1); }
    // Field 3 as shown and edited: "k.A." when it reads "frei".
    std::string ShownRange() const;
    std::string Join() const;
};

// "k" + category + "t" + slot: the key of a part's pictures and datasheets
// and field 1 of an order position. Written always as Text() spells it.
struct PartReference {
    int category = -1;
    int slot = -1;

    // What reads as a reference, letter case ignored: "k", the category, "t",
    // the slot, with blanks or tabs allowed around the whole text and around
    // each number. A number is one or more decimal digits, leading zeros
    // allowed ("k00t0", "k0 t 0" and " K0T0 " all name slot 0 of category 0);
    // the category must be 0-49, the slot 0-499. Anything else - a sign, "$",
    // any other character, a second "t" - is no reference, so a crafted text
    // can never name a file of its own. Two spellings name the same part
    // exactly when their parsed references are equal: compare those, never
    // the texts.
    static std::optional<PartReference> Parse(std::string_view text);
    // "k" + category + "t" + slot, lower case, no zeros in front.
    std::string Text() const;
    bool operator==(const PartReference&) const = default;
};

// The value of key "t" + slot in an order list: reference;quantity;hidden.
struct OrderPosition {
    std::string reference;
    std::string quantity;
    std::string hidden;  // "0" shown, "1" hidden

    static OrderPosition Parse(std::string_view value);
    std::string Join() const;
    bool IsHidden() const;
    // The part field 1 names, nothing when it is no reference.
    std::optional<PartReference> Part() const { return PartReference::Parse(reference); }
};

// Eight fields of a supplier's address (key "a" + list number in "Adressen").
struct SupplierAddress {
    std::array<std::string, 8> fields;
    // Exactly 7 ";" or it is absent.
    static std::optional<SupplierAddress> Parse(std::string_view value);
    // Every field trimmed and without ";".
    std::string Join() const;
};

// The user's own addresses (keys "rech", "lief", "LgleichR" in "Adressen").
struct UserAddress {
    std::array<std::string, 8> invoice;  // field 8: "0" private, "1" business
    std::array<std::string, 4> delivery;
    bool deliveryIsInvoice = false;

    // "rech": 8 fields; the older 7-field form reads as if ";0" followed.
    static std::optional<std::array<std::string, 8>> ParseInvoice(std::string_view value);
    static std::optional<std::array<std::string, 4>> ParseDelivery(std::string_view value);
    std::string JoinInvoice() const;
    std::string JoinDelivery() const;
};

// The highest slot a scan visits, from the value of "max": missing or blank
// gives 499, -1 (and anything below 0) gives 0, above 499 gives 499.
int ScanLimit(std::string_view maxValue);
