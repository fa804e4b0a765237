#include "lists/PartRows.h"

#include <memory>

#include "DataFiles.h"
#include "IniStore.h"
#include "Records.h"
#include "TextRules.h"
#include "lists/ListScan.h"

namespace {

void FillTextsOfRecord(PartRow& row, std::string_view record) {
    std::size_t start = 0;
    for (int field = 1; field <= kPartFieldCount; ++field) {
        const std::size_t end = record.find(';', start);
        const std::string_view text = record.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (field <= kPartRowTextCount) {
            row.Text(field).assign(text);
        } else if (field == kFieldStock) {
            row.amount = IntegerOfText(text);
        } else {
            row.target = IntegerOfText(text);
        }
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    if (EqualsIgnoringCase(TrimView(row.Text(kFieldRange)), "frei")) {
        row.Text(kFieldRange) = "k.A.";
    }
}

}  // namespace

PartRow PartRowOfRecord(std::string_view record, int slot) {
    PartRow row;
    FillTextsOfRecord(row, record);
    row.slot = slot;
    return row;
}

std::vector<PartRow> ReadCategoryRows(const std::string& listFile) {
    const std::shared_ptr<const IniDocument> list = ReadIniFile(listFile);
    std::vector<PartRow> rows;
    rows.reserve(kSlotCount);
    ForEachListRecord(*list, [&](int slot, std::string_view record) {
        rows.push_back(PartRowOfRecord(record, slot));
    });
    return rows;
}

std::vector<PartRow> ReadOrderRows(const std::string& listFile, int supplier,
                                   const std::string& folder) {
    const std::shared_ptr<const IniDocument> list = ReadIniFile(listFile);
    // One snapshot per category file for the whole list, not one per position.
    std::array<std::shared_ptr<const IniDocument>, kCategoryCount> categories;
    std::vector<PartRow> rows;
    rows.reserve(kSlotCount);
    ForEachListRecord(*list, [&](int slot, std::string_view value) {
        const OrderPosition position = OrderPosition::Parse(value);
        PartRow row;
        // Only the strict reference form reaches a file name, so a crafted
        // reference can never make us read anything but our own list files.
        if (const std::optional<PartReference> part = PartReference::Parse(position.reference)) {
            auto& file = categories[static_cast<std::size_t>(part->category)];
            if (!file) {
                file = ReadIniFile(ListFilePath(folder, part->category));
            }
            const std::optional<std::string> record = file->Find(kListGroup, SlotKey(part->slot));
            if (record && !IsBlank(*record)) {
                FillTextsOfRecord(row, *record);
                row.Text(kFieldOrderNumber1) =
                    std::string(FieldView(*record, OrderNumberField(supplier)));
                row.unitPrice = PriceOfText(FieldView(*record, PriceField(supplier)));
            }
        }
        row.amount = IntegerOfText(position.quantity);
        row.target = IntegerOfText(position.hidden);
        row.total = row.unitPrice * row.amount;
        row.slot = slot;
        rows.push_back(std::move(row));
    });
    return rows;
}

std::vector<PartRow> ReadPartRows(const std::string& folder, int listNumber) {
    if (IsCategoryNumber(listNumber)) {
        return ReadCategoryRows(ListFilePath(folder, listNumber));
    }
    if (IsOrderListNumber(listNumber)) {
        return ReadOrderRows(ListFilePath(folder, listNumber), SupplierOfList(listNumber), folder);
    }
    return {};
}
