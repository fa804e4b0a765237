#include "records/PartOperations.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "DataFiles.h"
#include "FolderToken.h"
#include "Messages.h"
#include "Records.h"
#include "Slots.h"
#include "TextRules.h"
#include "lists/ListScan.h"
#include "lists/PartLookups.h"
#include "records/NewRecordSlot.h"
#include "records/PartClipboard.h"
#include "records/WriteTransaction.h"

namespace {

using namespace messages;

// The record as the editor's texts describe it: no ";" can come from a
// typed text, so the record always has its 14 fields.
std::string RecordOfTexts(std::string_view name, const PartEditorTexts& texts) {
    PartRecord record;
    record.Field(kFieldName) = std::string(name);
    for (int field = kFieldRemark; field <= kFieldStock; ++field) {
        record.Field(field) = WithoutSemicolons(texts.Field(field));
    }
    record.Field(kFieldTarget) = std::to_string(IntegerOfText(texts.Field(kFieldTarget)));
    return record.Join();
}

// The stored form of a picture or datasheet path.
std::string StoredPath(std::string_view typed, const std::string& folder) {
    return StoreFolderToken(Trim(typed), folder);
}

void Disable(CommandChanges& changes, std::initializer_list<Command> commands) {
    for (Command command : commands) {
        changes.push_back({command, false});
    }
}

void Enable(CommandChanges& changes, std::initializer_list<Command> commands) {
    for (Command command : commands) {
        changes.push_back({command, true});
    }
}

// Datasheets, record, pictures: the order the files have always been written
// in. A failure puts back what was written before it.
bool WriteSavedPart(const std::string& folder, const PartReference& part, const std::string& record,
                    const PartEditorTexts& texts, WriteTransaction& writes) {
    const std::string reference = part.Text();
    FileChange datasheets(DatasheetFilePath(folder));
    datasheets.Set(kSideGroups[0].group, reference, StoredPath(texts.datasheet1, folder));
    datasheets.Set(kSideGroups[1].group, reference, StoredPath(texts.datasheet2, folder));
    if (!writes.Write(datasheets)) {
        return false;
    }
    FileChange list(ListFilePath(folder, part.category));
    list.Set(kListGroup, SlotKey(part.slot), record);
    if (ScanLimit(list.Value(kListGroup, kMaxKey)) < part.slot) {
        // An edited part beyond "max" would vanish from every list.
        list.Set(kListGroup, kMaxKey, std::to_string(part.slot));
    }
    if (!writes.Write(list)) {
        return false;
    }
    FileChange pictures(PictureFilePath(folder));
    pictures.Set(kSideGroups[2].group, reference, StoredPath(texts.picture1, folder));
    pictures.Set(kSideGroups[3].group, reference, StoredPath(texts.picture2, folder));
    return writes.Write(pictures);
}

// The order positions and side entries of a part about to be deleted. Every
// position naming the part goes with it, however it spells the reference:
// one left behind would order whatever part takes the slot next. Nothing when
// they are gone; otherwise what the deletion hands back (the user kept the
// ordered part, or a write failed).
std::optional<OperationOutcome> RemoveWhatNamesPart(const std::string& folder,
                                                    const PartReference& part, Prompter& prompter,
                                                    WriteTransaction& writes) {
    std::vector<FileChange> orderLists;
    bool ordered = false;
    for (int supplier = 1; supplier <= kSupplierCount; ++supplier) {
        FileChange& orders =
            orderLists.emplace_back(ListFilePath(folder, OrderListOfSupplier(supplier)));
        for (int position : PositionsNaming(orders.Document(), part)) {
            orders.Set(kListGroup, SlotKey(position), "");
            ordered = true;
        }
    }
    if (ordered && prompter.Ask(kTitleWarning, kPartIsOrdered, MessageIcon::Warning, Answer::No) !=
                       Answer::Yes) {
        return OperationOutcome::Refused();
    }
    for (FileChange& orders : orderLists) {
        if (!writes.Write(orders)) {
            return OperationOutcome::WriteFailure();
        }
    }
    FileChange datasheets(DatasheetFilePath(folder));
    FileChange pictures(PictureFilePath(folder));
    for (const SideGroup& side : kSideGroups) {
        (side.file == kDatasheetFile ? datasheets : pictures).Set(side.group, part.Text(), "");
    }
    if (!writes.Write(datasheets) || !writes.Write(pictures)) {
        return OperationOutcome::WriteFailure();
    }
    return std::nullopt;
}

// What the list shows after the removal of the row's record: the next row
// selected; command states for an emptied list; the waiting paste forgotten.
OperationOutcome OutcomeOfRemoval(const SelectedRow& row, const IniDocument& list) {
    const bool inCategory = IsCategoryNumber(row.list);
    OperationOutcome outcome;
    const int next = SlotToSelectAfterRemoval(row.shownSlots, row.slot);
    outcome.reload = ListReload{row.list, SupplierOfList(row.list), next};
    const bool nowEmpty = !HasRecords(list);
    if (nowEmpty) {
        Disable(outcome.commands, {Command::NewPartFromCopy, Command::EditPart, Command::DeletePart,
                                   Command::CutPart, Command::CopyPart, Command::OrderPart,
                                   Command::SortAscending, Command::SortDescending});
        if (inCategory) {
            Enable(outcome.commands, {Command::DeleteCategory});
        }
    }
    Disable(outcome.commands, {Command::PastePart});
    if (inCategory && !nowEmpty && next >= 0) {
        outcome.commands.push_back(DeletionRuleFor(list.Value(kListGroup, SlotKey(next))));
    }
    return outcome;
}

}  // namespace

OperationOutcome SavePart(const std::string& folder, int category, int slot,
                          const PartEditorTexts& texts, Prompter& prompter) {
    if (!IsCategoryNumber(category) || (slot != -1 && !IsSlotNumber(slot))) {
        return OperationOutcome::Refused();
    }
    const std::string name = Trim(WithoutSemicolons(texts.Field(kFieldName)));
    if (name.empty()) {
        prompter.Tell(kTitleInfo, kNameEmpty, MessageIcon::Information);
        return OperationOutcome::Refused(FocusField::PartName);
    }
    const std::string listFile = ListFilePath(folder, category);
    if (!ConfirmPartName(name, listFile, slot, prompter)) {
        return OperationOutcome::Refused(FocusField::PartName);
    }
    if (!ConfirmStoragePlace(texts.Field(kFieldPlace), listFile, slot, prompter)) {
        return OperationOutcome::Refused(FocusField::StoragePlace);
    }

    const std::string record = RecordOfTexts(name, texts);
    WriteTransaction writes;
    bool listWasEmpty = false;
    int target = slot;
    if (slot < 0) {
        listWasEmpty = !HasRecords(*ReadIniFile(listFile));
        const NewRecordSlot free = TakeNewRecordSlot(writes, listFile, kCategoryFull, prompter);
        if (!free.Taken()) {
            return free.refusal;
        }
        target = free.slot;
    }
    if (!WriteSavedPart(folder, PartReference{category, target}, record, texts, writes)) {
        return writes.FailureOutcome();
    }

    OperationOutcome outcome;
    outcome.reload = ListReload{category, 0, target};
    if (listWasEmpty) {
        Enable(outcome.commands,
               {Command::NewPartFromCopy, Command::EditPart, Command::DeletePart, Command::CutPart,
                Command::CopyPart, Command::OrderPart, Command::Search});
        Disable(outcome.commands, {Command::DeleteCategory});
    }
    outcome.commands.push_back(DeletionRuleFor(record));
    outcome.closeDialog = true;
    return outcome;
}

int SlotToSelectAfterRemoval(const std::vector<int>& shownSlots, int removedSlot) {
    std::vector<int> rows;
    for (int slot : shownSlots) {
        if (slot >= 0) {
            rows.push_back(slot);
        }
    }
    const auto removed = std::find(rows.begin(), rows.end(), removedSlot);
    if (rows.size() <= 1 || removed == rows.end()) {
        return -1;
    }
    return removed + 1 != rows.end() ? *(removed + 1) : *(removed - 1);
}

OperationOutcome DeleteSelectedRecord(const std::string& folder, const SelectedRow& row,
                                      PartClipboard& clipboard, Prompter& prompter) {
    const bool inCategory = IsCategoryNumber(row.list);
    if ((!inCategory && !IsOrderListNumber(row.list)) || !IsSlotNumber(row.slot)) {
        return OperationOutcome::Refused();
    }
    FileChange list(ListFilePath(folder, row.list));
    // The command is offered only for a part without stock; the file, not a
    // possibly stale command state, has the last word.
    if (inCategory && !PartMayBeDeleted(list.Value(kListGroup, SlotKey(row.slot)))) {
        return OperationOutcome::Refused();
    }
    if (prompter.Ask(kTitleWarning, inCategory ? kDeleteFromList : kDeleteFromOrder,
                     MessageIcon::Warning, Answer::No) != Answer::Yes) {
        return OperationOutcome::Refused();
    }

    WriteTransaction writes;
    if (inCategory) {
        if (std::optional<OperationOutcome> stopped =
                RemoveWhatNamesPart(folder, PartReference{row.list, row.slot}, prompter, writes)) {
            return *stopped;
        }
    }
    list.Set(kListGroup, SlotKey(row.slot), "");
    if (!writes.Write(list)) {
        return OperationOutcome::WriteFailure();
    }
    clipboard.Clear();
    return OutcomeOfRemoval(row, list.Document());
}
