#include "SupplierDialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "DialogBuilder.h"
#include "FieldTexts.h"

namespace {

// A caption above its field; it may grow up to the field of the next column,
// or to the frame.
QLineEdit* AddField(DialogBuilder& build, const char* caption, const char* name, QPoint at,
                    int captionWidth, int fieldWidth) {
    return build
        .TextFieldWithCaption(QString::fromUtf8(caption), name, at, captionWidth, fieldWidth,
                              at.x() + fieldWidth)
        .field;
}

}  // namespace

SupplierDialog::SupplierDialog(QWidget* parent)
    : FormDialog("supplierDialog", " Lieferanten bearbeiten", {350, 340}, parent) {
    DialogBuilder build(this);
    build.Frame({0, 0, 350, 340});
    // In the order of the stored fields; the tab order follows the screen.
    shortNameField_ =
        AddField(build, "Lieferant (Kurzform):", "shortNameField", {10, 10}, 160, 160);
    addressFields_[3] =
        AddField(build, "Kunden-Nummer:", "customerNumberField", {180, 10}, 100, 160);
    addressFields_[0] = AddField(build, "Firma:", "companyField", {10, 50}, 80, 330);
    addressFields_[1] = AddField(build, "Ansprechpartner:", "contactField", {10, 90}, 80, 330);
    addressFields_[2] = AddField(build, "Stra\u00DFe Nummer:", "streetField", {10, 130}, 80, 330);
    addressFields_[4] = AddField(build, "Land-PLZ Ort:", "townField", {10, 170}, 80, 330);
    addressFields_[5] = AddField(build, "Telefon:", "telephoneField", {10, 210}, 80, 160);
    addressFields_[6] = AddField(build, "Telefax:", "telefaxField", {180, 210}, 80, 160);
    addressFields_[7] = AddField(build, "elektronische Post:", "mailField", {10, 250}, 160, 330);
    AddSaveAndCancel(this, {170, 305, 80, 25}, {260, 305, 80, 25});
    SaveButton()->setDefault(true);
}

void SupplierDialog::SetShortName(const QString& name) { shortNameField_->setText(name); }

QString SupplierDialog::ShortName() const { return shortNameField_->text(); }

void SupplierDialog::SetAddress(const std::array<QString, 8>& fields) {
    SetTexts(addressFields_, fields);
}

std::array<QString, 8> SupplierDialog::Address() const { return TextsOf(addressFields_); }
