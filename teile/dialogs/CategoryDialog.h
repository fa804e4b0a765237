#pragma once
// The category dialog (window 2): the name of a new category or of one being
// renamed. The category commands of the shell fill it, open it through the
// dialog frame and handle "Speichern"; "Abbrechen" and the close box reject it.

#include <QDialog>

class QLineEdit;
class QPushButton;

// Titles: the dialog's own, and the one the command "Neu" gives it.
inline constexpr char kCategoryDialogTitle[] = " Kategorie";
inline constexpr char kNewCategoryDialogTitle[] = " Kategorie anlegen";

class CategoryDialog : public QDialog {
    Q_OBJECT

public:
    explicit CategoryDialog(QWidget* parent = nullptr);

    // -1 for a new category, 0-49 for the one being renamed.
    void SetCategory(int category) { category_ = category; }
    int Category() const { return category_; }
    void SetName(const QString& name);
    QString Name() const;

    QLineEdit* NameField() const { return nameField_; }
    QPushButton* SaveButton() const { return saveButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }

signals:
    void SaveRequested();

private:
    void UpdateSaveButton();

    int category_ = -1;
    QLineEdit* nameField_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};
