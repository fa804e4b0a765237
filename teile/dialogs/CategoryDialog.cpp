#include "CategoryDialog.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "DialogFonts.h"
#include "TextRules.h"
#include "WindowText.h"

namespace {

constexpr int kClientWidth = 350;
constexpr int kClientHeight = 101;
// A reader gets at most 254 characters of a value; a longer name would not
// read back as it was typed.
constexpr int kLongestName = 254;

}  // namespace

CategoryDialog::CategoryDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName("categoryDialog");
    setWindowTitle(QString::fromUtf8(kCategoryDialogTitle));
    setFont(DialogFont());
    setFixedSize(kClientWidth, kClientHeight);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(0, 0, 350, 100);

    auto* label = new QLabel("Kategorie:", this);
    label->setGeometry(10, 10, 80, 15);

    nameField_ = new QLineEdit(this);
    nameField_->setObjectName("categoryNameField");
    nameField_->setGeometry(10, 25, 330, 20);
    nameField_->setMaxLength(kLongestName);
    nameField_->setValidator(new Cp1252Validator(nameField_));
    label->setBuddy(nameField_);

    saveButton_ = new QPushButton("Speichern", this);
    saveButton_->setObjectName("saveButton");
    saveButton_->setGeometry(170, 60, 80, 25);
    saveButton_->setDefault(true);
    cancelButton_ = new QPushButton("Abbrechen", this);
    cancelButton_->setObjectName("cancelButton");
    cancelButton_->setGeometry(260, 60, 80, 25);

    connect(nameField_, &QLineEdit::textChanged, this, &CategoryDialog::UpdateSaveButton);
    connect(saveButton_, &QPushButton::clicked, this, &CategoryDialog::SaveRequested);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    UpdateSaveButton();
}

void CategoryDialog::SetName(const QString& name) { nameField_->setText(name); }

QString CategoryDialog::Name() const { return nameField_->text(); }

void CategoryDialog::UpdateSaveButton() {
    // Blanks and tabs alone are no name: the same rule the save trims by.
    saveButton_->setEnabled(!IsBlank(ToDataText(nameField_->text())));
}
