#include "records/OrderOperations.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "DataFiles.h"
#include "IniStore.h"
#include "Messages.h"
#include "Slots.h"
#include "TextRules.h"
#include "lists/ListScan.h"
#include "records/NewRecordSlot.h"
#include "records/PartClipboard.h"
#include "records/PartOperations.h"
#include "records/WriteTransaction.h"

namespace {

using namespace messages;

// Stock plus delivery without wrapping round on absurd numbers.
std::string StockAfterBooking(std::string_view stock, std::string_view quantity) {
    const std::int64_t sum =
        static_cast<std::int64_t>(IntegerOfText(stock)) + IntegerOfText(quantity);
    const std::int64_t clamped = std::clamp<std::int64_t>(sum, std::numeric_limits<int>::min(),
                                                          std::numeric_limits<int>::max());
    return std::to_string(clamped);
}

// The part a position names, or nothing when the reference is no reference.
std::optional<PartReference> PartOfPosition(std::string_view position) {
    return PartReference::Parse(FieldOf(SplitFields(position), 1));
}

}  // namespace

std::string BookedRecord(std::string_view record, int supplier, std::string_view quantity,
                         std::string_view newPrice) {
    // A damaged record short of fields would silently lose the delivery.
    std::string booked = SplitFields(record).size() < kPartFieldCount
                             ? PartRecord::Parse(record).Join()
                             : std::string(record);
    const std::string stock = FieldOf(SplitFields(booked), kFieldStock);
    booked = ReplaceField(booked, kFieldStock, StockAfterBooking(stock, quantity));
    return ReplaceField(booked, PriceField(supplier), newPrice);
}

OperationOutcome AddOrderPosition(const std::string& folder, int supplier,
                                  const PartReference& part, std::string_view quantity,
                                  Prompter& prompter) {
    if (supplier < 1 || supplier > kSupplierCount || !IsCategoryNumber(part.category) ||
        !IsSlotNumber(part.slot)) {
        return OperationOutcome::Refused();
    }
    const std::string orderFile = ListFilePath(folder, OrderListOfSupplier(supplier));
    const std::string reference = part.Text();
    // The same part in whatever spelling is the same order.
    if (!PositionsNaming(*ReadIniFile(orderFile), part).empty()) {
        prompter.Tell(kTitleWarning, kAlreadyOrdered, MessageIcon::Warning);
        return OperationOutcome::Refused();
    }
    WriteTransaction writes;
    const NewRecordSlot slot = TakeNewRecordSlot(writes, orderFile, kOrderListFull, prompter);
    if (!slot.Taken()) {
        return slot.refusal;
    }
    FileChange orders(orderFile);
    orders.Set(kListGroup, SlotKey(slot.slot),
               reference + ";" + WithoutSemicolons(quantity) + ";0");
    if (!writes.Write(orders)) {
        return writes.FailureOutcome();
    }
    prompter.Tell(kTitleInfo, kAddedToOrder, MessageIcon::Information);
    OperationOutcome outcome;
    outcome.closeDialog = true;
    return outcome;
}

OperationOutcome SaveOrderPosition(const std::string& folder, int orderList, int slot,
                                   std::string_view quantity, bool hidden) {
    if (!IsOrderListNumber(orderList) || !IsSlotNumber(slot)) {
        return OperationOutcome::Refused();
    }
    const ListReload reload{orderList, SupplierOfList(orderList), slot};
    FileChange orders(ListFilePath(folder, orderList));
    const std::string position = orders.Value(kListGroup, SlotKey(slot));
    if (IsBlank(position)) {
        // The position went away meanwhile: writing now would make up one
        // that names no part.
        OperationOutcome outcome = OperationOutcome::Refused();
        outcome.reload = ListReload{orderList, reload.mode, -1};
        outcome.closeDialog = true;
        return outcome;
    }
    const std::string reference = FieldOf(SplitFields(position), 1);
    orders.Set(kListGroup, SlotKey(slot),
               reference + ";" + WithoutSemicolons(quantity) + ";" + (hidden ? "1" : "0"));
    WriteTransaction writes;
    if (!writes.Write(orders)) {
        return writes.FailureOutcome();
    }
    OperationOutcome outcome;
    outcome.reload = reload;
    outcome.closeDialog = true;
    return outcome;
}

OperationOutcome BookInOrderPosition(const std::string& folder, int orderList, int slot,
                                     const std::vector<int>& shownSlots, std::string_view quantity,
                                     std::string_view newPrice, PartClipboard& clipboard,
                                     Prompter& prompter) {
    if (!IsOrderListNumber(orderList) || !IsSlotNumber(slot)) {
        return OperationOutcome::Refused();
    }
    const int supplier = SupplierOfList(orderList);
    FileChange orders(ListFilePath(folder, orderList));
    const std::string position = orders.Value(kListGroup, SlotKey(slot));
    orders.Set(kListGroup, SlotKey(slot), "");

    OperationOutcome outcome;
    outcome.reload = ListReload{orderList, supplier, SlotToSelectAfterRemoval(shownSlots, slot)};
    if (!HasRecords(orders.Document())) {
        for (Command command : {Command::EditPart, Command::DeletePart, Command::CopyPart,
                                Command::SortAscending, Command::SortDescending}) {
            outcome.commands.push_back({command, false});
        }
    }

    const std::optional<PartReference> part = PartOfPosition(position);
    std::optional<FileChange> category;
    if (part) {
        category.emplace(ListFilePath(folder, part->category));
    }
    if (category && !category->Readable()) {
        // Unreadable is not "no part": the position must not go for nothing.
        return OperationOutcome::WriteFailure();
    }
    WriteTransaction writes;
    if (!writes.Write(orders)) {
        return OperationOutcome::WriteFailure();
    }
    clipboard.Clear();
    outcome.commands.push_back({Command::PastePart, false});
    const std::string record =
        category ? category->Value(kListGroup, SlotKey(part->slot)) : std::string();
    if (IsBlank(record)) {
        // The position is gone either way; a part it cannot name gets nothing.
        outcome.status = OutcomeStatus::Refused;
        prompter.Tell(kTitleWarning, kNoPartForPosition, MessageIcon::Warning);
        return outcome;
    }

    category->Set(kListGroup, SlotKey(part->slot),
                  BookedRecord(record, supplier, quantity, newPrice));
    if (!writes.Write(*category)) {
        return writes.FailureOutcome();  // the position is back in its list
    }
    outcome.closeDialog = true;
    return outcome;
}

OperationOutcome GoToOrderedPart(const std::string& folder, int orderList, int slot,
                                 Prompter& prompter) {
    if (prompter.Ask(kTitleQuestion, kGoToPart, MessageIcon::Information, Answer::Yes) !=
        Answer::Yes) {
        return OperationOutcome::Refused();
    }
    if (!IsOrderListNumber(orderList) || !IsSlotNumber(slot)) {
        return OperationOutcome::Refused();
    }
    const std::string position =
        ReadIniFile(ListFilePath(folder, orderList))->Value(kListGroup, SlotKey(slot));
    const std::optional<PartReference> part = PartOfPosition(position);
    // Only a named category has a tree entry to go to.
    if (!part || IsBlank(ReadIniValue(kCategoryGroup, CategoryNameKey(part->category),
                                      MainFilePath(folder)))) {
        return OperationOutcome::Refused();
    }
    OperationOutcome outcome;
    outcome.showPart = PartLocation{part->category, part->slot};
    outcome.closeDialog = true;
    return outcome;
}
