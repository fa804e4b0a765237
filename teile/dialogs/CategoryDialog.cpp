#include "CategoryDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "DialogBuilder.h"
#include "TextRules.h"
#include "WindowText.h"

namespace {

const char kTitle[] = " Kategorie";
const char kNewCategoryTitle[] = " Kategorie anlegen";

}  // namespace

CategoryDialog::CategoryDialog(QWidget* parent)
    : FormDialog("categoryDialog", kTitle, {350, 101}, parent) {
    DialogBuilder build(this);
    build.Frame({0, 0, 350, 100});
    QLabel* label = build.Label("Kategorie:", {10, 10, 80, 15});
    nameField_ = build.TextField("categoryNameField", {10, 25, 330, 20});
    label->setBuddy(nameField_);
    AddSaveAndCancel(this, {170, 60, 80, 25}, {260, 60, 80, 25});
    SaveButton()->setDefault(true);

    connect(nameField_, &QLineEdit::textChanged, this, &CategoryDialog::UpdateSaveButton);
    UpdateSaveButton();
}

void CategoryDialog::SetCategory(int category) {
    category_ = category;
    setWindowTitle(QString::fromUtf8(category < 0 ? kNewCategoryTitle : kTitle));
}

void CategoryDialog::SetName(const QString& name) { nameField_->setText(name); }

QString CategoryDialog::Name() const { return nameField_->text(); }

void CategoryDialog::UpdateSaveButton() {
    // Blanks and tabs alone are no name: the same rule the save trims by.
    SaveButton()->setEnabled(!IsBlank(ToDataText(nameField_->text())));
}
