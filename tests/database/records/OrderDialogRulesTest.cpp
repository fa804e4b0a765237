#include <gtest/gtest.h>

#include "RecordDatabase.h"
#include "records/OrderDialogRules.h"

namespace {

std::string WithStock(std::string_view stock, std::string_view target) {
    return "R;;;;;;;;;;;A1;" + std::string(stock) + ";" + std::string(target);
}

TEST(OrderDialogRules, ProposedQuantityBringsTheStockOneAboveTheTarget) {
    EXPECT_EQ(ProposedOrderQuantity(WithStock("3", "10")), 8);
    EXPECT_EQ(ProposedOrderQuantity(WithStock("3", "5")), 3);
    EXPECT_EQ(ProposedOrderQuantity(WithStock("10", "10")), 1);
    EXPECT_EQ(ProposedOrderQuantity(WithStock("12", "10")), 1);
    EXPECT_EQ(ProposedOrderQuantity(WithStock("6", "5")), 1);
    EXPECT_EQ(ProposedOrderQuantity(WithStock("0", "0")), 1);
    EXPECT_EQ(ProposedOrderQuantity(WithStock("0", "-4")), 1);
    // Texts that are no number count as 0; an empty stock below a target too.
    EXPECT_EQ(ProposedOrderQuantity(WithStock("viele", "4")), 5);
    EXPECT_EQ(ProposedOrderQuantity(WithStock("", "abc")), 1);
    EXPECT_EQ(ProposedOrderQuantity(""), 1);
    EXPECT_EQ(ProposedOrderQuantity("nur ein Feld"), 1);
    // Absurd numbers saturate instead of wrapping round.
    EXPECT_EQ(ProposedOrderQuantity(WithStock("-99999999999", "99999999999")), 2147483647);
}

TEST(OrderDialogRules, OrderStartsOnlyOnAStoredPartOfACategory) {
    RecordDatabase db;
    db.WriteList(2, {{4, WithStock("1", "3")}});
    db.WriteList(901, {{0, "k2t4;1;0"}});

    const std::optional<OrderStart> start = StartOrder(db.Folder(), 2, 4);
    ASSERT_TRUE(start);
    EXPECT_EQ(start->category, 2);
    EXPECT_EQ(start->slot, 4);
    EXPECT_EQ(start->quantity, "3");

    EXPECT_FALSE(StartOrder(db.Folder(), 2, std::nullopt));  // no row selected
    EXPECT_FALSE(StartOrder(db.Folder(), 2, -1));
    EXPECT_FALSE(StartOrder(db.Folder(), 2, 5));  // slot without a part
    EXPECT_FALSE(StartOrder(db.Folder(), 2, 500));
    EXPECT_FALSE(StartOrder(db.Folder(), 901, 0));  // an order list
    EXPECT_FALSE(StartOrder(db.Folder(), 800, 0));  // the root
    EXPECT_FALSE(StartOrder(db.Folder(), 3, 4));    // missing file
}

TEST(OrderDialogRules, PositionToEditReadsQuantityAndHiddenFlag) {
    RecordDatabase db;
    db.WriteList(
        902, {{0, "k1t3;007;0"}, {1, "k1t4;5;1"}, {2, "k1t5;2;x"}, {3, "k1t6;;2"}, {4, "k1t7"}});
    const auto first = ReadPositionToEdit(db.Folder(), 902, 0);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->quantity, "007");  // as stored, not as a number
    EXPECT_FALSE(first->hidden);
    EXPECT_TRUE(ReadPositionToEdit(db.Folder(), 902, 1)->hidden);
    EXPECT_FALSE(ReadPositionToEdit(db.Folder(), 902, 2)->hidden);
    EXPECT_TRUE(ReadPositionToEdit(db.Folder(), 902, 3)->hidden);  // any number but 0
    EXPECT_EQ(ReadPositionToEdit(db.Folder(), 902, 3)->quantity, "");
    EXPECT_EQ(ReadPositionToEdit(db.Folder(), 902, 4)->quantity, "");

    EXPECT_FALSE(ReadPositionToEdit(db.Folder(), 902, 5));   // free slot
    EXPECT_FALSE(ReadPositionToEdit(db.Folder(), 902, -1));  // the sum row
    EXPECT_FALSE(ReadPositionToEdit(db.Folder(), 2, 0));     // not an order list
}

TEST(OrderDialogRules, QuantityAllowsActionUnlessBlankOrZero) {
    EXPECT_TRUE(QuantityAllowsAction("1"));
    EXPECT_TRUE(QuantityAllowsAction("010"));
    EXPECT_TRUE(QuantityAllowsAction(" 3 "));
    EXPECT_FALSE(QuantityAllowsAction(""));
    EXPECT_FALSE(QuantityAllowsAction("   "));
    EXPECT_FALSE(QuantityAllowsAction("0"));
    EXPECT_FALSE(QuantityAllowsAction("000"));
}

}  // namespace
