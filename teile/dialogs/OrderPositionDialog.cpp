#include "OrderPositionDialog.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "DialogFonts.h"
#include "DigitsField.h"
#include "FieldTexts.h"
#include "FitCaption.h"
#include "Messages.h"
#include "PriceField.h"
#include "Prompter.h"
#include "WindowText.h"
#include "records/OrderDialogRules.h"

namespace {

constexpr int kClientWidth = 189;
constexpr int kClientHeight = 135;
// A position is stored as reference;quantity;flag and read back to 254
// characters: a quantity this long is a typing accident, not an order.
constexpr int kLongestQuantity = 9;
// A price reads back from the part record, itself read to 254 characters.
constexpr int kLongestPrice = 20;

QFrame* AddFrame(QWidget* page) {
    auto* frame = new QFrame(page);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(3, -2, 180, 110);
    return frame;
}

DigitsField* AddQuantityField(QWidget* page, const char* name) {
    auto* label = new QLabel("Menge:", page);
    label->setGeometry(13, 13, 80, 15);
    auto* field = new DigitsField(page);
    field->setObjectName(name);
    field->setGeometry(13, 33, 75, 20);
    field->setMaxLength(kLongestQuantity);
    label->setBuddy(field);
    return field;
}

QPushButton* AddButton(QWidget* page, const char* caption, const char* name, int x) {
    auto* button = new QPushButton(caption, page);
    button->setObjectName(name);
    button->setGeometry(x, 73, 75, 25);
    return button;
}

}  // namespace

OrderPositionDialog::OrderPositionDialog(Prompter& prompter, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      prompter_(prompter) {
    setObjectName("orderPositionDialog");
    setWindowTitle(QString::fromUtf8(kOrderPositionDialogTitle));
    setFont(DialogFont());
    setFixedSize(kClientWidth, kClientHeight);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("positionTabs");
    tabs_->setGeometry(0, 0, 190, 135);
    tabs_->addTab(BuildEditTab(), "Bearbeiten");
    tabs_->addTab(BuildCloseTab(), QString::fromUtf8("Abschließen"));
    connect(tabs_, &QTabWidget::currentChanged, this, &OrderPositionDialog::FollowTab);
    InstallPriceConversionShortcuts(this);
    // Once the page has the dialog's font.
    FitCaption(hiddenBox_, "Ausblenden");
    FollowTab(0);
}

QWidget* OrderPositionDialog::BuildEditTab() {
    auto* page = new QWidget;
    page->setObjectName("editTab");
    AddFrame(page);
    editQuantityField_ = AddQuantityField(page, "editQuantityField");
    hiddenBox_ = new QCheckBox(page);
    hiddenBox_->setObjectName("hiddenBox");
    hiddenBox_->setGeometry(98, 10, 80, 20);
    auto* goToPart = new QPushButton("zum Artikel", page);
    goToPart->setObjectName("goToPartButton");
    goToPart->setGeometry(98, 33, 75, 25);
    saveButton_ = AddButton(page, "Speichern", "saveButton", 13);
    QPushButton* cancel = AddButton(page, "Abbrechen", "editCancelButton", 98);

    connect(editQuantityField_, &QLineEdit::textChanged, this,
            &OrderPositionDialog::UpdateSaveButton);
    connect(saveButton_, &QPushButton::clicked, this, &OrderPositionDialog::SaveRequested);
    connect(goToPart, &QPushButton::clicked, this, &OrderPositionDialog::GoToPartRequested);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    return page;
}

QWidget* OrderPositionDialog::BuildCloseTab() {
    auto* page = new QWidget;
    page->setObjectName("closeTab");
    AddFrame(page);
    bookQuantityField_ = AddQuantityField(page, "bookQuantityField");
    auto* priceLabel = new QLabel("neuer Preis:", page);
    priceLabel->setGeometry(98, 13, 80, 15);
    priceField_ = new PriceField(page);
    priceField_->setObjectName("newPriceField");
    priceField_->setGeometry(98, 33, 75, 20);
    priceField_->setMaxLength(kLongestPrice);
    priceLabel->setBuddy(priceField_);
    bookInButton_ = AddButton(page, "Zubuchen", "bookInButton", 13);
    QPushButton* cancel = AddButton(page, "Abbrechen", "closeCancelButton", 98);

    connect(bookQuantityField_, &QLineEdit::textChanged, this,
            &OrderPositionDialog::UpdateBookInButton);
    connect(priceField_, &PriceField::validityChanged, this,
            &OrderPositionDialog::UpdateBookInButton);
    connect(bookInButton_, &QPushButton::clicked, this, &OrderPositionDialog::BookInRequested);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
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
