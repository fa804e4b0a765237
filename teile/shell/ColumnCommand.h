#pragma once
// "Spaltendefinition": the column definition dialog. Its "Speichern" replaces the
// column table, saves the settings at once and shows the part list of a
// category in the new columns.

#include <QObject>

#include "CommandContext.h"

class ColumnDialog;

class ColumnCommand : public QObject {
    Q_OBJECT

public:
    explicit ColumnCommand(const CommandContext& shell, QObject* parent = nullptr);

    void Open();

private:
    void Save(ColumnDialog* dialog);
    void ShowListInNewColumns();

    CommandContext shell_;
};
