#include "lists/ListScan.h"

std::vector<int> OccupiedSlots(const IniDocument& list) {
    std::vector<int> slots;
    ForEachListRecord(list, [&slots](int slot, std::string_view) { slots.push_back(slot); });
    return slots;
}

bool HasRecords(const IniDocument& list) {
    bool found = false;
    ForEachListRecord(list, [&found](int, std::string_view) {
        found = true;
        return true;
    });
    return found;
}

std::vector<int> PositionsNaming(const IniDocument& orderList, const PartReference& part) {
    std::vector<int> slots;
    ForEachListRecord(orderList, [&](int slot, std::string_view position) {
        if (PartReference::Parse(FieldView(position, 1)) == part) {
            slots.push_back(slot);
        }
    });
    return slots;
}
