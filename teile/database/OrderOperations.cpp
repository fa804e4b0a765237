#include "OrderOperations.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "DataFiles.h"
#include "IniStore.h"
#include "PartLookups.h"
#include "PartOperations.h"
#include "PartOperationsTexts.h"
#include "PartOperationsWrites.h"
#include "Slots.h"
#include "TextRules.h"

namespace {

using namespace record_texts;

// Stock plus delivery without wrapping round on absurd numbers.
std::string StockAfterBooking(std::string_view stock, std::string_view quantity) {
    const std::int64_t sum =
        static_cast<std::int64_t>(IntegerOfText(stock)) + IntegerOfText(quantity);
    const std::int64_t clamped =
        std::clamp<std::int64_t>(sum, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    return std::to_string(clamped);
}

// The part a position names, or nothing when the reference is no reference.
std::optional<PartReference> PartOfPosition(std::string_view position) {
    const std::string reference = FieldOf(SplitFields(position), 1);
    const int category = ParsePartReference(reference, 0);
    const int slot = ParsePartReference(reference, 1);
    if (category < 0 || slot < 0) {
        return std::nullopt;
    }
    return PartReference{category, slot};
}

}  // namespace

std::string ReplaceField(std::string_view record, int number, std::string_view text) {
    std::vector<std::string> fields = SplitFields(record);
    if (number < 1 || static_cast<std::size_t>(number) > fields.size()) {
        return std::string(record);
    }
    fields[static_cast<std::size_t>(number - 1)] = WithoutSemicolons(text);
    return JoinFields(fields);
}

OperationOutcome AddOrderPosition(const std::string& folder, int supplier, const PartReference& part,
                                  std::string_view quantity, Prompter& prompter) {
    if (supplier < 1 || supplier > kSupplierCount || !IsCategoryNumber(part.category) ||
        !IsSlotNumber(part.slot)) {
        return OperationOutcome::Refused();
    }
    const std::string orderFile = ListFilePath(folder, 900 + supplier);
    const std::string reference = part.Text();
    if (FindPart(reference, orderFile, kFindFirstName, true) != -1) {
        prompter.Tell(kTitleWarning, kAlreadyOrdered, MessageIcon::Warning);
        return OperationOutcome::Refused();
    }
    WriteSequence writes;
    const int slot = writes.TakeFreeSlot(orderFile);
    if (slot == kSlotWriteFailed) {
        return OperationOutcome::WriteFailure();
    }
    if (slot == kNoFreeSlot) {
        prompter.Tell(kTitleError, kOrderListFull, MessageIcon::Error);
        return OperationOutcome::Refused();
    }
    FileChange orders(orderFile);
    orders.Set(kListGroup, SlotKey(slot), reference + ";" + WithoutSemicolons(quantity) + ";0");
    if (!writes.Write(orders)) {
        return OperationOutcome::WriteFailure();
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
    const ListReload reload{orderList, ListModeOfListNumber(orderList), slot};
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
    WriteSequence writes;
    if (!writes.Write(orders)) {
        return OperationOutcome::WriteFailure();
    }
    OperationOutcome outcome;
    outcome.reload = reload;
    outcome.closeDialog = true;
    return outcome;
}

OperationOutcome BookInOrderPosition(const std::string& folder, int orderList, int slot,
                                     const std::vector<int>& shownSlots, std::string_view quantity,
                                     std::string_view newPrice, Prompter& prompter) {
    if (!IsOrderListNumber(orderList) || !IsSlotNumber(slot)) {
        return OperationOutcome::Refused();
    }
    const int supplier = orderList - 900;
    FileChange orders(ListFilePath(folder, orderList));
    const std::string position = orders.Value(kListGroup, SlotKey(slot));
    orders.Set(kListGroup, SlotKey(slot), "");

    OperationOutcome outcome;
    outcome.reload = ListReload{orderList, supplier, SlotToSelectAfterRemoval(shownSlots, slot)};
    if (!HasRecords(orders.Document())) {
        for (int command : {kCommandEditPart, kCommandDeletePart, kCommandCopyPart,
                            kCommandSortAscending, kCommandSortDescending}) {
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
    WriteSequence writes;
    if (!writes.Write(orders)) {
        return OperationOutcome::WriteFailure();
    }
    const std::string record =
        category ? category->Value(kListGroup, SlotKey(part->slot)) : std::string();
    if (IsBlank(record)) {
        // The position is gone either way; a part it cannot name gets nothing.
        outcome.status = OutcomeStatus::Refused;
        prompter.Tell(kTitleWarning, kNoPartForPosition, MessageIcon::Warning);
        return outcome;
    }

    // A damaged record short of fields would silently lose the delivery.
    std::string booked = SplitFields(record).size() < kPartFieldCount
                             ? PartRecord::Parse(record).Join()
                             : record;
    const std::string stock = FieldOf(SplitFields(booked), kFieldStock);
    booked = ReplaceField(booked, kFieldStock, StockAfterBooking(stock, quantity));
    booked = ReplaceField(booked, PriceField(supplier), newPrice);
    category->Set(kListGroup, SlotKey(part->slot), booked);
    if (!writes.Write(*category)) {
        return OperationOutcome::WriteFailure();  // the position is back in its list
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
    if (!part || IsBlank(ReadIniValue(kCategoryGroup, "k" + std::to_string(part->category),
                                      MainFilePath(folder)))) {
        return OperationOutcome::Refused();
    }
    OperationOutcome outcome;
    outcome.showPart = PartLocation{part->category, part->slot};
    outcome.closeDialog = true;
    return outcome;
}
