#pragma once
// " Teil bestellen": the quantity of a part to order and the supplier whose
// order list it goes on. The order commands of the shell fill it, open it
// through the dialog frame and handle "Bestellen"; "Abbrechen" and the close
// box reject it.

#include <array>

#include "FixedDialog.h"

class DigitsField;
class QRadioButton;

class OrderDialog : public FixedDialog {
    Q_OBJECT

public:
    explicit OrderDialog(QWidget* parent = nullptr);

    // The captions of the three options: the suppliers' short names.
    void SetSupplierNames(const std::array<QString, 3>& names);
    // 1-3.
    void SetSupplier(int supplier);
    int Supplier() const;
    void SetQuantity(const QString& quantity);
    QString Quantity() const;

    DigitsField* QuantityField() const { return quantityField_; }

signals:
    void OrderRequested();

private:
    DigitsField* quantityField_ = nullptr;
    std::array<QRadioButton*, 3> supplierOptions_{};
};
