#pragma once
// What a record operation hands back to the windows. The operations ask their
// questions and show their refusals through the Prompter; everything else the
// windows have to do afterwards (reload a list, select a row, change the tree,
// enable or disable commands, status texts, close the dialog) is described
// here, so the operations never need a widget.

#include <optional>
#include <string>

#include "Commands.h"
#include "Messages.h"
#include "Prompter.h"

enum class OutcomeStatus {
    Done,          // the operation went through
    Refused,       // a check or the user's "No" stopped it
    WriteFailed,   // a data file could not be written; whatever had been
                   // written by this operation before was put back
    ValueTooLong,  // a value would have been longer than a reader gets back;
                   // nothing of the operation was written
};

// The field that gets the focus again when an operation is refused.
enum class FocusField {
    None,
    PartName,      // "Bezeichnung:" of the part editor
    StoragePlace,  // "Lagerort:" of the part editor
    CategoryName,  // the name field of the category dialog
};

// Load a list again: FillPartList(ListFilePath(folder, list), mode, selectSlot).
struct ListReload {
    int list = -1;        // 0-49 a category, 901-903 an order list
    int mode = 0;         // 0 a category, 1-3 the supplier of an order list
    int selectSlot = -1;  // the row to select; -1 selects the first row
    bool operator==(const ListReload&) const = default;
};

enum class TreeChange {
    None,
    // A new category entry with `tag` and `text` directly after the last
    // category entry, then selected.
    InsertCategory,
    // The selected entry shows `text`.
    RenameSelected,
    // The selected entry goes; the entry now at its row (the one before it
    // when it was the last) becomes the selected one.
    RemoveSelected,
};

struct TreeUpdate {
    TreeChange change = TreeChange::None;
    int tag = -1;
    std::string text;
};

struct Tone {
    int frequency = 0;  // Hz
    int milliseconds = 0;
    bool operator==(const Tone&) const = default;
};

// A part to show in the main window: category columns, the tree entry of the
// category selected, its list shown, the part's row selected.
struct PartLocation {
    int category = -1;
    int slot = -1;
    bool operator==(const PartLocation&) const = default;
};

struct OperationOutcome {
    OutcomeStatus status = OutcomeStatus::Done;
    FocusField focus = FocusField::None;
    // Whether the dialog that started the operation closes (CloseDialog).
    bool closeDialog = false;

    // Applied in this order: the tree update, clearing the part list,
    // ShowSelectedList, the list reload, the command changes.
    TreeUpdate tree;
    bool clearPartList = false;
    bool showSelectedList = false;
    std::optional<ListReload> reload;
    CommandChanges commands;

    // Status-bar field 0, "<n> Kategorie(n)".
    std::optional<std::string> categoryCountText;
    // Plain text for the system clipboard, and a beep.
    std::optional<std::string> clipboardText;
    std::optional<Tone> beep;
    std::optional<PartLocation> showPart;

    bool IsDone() const { return status == OutcomeStatus::Done; }
    bool WriteFailed() const { return status == OutcomeStatus::WriteFailed; }

    static OperationOutcome Refused(FocusField focus = FocusField::None) {
        OperationOutcome outcome;
        outcome.status = OutcomeStatus::Refused;
        outcome.focus = focus;
        return outcome;
    }
    static OperationOutcome WriteFailure() {
        OperationOutcome outcome;
        outcome.status = OutcomeStatus::WriteFailed;
        return outcome;
    }
    static OperationOutcome ValueTooLong() {
        OperationOutcome outcome;
        outcome.status = OutcomeStatus::ValueTooLong;
        return outcome;
    }
};

// What the windows show for OutcomeStatus::WriteFailed.
inline void ReportWriteFailure(Prompter& prompter) {
    prompter.Tell(messages::kTitleFailure, messages::kWriteFailed, MessageIcon::Error);
}

// What the windows show for OutcomeStatus::ValueTooLong.
inline void ReportValueTooLong(Prompter& prompter) {
    prompter.Tell(messages::kTitleWarning, messages::kValueTooLong, MessageIcon::Warning);
}
