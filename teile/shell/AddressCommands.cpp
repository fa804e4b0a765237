#include "AddressCommands.h"

#include <QPushButton>

#include "CategoryTreeView.h"
#include "DialogFrame.h"
#include "OutcomeApplier.h"
#include "ShellState.h"
#include "SupplierDialog.h"
#include "UserInformationDialog.h"
#include "WindowText.h"
#include "lists/CategoryTree.h"
#include "records/AddressOperations.h"

namespace {

template <std::size_t N>
std::array<QString, N> WindowTexts(const std::array<std::string, N>& texts) {
    std::array<QString, N> shown;
    for (std::size_t i = 0; i < N; ++i) {
        shown[i] = ToWindowText(texts[i]);
    }
    return shown;
}

template <std::size_t N>
std::array<std::string, N> DataTexts(const std::array<QString, N>& texts) {
    std::array<std::string, N> data;
    for (std::size_t i = 0; i < N; ++i) {
        data[i] = ToDataText(texts[i]);
    }
    return data;
}

}  // namespace

AddressCommands::AddressCommands(const CommandContext& shell, QObject* parent)
    : QObject(parent), shell_(shell) {}

void AddressCommands::EditSupplier() {
    const TreeEntryId selected = shell_.tree.Selected();
    if (!selected.IsOrderList()) {
        return;
    }
    const int orderList = selected.listNumber;
    const SupplierForm form = ReadSupplierForm(shell_.state.folder, orderList);
    auto* dialog = new SupplierDialog;
    dialog->SetShortName(ToWindowText(form.shortName));
    dialog->SetAddress(WindowTexts(form.address));
    connect(dialog, &SupplierDialog::SaveRequested, this,
            [this, dialog, orderList] { SaveSupplier(dialog, orderList); });
    shell_.dialogs.Open(DialogWindow::Supplier, dialog, dialog->CancelButton());
}

void AddressCommands::SaveSupplier(SupplierDialog* dialog, int orderList) {
    shell_.applier.Apply(::SaveSupplier(shell_.state.folder, orderList,
                                        ToDataText(dialog->ShortName()),
                                        DataTexts(dialog->Address()), shell_.prompter));
}

void AddressCommands::EditUserInformation() {
    const UserForm form = ReadUserForm(shell_.state.folder);
    auto* dialog = new UserInformationDialog;
    dialog->SetInvoice(WindowTexts(form.invoice));
    dialog->SetUse(static_cast<int>(form.use));
    dialog->SetDelivery(WindowTexts(form.delivery));
    dialog->SetDeliveryIsInvoice(form.deliveryIsInvoice);
    connect(dialog, &UserInformationDialog::SaveRequested, this,
            [this, dialog] { SaveUserInformation(dialog); });
    shell_.dialogs.Open(DialogWindow::UserInformation, dialog, dialog->CancelButton());
}

void AddressCommands::SaveUserInformation(UserInformationDialog* dialog) {
    UserForm form;
    form.invoice = DataTexts(dialog->Invoice());
    form.use = dialog->Use() == 1 ? AddressUse::Business : AddressUse::Private;
    form.delivery = DataTexts(dialog->Delivery());
    form.deliveryIsInvoice = dialog->DeliveryIsInvoice();
    shell_.applier.Apply(SaveUserForm(shell_.state.folder, form, shell_.prompter));
}
