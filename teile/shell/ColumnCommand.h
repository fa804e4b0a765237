#pragma once
// Command 22: the column definition dialog. Its "Speichern" replaces the
// column table, saves the settings at once and shows the part list of a
// category in the new columns.

#include <QObject>

class CategoryTreeView;
class ColumnDialog;
class DialogFrame;
class OutcomeApplier;
class PartListPanel;
class Prompter;
struct ShellState;

class ColumnCommand : public QObject {
    Q_OBJECT

public:
    ColumnCommand(ShellState& state, CategoryTreeView& tree, PartListPanel& list,
                  DialogFrame& dialogs, OutcomeApplier& applier, Prompter& prompter,
                  QObject* parent = nullptr);

    void Open();

private:
    void Save(ColumnDialog* dialog);
    void ShowListInNewColumns();

    ShellState& state_;
    CategoryTreeView& tree_;
    PartListPanel& list_;
    DialogFrame& dialogs_;
    OutcomeApplier& applier_;
    Prompter& prompter_;
};
