#include "SupplierDialog.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "DialogCaption.h"
#include "DialogFonts.h"
#include "FieldTexts.h"
#include "WindowText.h"

namespace {

constexpr int kClientWidth = 350;
constexpr int kClientHeight = 340;
constexpr int kLabelHeight = 15;
constexpr int kFieldHeight = 20;
// A reader gets at most 254 characters of a value.
constexpr int kLongestText = 254;

}  // namespace

SupplierDialog::SupplierDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName("supplierDialog");
    setWindowTitle(QString::fromUtf8(kSupplierDialogTitle));
    setFont(DialogFont());
    setFixedSize(kClientWidth, kClientHeight);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(0, 0, kClientWidth, kClientHeight);

    // In the order of the stored fields; the tab order follows the screen.
    shortNameField_ = AddField("Lieferant (Kurzform):", "shortNameField", 10, 10, 160, 160);
    addressFields_[3] = AddField("Kunden-Nummer:", "customerNumberField", 180, 10, 100, 160);
    addressFields_[0] = AddField("Firma:", "companyField", 10, 50, 80, 330);
    addressFields_[1] = AddField("Ansprechpartner:", "contactField", 10, 90, 80, 330);
    addressFields_[2] = AddField("Stra\u00DFe Nummer:", "streetField", 10, 130, 80, 330);
    addressFields_[4] = AddField("Land-PLZ Ort:", "townField", 10, 170, 80, 330);
    addressFields_[5] = AddField("Telefon:", "telephoneField", 10, 210, 80, 160);
    addressFields_[6] = AddField("Telefax:", "telefaxField", 180, 210, 80, 160);
    addressFields_[7] = AddField("elektronische Post:", "mailField", 10, 250, 160, 330);

    saveButton_ = new QPushButton("Speichern", this);
    saveButton_->setObjectName("saveButton");
    saveButton_->setGeometry(170, 305, 80, 25);
    saveButton_->setDefault(true);
    cancelButton_ = new QPushButton("Abbrechen", this);
    cancelButton_->setObjectName("cancelButton");
    cancelButton_->setGeometry(260, 305, 80, 25);

    connect(saveButton_, &QPushButton::clicked, this, &SupplierDialog::SaveRequested);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

QLineEdit* SupplierDialog::AddField(const char* caption, const char* objectName, int x, int y,
                                    int labelWidth, int fieldWidth) {
    auto* label = new QLabel(QString::fromUtf8(caption), this);
    label->setGeometry(x, y, labelWidth, kLabelHeight);
    // Up to the field of the next column, or to the frame.
    FitCaption(label, x + fieldWidth);
    auto* field = new QLineEdit(this);
    field->setObjectName(objectName);
    field->setGeometry(x, y + kLabelHeight, fieldWidth, kFieldHeight);
    field->setMaxLength(kLongestText);
    field->setValidator(new Cp1252Validator(field));
    label->setBuddy(field);
    return field;
}

void SupplierDialog::SetShortName(const QString& name) { shortNameField_->setText(name); }

QString SupplierDialog::ShortName() const { return shortNameField_->text(); }

void SupplierDialog::SetAddress(const std::array<QString, 8>& fields) {
    SetTexts(addressFields_, fields);
}

std::array<QString, 8> SupplierDialog::Address() const { return TextsOf(addressFields_); }
