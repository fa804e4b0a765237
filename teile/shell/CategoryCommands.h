#pragma once
// Commands 0, 1 and 2 on the category tree: new category, rename, delete,
// with the category dialog. Each gathers its input, calls the engine's
// operation and hands the outcome to the OutcomeApplier.

#include <QObject>

#include "CommandContext.h"

class CategoryDialog;
class OutcomeApplier;

class CategoryCommands : public QObject {
    Q_OBJECT

public:
    explicit CategoryCommands(const CommandContext& shell, QObject* parent = nullptr);

    // Command 0: the dialog " Kategorie anlegen" with "neue Kategorie" selected.
    void NewCategory();
    // Command 1: renames the selected category. The supplier dialog of an
    // order list comes with the address dialogs; the roots name nothing.
    void EditSelected();
    // Command 2: deletes the selected category (never a root or order list).
    void DeleteSelected();

private:
    void OpenDialog(int category, const QString& name, const char* title, bool focusName);
    void Save(CategoryDialog* dialog);

    CommandContext shell_;
};
