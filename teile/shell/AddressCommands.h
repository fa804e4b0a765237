#pragma once
// The two address dialogs: command 1 on an order list of the tree opens the
// supplier dialog, command 21 the user information. Each gathers the fields,
// calls the engine's save and hands the outcome to the OutcomeApplier.

#include <QObject>

#include "CommandContext.h"

class OutcomeApplier;
class SupplierDialog;
class UserInformationDialog;

class AddressCommands : public QObject {
    Q_OBJECT

public:
    explicit AddressCommands(const CommandContext& shell, QObject* parent = nullptr);

    // Command 1: the supplier dialog when an order list is selected; false
    // for every other entry, which the category commands serve.
    bool EditSupplier();
    // Command 21.
    void EditUserInformation();

private:
    void SaveSupplier(SupplierDialog* dialog);
    void SaveUserInformation(UserInformationDialog* dialog);

    CommandContext shell_;
};
