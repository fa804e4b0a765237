#include "lists/FieldSuggestions.h"

#include <algorithm>
#include <memory>
#include <unordered_set>

#include "IniStore.h"
#include "Records.h"
#include "TextRules.h"
#include "lists/ListScan.h"

FieldValueTable CollectFieldValues(const std::string& listFile, int field) {
    const std::shared_ptr<const IniDocument> list = ReadIniFile(listFile);
    FieldValueTable table;
    if (field < 1 || field > kPartFieldCount) {
        return table;
    }
    std::unordered_set<std::string> seen;  // lower-case forms
    ForEachListRecord(*list, [&](int, std::string_view record) {
        if (static_cast<int>(table.values.size()) >= kMaxFieldValues) {
            return true;
        }
        const std::string_view value = FieldView(record, field);
        if (IsBlank(value) || !seen.insert(ToLowerCp1252(value)).second) {
            return false;
        }
        table.values.emplace_back(value);
        return false;
    });
    std::stable_sort(
        table.values.begin(), table.values.end(),
        [](const std::string& a, const std::string& b) { return CompareIgnoringCase(a, b) < 0; });
    table.lastIndexText = std::to_string(static_cast<int>(table.values.size()) - 1);
    return table;
}

std::vector<std::string> FillValueSuggestions(const std::string& listFile, int which) {
    int field = 0;
    switch (which) {
    case kSuggestPackage: field = kFieldPackage; break;
    case kSuggestTolerance: field = kFieldTolerance; break;
    case kSuggestRange: field = kFieldRange; break;
    default: return {};
    }
    std::vector<std::string> suggestions = CollectFieldValues(listFile, field).values;
    std::erase_if(suggestions, [](const std::string& value) { return value.empty(); });
    return suggestions;
}
