#pragma once
// The user information dialog: the user's invoice address, delivery address
// and contact data on two tabs and the container below them. The address
// commands of the shell fill it, open it through the dialog frame and handle
// "Speichern"; "Abbrechen" and the close box reject it.

#include <array>
#include <span>

#include "FixedDialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

class UserInformationDialog : public FormDialog {
    Q_OBJECT

public:
    explicit UserInformationDialog(QWidget* parent = nullptr);

    // "rech" fields 1-7: name, addition, street, town, telephone,
    // mobile/telefax, e-mail.
    void SetInvoice(const std::array<QString, 7>& fields);
    std::array<QString, 7> Invoice() const;
    // 0 "Privat", 1 "Firma"; the name captions of both tabs follow.
    void SetUse(int use);
    int Use() const;
    // "lief" fields 1-4.
    void SetDelivery(const std::array<QString, 4>& fields);
    std::array<QString, 4> Delivery() const;
    // "wie Rechnungsadresse": the delivery fields are disabled, not emptied.
    void SetDeliveryIsInvoice(bool same);
    bool DeliveryIsInvoice() const;

private:
    // The tab of the invoice or the delivery address (`prefix` of the names
    // of its page, caption and fields): name, addition, street and town, and
    // the control `above` them, if any.
    QWidget* BuildAddressTab(const QString& prefix, const std::array<const char*, 3>& captions,
                             std::span<QLineEdit*, 4> fields, QLabel*& nameCaption,
                             QWidget* above = nullptr);
    void BuildContactContainer();
    void UpdateNameCaptions();
    void UpdateDeliveryFields();

    QTabWidget* tabs_ = nullptr;
    std::array<QLineEdit*, 7> invoiceFields_{};
    std::array<QLineEdit*, 4> deliveryFields_{};
    QLabel* invoiceNameLabel_ = nullptr;
    QLabel* deliveryNameLabel_ = nullptr;
    QCheckBox* sameAddressBox_ = nullptr;
    QComboBox* useList_ = nullptr;
};
