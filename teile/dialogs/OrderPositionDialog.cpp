#include "OrderPositionDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "DialogBuilder.h"
#include "DigitsField.h"
#include "FieldTexts.h"
#include "FitCaption.h"
#include "Messages.h"
#include "PriceField.h"
#include "Prompter.h"
#include "WindowText.h"
#include "records/OrderDialogRules.h"

namespace {

// A position is stored as reference;quantity;flag and read back to 254
// characters: a quantity this long is a typing accident, not an order.
constexpr int kLongestQuantity = 9;
// A price reads back from the part record, itself read to 254 characters.
constexpr int kLongestPrice = 20;

}  // namespace

OrderPositionDialog::OrderPositionDialog(Prompter& prompter, QWidget* parent)
    : FixedDialog("orderPositionDialog", " Bestellposition", {189, 135}, parent),
      prompter_(prompter) {
    tabs_ = DialogBuilder(this).Place<QTabWidget>("positionTabs", {0, 0, 190, 135});
    tabs_->addTab(BuildEditTab(), "Bearbeiten");
    tabs_->addTab(BuildCloseTab(), QString::fromUtf8("Abschließen"));
    connect(tabs_, &QTabWidget::currentChanged, this, &OrderPositionDialog::FollowTab);
    InstallPriceConversionShortcuts(this);
    // Once the page has the dialog's font.
    FitCaption(hiddenBox_, "Ausblenden");
    FollowTab(0);
}

QWidget* OrderPositionDialog::NewTab(const char* name, const char* quantityName,
                                     DigitsField*& quantity) {
    auto* page = new QWidget;
    page->setObjectName(name);
    DialogBuilder build(page);
    build.Frame({3, -2, 180, 110});
    QLabel* label = build.Label("Menge:", {13, 13, 80, 15});
    quantity = build.Place<DigitsField>(quantityName, {13, 33, 75, 20});
    quantity->setMaxLength(kLongestQuantity);
    label->setBuddy(quantity);
    return page;
}

QPushButton* OrderPositionDialog::AddButtons(DialogBuilder& build, const char* caption,
                                             const char* name, const char* cancelName) {
    QPushButton* action = build.Button(caption, name, {13, 73, 75, 25});
    QPushButton* cancel = build.Button("Abbrechen", cancelName, {98, 73, 75, 25});
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    return action;
}

QWidget* OrderPositionDialog::BuildEditTab() {
    QWidget* page = NewTab("editTab", "editQuantityField", editQuantityField_);
    DialogBuilder build(page);
    hiddenBox_ = build.Place<QCheckBox>("hiddenBox", {98, 10, 80, 20});
    QPushButton* goToPart = build.Button("zum Artikel", "goToPartButton", {98, 33, 75, 25});
    saveButton_ = AddButtons(build, "Speichern", "saveButton", "editCancelButton");

    connect(editQuantityField_, &QLineEdit::textChanged, this,
            &OrderPositionDialog::UpdateSaveButton);
    connect(saveButton_, &QPushButton::clicked, this, &OrderPositionDialog::SaveRequested);
    connect(goToPart, &QPushButton::clicked, this, &OrderPositionDialog::GoToPartRequested);
    return page;
}

QWidget* OrderPositionDialog::BuildCloseTab() {
    QWidget* page = NewTab("closeTab", "bookQuantityField", bookQuantityField_);
    DialogBuilder build(page);
    QLabel* priceLabel = build.Label("neuer Preis:", {98, 13, 80, 15});
    priceField_ = build.Place<class PriceField>("newPriceField", {98, 33, 75, 20});
    priceField_->setMaxLength(kLongestPrice);
    priceLabel->setBuddy(priceField_);
    bookInButton_ = AddButtons(build, "Zubuchen", "bookInButton", "closeCancelButton");

    connect(bookQuantityField_, &QLineEdit::textChanged, this,
            &OrderPositionDialog::UpdateBookInButton);
    connect(priceField_, &PriceField::validityChanged, this,
            &OrderPositionDialog::UpdateBookInButton);
    connect(bookInButton_, &QPushButton::clicked, this, &OrderPositionDialog::BookInRequested);
    return page;
}

void OrderPositionDialog::SetPosition(int orderList, int slot) {
    orderList_ = orderList;
    slot_ = slot;
}

void OrderPositionDialog::Fill(const QString& quantity, bool hidden, const QString& unitPrice) {
    ShowWhole(editQuantityField_, quantity, kLongestQuantity);
    ShowWhole(bookQuantityField_, quantity, kLongestQuantity);
    hiddenBox_->setChecked(hidden);
    ShowWhole(priceField_, unitPrice, kLongestPrice);
    UpdateSaveButton();
    UpdateBookInButton();
}

void OrderPositionDialog::ShowTab(Tab tab) { tabs_->setCurrentIndex(static_cast<int>(tab)); }

DigitsField* OrderPositionDialog::QuantityFieldOf(Tab tab) const {
    return tab == Tab::Edit ? editQuantityField_ : bookQuantityField_;
}

QString OrderPositionDialog::EditQuantity() const { return editQuantityField_->text(); }

bool OrderPositionDialog::Hidden() const { return hiddenBox_->isChecked(); }

QString OrderPositionDialog::BookQuantity() const { return bookQuantityField_->text(); }

QString OrderPositionDialog::NewPrice() const { return priceField_->text(); }

bool OrderPositionDialog::BookingFits() {
    if (BookingFitsFile(partRecord_, orderList_, ToDataText(BookQuantity()),
                        ToDataText(NewPrice()))) {
        return true;
    }
    prompter_.Tell(messages::kTitleWarning, messages::kBookingTooLong, MessageIcon::Warning);
    activateWindow();
    return false;
}

void OrderPositionDialog::UpdateSaveButton() {
    saveButton_->setEnabled(QuantityAllowsAction(ToDataText(editQuantityField_->text())));
}

void OrderPositionDialog::UpdateBookInButton() {
    // Both rules hold at once: a change of the quantity must not let a price
    // with two commas be booked.
    bookInButton_->setEnabled(QuantityAllowsAction(ToDataText(bookQuantityField_->text())) &&
                              priceField_->IsValid());
}

void OrderPositionDialog::FollowTab(int index) {
    const Tab tab = index == static_cast<int>(Tab::Close) ? Tab::Close : Tab::Edit;
    saveButton_->setDefault(tab == Tab::Edit);
    bookInButton_->setDefault(tab == Tab::Close);
    if (isVisible()) {
        QuantityFieldOf(tab)->setFocus(Qt::TabFocusReason);
    }
}
