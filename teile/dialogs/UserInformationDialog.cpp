#include "UserInformationDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "DialogBuilder.h"
#include "DialogCaption.h"
#include "FieldTexts.h"

namespace {

// Where a caption that needs more room than given must end: inside the frame.
constexpr int kCaptionEdge = 345;
constexpr int kFullWidth = 330;

const char kPrivateNameCaption[] = "Name, Vorname:";
const char kBusinessNameCaption[] = "Firma:";

QLineEdit* AddField(DialogBuilder& build, const char* caption, const QString& name, QPoint at,
                    int captionWidth, int fieldWidth, int rightEdge = kCaptionEdge) {
    return build
        .TextFieldWithCaption(QString::fromUtf8(caption), name, at, captionWidth, fieldWidth,
                              rightEdge)
        .field;
}

}  // namespace

UserInformationDialog::UserInformationDialog(QWidget* parent)
    : FormDialog("userInformationDialog", " Benutzerinformation", {365, 360}, parent) {
    tabs_ = DialogBuilder(this).Place<QTabWidget>("addressTabs", {0, 0, 365, 210});
    tabs_->addTab(BuildAddressTab("invoice", {"Zusatz:", "Stra\u00DFe Nummer:", "Land-PLZ Ort:"},
                                  std::span(invoiceFields_).first<4>(), invoiceNameLabel_),
                  "Rechnungsadresse");
    // The delivery address has "wie Rechnungsadresse" above its fields.
    sameAddressBox_ = new QCheckBox("wie Rechnungsadresse");
    sameAddressBox_->setObjectName("sameAddressBox");
    tabs_->addTab(
        BuildAddressTab(
            "delivery",
            {"Zusatz / Postnummer:", "Stra\u00DFe Nummer / Packstation:", "Land-PLZ Ort:"},
            deliveryFields_, deliveryNameLabel_, sameAddressBox_),
        "Lieferadresse");
    BuildContactContainer();

    connect(useList_, &QComboBox::currentIndexChanged, this,
            &UserInformationDialog::UpdateNameCaptions);
    connect(sameAddressBox_, &QCheckBox::toggled, this,
            &UserInformationDialog::UpdateDeliveryFields);
    UpdateNameCaptions();
    UpdateDeliveryFields();
}

QWidget* UserInformationDialog::BuildAddressTab(const QString& prefix,
                                                const std::array<const char*, 3>& captions,
                                                std::span<QLineEdit*, 4> fields,
                                                QLabel*& nameCaption, QWidget* above) {
    auto* page = new QWidget;
    page->setObjectName(prefix + "Page");
    DialogBuilder build(page);
    build.Frame({3, 0, 355, 182});
    if (above) {
        // On the frame's top edge, first in the tab order.
        above->setParent(page);
        above->setGeometry(13, 0, 140, 15);
        FitCaption(above, kCaptionEdge);
    }
    const QString names[4] = {"NameField", "AdditionField", "StreetField", "TownField"};
    const CaptionedField name = build.TextFieldWithCaption(kPrivateNameCaption, prefix + names[0],
                                                           {15, 15}, 80, kFullWidth, kCaptionEdge);
    nameCaption = name.caption;
    nameCaption->setObjectName(prefix + "NameLabel");
    fields[0] = name.field;
    const int captionWidths[3] = {150, 150, 80};
    for (std::size_t i = 0; i < 3; ++i) {
        fields[i + 1] = AddField(build, captions[i], prefix + names[i + 1],
                                 {15, 55 + 40 * static_cast<int>(i)}, captionWidths[i], kFullWidth);
    }
    return page;
}

void UserInformationDialog::BuildContactContainer() {
    auto* container = DialogBuilder(this).Frame({0, 209, 365, 151}, QFrame::Panel, QFrame::Raised);
    container->setObjectName("contactContainer");
    DialogBuilder build(container);
    build.Frame({2, 0, 355, 142});
    invoiceFields_[4] = AddField(build, "Telefon:", "telephoneField", {13, 15}, 79, 160, 173);
    invoiceFields_[5] = AddField(build, "Mobil / Telefax:", "mobileField", {183, 15}, 150, 160);
    invoiceFields_[6] = AddField(build, "elektronische Post:", "mailField", {13, 55}, 150, 330);
    QLabel* useLabel = build.Label("Benutzung:", {13, 95, 100, 15}, kCaptionEdge);
    useList_ = build.Place<QComboBox>("useList", {13, 110, 100, 20});
    useList_->addItems({"Privat", "Firma"});
    useLabel->setBuddy(useList_);
    AddSaveAndCancel(container, {173, 105, 80, 25}, {263, 105, 80, 25});
    SaveButton()->setDefault(true);
}

void UserInformationDialog::SetInvoice(const std::array<QString, 7>& fields) {
    SetTexts(invoiceFields_, fields);
}

std::array<QString, 7> UserInformationDialog::Invoice() const { return TextsOf(invoiceFields_); }

void UserInformationDialog::SetUse(int use) { useList_->setCurrentIndex(use == 0 ? 0 : 1); }

int UserInformationDialog::Use() const { return useList_->currentIndex() == 1 ? 1 : 0; }

void UserInformationDialog::SetDelivery(const std::array<QString, 4>& fields) {
    SetTexts(deliveryFields_, fields);
}

std::array<QString, 4> UserInformationDialog::Delivery() const { return TextsOf(deliveryFields_); }

void UserInformationDialog::SetDeliveryIsInvoice(bool same) {
    sameAddressBox_->setChecked(same);
    UpdateDeliveryFields();
}

bool UserInformationDialog::DeliveryIsInvoice() const { return sameAddressBox_->isChecked(); }

void UserInformationDialog::UpdateNameCaptions() {
    const char* caption = Use() == 1 ? kBusinessNameCaption : kPrivateNameCaption;
    invoiceNameLabel_->setText(QString::fromUtf8(caption));
    deliveryNameLabel_->setText(QString::fromUtf8(caption));
}

void UserInformationDialog::UpdateDeliveryFields() {
    const bool editable = !sameAddressBox_->isChecked();
    for (QLineEdit* field : deliveryFields_) {
        field->setEnabled(editable);
    }
}
