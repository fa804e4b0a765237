#pragma once
// Saving a part from the part editor and deleting the selected part or order
// position, with the rule that decides when a part may be deleted.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "Commands.h"
#include "DeletionRule.h"
#include "Prompter.h"
#include "Records.h"
#include "records/OperationOutcome.h"

struct PartClipboard;

// The texts of the part editor as typed.
struct PartEditorTexts {
    // Record fields 1-14 (name ... stock, target stock).
    std::array<std::string, kPartFieldCount> fields;
    std::string datasheet1;  // lower "Datenblatt:" field ("datenblatt")
    std::string datasheet2;  // upper "Datenblatt:" field ("datenblatt2")
    std::string picture1;    // hidden path field of the left picture ("bild0")
    std::string picture2;    // hidden path field of the right picture ("bild1")

    std::string& Field(int number) { return fields.at(static_cast<std::size_t>(number - 1)); }
    const std::string& Field(int number) const {
        return fields.at(static_cast<std::size_t>(number - 1));
    }
};

// "Speichern" of the part editor: `slot` -1 saves a new part (also a copy).
// On success the outcome reloads the category with the part selected and
// closes the editor; a refusal names the field to focus and keeps it open.
OperationOutcome SavePart(const std::string& folder, int category, int slot,
                          const PartEditorTexts& texts, Prompter& prompter);

// The selected row of the part list: the list shown (0-49 a category,
// 901-903 an order list), the selected slot and the slots of all rows in the
// order they are shown (the sum row of an order list, -1, is ignored).
struct SelectedRow {
    int list = -1;
    int slot = -1;
    std::vector<int> shownSlots;
};

// The row to select once the row of `removedSlot` is gone: the one shown
// after it, or before it when it was the last; -1 when none is left.
int SlotToSelectAfterRemoval(const std::vector<int>& shownSlots, int removedSlot);

// Command 7. A part of a category takes its order positions and side entries
// with it; the waiting paste is forgotten.
OperationOutcome DeleteSelectedRecord(const std::string& folder, const SelectedRow& row,
                                      PartClipboard& clipboard, Prompter& prompter);
