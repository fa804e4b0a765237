#pragma once
// Names of the data files, groups and limits of the parts database.

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
// folder + "k" + number + ".dat", for categories 0-49 and order lists 901-903.
std::string ListFilePath(std::string_view folder, int listNumber);
// "t" + slot
std::string SlotKey(int slot);
