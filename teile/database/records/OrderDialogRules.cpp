#include "records/OrderDialogRules.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "DataFiles.h"
#include "IniStore.h"
#include "Records.h"
#include "TextRules.h"
#include "lists/CategoryTree.h"
#include "records/OrderOperations.h"
#include "records/WriteTransaction.h"

namespace {

std::string StoredValue(const std::string& folder, int list, int slot) {
    if (slot < 0 || slot > kHighestSlot) {
        return {};
    }
    return ReadIniFile(ListFilePath(folder, list))->Value(kListGroup, SlotKey(slot));
}

}  // namespace

int ProposedOrderQuantity(std::string_view partRecord) {
    const std::vector<std::string> fields = SplitFields(partRecord);
    const std::int64_t stock = IntegerOfText(FieldOf(fields, kFieldStock));
    const std::int64_t target = IntegerOfText(FieldOf(fields, kFieldTarget));
    if (target <= 0 || stock > target) {
        return 1;
    }
    // In 64 bits: a negative stock far below the target must not wrap round.
    const std::int64_t proposal = target - stock + 1;
    return static_cast<int>(std::min<std::int64_t>(proposal, std::numeric_limits<int>::max()));
}

std::optional<OrderStart> StartOrder(const std::string& folder, int itemTag,
                                     std::optional<int> rowSlot) {
    if (!IsCategoryNumber(itemTag) || !rowSlot) {
        return std::nullopt;
    }
    const std::string record = StoredValue(folder, itemTag, *rowSlot);
    if (IsBlank(record)) {
        return std::nullopt;
    }
    return OrderStart{itemTag, *rowSlot, std::to_string(ProposedOrderQuantity(record))};
}

std::optional<PositionToEdit> ReadPositionToEdit(const std::string& folder, int orderList,
                                                 int slot) {
    if (!IsOrderListNumber(orderList)) {
        return std::nullopt;
    }
    const std::string position = StoredValue(folder, orderList, slot);
    if (IsBlank(position)) {
        return std::nullopt;
    }
    const std::vector<std::string> fields = SplitFields(position);
    const std::optional<PartReference> part = PartReference::Parse(FieldOf(fields, 1));
    return PositionToEdit{FieldOf(fields, 2), IntegerOfText(FieldOf(fields, 3)) != 0,
                          part ? StoredValue(folder, part->category, part->slot) : std::string()};
}

bool BookingFitsFile(std::string_view partRecord, int orderList, std::string_view quantity,
                     std::string_view newPrice) {
    return IsBlank(partRecord) || !IsOrderListNumber(orderList) ||
           ValueFitsFile(BookedRecord(partRecord, SupplierOfList(orderList), quantity, newPrice));
}

bool QuantityAllowsAction(std::string_view quantity) {
    return !IsBlank(quantity) && IntegerOfText(quantity) != 0;
}
