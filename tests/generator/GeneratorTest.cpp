// The benchmarks measure only what the generator really wrote, so the
// database must be what it claims: full lists of whole records, side entries
// that resolve below the folder and order positions that name stored parts.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "DataFiles.h"
#include "FolderToken.h"
#include "IniStore.h"
#include "LargestDatabase.h"
#include "Records.h"
#include "TextRules.h"

namespace {

// "k" + number and "a" + number, the keys of names and addresses.
std::string NumberedKey(char prefix, int number) {
    std::string key(1, prefix);
    key += std::to_string(number);
    return key;
}

std::string StoredRecord(const IniDocument& list, int slot) {
    return list.Value(kListGroup, SlotKey(slot));
}

TEST(LargestDatabase, HoldsFiftyNamedCategoriesOfFiveHundredWholeRecords) {
    const TemporaryDatabase database;
    const std::string& folder = database.Folder();
    const auto main = ReadIniFile(MainFilePath(folder));

    std::set<std::string> names;
    for (int category = 0; category < kCategoryCount; ++category) {
        names.insert(main->Value(kCategoryGroup, NumberedKey('k', category)));
    }
    EXPECT_EQ(names.size(), 50u);
    EXPECT_EQ(names.count(""), 0u);
    EXPECT_TRUE(names.count("Widerst\xE4nde"));
    for (int list = 901; list <= 903; ++list) {
        EXPECT_FALSE(IsBlank(main->Value(kCategoryGroup, NumberedKey('k', list)))) << list;
        EXPECT_TRUE(SupplierAddress::Parse(main->Value(kAddressGroup, NumberedKey('a', list))))
            << list;
    }
    EXPECT_TRUE(UserAddress::ParseInvoice(main->Value(kAddressGroup, "rech")));
    EXPECT_TRUE(UserAddress::ParseDelivery(main->Value(kAddressGroup, "lief")));

    int records = 0;
    for (int category = 0; category < kCategoryCount; ++category) {
        const auto list = ReadIniFile(ListFilePath(folder, category));
        ASSERT_EQ(ScanLimit(list->Value(kListGroup, kMaxKey)), kHighestSlot);
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const std::string value = StoredRecord(*list, slot);
            const auto fields = SplitFields(value);
            ASSERT_EQ(fields.size(), 14u) << "k" << category << "t" << slot << ": " << value;
            EXPECT_FALSE(IsBlank(fields[0]));
            EXPECT_GE(IntegerOfText(fields[12]), 0);
            EXPECT_GT(IntegerOfText(fields[13]), 0);
            // The reader cuts values at 254 characters; a cut record would
            // lose its stock fields.
            EXPECT_LT(value.size(), 254u);
            ++records;
        }
    }
    EXPECT_EQ(records, kCategoryCount * kSlotCount);
}

TEST(LargestDatabase, WithHolesLeavesExactlyTheHolesEmptyAndStoresSomeRecordsOutOfOrder) {
    const TemporaryDatabase database({.withHoles = true});
    int holes = 0;
    int listsOutOfOrder = 0;
    for (int category = 0; category < kCategoryCount; ++category) {
        const auto list = ReadIniFile(ListFilePath(database.Folder(), category));
        EXPECT_EQ(ScanLimit(list->Value(kListGroup, kMaxKey)), kHighestSlot);
        int stored = 0;
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const bool hole = IsLargestDatabaseHole(category, slot);
            const std::string value = StoredRecord(*list, slot);
            ASSERT_EQ(IsBlank(value), hole) << "k" << category << "t" << slot;
            if (hole) {
                ++holes;
            } else {
                EXPECT_EQ(SplitFields(value).size(), 14u);
                ++stored;
            }
        }
        // Every key once ("max" and the records), but not in slot order.
        const auto entries = list->Entries(kListGroup);
        EXPECT_EQ(static_cast<int>(entries.size()), stored + 1);
        int previous = -1;
        bool outOfOrder = false;
        for (const IniEntry& entry : entries) {
            if (entry.key == kMaxKey) {
                continue;
            }
            const int slot = IntegerOfText(std::string_view(entry.key).substr(1));
            outOfOrder = outOfOrder || slot < previous;
            previous = slot;
        }
        listsOutOfOrder += outOfOrder ? 1 : 0;
    }
    const int slots = kCategoryCount * kSlotCount;
    EXPECT_GT(holes, slots / 8);
    EXPECT_LT(holes, slots / 6);
    EXPECT_GT(listsOutOfOrder, kCategoryCount / 2);
}

TEST(LargestDatabase, SideEntriesAndOrderPositionsReferToStoredParts) {
    for (const bool withHoles : {false, true}) {
        SCOPED_TRACE(withHoles ? "with holes" : "full");
        const TemporaryDatabase database({.withHoles = withHoles});
        const std::string& folder = database.Folder();

        std::vector<std::shared_ptr<const IniDocument>> sideFiles;
        for (const SideGroup& side : kSideGroups) {
            sideFiles.push_back(ReadIniFile(folder + std::string(side.file)));
        }
        int stored = 0;
        for (int category = 0; category < kCategoryCount; ++category) {
            const auto list = ReadIniFile(ListFilePath(folder, category));
            for (int slot = 0; slot < kSlotCount; ++slot) {
                if (IsBlank(StoredRecord(*list, slot))) {
                    continue;
                }
                ++stored;
                const std::string reference = PartReference{category, slot}.Text();
                for (std::size_t i = 0; i < sideFiles.size(); ++i) {
                    const std::string value = sideFiles[i]->Value(kSideGroups[i].group, reference);
                    ASSERT_FALSE(MeansNoFile(value)) << kSideGroups[i].group << " " << reference;
                    const std::string path = ResolveFolderToken(value, folder);
                    EXPECT_EQ(path.rfind(folder, 0), 0u) << path;
                    EXPECT_EQ(path.find('\\'), std::string::npos) << path;
                }
            }
        }
        // No entries for parts that are not there.
        for (std::size_t i = 0; i < sideFiles.size(); ++i) {
            EXPECT_EQ(static_cast<int>(sideFiles[i]->Entries(kSideGroups[i].group).size()), stored)
                << kSideGroups[i].group;
        }

        for (int list = 901; list <= 903; ++list) {
            const auto positions = ReadIniFile(ListFilePath(folder, list));
            ASSERT_EQ(ScanLimit(positions->Value(kListGroup, kMaxKey)), kHighestSlot);
            std::set<std::string> ordered;
            int hidden = 0;
            for (int slot = 0; slot < kSlotCount; ++slot) {
                const OrderPosition position = OrderPosition::Parse(StoredRecord(*positions, slot));
                const auto reference = PartReference::Parse(position.reference);
                ASSERT_TRUE(reference) << list << " t" << slot << ": " << position.reference;
                const auto part = ReadIniFile(ListFilePath(folder, reference->category));
                EXPECT_FALSE(IsBlank(StoredRecord(*part, reference->slot))) << position.reference;
                EXPECT_TRUE(ordered.insert(position.reference).second) << position.reference;
                EXPECT_GT(IntegerOfText(position.quantity), 0);
                EXPECT_TRUE(position.hidden == "0" || position.hidden == "1");
                hidden += position.IsHidden() ? 1 : 0;
            }
            EXPECT_GT(hidden, 0);
            EXPECT_LT(hidden, kSlotCount);
        }
    }
}

TEST(LargestDatabase, TemporaryDatabaseRemovesItsFolder) {
    std::string folder;
    {
        const TemporaryDatabase database;
        folder = database.Folder();
        EXPECT_TRUE(std::filesystem::exists(MainFilePath(folder)));
    }
    EXPECT_FALSE(std::filesystem::exists(folder));
}

}  // namespace
