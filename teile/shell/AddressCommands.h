#pragma once
// The two address dialogs: the supplier dialog of an order list of the tree,
// and the user information. Each gathers the fields, calls the engine's save
// and hands the outcome to the OutcomeApplier.

#include <QObject>

#include "CommandContext.h"

class SupplierDialog;
class UserInformationDialog;

class AddressCommands : public QObject {
    Q_OBJECT

public:
    explicit AddressCommands(const CommandContext& shell, QObject* parent = nullptr);

    // The supplier of the selected order list; nothing for another entry.
    void EditSupplier();
    void EditUserInformation();

private:
    void SaveSupplier(SupplierDialog* dialog, int orderList);
    void SaveUserInformation(UserInformationDialog* dialog);

    CommandContext shell_;
};
