#include "FixedDialog.h"

#include <QPushButton>

#include "DialogBuilder.h"
#include "DialogFonts.h"

FixedDialog::FixedDialog(const char* name, const char* title, QSize size, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(name);
    setWindowTitle(QString::fromUtf8(title));
    setFont(DialogFont());
    setFixedSize(size);
}

void FormDialog::AddSaveAndCancel(QWidget* parent, const QRect& save, const QRect& cancel) {
    DialogBuilder build(parent);
    saveButton_ = build.Button("Speichern", "saveButton", save);
    cancelButton_ = build.Button("Abbrechen", "cancelButton", cancel);
    connect(saveButton_, &QPushButton::clicked, this, &FormDialog::SaveRequested);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}
