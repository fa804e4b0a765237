#include "AddressCommands.h"

#include <QPushButton>

#include "AddressOperations.h"
#include "CategoryTree.h"
#include "CategoryTreeView.h"
#include "DialogFrame.h"
#include "OutcomeApplier.h"
#include "ShellState.h"
#include "SupplierDialog.h"
#include "UserInformationDialog.h"
#include "WindowText.h"

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

AddressCommands::AddressCommands(ShellState& state, CategoryTreeView& tree, DialogFrame& dialogs,
                                 OutcomeApplier& applier, Prompter& prompter, QObject* parent)
    : QObject(parent),
      state_(state),
      tree_(tree),
      dialogs_(dialogs),
      applier_(applier),
      prompter_(prompter) {}

bool AddressCommands::EditSupplier() {
    const int tag = tree_.SelectedTag();
    if (!IsOrderListNumber(tag)) {
        return false;
    }
    const SupplierForm form = ReadSupplierForm(state_.folder, tag);
    auto* dialog = new SupplierDialog;
    dialog->SetTag(tag);
    dialog->SetShortName(ToWindowText(form.shortName));
    dialog->SetAddress(WindowTexts(form.address));
    connect(dialog, &SupplierDialog::SaveRequested, this, [this, dialog] { SaveSupplier(dialog); });
    dialogs_.Open(DialogWindow::Supplier, dialog, dialog->CancelButton());
    return true;
}

void AddressCommands::SaveSupplier(SupplierDialog* dialog) {
    applier_.Apply(::SaveSupplier(state_.folder, dialog->Tag(), ToDataText(dialog->ShortName()),
                                  DataTexts(dialog->Address()), prompter_));
}

void AddressCommands::EditUserInformation() {
    const UserForm form = ReadUserForm(state_.folder);
    auto* dialog = new UserInformationDialog;
    dialog->SetInvoice(WindowTexts(form.invoice));
    dialog->SetUse(static_cast<int>(form.use));
    dialog->SetDelivery(WindowTexts(form.delivery));
    dialog->SetDeliveryIsInvoice(form.deliveryIsInvoice);
    connect(dialog, &UserInformationDialog::SaveRequested, this,
            [this, dialog] { SaveUserInformation(dialog); });
    dialogs_.Open(DialogWindow::UserInformation, dialog, dialog->CancelButton());
}

void AddressCommands::SaveUserInformation(UserInformationDialog* dialog) {
    UserForm form;
    form.invoice = DataTexts(dialog->Invoice());
    form.use = dialog->Use() == 1 ? AddressUse::Business : AddressUse::Private;
    form.delivery = DataTexts(dialog->Delivery());
    form.deliveryIsInvoice = dialog->DeliveryIsInvoice();
    applier_.Apply(SaveUserForm(state_.folder, form, prompter_));
}
