#pragma once
// The slot a new record goes to - a new part, a pasted part, a new order
// position - or the refusal when its list has none left.

#include <string>

#include "Prompter.h"
#include "records/OperationOutcome.h"

class WriteTransaction;

struct NewRecordSlot {
    int slot = -1;
    // What the operation hands back when no slot was taken.
    OperationOutcome refusal;

    bool Taken() const { return slot >= 0; }
};

// FindFreePartSlot with its "max" upkeep inside `writes`. A full list tells
// `fullText` (title "FEHLER", error icon) and refuses; a failed write of "max"
// is a write failure.
NewRecordSlot TakeNewRecordSlot(WriteTransaction& writes, const std::string& listFile,
                                const std::string& fullText, Prompter& prompter);
