#pragma once
// The categories of the tree: new category, rename and delete, with the
// category dialog. Each gathers its input, calls the engine's operation and
// hands the outcome to the OutcomeApplier.

#include <QObject>

#include "CommandContext.h"

class CategoryDialog;

class CategoryCommands : public QObject {
    Q_OBJECT

public:
    explicit CategoryCommands(const CommandContext& shell, QObject* parent = nullptr);

    // The dialog " Kategorie anlegen" with "neue Kategorie" selected.
    void NewCategory();
    // Renames the selected category; nothing for another entry.
    void EditSelected();
    // Deletes the selected category (never a root or an order list).
    void DeleteSelected();

private:
    void OpenDialog(int category, const QString& name, bool focusName);
    void Save(CategoryDialog* dialog);

    CommandContext shell_;
};
