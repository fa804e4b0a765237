#pragma once
// The category dialog: the name of a new category or of one being renamed.
// The category commands of the shell fill it, open it through the dialog
// frame and handle "Speichern"; "Abbrechen" and the close box reject it.

#include "FixedDialog.h"

class QLineEdit;

class CategoryDialog : public FormDialog {
    Q_OBJECT

public:
    explicit CategoryDialog(QWidget* parent = nullptr);

    // The category being renamed, or -1 for a new one, which the title names.
    void SetCategory(int category);
    int Category() const { return category_; }
    void SetName(const QString& name);
    QString Name() const;

    QLineEdit* NameField() const { return nameField_; }

private:
    void UpdateSaveButton();

    int category_ = -1;
    QLineEdit* nameField_ = nullptr;
};
