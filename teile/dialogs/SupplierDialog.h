#pragma once
// The supplier dialog: the short name under which a supplier's order list
// stands in the tree, and the supplier's address. The address commands of the
// shell fill it, open it through the dialog frame and handle "Speichern";
// "Abbrechen" and the close box reject it.

#include <array>

#include "FixedDialog.h"

class DialogBuilder;
class QLineEdit;

class SupplierDialog : public FormDialog {
    Q_OBJECT

public:
    explicit SupplierDialog(QWidget* parent = nullptr);

    void SetShortName(const QString& name);
    QString ShortName() const;
    // The eight address fields in the order they are stored: company, contact,
    // street, customer number, country-postcode-town, telephone, telefax, e-mail.
    void SetAddress(const std::array<QString, 8>& fields);
    std::array<QString, 8> Address() const;

private:
    QLineEdit* shortNameField_ = nullptr;
    std::array<QLineEdit*, 8> addressFields_{};
};
