#include "ColumnSettings.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "DataFiles.h"
#include "IniStore.h"
#include "Records.h"
#include "TextRules.h"

namespace {

constexpr std::string_view kColumnGroup = "spalte";
// The widest column teile keeps; only the proportions matter on paper.
constexpr int kWidestColumn = 9999;

// Exactly three fields, a content of 1-14, a positive width and an alignment
// that is not negative; anything else is a damaged entry and is skipped.
std::optional<ListColumn> ParseColumn(std::string_view value) {
    if (std::count(value.begin(), value.end(), ';') != 2) {
        return std::nullopt;
    }
    const std::vector<std::string> fields = SplitFields(value);
    const int content = IntegerOfText(fields[0]);
    const int width = IntegerOfText(fields[1]);
    const int alignment = IntegerOfText(fields[2]);
    if (content < 1 || content > kMaxListColumns || width <= 0 || alignment < 0) {
        return std::nullopt;
    }
    const bool known = alignment == kAlignRight || alignment == kAlignCentred;
    return MakeListColumn(content, std::clamp(width, kNarrowestColumn, kWidestColumn),
                          known ? alignment : kAlignLeft);
}

}  // namespace

ColumnSet ReadColumnDefinition(const std::string& folder) {
    const std::shared_ptr<const IniDocument> file = ReadIniFile(MainFilePath(folder));
    ColumnSet columns;
    for (int number = 1; number <= kMaxListColumns; ++number) {
        if (std::optional<ListColumn> column =
                ParseColumn(file->Value(kColumnGroup, "s" + std::to_string(number)))) {
            columns.push_back(std::move(*column));
        }
    }
    return columns.empty() ? DefaultListColumns() : columns;
}
