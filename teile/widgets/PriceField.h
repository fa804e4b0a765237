#pragma once
// The price field of the part editor and the order position dialog: it keeps
// only digits and commas, turns orange while it holds more than one comma,
// and converts its price between net and gross.

#include <QLineEdit>

#include "PriceInput.h"

class PriceField : public QLineEdit {
    Q_OBJECT
public:
    explicit PriceField(QWidget* parent = nullptr);

    // At most one comma: the dialog may save.
    bool IsValid() const { return valid_; }
    // Ctrl+N and Ctrl+B: the converted price, or nothing for no price above 0.
    void Convert(PriceConversion conversion);

signals:
    void validityChanged(bool valid);

private:
    void Filter();

    bool valid_ = true;
};

// Ctrl+N (to net) and Ctrl+B (to gross) on `dialog`, acting on the price
// field that has the keyboard focus; elsewhere in the dialog they do nothing.
void InstallPriceConversionShortcuts(QWidget* dialog);
