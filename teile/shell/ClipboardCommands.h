#pragma once
// Delete, cut, copy and paste on the selected row of the part list. They share the waiting paste of
// the run (the PartClipboard): cut and copy fill it, paste empties it, a delete forgets it. In an
// order list cut and copy take the position's order number to the system clipboard instead. No
// dialog; the engine asks its own questions.

#include <QObject>

#include "CommandContext.h"
#include "records/PartClipboard.h"

class ClipboardCommands : public QObject {
    Q_OBJECT

public:
    explicit ClipboardCommands(const CommandContext& shell, QObject* parent = nullptr);

    // In a category or an order list.
    void DeleteSelected();
    void CutOrCopySelected(ClipboardKind kind);
    // The waiting part into the selected category.
    void PasteIntoSelected();

private:
    CommandContext shell_;
};
