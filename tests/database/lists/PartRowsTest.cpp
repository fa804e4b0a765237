#include <filesystem>

#include <gtest/gtest.h>

#include "IniStore.h"
#include "TestParts.h"
#include "lists/PartRows.h"

namespace {

TEST(CategoryRows, OneRowPerNonBlankSlotUpToMax) {
    TempFolder folder;
    TestPart full = Named("LM317");
    full.remark = "Regler";
    full.range = " FREI ";
    full.orderNumbers[0] = "R-1";
    full.prices[2] = "1,5";
    full.place = "A1";
    full.stock = "12 St\374ck";
    full.target = "$10";
    folder.Write("k4.dat", ListFile("7", {{0, full.Record()},
                                          {1, "   "},
                                          {3, "nur;ein paar"},
                                          {7, Named("C").Record()},
                                          {8, Named("hinter max").Record()}}));
    const std::vector<PartRow> rows = ReadPartRows(folder.Path(), 4);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].slot, 0);
    EXPECT_EQ(rows[0].Text(1), "LM317");
    EXPECT_EQ(rows[0].Text(2), "Regler");
    EXPECT_EQ(rows[0].Text(3), "k.A.");
    EXPECT_EQ(rows[0].Text(6), "R-1");
    EXPECT_EQ(rows[0].Text(11), "1,5");
    EXPECT_EQ(rows[0].Text(12), "A1");
    EXPECT_EQ(rows[0].amount, 12);
    EXPECT_EQ(rows[0].target, 16);
    // A short record degrades field by field.
    EXPECT_EQ(rows[1].slot, 3);
    EXPECT_EQ(rows[1].Text(2), "ein paar");
    EXPECT_EQ(rows[1].Text(12), "");
    EXPECT_EQ(rows[1].amount, 0);
    EXPECT_EQ(rows[2].slot, 7);
}

TEST(CategoryRows, MissingFileOrUnknownListGivesNoRows) {
    TempFolder folder;
    EXPECT_TRUE(ReadPartRows(folder.Path(), 3).empty());
    folder.Write("k50.dat", PartsFile("", {{0, Named("A")}}));
    EXPECT_TRUE(ReadPartRows(folder.Path(), 50).empty());
    EXPECT_TRUE(ReadPartRows(folder.Path(), 800).empty());
}

class OrderRowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestPart resistor = Named("Widerstand");
        resistor.orderNumbers[0] = "R1";
        resistor.orderNumbers[1] = "W-100";
        resistor.prices[0] = "9,99";
        resistor.prices[1] = "0,25";
        resistor.stock = "77";
        folder.Write("k2.dat", PartsFile("", {{5, resistor}}));
    }
    TempFolder folder;
};

TEST_F(OrderRowsTest, PositionsTakeTheSuppliersOrderNumberAndPrice) {
    folder.Write("k902.dat", ListFile("", {{0, "k2t5;4;0"}, {1, " K2T5 ; 3 ;1"}}));
    const std::vector<PartRow> rows = ReadPartRows(folder.Path(), 902);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Text(1), "Widerstand");
    EXPECT_EQ(rows[0].Text(6), "W-100");
    EXPECT_DOUBLE_EQ(rows[0].unitPrice, 0.25);
    EXPECT_EQ(rows[0].amount, 4);  // the quantity, not the stock
    EXPECT_DOUBLE_EQ(rows[0].total, 1.0);
    EXPECT_FALSE(rows[0].IsHiddenPosition());
    EXPECT_EQ(rows[1].amount, 3);
    EXPECT_TRUE(rows[1].IsHiddenPosition());
    EXPECT_EQ(rows[1].slot, 1);
}

TEST_F(OrderRowsTest, PositionOfAVanishedPartKeepsItsQuantity) {
    folder.Write("k901.dat", ListFile("", {{0, "k2t6;7;0"}, {2, "k3t0;2;0"}, {3, "garbage"}}));
    const std::vector<PartRow> rows = ReadPartRows(folder.Path(), 901);
    ASSERT_EQ(rows.size(), 3u);
    for (const PartRow& row : rows) {
        for (const std::string& text : row.texts) {
            EXPECT_EQ(text, "");
        }
        EXPECT_DOUBLE_EQ(row.total, 0.0);
    }
    EXPECT_EQ(rows[0].amount, 7);
    EXPECT_EQ(rows[1].amount, 2);
    EXPECT_EQ(rows[2].amount, 0);
}

// A reference is part of a file name. A crafted one must never make the list
// read anything but the program's own data files, even where a file with a
// matching record waits at the path a naive split would build.
TEST_F(OrderRowsTest, CraftedReferencesNeverReachAFile) {
    const std::string secret = Named("GEHEIM").Record();
    // folder + "k../../x" + ".dat" leads back into the folder through "k..".
    std::filesystem::create_directory(folder.File("k.."));
    folder.Write("x.dat", ListFile("", {{5, secret}}));
    // "k1t../y": the key "t../y" of k1.dat.
    folder.Write("k1.dat",
                 "[teil]\r\nt../y=" + secret + "\r\nt1=" + Named("echt").Record() + "\r\n");
    folder.Write("k99.dat", ListFile("", {{1, secret}}));
    // The traps are real: a naive split of each reference would find the secret.
    ASSERT_EQ(ReadIniValue("teil", "t5", folder.Path() + "k../../x" + ".dat"), secret);
    ASSERT_EQ(ReadIniValue("teil", "t../y", folder.File("k1.dat")), secret);
    ASSERT_EQ(ReadIniValue("teil", "t1", folder.File("k99.dat")), secret);

    folder.Write(
        "k903.dat",
        ListFile("",
                 {{0, "k../../xt5;1;0"}, {1, "k1t../y;2;0"}, {2, "k99t1;3;0"}, {3, "k1t1;4;0"}}));
    const std::vector<PartRow> rows = ReadPartRows(folder.Path(), 903);
    ASSERT_EQ(rows.size(), 4u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(rows[i].Text(1), "") << i;
        EXPECT_EQ(rows[i].amount, i + 1);
    }
    EXPECT_EQ(rows[3].Text(1), "echt");  // the plain reference still works
}

TEST(PartRowOfRecord, FreeRangeInAnyCaseReadsAsNotSpecified) {
    EXPECT_EQ(PartRowOfRecord("a;b;Frei", 1).Text(3), "k.A.");
    EXPECT_EQ(PartRowOfRecord("a;b;freiheit", 1).Text(3), "freiheit");
    EXPECT_EQ(PartRowOfRecord("a;b;c;d;e;f;g;h;i;j;k;l;-5;99999999999;extra", 1).target,
              2147483647);
    EXPECT_EQ(PartRowOfRecord("a;b;c;d;e;f;g;h;i;j;k;l;-5;1", 1).amount, -5);
}

}  // namespace
