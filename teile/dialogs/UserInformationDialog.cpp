#include "UserInformationDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "DialogCaption.h"
#include "DialogFonts.h"
#include "FieldTexts.h"
#include "WindowText.h"

namespace {

constexpr int kClientWidth = 365;
constexpr int kClientHeight = 360;
constexpr int kFieldHeight = 20;
constexpr int kLabelHeight = 15;
// A reader gets at most 254 characters of a value.
constexpr int kLongestText = 254;

// Where a caption that needs more room than given must end: inside the frame.
constexpr int kCaptionEdge = 345;

const char kPrivateNameCaption[] = "Name, Vorname:";
const char kBusinessNameCaption[] = "Firma:";

QLabel* AddLabel(QWidget* parent, const char* caption, int x, int y, int width,
                 int rightEdge = kCaptionEdge) {
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setGeometry(x, y, width, kLabelHeight);
    FitCaption(label, rightEdge);
    return label;
}

QFrame* AddFrame(QWidget* parent, int x, int y, int width, int height) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(x, y, width, height);
    return frame;
}

}  // namespace

UserInformationDialog::UserInformationDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName("userInformationDialog");
    setWindowTitle(QString::fromUtf8(kUserInformationDialogTitle));
    setFont(DialogFont());
    setFixedSize(kClientWidth, kClientHeight);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("addressTabs");
    tabs_->setGeometry(0, 0, 365, 210);
    tabs_->addTab(BuildInvoiceTab(), "Rechnungsadresse");
    tabs_->addTab(BuildDeliveryTab(), "Lieferadresse");
    BuildContactContainer();

    connect(useList_, &QComboBox::currentIndexChanged, this,
            &UserInformationDialog::UpdateNameCaptions);
    connect(sameAddressBox_, &QCheckBox::toggled, this,
            &UserInformationDialog::UpdateDeliveryFields);
    connect(saveButton_, &QPushButton::clicked, this, &UserInformationDialog::SaveRequested);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    UpdateNameCaptions();
    UpdateDeliveryFields();
}

QWidget* UserInformationDialog::BuildInvoiceTab() {
    auto* page = new QWidget;
    page->setObjectName("invoicePage");
    AddFrame(page, 3, 0, 355, 182);
    invoiceNameLabel_ = AddLabel(page, kPrivateNameCaption, 15, 15, 80);
    invoiceNameLabel_->setObjectName("invoiceNameLabel");
    AddLabel(page, "Zusatz:", 15, 55, 150);
    AddLabel(page, "Stra\u00DFe Nummer:", 15, 95, 150);
    AddLabel(page, "Land-PLZ Ort:", 15, 135, 80);
    invoiceFields_[0] = AddField(page, "invoiceNameField", 15, 30, 330);
    invoiceFields_[1] = AddField(page, "invoiceAdditionField", 15, 70, 330);
    invoiceFields_[2] = AddField(page, "invoiceStreetField", 15, 110, 330);
    invoiceFields_[3] = AddField(page, "invoiceTownField", 15, 150, 330);
    return page;
}

QWidget* UserInformationDialog::BuildDeliveryTab() {
    auto* page = new QWidget;
    page->setObjectName("deliveryPage");
    AddFrame(page, 3, 0, 355, 182);
    sameAddressBox_ = new QCheckBox("wie Rechnungsadresse", page);
    sameAddressBox_->setObjectName("sameAddressBox");
    sameAddressBox_->setGeometry(13, 0, 140, 15);
    FitCaption(sameAddressBox_, kCaptionEdge);
    deliveryNameLabel_ = AddLabel(page, kPrivateNameCaption, 15, 15, 80);
    deliveryNameLabel_->setObjectName("deliveryNameLabel");
    AddLabel(page, "Zusatz / Postnummer:", 15, 55, 150);
    AddLabel(page, "Stra\u00DFe Nummer / Packstation:", 15, 95, 150);
    AddLabel(page, "Land-PLZ Ort:", 15, 135, 80);
    deliveryFields_[0] = AddField(page, "deliveryNameField", 15, 30, 330);
    deliveryFields_[1] = AddField(page, "deliveryAdditionField", 15, 70, 330);
    deliveryFields_[2] = AddField(page, "deliveryStreetField", 15, 110, 330);
    deliveryFields_[3] = AddField(page, "deliveryTownField", 15, 150, 330);
    return page;
}

void UserInformationDialog::BuildContactContainer() {
    auto* container = new QFrame(this);
    container->setObjectName("contactContainer");
    container->setFrameShape(QFrame::Panel);
    container->setFrameShadow(QFrame::Raised);
    container->setGeometry(0, 209, 365, 151);
    AddFrame(container, 2, 0, 355, 142);
    AddLabel(container, "Telefon:", 13, 15, 79, 173);
    AddLabel(container, "Mobil / Telefax:", 183, 15, 150);
    AddLabel(container, "elektronische Post:", 13, 55, 150);
    AddLabel(container, "Benutzung:", 13, 95, 100);
    invoiceFields_[4] = AddField(container, "telephoneField", 13, 30, 160);
    invoiceFields_[5] = AddField(container, "mobileField", 183, 30, 160);
    invoiceFields_[6] = AddField(container, "mailField", 13, 70, 330);

    useList_ = new QComboBox(container);
    useList_->setObjectName("useList");
    useList_->setGeometry(13, 110, 100, 20);
    useList_->addItems({"Privat", "Firma"});

    saveButton_ = new QPushButton("Speichern", container);
    saveButton_->setObjectName("saveButton");
    saveButton_->setGeometry(173, 105, 80, 25);
    saveButton_->setDefault(true);
    cancelButton_ = new QPushButton("Abbrechen", container);
    cancelButton_->setObjectName("cancelButton");
    cancelButton_->setGeometry(263, 105, 80, 25);
}

QLineEdit* UserInformationDialog::AddField(QWidget* parent, const char* objectName, int x, int y,
                                           int width) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(objectName);
    field->setGeometry(x, y, width, kFieldHeight);
    field->setMaxLength(kLongestText);
    field->setValidator(new Cp1252Validator(field));
    return field;
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
