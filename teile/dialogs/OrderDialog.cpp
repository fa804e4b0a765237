#include "OrderDialog.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <iterator>

#include "DialogBuilder.h"
#include "DigitsField.h"
#include "FieldTexts.h"
#include "FitCaption.h"

namespace {

// An order quantity longer than this is a typing accident, not an order.
constexpr int kLongestQuantity = 9;

}  // namespace

OrderDialog::OrderDialog(QWidget* parent)
    : FixedDialog("orderDialog", " Teil bestellen", {220, 125}, parent) {
    DialogBuilder build(this);
    build.Frame({0, 0, 220, 125});
    QLabel* quantityLabel = build.Label("Menge:", {10, 15, 70, 15});
    quantityField_ = build.Place<DigitsField>("orderQuantityField", {10, 30, 50, 20});
    quantityField_->setMaxLength(kLongestQuantity);
    quantityLabel->setBuddy(quantityField_);
    build.Label("bei", {75, 35, 20, 15});

    auto* group = new QButtonGroup(this);
    for (int index = 0; index < 3; ++index) {
        QRadioButton* option = build.Place<QRadioButton>(QString("supplierOption%1").arg(index + 1),
                                                         {105, 15 + 20 * index, 110, 15});
        group->addButton(option, index + 1);
        supplierOptions_[static_cast<std::size_t>(index)] = option;
    }
    supplierOptions_[0]->setChecked(true);

    QPushButton* orderButton = build.Button("Bestellen", "orderButton", {10, 90, 80, 25});
    // Return in the quantity field orders, as the user expects of the one action.
    orderButton->setDefault(true);
    QPushButton* cancelButton = build.Button("Abbrechen", "cancelButton", {130, 90, 80, 25});

    QWidget* const chain[] = {quantityField_,      supplierOptions_[0], supplierOptions_[1],
                              supplierOptions_[2], orderButton,         cancelButton};
    for (std::size_t i = 1; i < std::size(chain); ++i) {
        setTabOrder(chain[i - 1], chain[i]);
    }

    connect(orderButton, &QPushButton::clicked, this, &OrderDialog::OrderRequested);
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
