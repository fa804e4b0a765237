// The address rules the dialogs' window tests do not reach: the shapes a
// stored value must have to fill the dialogs, and the saves that must not
// happen.

#include <gtest/gtest.h>

#include "RecordDatabase.h"
#include "records/AddressOperations.h"

namespace {

using Eight = std::array<std::string, 8>;
using Seven = std::array<std::string, 7>;
using Four = std::array<std::string, 4>;

const std::string kTooLong = "Die Adresse ist zu lang: zusammen h\366chstens 254 Zeichen !     ";

TEST(AddressForms, OnlyValuesOfTheirExactShapeFill) {
    RecordDatabase db;
    db.WriteFile("teile.dat",
                 "[kategorie]\r\nk901=  Reichel  \r\n"
                 "[Adressen]\r\na901=A;B;C;D;E;F;G;H\r\na902=A;B;C;D;E;F;G\r\n"
                 "a903=A;B;C;D;E;F;G;H;I\r\n"
                 "rech=N;Z;S;O;T;M;P;1;9\r\nlief=a;b;c\r\nLgleichR=2\r\n");
    EXPECT_EQ(ReadSupplierForm(db.Folder(), 901).shortName, "Reichel");
    EXPECT_EQ(ReadSupplierForm(db.Folder(), 901).address,
              (Eight{"A", "B", "C", "D", "E", "F", "G", "H"}));
    EXPECT_EQ(ReadSupplierForm(db.Folder(), 902).address, Eight{});  // seven fields
    EXPECT_EQ(ReadSupplierForm(db.Folder(), 903).address, Eight{});  // nine fields
    EXPECT_EQ(ReadSupplierForm(db.Folder(), 903).shortName, "Lieferant 3");
    const UserForm odd = ReadUserForm(db.Folder());
    EXPECT_EQ(odd.invoice, Seven{});
    EXPECT_EQ(odd.delivery, Four{});
    EXPECT_FALSE(odd.deliveryIsInvoice);  // only 1 counts

    // Field 8 of "rech" read as a number: 0 private, anything else business.
    for (const auto& [use, expected] :
         std::vector<std::pair<std::string, AddressUse>>{{"0", AddressUse::Private},
                                                         {"2", AddressUse::Business},
                                                         {" 1", AddressUse::Business},
                                                         {"", AddressUse::Private},
                                                         {"x", AddressUse::Private}}) {
        db.WriteFile("teile.dat", "[Adressen]\r\nrech=N;Z;S;O;T;M;P;" + use + "\r\n");
        EXPECT_EQ(ReadUserForm(db.Folder()).use, expected) << use;
    }
}

TEST(AddressForms, SavesThatWouldNotReadBackOrCannotBeWrittenChangeNothing) {
    RecordDatabase db;
    db.WriteFile("teile.dat", "[kategorie]\r\nk901=Alt\r\n[Adressen]\r\nrech=x\r\n");
    const std::string before = db.Bytes("teile.dat");
    ScriptedPrompter prompter;
    // Eight fields and seven separators: 247 characters in the fields are the most.
    Eight address{std::string(248, 'x')};
    EXPECT_EQ(SaveSupplier(db.Folder(), 901, "Neu", address, prompter).status,
              OutcomeStatus::Refused);
    UserForm user;
    user.delivery[0] = std::string(252, 'x');
    EXPECT_EQ(SaveUserForm(db.Folder(), user, prompter).status, OutcomeStatus::Refused);
    ASSERT_EQ(prompter.messages.size(), 2u);
    for (const auto& message : prompter.messages) {
        ExpectMessage(message, false, "Warnung !", kTooLong, MessageIcon::Warning);
    }
    // Only order lists have a supplier.
    EXPECT_EQ(SaveSupplier(db.Folder(), 3, "Neu", {}, prompter).status, OutcomeStatus::Refused);
    {
        FailingWrites failing(MainFilePath(db.Folder()));
        EXPECT_TRUE(SaveSupplier(db.Folder(), 901, "Neu", {}, prompter).WriteFailed());
        EXPECT_TRUE(SaveUserForm(db.Folder(), UserForm{}, prompter).WriteFailed());
    }
    EXPECT_EQ(db.Bytes("teile.dat"), before);

    address[0].resize(247);
    ASSERT_TRUE(SaveSupplier(db.Folder(), 901, "Neu", address, prompter).IsDone());
    EXPECT_EQ(ReadSupplierForm(db.Folder(), 901).address[0], std::string(247, 'x'));
}

}  // namespace
