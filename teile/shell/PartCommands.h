#pragma once
// Commands 4, 5 and 6 on a category: the part editor for a new part, for a
// copy of the selected part, or for the selected part itself. Each reads
// what the editor shows, opens it through the dialog frame, and hands its
// "Speichern" to SavePart and the outcome to the OutcomeApplier.

#include <QObject>

#include "CommandContext.h"
#include "records/PartEditorRules.h"

class OutcomeApplier;
class PartEditorDialog;

class PartCommands : public QObject {
    Q_OBJECT

public:
    explicit PartCommands(const CommandContext& shell, QObject* parent = nullptr);

    // Command 4, 5 or 6 with a category selected; `documentsTab` opens an
    // edit on "Dokumente" (a right double click). Nothing for another tree
    // entry, and nothing for a copy or edit without a selected part.
    void Run(int command, bool documentsTab);

private:
    void Open(PartEditorMode mode, int category, int slot, bool documentsTab);
    void Save(PartEditorDialog* editor);

    CommandContext shell_;
};
