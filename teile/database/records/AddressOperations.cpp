#include "records/AddressOperations.h"

#include <algorithm>

#include "DataFiles.h"
#include "IniStore.h"
#include "Messages.h"
#include "TextRules.h"
#include "lists/CategoryTree.h"
#include "records/WriteTransaction.h"

namespace {

const char kInvoiceKey[] = "rech";
const char kDeliveryKey[] = "lief";
const char kSameAddressKey[] = "LgleichR";

std::string ShortNameKey(int tag) { return "k" + std::to_string(tag); }
std::string AddressKey(int tag) { return "a" + std::to_string(tag); }

}  // namespace

SupplierForm ReadSupplierForm(const std::string& folder, int tag) {
    SupplierForm form;
    if (!IsOrderListNumber(tag)) {
        return form;
    }
    form.supplier = SupplierOfList(tag);
    const std::shared_ptr<const IniDocument> main = ReadIniFile(MainFilePath(folder));
    form.shortName = StoredShortName(form.supplier, main->Value(kCategoryGroup, ShortNameKey(tag)));
    if (const auto address = SupplierAddress::Parse(main->Value(kAddressGroup, AddressKey(tag)))) {
        form.address = address->fields;
    }
    return form;
}

std::string StoredShortName(int supplier, std::string_view typed) {
    std::string name = Trim(typed);
    if (name.empty()) {
        name = "Lieferant " + std::to_string(supplier);
    }
    return name;
}

OperationOutcome SaveSupplier(const std::string& folder, int tag, std::string_view shortName,
                              const std::array<std::string, 8>& address, Prompter& prompter) {
    if (!IsOrderListNumber(tag)) {
        return OperationOutcome::Refused();
    }
    const std::string name = StoredShortName(SupplierOfList(tag), shortName);
    const std::string joined = SupplierAddress{address}.Join();
    // An address cut by its readers would, missing its last fields, no
    // longer fill the dialog: refused here with a message of its own.
    if (!ValueFitsFile(joined) || !ValueFitsFile(name)) {
        prompter.Tell(messages::kTitleWarning, messages::kAddressTooLong, MessageIcon::Warning);
        return OperationOutcome::Refused();
    }

    FileChange main(MainFilePath(folder));
    main.Set(kCategoryGroup, ShortNameKey(tag), name);
    main.Set(kAddressGroup, AddressKey(tag), joined);
    WriteTransaction writes;
    if (!writes.Write(main)) {
        return writes.FailureOutcome();
    }
    OperationOutcome outcome;
    outcome.tree = TreeUpdate{TreeChange::RenameSelected, tag, name};
    outcome.closeDialog = true;
    return outcome;
}

UserForm ReadUserForm(const std::string& folder) {
    const std::shared_ptr<const IniDocument> main = ReadIniFile(MainFilePath(folder));
    UserForm form;
    if (const auto invoice = UserAddress::ParseInvoice(main->Value(kAddressGroup, kInvoiceKey))) {
        std::copy(invoice->begin(), invoice->begin() + 7, form.invoice.begin());
        form.use = IntegerOfText((*invoice)[7]) == 0 ? AddressUse::Private : AddressUse::Business;
    }
    if (const auto delivery =
            UserAddress::ParseDelivery(main->Value(kAddressGroup, kDeliveryKey))) {
        form.delivery = *delivery;
    }
    form.deliveryIsInvoice = IntegerOfText(main->Value(kAddressGroup, kSameAddressKey)) == 1;
    return form;
}

UserAddress UserAddressOf(const UserForm& form) {
    UserAddress address;
    std::copy(form.invoice.begin(), form.invoice.end(), address.invoice.begin());
    address.invoice[7] = form.use == AddressUse::Business ? "1" : "0";
    address.delivery = form.delivery;
    address.deliveryIsInvoice = form.deliveryIsInvoice;
    return address;
}

OperationOutcome SaveUserForm(const std::string& folder, const UserForm& form, Prompter& prompter) {
    const UserAddress address = UserAddressOf(form);
    const std::string invoice = address.JoinInvoice();
    const std::string delivery = address.JoinDelivery();
    if (!ValueFitsFile(invoice) || !ValueFitsFile(delivery)) {
        prompter.Tell(messages::kTitleWarning, messages::kAddressTooLong, MessageIcon::Warning);
        return OperationOutcome::Refused();
    }

    FileChange main(MainFilePath(folder));
    main.Set(kAddressGroup, kInvoiceKey, invoice);
    main.Set(kAddressGroup, kDeliveryKey, delivery);
    main.Set(kAddressGroup, kSameAddressKey, address.deliveryIsInvoice ? "1" : "0");
    WriteTransaction writes;
    if (!writes.Write(main)) {
        return writes.FailureOutcome();
    }
    OperationOutcome outcome;
    outcome.closeDialog = true;
    return outcome;
}
