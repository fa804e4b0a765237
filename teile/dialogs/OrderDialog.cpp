#include "OrderDialog.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <iterator>

#include "DialogFonts.h"
#include "DigitsField.h"
#include "FieldTexts.h"
#include "FitCaption.h"

namespace {

constexpr int kClientWidth = 220;
constexpr int kClientHeight = 125;
// An order quantity longer than this is a typing accident, not an order.
constexpr int kLongestQuantity = 9;

}  // namespace

OrderDialog::OrderDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName("orderDialog");
    setWindowTitle(QString::fromUtf8(kOrderDialogTitle));
    setFont(DialogFont());
    setFixedSize(kClientWidth, kClientHeight);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(0, 0, 220, 125);

    auto* quantityLabel = new QLabel("Menge:", this);
    quantityLabel->setGeometry(10, 15, 70, 15);
    quantityField_ = new DigitsField(this);
    quantityField_->setObjectName("orderQuantityField");
    quantityField_->setGeometry(10, 30, 50, 20);
    quantityField_->setMaxLength(kLongestQuantity);
    quantityLabel->setBuddy(quantityField_);
    auto* atLabel = new QLabel("bei", this);
    atLabel->setGeometry(75, 35, 20, 15);

    auto* group = new QButtonGroup(this);
    for (int index = 0; index < 3; ++index) {
        auto* option = new QRadioButton(this);
        option->setObjectName(QString("supplierOption%1").arg(index + 1));
        option->setGeometry(105, 15 + 20 * index, 110, 15);
        group->addButton(option, index + 1);
        supplierOptions_[static_cast<std::size_t>(index)] = option;
    }
    supplierOptions_[0]->setChecked(true);

    orderButton_ = new QPushButton("Bestellen", this);
    orderButton_->setObjectName("orderButton");
    orderButton_->setGeometry(10, 90, 80, 25);
    // Return in the quantity field orders, as the user expects of the one action.
    orderButton_->setDefault(true);
    auto* cancelButton = new QPushButton("Abbrechen", this);
    cancelButton->setObjectName("cancelButton");
    cancelButton->setGeometry(130, 90, 80, 25);

    QWidget* const chain[] = {quantityField_,      supplierOptions_[0], supplierOptions_[1],
                              supplierOptions_[2], orderButton_,        cancelButton};
    for (std::size_t i = 1; i < std::size(chain); ++i) {
        setTabOrder(chain[i - 1], chain[i]);
    }

    connect(orderButton_, &QPushButton::clicked, this, &OrderDialog::OrderRequested);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void OrderDialog::SetSupplierNames(const std::array<QString, 3>& names) {
    for (std::size_t index = 0; index < names.size(); ++index) {
        FitCaption(supplierOptions_[index], names[index]);
    }
}

void OrderDialog::SetSupplier(int supplier) {
    if (supplier >= 1 && supplier <= 3) {
        supplierOptions_[static_cast<std::size_t>(supplier - 1)]->setChecked(true);
    }
}

int OrderDialog::Supplier() const {
    for (std::size_t index = 0; index < supplierOptions_.size(); ++index) {
        if (supplierOptions_[index]->isChecked()) {
            return static_cast<int>(index) + 1;
        }
    }
    return 1;
}

void OrderDialog::SetQuantity(const QString& quantity) {
    ShowWhole(quantityField_, quantity, kLongestQuantity);
}

QString OrderDialog::Quantity() const { return quantityField_->text(); }
