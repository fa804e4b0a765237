#pragma once
// The one way every reader walks a list file: slots 0 to the scan limit of
// "max", blank slots skipped. Works on a parsed snapshot so a whole scan
// costs one parse of the file.

#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "DataFiles.h"
#include "IniStore.h"
#include "Records.h"
#include "TextRules.h"

// visit(slot, value) for every non-blank record; the value is as the reader
// returns it (trimmed). A visitor returning bool stops the scan with true.
template <typename Visit>
void ForEachListRecord(const IniDocument& list, Visit&& visit) {
    const int limit = ScanLimit(list.Value(kListGroup, kMaxKey));
    std::string key = "t";
    for (int slot = 0; slot <= limit; ++slot) {
        key.resize(1);
        key += std::to_string(slot);
        const std::optional<std::string> value = list.Find(kListGroup, key);
        if (!value || IsBlank(*value)) {
            continue;
        }
        if constexpr (std::is_same_v<decltype(visit(slot, std::string_view(*value))), bool>) {
            if (visit(slot, std::string_view(*value))) {
                return;
            }
        } else {
            visit(slot, std::string_view(*value));
        }
    }
}

// Field `number` (1-based) of a ";"-separated value without copying the rest;
// "" when the value has fewer fields.
inline std::string_view FieldView(std::string_view value, int number) {
    std::size_t start = 0;
    for (int field = 1; field < number; ++field) {
        const std::size_t next = value.find(';', start);
        if (next == std::string_view::npos) {
            return {};
        }
        start = next + 1;
    }
    const std::size_t end = value.find(';', start);
    return value.substr(start,
                        end == std::string_view::npos ? std::string_view::npos : end - start);
}

// The slots 0 to the scan limit that hold a non-blank value.
std::vector<int> OccupiedSlots(const IniDocument& list);
bool HasRecords(const IniDocument& list);

// The slots of an order list whose position names `part`: field 1 parses to
// it, however it is spelled.
std::vector<int> PositionsNaming(const IniDocument& orderList, const PartReference& part);
