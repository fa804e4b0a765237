#include "Slots.h"

#include <algorithm>
#include <memory>

#include "DataFiles.h"
#include "IniStore.h"
#include "Records.h"
#include "TextRules.h"

FreeSlot FindFreePartSlot(const std::string& listFile) {
    constexpr int kNone = -1;
    const std::shared_ptr<const IniDocument> list = ReadIniFile(listFile);
    const int limit = ScanLimit(list->Value(kListGroup, kMaxKey));
    int freeSlot = kNone;
    int highestUsed = -1;
    for (int slot = 0; slot <= limit; ++slot) {
        if (IsBlank(list->Value(kListGroup, SlotKey(slot)))) {
            if (freeSlot == kNone) {
                freeSlot = slot;
            }
        } else {
            highestUsed = slot;
        }
    }
    if (freeSlot == kNone && limit < kHighestSlot) {
        // Normally highest + 1. A file whose "max" is too low may hide records
        // above it; never write over one of those.
        for (int slot = highestUsed + 1; slot <= kHighestSlot; ++slot) {
            if (IsBlank(list->Value(kListGroup, SlotKey(slot)))) {
                freeSlot = slot;
                break;
            }
            highestUsed = slot;
        }
    }
    const int newMax = std::max({highestUsed, freeSlot, 0});
    if (!WriteIniValue(kListGroup, kMaxKey, std::to_string(newMax), listFile)) {
        return kSlotWriteFailed;
    }
    return freeSlot == kNone ? kNoFreeSlot : FreeSlot::At(freeSlot);
}

int FindFreeCategorySlot(const std::string& mainFile) {
    const std::shared_ptr<const IniDocument> main = ReadIniFile(mainFile);
    for (int category = 0; category < kCategoryCount; ++category) {
        if (IsBlank(main->Value(kCategoryGroup, CategoryNameKey(category)))) {
            return category;
        }
    }
    return -1;
}
