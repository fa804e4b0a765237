#pragma once
// Commands 0, 1 and 2 on the category tree: new category, rename, delete,
// with the category dialog. Each gathers its input, calls the engine's
// operation and hands the outcome to the OutcomeApplier.

#include <QObject>

class CategoryDialog;
class CategoryTreeView;
class DialogFrame;
class OutcomeApplier;
class Prompter;
struct ShellState;

class CategoryCommands : public QObject {
    Q_OBJECT

public:
    CategoryCommands(ShellState& state, CategoryTreeView& tree, DialogFrame& dialogs,
                     OutcomeApplier& applier, Prompter& prompter, QObject* parent = nullptr);

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

    ShellState& state_;
    CategoryTreeView& tree_;
    DialogFrame& dialogs_;
    OutcomeApplier& applier_;
    Prompter& prompter_;
};
