#pragma once
// The part editor on a category: for a new part, for a copy of the selected
// part, or for the selected part itself. Each reads what the editor shows,
// opens it through the dialog frame, and hands its "Speichern" to SavePart
// and the outcome to the OutcomeApplier. Nothing happens unless a category is
// selected, and nothing for a copy or an edit without a selected part.

#include <QObject>

#include "CommandContext.h"
#include "records/PartEditorRules.h"

class PartEditorDialog;

class PartCommands : public QObject {
    Q_OBJECT

public:
    explicit PartCommands(const CommandContext& shell, QObject* parent = nullptr);

    void NewPart();
    void CopySelected();
    // `documentsTab` opens the editor on "Dokumente" (a right double click).
    void EditSelected(bool documentsTab);

private:
    void OpenForSelected(PartEditorMode mode, bool documentsTab);
    void Open(PartEditorMode mode, int category, int slot, bool documentsTab);
    void Save(PartEditorDialog* editor);

    CommandContext shell_;
};
