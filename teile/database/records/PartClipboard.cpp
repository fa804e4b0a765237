#include "records/PartClipboard.h"

#include <memory>
#include <optional>

#include "DataFiles.h"
#include "DeletionRule.h"
#include "IniStore.h"
#include "Messages.h"
#include "Records.h"
#include "Slots.h"
#include "TextRules.h"
#include "lists/ListScan.h"
#include "lists/PartLookups.h"
#include "records/NewRecordSlot.h"
#include "records/WriteTransaction.h"

namespace {

using namespace messages;

constexpr Tone kOrderNumberCopied{8000, 5};

std::string ReadRecord(const std::string& folder, int list, int slot) {
    return ReadIniFile(ListFilePath(folder, list))->Value(kListGroup, SlotKey(slot));
}

// The four side values of a part, in the order of kSideGroups.
std::array<std::string, 4> ReadSideValues(const std::string& folder, const std::string& reference) {
    const std::shared_ptr<const IniDocument> datasheets = ReadIniFile(DatasheetFilePath(folder));
    const std::shared_ptr<const IniDocument> pictures = ReadIniFile(PictureFilePath(folder));
    std::array<std::string, 4> values;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const SideGroup& side = kSideGroups[i];
        values[i] =
            (side.file == kDatasheetFile ? *datasheets : *pictures).Value(side.group, reference);
    }
    return values;
}

void SetSideValues(FileChange& datasheets, FileChange& pictures, const std::string& reference,
                   const std::array<std::string, 4>& values) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        const SideGroup& side = kSideGroups[i];
        (side.file == kDatasheetFile ? datasheets : pictures).Set(side.group, reference, values[i]);
    }
}

std::string NameOf(std::string_view record) {
    return Trim(FieldOf(SplitFields(record), kFieldName));
}

// The order number an order list shows for one of its positions: the part's
// order number at that list's supplier, empty when the part is gone.
std::string OrderNumberOfPosition(const std::string& folder, int orderList, int slot) {
    const std::string position = ReadRecord(folder, orderList, slot);
    const std::optional<PartReference> part =
        PartReference::Parse(FieldOf(SplitFields(position), 1));
    if (!part) {
        return {};
    }
    const std::string record = ReadRecord(folder, part->category, part->slot);
    return FieldOf(SplitFields(record), OrderNumberField(SupplierOfList(orderList)));
}

// What a paste writes: the part as the clipboard holds it, or for a cut part
// as it is now.
struct PastedPart {
    PartReference source;
    std::string record;
    std::array<std::string, 4> sideValues;
    bool move = false;  // a cut part whose source still holds it
};

PastedPart ResolvePastedPart(const std::string& folder, const PartClipboard& clipboard) {
    PastedPart part{PartReference{clipboard.sourceCategory, clipboard.sourceSlot}, clipboard.record,
                    clipboard.sideValues, false};
    if (clipboard.kind != ClipboardKind::Cut) {
        return part;
    }
    // A cut part stays in place until it is pasted, and may have been edited
    // or booked in meanwhile: the part as it is now moves. When its slot no
    // longer holds it (a compaction renumbered the list), the part there is
    // someone else's: paste the remembered copy and leave the source alone.
    const std::string current = ReadRecord(folder, part.source.category, part.source.slot);
    if (!IsBlank(current) && NameOf(current) == NameOf(part.record)) {
        part.record = current;
        part.sideValues = ReadSideValues(folder, part.source.Text());
        part.move = true;
    }
    return part;
}

// Side entries and record of the part at its new place.
bool WriteAtTarget(const std::string& folder, const PartReference& target, const PastedPart& part,
                   WriteTransaction& writes) {
    FileChange datasheets(DatasheetFilePath(folder));
    FileChange pictures(PictureFilePath(folder));
    SetSideValues(datasheets, pictures, target.Text(), part.sideValues);
    if (!writes.Write(datasheets) || !writes.Write(pictures)) {
        return false;
    }
    FileChange list(ListFilePath(folder, target.category));
    list.Set(kListGroup, SlotKey(target.slot), part.record);
    return writes.Write(list);
}

// Every order position naming the moved part names its new place; quantity
// and flag stay.
bool RepointOrderPositions(const std::string& folder, const PartReference& source,
                           const PartReference& target, WriteTransaction& writes) {
    for (int supplier = 1; supplier <= kSupplierCount; ++supplier) {
        FileChange orders(ListFilePath(folder, OrderListOfSupplier(supplier)));
        for (int position : PositionsNaming(orders.Document(), source)) {
            const std::string value = orders.Value(kListGroup, SlotKey(position));
            orders.Set(kListGroup, SlotKey(position), ReplaceField(value, 1, target.Text()));
        }
        if (!writes.Write(orders)) {
            return false;
        }
    }
    return true;
}

// The moved part's side entries and record at its old place.
bool ClearSource(const std::string& folder, const PartReference& source, WriteTransaction& writes) {
    FileChange datasheets(DatasheetFilePath(folder));
    FileChange pictures(PictureFilePath(folder));
    SetSideValues(datasheets, pictures, source.Text(), {});
    FileChange list(ListFilePath(folder, source.category));
    list.Set(kListGroup, SlotKey(source.slot), "");
    return writes.Write(datasheets) && writes.Write(pictures) && writes.Write(list);
}

}  // namespace

std::string CopyCommandHint(bool orderListSelected) {
    return orderListSelected ? " Bestellnummer in die Zwischenablage " : " Teil kopieren ";
}

OperationOutcome CopyOrCutPart(const std::string& folder, int list, int slot, ClipboardKind kind,
                               PartClipboard& clipboard) {
    if (kind == ClipboardKind::None || !IsSlotNumber(slot)) {
        return OperationOutcome::Refused();
    }
    OperationOutcome outcome;
    if (IsOrderListNumber(list)) {
        outcome.clipboardText = OrderNumberOfPosition(folder, list, slot);
        outcome.beep = kOrderNumberCopied;
        return outcome;
    }
    if (!IsCategoryNumber(list)) {
        return OperationOutcome::Refused();
    }
    const std::string record = ReadRecord(folder, list, slot);
    if (IsBlank(record)) {
        return OperationOutcome::Refused();  // the row's part is gone; there is nothing to paste
    }
    clipboard.sourceCategory = list;
    clipboard.sourceSlot = slot;
    clipboard.record = record;
    clipboard.sideValues = ReadSideValues(folder, PartReference{list, slot}.Text());
    clipboard.kind = kind;
    outcome.commands.push_back({Command::PastePart, true});
    return outcome;
}

OperationOutcome PastePart(const std::string& folder, int targetCategory, PartClipboard& clipboard,
                           Prompter& prompter) {
    if (!clipboard.HoldsPart() || !IsCategoryNumber(targetCategory) ||
        !IsCategoryNumber(clipboard.sourceCategory) || !IsSlotNumber(clipboard.sourceSlot)) {
        return OperationOutcome::Refused();
    }
    OperationOutcome outcome;
    if (targetCategory == clipboard.sourceCategory) {
        clipboard.Clear();
        outcome.commands.push_back({Command::PastePart, false});
        return outcome;
    }

    const PastedPart part = ResolvePastedPart(folder, clipboard);
    const std::string targetFile = ListFilePath(folder, targetCategory);
    WriteTransaction writes;
    const NewRecordSlot free = TakeNewRecordSlot(writes, targetFile, kCategoryFull, prompter);
    if (!free.Taken()) {
        return free.refusal;
    }
    if (FindPartByName(NameOf(part.record), targetFile, TextMatch::Contains) != -1 &&
        prompter.Ask(kTitleWarning, kPartExistsCreate, MessageIcon::Warning, Answer::No) !=
            Answer::Yes) {
        writes.Undo();
        return OperationOutcome::Refused();
    }

    // The new place first, complete: side entries, record, order references.
    // Only then the old place goes.
    const PartReference target{targetCategory, free.slot};
    if (!WriteAtTarget(folder, target, part, writes) ||
        (part.move && (!RepointOrderPositions(folder, part.source, target, writes) ||
                       !ClearSource(folder, part.source, writes)))) {
        return writes.FailureOutcome();
    }

    clipboard.Clear();
    outcome.reload = ListReload{targetCategory, 0, free.slot};
    outcome.commands.push_back(DeletionRuleFor(part.record));
    outcome.commands.push_back({Command::PastePart, false});
    outcome.commands.push_back({Command::DeleteCategory, false});
    return outcome;
}
