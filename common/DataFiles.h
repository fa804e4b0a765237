#pragma once
// Names of the data files, groups and limits of the parts database, and the
// one place that knows how list numbers, keys and file names belong together.

#include <string>
#include <string_view>

inline constexpr std::string_view kMainFile = "teile.dat";
inline constexpr std::string_view kPictureFile = "bilder.dat";
inline constexpr std::string_view kDatasheetFile = "datenblaetter.dat";

inline constexpr std::string_view kCategoryGroup = "kategorie";
inline constexpr std::string_view kAddressGroup = "Adressen";
inline constexpr std::string_view kListGroup = "teil";
inline constexpr std::string_view kMaxKey = "max";

inline constexpr int kCategoryCount = 50;  // numbers 0-49
inline constexpr int kSlotCount = 500;     // slots 0-499 in every list file
inline constexpr int kHighestSlot = kSlotCount - 1;
inline constexpr int kSupplierCount = 3;
inline constexpr int kFirstOrderList = 901;  // supplier s has list 900 + s

// List numbers: 0-49 a category, 901-903 the order list of supplier 1-3.
constexpr bool IsCategoryNumber(int number) { return number >= 0 && number < kCategoryCount; }
constexpr bool IsOrderListNumber(int number) {
    return number >= kFirstOrderList && number < kFirstOrderList + kSupplierCount;
}
constexpr bool IsListNumber(int number) {
    return IsCategoryNumber(number) || IsOrderListNumber(number);
}
constexpr bool IsSlotNumber(int slot) { return slot >= 0 && slot <= kHighestSlot; }

// Supplier s (1-3) and its order list 900 + s.
constexpr int OrderListOfSupplier(int supplier) { return kFirstOrderList - 1 + supplier; }
// 1-3 for an order list; 0 for a category, which is also the list mode of a
// category list.
constexpr int SupplierOfList(int listNumber) {
    return IsOrderListNumber(listNumber) ? listNumber - (kFirstOrderList - 1) : 0;
}

// The four side groups keyed by a part reference, in their fixed order:
// datasheet 1, datasheet 2, picture 1, picture 2.
struct SideGroup {
    std::string_view file;
    std::string_view group;
};
inline constexpr SideGroup kSideGroups[4] = {
    {kDatasheetFile, "datenblatt"},
    {kDatasheetFile, "datenblatt2"},
    {kPictureFile, "bild0"},
    {kPictureFile, "bild1"},
};

// folder + "teile.dat" and friends.
std::string MainFilePath(std::string_view folder);
std::string PictureFilePath(std::string_view folder);
std::string DatasheetFilePath(std::string_view folder);
// "k" + number + ".dat", for categories 0-49 and order lists 901-903.
std::string ListFileName(int listNumber);
// folder + ListFileName(listNumber).
std::string ListFilePath(std::string_view folder, int listNumber);
// "k" + number in group "kategorie" of "teile.dat": the name of a category,
// or for 901-903 the short name of that supplier.
std::string CategoryNameKey(int listNumber);
// "t" + slot
std::string SlotKey(int slot);
