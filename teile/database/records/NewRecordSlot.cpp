#include "records/NewRecordSlot.h"

#include "Messages.h"
#include "Slots.h"
#include "records/WriteTransaction.h"

NewRecordSlot TakeNewRecordSlot(WriteTransaction& writes, const std::string& listFile,
                                const std::string& fullText, Prompter& prompter) {
    const FreeSlot free = writes.TakeFreeSlot(listFile);
    if (free == kSlotWriteFailed) {
        return NewRecordSlot{-1, OperationOutcome::WriteFailure()};
    }
    if (!free.Found()) {
        prompter.Tell(messages::kTitleLimit, fullText, MessageIcon::Error);
        return NewRecordSlot{-1, OperationOutcome::Refused()};
    }
    return NewRecordSlot{free.slot, OperationOutcome()};
}
