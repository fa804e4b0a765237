#include "ListScan.h"

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

std::vector<int> PositionsNaming(const IniDocument& orderList, std::string_view reference) {
    std::vector<int> slots;
    ForEachListRecord(orderList, [&](int slot, std::string_view position) {
        if (EqualsIgnoringCase(TrimView(FieldView(position, 1)), TrimView(reference))) {
            slots.push_back(slot);
        }
    });
    return slots;
}
