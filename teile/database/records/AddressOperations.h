#pragma once
// The supplier addresses and the user's own addresses: what the two address
// dialogs show and what their "Speichern" writes to group "Adressen" and to
// the supplier short names of group "kategorie" of "teile.dat".
//
// The short names have one home, the file: the category tree, the part editor
// and the order dialogs all read them through SupplierShortNames, so a name
// saved here is what each of them shows the next time it is filled.

#include <array>
#include <string>
#include <string_view>

#include "Prompter.h"
#include "Records.h"
#include "records/OperationOutcome.h"

// What the supplier dialog shows for the order list `tag` (901-903).
struct SupplierForm {
    int supplier = 0;       // 1-3
    std::string shortName;  // "Lieferant " + supplier when none is stored
    // Filled only from a stored address of exactly eight fields; empty otherwise.
    std::array<std::string, 8> address;
};
SupplierForm ReadSupplierForm(const std::string& folder, int tag);

// The short name as stored: trimmed, "Lieferant " + supplier when blank.
std::string StoredShortName(int supplier, std::string_view typed);

// "Speichern" of the supplier dialog: short name and address in one write.
// The selected tree entry (the order list) shows the new short name.
// Refused, with a message, when the address would not read back whole.
OperationOutcome SaveSupplier(const std::string& folder, int tag, std::string_view shortName,
                              const std::array<std::string, 8>& address, Prompter& prompter);

// "Privat" or "Firma", the drop-down of field 8 of "rech".
enum class AddressUse { Private = 0, Business = 1 };

// What the user information dialog shows. The older "rech" of seven fields
// reads as private use; values of any other shape leave their fields empty.
struct UserForm {
    std::array<std::string, 7> invoice;  // "rech" fields 1-7
    AddressUse use = AddressUse::Private;
    std::array<std::string, 4> delivery;  // "lief"
    bool deliveryIsInvoice = false;       // "LgleichR"
};
UserForm ReadUserForm(const std::string& folder);

// "rech", "lief" and "LgleichR" as they are written: every field trimmed, ";"
// replaced by ",". The delivery fields are kept also when the delivery
// address is the invoice address.
UserAddress UserAddressOf(const UserForm& form);

// "Speichern" of the user information dialog: the three values in one write.
OperationOutcome SaveUserForm(const std::string& folder, const UserForm& form, Prompter& prompter);
