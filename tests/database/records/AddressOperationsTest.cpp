// The supplier and user addresses as the two address dialogs read and save
// them, on real files.

#include <gtest/gtest.h>

#include "AddressOperations.h"
#include "CategoryTree.h"
#include "RecordDatabase.h"

namespace {

using Eight = std::array<std::string, 8>;
using Seven = std::array<std::string, 7>;
using Four = std::array<std::string, 4>;

const std::string kTooLong =
    "Die Adresse ist zu lang: zusammen h\xF6"
    "chstens 254 Zeichen !     ";

std::string Stored(const RecordDatabase& db, std::string_view group, std::string_view key) {
    return ReadIniValue(group, key, MainFilePath(db.Folder()));
}

std::array<std::string, 8> Address(std::string first) {
    return {std::move(first), "Herr B", "Weg 1", "K-7", "D-1 Ort", "01", "02", "a@b.de"};
}

TEST(SupplierForm, ShortNameDefaultsAndOnlyAnEightFieldAddressFills) {
    RecordDatabase db;
    db.WriteFile("teile.dat",
                 "[kategorie]\r\nk901=  Reichel  \r\nk902=\r\n"
                 "[Adressen]\r\na901=A;B;C;D;E;F;G;H\r\na902=A;B;C;D;E;F;G\r\n"
                 "a903=A;B;C;D;E;F;G;H;I\r\n");
    const SupplierForm first = ReadSupplierForm(db.Folder(), 901);
    EXPECT_EQ(first.supplier, 1);
    EXPECT_EQ(first.shortName, "Reichel");
    EXPECT_EQ(first.address, (std::array<std::string, 8>{"A", "B", "C", "D", "E", "F", "G", "H"}));

    // Seven fields are no supplier address; nine neither.
    const SupplierForm second = ReadSupplierForm(db.Folder(), 902);
    EXPECT_EQ(second.shortName, "Lieferant 2");
    EXPECT_EQ(second.address, Eight{});
    const SupplierForm third = ReadSupplierForm(db.Folder(), 903);
    EXPECT_EQ(third.shortName, "Lieferant 3");
    EXPECT_EQ(third.address, Eight{});
}

TEST(SaveSupplier, WritesTheShortNameAndTheCleanedAddress) {
    RecordDatabase db;
    db.WriteFile("teile.dat", "[kategorie]\r\nk0=Dioden\r\nk902=Alt\r\n[Adressen]\r\nrech=x\r\n");

    // A blank short name becomes the supplier's number; ";" inside a field
    // would split the record and becomes ",".
    ScriptedPrompter prompter;
    std::array<std::string, 8> typed = Address("  A;B GmbH ");
    typed[7] = " a;b@c.de\t";
    const OperationOutcome outcome = SaveSupplier(db.Folder(), 902, "  \t ", typed, prompter);
    ASSERT_TRUE(outcome.IsDone());
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(Stored(db, "kategorie", "k902"), "Lieferant 2");
    EXPECT_EQ(Stored(db, "Adressen", "a902"), "A,B GmbH;Herr B;Weg 1;K-7;D-1 Ort;01;02;a,b@c.de");
    EXPECT_EQ(outcome.tree.change, TreeChange::RenameSelected);
    EXPECT_EQ(outcome.tree.text, "Lieferant 2");
    EXPECT_TRUE(outcome.closeDialog);
    // The rest of the file stays.
    EXPECT_EQ(Stored(db, "kategorie", "k0"), "Dioden");
    EXPECT_EQ(Stored(db, "Adressen", "rech"), "x");
    // What the part editor and the order dialogs read.
    EXPECT_EQ(SupplierShortNames(db.Folder())[1], "Lieferant 2");

    const OperationOutcome named = SaveSupplier(db.Folder(), 902, " Conrad ", typed, prompter);
    ASSERT_TRUE(named.IsDone());
    EXPECT_EQ(named.tree.text, "Conrad");
    EXPECT_EQ(SupplierShortNames(db.Folder())[1], "Conrad");
    // Read back, the dialog shows what was saved.
    EXPECT_EQ(ReadSupplierForm(db.Folder(), 902).address[0], "A,B GmbH");
}

TEST(SaveSupplier, AnAddressTooLongToReadBackIsRefused) {
    RecordDatabase db;
    db.WriteFile("teile.dat", "[kategorie]\r\nk901=Alt\r\n");
    const std::string before = db.Bytes("teile.dat");
    ScriptedPrompter prompter;
    // 8 fields and 7 separators: 247 characters in the fields are the most.
    std::array<std::string, 8> address = Address(std::string(240, 'x'));
    const OperationOutcome refused = SaveSupplier(db.Folder(), 901, "Neu", address, prompter);
    EXPECT_EQ(refused.status, OutcomeStatus::Refused);
    EXPECT_FALSE(refused.closeDialog);
    ASSERT_EQ(prompter.messages.size(), 1u);
    ExpectMessage(prompter.messages[0], false, "Warnung !", kTooLong, MessageIcon::Warning);
    EXPECT_EQ(db.Bytes("teile.dat"), before);

    address = {std::string(247, 'x'), "", "", "", "", "", "", ""};
    ASSERT_TRUE(SaveSupplier(db.Folder(), 901, "Neu", address, prompter).IsDone());
    EXPECT_EQ(ReadSupplierForm(db.Folder(), 901).address[0], std::string(247, 'x'));
}

TEST(SaveSupplier, AFailedWriteChangesNothing) {
    RecordDatabase db;
    db.WriteFile("teile.dat", "[kategorie]\r\nk901=Alt\r\n");
    const std::string before = db.Bytes("teile.dat");
    ScriptedPrompter prompter;
    {
        FailingWrites failing(MainFilePath(db.Folder()));
        EXPECT_TRUE(SaveSupplier(db.Folder(), 901, "Neu", Address("A"), prompter).WriteFailed());
    }
    EXPECT_EQ(db.Bytes("teile.dat"), before);
    // Only order lists have a supplier.
    EXPECT_EQ(SaveSupplier(db.Folder(), 3, "Neu", Address("A"), prompter).status,
              OutcomeStatus::Refused);
    EXPECT_EQ(db.Bytes("teile.dat"), before);
}

TEST(UserForm, OlderInvoiceUpgradedAndOnlyWholeValuesFill) {
    RecordDatabase db;
    // The older invoice address of seven fields reads as private use.
    db.WriteFile("teile.dat",
                 "[Adressen]\r\nrech=N;Z;S;O;T;M;P\r\nlief=a;b;c;d\r\nLgleichR= 1 \r\n");
    UserForm form = ReadUserForm(db.Folder());
    EXPECT_EQ(form.invoice, (std::array<std::string, 7>{"N", "Z", "S", "O", "T", "M", "P"}));
    EXPECT_EQ(form.use, AddressUse::Private);
    EXPECT_EQ(form.delivery, (std::array<std::string, 4>{"a", "b", "c", "d"}));
    EXPECT_TRUE(form.deliveryIsInvoice);

    // Field 8 read as a number: 0 private, anything else business.
    for (const auto& [use, expected] :
         std::vector<std::pair<std::string, AddressUse>>{{"0", AddressUse::Private},
                                                         {"1", AddressUse::Business},
                                                         {"2", AddressUse::Business},
                                                         {"", AddressUse::Private},
                                                         {"x", AddressUse::Private}}) {
        db.WriteFile("teile.dat", "[Adressen]\r\nrech=N;Z;S;O;T;M;P;" + use + "\r\n");
        EXPECT_EQ(ReadUserForm(db.Folder()).use, expected) << use;
    }

    // Other shapes leave their fields empty; "LgleichR" counts only as 1.
    db.WriteFile("teile.dat",
                 "[Adressen]\r\nrech=N;Z;S;O;T;M;P;1;9\r\nlief=a;b;c\r\nLgleichR=2\r\n");
    form = ReadUserForm(db.Folder());
    EXPECT_EQ(form.invoice, Seven{});
    EXPECT_EQ(form.use, AddressUse::Private);
    EXPECT_EQ(form.delivery, Four{});
    EXPECT_FALSE(form.deliveryIsInvoice);
}

TEST(SaveUserForm, WritesTheThreeValuesWithTheDeliveryFieldsKept) {
    RecordDatabase db;
    db.WriteFile("teile.dat", "[Adressen]\r\nrech=N;Z;S;O;T;M;P\r\na901=x\r\n");
    UserForm form = ReadUserForm(db.Folder());
    form.invoice[0] = " M\xFCller; Klaus ";
    form.delivery = {"Packstation", " 12;3 ", "", "D-1 Ort"};
    form.deliveryIsInvoice = true;
    ScriptedPrompter prompter;
    const OperationOutcome outcome = SaveUserForm(db.Folder(), form, prompter);
    ASSERT_TRUE(outcome.IsDone());
    EXPECT_TRUE(outcome.closeDialog);
    EXPECT_EQ(Stored(db, "Adressen", "rech"), "M\xFCller, Klaus;Z;S;O;T;M;P;0");
    EXPECT_EQ(Stored(db, "Adressen", "lief"), "Packstation;12,3;;D-1 Ort");
    EXPECT_EQ(Stored(db, "Adressen", "LgleichR"), "1");
    EXPECT_EQ(Stored(db, "Adressen", "a901"), "x");

    form.use = AddressUse::Business;
    form.deliveryIsInvoice = false;
    ASSERT_TRUE(SaveUserForm(db.Folder(), form, prompter).IsDone());
    EXPECT_EQ(Stored(db, "Adressen", "rech"), "M\xFCller, Klaus;Z;S;O;T;M;P;1");
    EXPECT_EQ(Stored(db, "Adressen", "LgleichR"), "0");

    const std::string before = db.Bytes("teile.dat");
    form.delivery[0] = std::string(252, 'x');
    EXPECT_EQ(SaveUserForm(db.Folder(), form, prompter).status, OutcomeStatus::Refused);
    ASSERT_EQ(prompter.messages.size(), 1u);
    ExpectMessage(prompter.messages[0], false, "Warnung !", kTooLong, MessageIcon::Warning);
    EXPECT_EQ(db.Bytes("teile.dat"), before);
}

}  // namespace
