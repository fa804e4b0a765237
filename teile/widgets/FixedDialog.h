#pragma once
// What every dialog of teile is: a window with a title bar and a close box
// only, the dialog font, and the fixed client size it was laid out for. A
// FormDialog adds the pair "Speichern" and "Abbrechen": the first asks for
// the save, the second rejects the dialog.

#include <QDialog>
#include <QRect>

class QPushButton;

class FixedDialog : public QDialog {
    Q_OBJECT

protected:
    FixedDialog(const char* name, const char* title, QSize size, QWidget* parent);
};

class FormDialog : public FixedDialog {
    Q_OBJECT

public:
    QPushButton* SaveButton() const { return saveButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }

signals:
    void SaveRequested();

protected:
    using FixedDialog::FixedDialog;
    // The two buttons on `parent` (the dialog or a container of it).
    void AddSaveAndCancel(QWidget* parent, const QRect& save, const QRect& cancel);

private:
    QPushButton* saveButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};
