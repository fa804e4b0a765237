#pragma once
// Copy, cut and paste of parts between categories, and the copy of an order
// number while an order list is shown.

#include <array>
#include <string>

#include "Prompter.h"
#include "records/OperationOutcome.h"

enum class ClipboardKind : int { None = -1, Copy = 1, Cut = 2 };

// The part waiting to be pasted. Lives for the program run; the window that
// owns it passes it to the operations.
struct PartClipboard {
    int sourceCategory = -1;
    int sourceSlot = -1;
    std::string record;
    // In the order of the side groups: datasheet 1, datasheet 2, picture 1,
    // picture 2, as stored.
    std::array<std::string, 4> sideValues;
    ClipboardKind kind = ClipboardKind::None;

    bool HoldsPart() const { return kind != ClipboardKind::None && sourceSlot >= 0; }
    void Clear() { *this = PartClipboard(); }
};

// Commands 8 (kind Cut) and 9 (kind Copy) on the selected row of `list`.
// In a category the part goes into the clipboard and command 10 becomes
// available; nothing is written. In an order list the row's order number is
// handed back as clipboard text together with a short beep.
OperationOutcome CopyOrCutPart(const std::string& folder, int list, int slot, ClipboardKind kind,
                               PartClipboard& clipboard);

// Command 10: the waiting part into `targetCategory`. A cut part is written
// to its new place (side entries, record, order references) before anything
// of its old place is removed.
OperationOutcome PastePart(const std::string& folder, int targetCategory, PartClipboard& clipboard,
                           Prompter& prompter);

// The tool tip of the copy button, which copies an order number while an
// order list is shown.
std::string CopyCommandHint(bool orderListSelected);
