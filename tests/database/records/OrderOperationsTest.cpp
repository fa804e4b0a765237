#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "RecordDatabase.h"
#include "records/OrderOperations.h"
#include "records/PartClipboard.h"

namespace {

const std::string kNoPart = "Dieser Position konnte kein Teil zugeordnet werden !";

std::set<std::string> FilesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        names.insert(entry.path().string());
    }
    return names;
}

TEST(AddOrderPosition, SamePartTwiceFromOneSupplierIsRefused) {
    RecordDatabase db;
    ScriptedPrompter prompter;
    ASSERT_TRUE(AddOrderPosition(db.Folder(), 1, {1, 3}, "2", prompter).IsDone());
    const OperationOutcome again = AddOrderPosition(db.Folder(), 1, {1, 3}, "5", prompter);
    ASSERT_TRUE(AddOrderPosition(db.Folder(), 2, {1, 3}, "1;7", prompter).IsDone());

    ASSERT_EQ(prompter.messages.size(), 3u);
    ExpectMessage(prompter.messages[0], false, "Info",
                  "Teil wurde der Bestellung hinzugef\xFCgt !     ", MessageIcon::Information);
    ExpectMessage(prompter.messages[1], false, "Warnung !", "Teil wurde bereits bestellt !     ",
                  MessageIcon::Warning);
    EXPECT_EQ(again.status, OutcomeStatus::Refused);
    EXPECT_FALSE(again.closeDialog);
    EXPECT_EQ(db.Record(901, 0), "k1t3;2;0");
    EXPECT_EQ(db.Record(901, 1), "");
    EXPECT_EQ(ReadIniValue("teil", "max", db.List(901)), "0");
    EXPECT_EQ(db.Record(902, 0), "k1t3;1,7;0");  // a typed ";" adds no field
}

TEST(AddOrderPosition, FullOrderListIsRefused) {
    RecordDatabase db;
    std::map<int, std::string> positions;
    for (int slot = 0; slot < 500; ++slot) {
        positions[slot] = "k0t" + std::to_string(slot) + ";1;0";
    }
    db.WriteList(903, positions, "499");
    ScriptedPrompter prompter;
    const OperationOutcome outcome = AddOrderPosition(db.Folder(), 3, {1, 3}, "2", prompter);
    EXPECT_EQ(outcome.status, OutcomeStatus::Refused);
    EXPECT_FALSE(outcome.closeDialog);
    ASSERT_EQ(prompter.messages.size(), 1u);
    ExpectMessage(prompter.messages[0], false, "FEHLER", "Zu viele Teile in der Bestellung !     ",
                  MessageIcon::Error);
}

TEST(SaveOrderPosition, KeepsThePartAndSetsQuantityAndHiddenFlag) {
    RecordDatabase db;
    db.WriteList(901, {{0, "k1t3;2;0"}, {4, "k2t8;1;0"}});
    const OperationOutcome outcome = SaveOrderPosition(db.Folder(), 901, 4, "7", true);
    ASSERT_TRUE(outcome.IsDone());
    EXPECT_EQ(db.Record(901, 4), "k2t8;7;1");
    EXPECT_EQ(outcome.reload, (ListReload{901, 1, 4}));
    EXPECT_TRUE(outcome.closeDialog);
    // A position that vanished meanwhile is not made up again.
    EXPECT_EQ(SaveOrderPosition(db.Folder(), 901, 9, "7", false).status, OutcomeStatus::Refused);
    EXPECT_EQ(db.Record(901, 9), "");
}

TEST(BookInOrderPosition, AddsTheDeliveryToStockAndSetsThePrice) {
    RecordDatabase db;
    TestPart part = Stocked("BC547", "3");
    part.prices[0] = "1,00";
    part.prices[1] = "2,00";
    part.prices[2] = "3,00";
    db.WriteList(1, {{3, part.Record()}});
    db.WriteList(902, {{0, "k1t3;5;0"}, {2, "k1t9;1;0"}});
    ScriptedPrompter prompter;
    PartClipboard clipboard;
    ASSERT_TRUE(CopyOrCutPart(db.Folder(), 1, 3, ClipboardKind::Cut, clipboard).IsDone());
    const OperationOutcome outcome =
        BookInOrderPosition(db.Folder(), 902, 0, {2, 0, -1}, "5", "1,20", clipboard, prompter);
    ASSERT_TRUE(outcome.IsDone());
    EXPECT_TRUE(prompter.messages.empty());
    const std::vector<std::string> fields = SplitFields(db.Record(1, 3));
    ASSERT_EQ(fields.size(), 14u);
    EXPECT_EQ(fields[12], "8");
    EXPECT_EQ(fields[9], "1,20");
    EXPECT_EQ(fields[8], "1,00");
    EXPECT_EQ(fields[10], "3,00");
    EXPECT_EQ(db.Record(902, 0), "");
    EXPECT_EQ(outcome.reload, (ListReload{902, 2, 2}));
    // Like a deletion, the removal forgets the part waiting to be pasted.
    EXPECT_FALSE(clipboard.HoldsPart());
    EXPECT_EQ(outcome.commands, (CommandChanges{{Command::PastePart, false}}));
    EXPECT_TRUE(outcome.closeDialog);
}

TEST(BookInOrderPosition, StockSaturatesAndAnEmptyPriceEmptiesThePrice) {
    RecordDatabase db;
    db.WriteList(1, {{0, Stocked("A", "2147483647").Record()},
                     {1, Stocked("B", "-2147483648").Record()},
                     {2, "C;k"}});
    db.WriteList(901, {{0, "k1t0;5;0"}, {1, "k1t1;-5;0"}, {2, "k1t2;4;0"}});
    ScriptedPrompter prompter;
    PartClipboard clipboard;
    ASSERT_TRUE(
        BookInOrderPosition(db.Folder(), 901, 0, {0, 1, 2}, "5", "", clipboard, prompter).IsDone());
    ASSERT_TRUE(BookInOrderPosition(db.Folder(), 901, 1, {1, 2}, "-5", "2;5", clipboard, prompter)
                    .IsDone());
    const OperationOutcome last =
        BookInOrderPosition(db.Folder(), 901, 2, {2}, "4", "9", clipboard, prompter);
    EXPECT_EQ(SplitFields(db.Record(1, 0))[12], "2147483647");
    EXPECT_EQ(SplitFields(db.Record(1, 0))[8], "");
    EXPECT_EQ(SplitFields(db.Record(1, 1))[12], "-2147483648");
    EXPECT_EQ(SplitFields(db.Record(1, 1))[8], "2,5");
    // A record short of fields still gets its delivery.
    EXPECT_EQ(db.Record(1, 2), "C;k;;;;;;;9;;;;4;");
    EXPECT_EQ(last.reload, (ListReload{901, 1, -1}));
    const CommandChanges expected = {
        {Command::EditPart, false},       {Command::DeletePart, false},
        {Command::CopyPart, false},       {Command::SortAscending, false},
        {Command::SortDescending, false}, {Command::PastePart, false}};
    EXPECT_EQ(last.commands, expected);
}

// The position goes, nothing is booked, the dialog stays open; a crafted
// reference never leads to any other file.
TEST(BookInOrderPosition, PositionWithoutPartIsRemovedWithAWarning) {
    RecordDatabase db;
    db.WriteList(1, {{3, Stocked("A", "1").Record()}});
    db.WriteList(903, {{0, "k../../x;1;0"}, {1, "k1t../y;1;0"}, {2, "k1t7;1;0"}, {3, "k1t3;1;0"}});
    const std::string part = db.Bytes("k1.dat");
    for (int slot : {0, 1, 2}) {
        const std::set<std::string> before = FilesIn(db.Folder());
        ScriptedPrompter prompter;
        PartClipboard clipboard;
        const OperationOutcome outcome = BookInOrderPosition(db.Folder(), 903, slot, {0, 1, 2, 3},
                                                             "5", "1,00", clipboard, prompter);
        EXPECT_EQ(outcome.status, OutcomeStatus::Refused);
        EXPECT_FALSE(outcome.closeDialog);
        ASSERT_EQ(prompter.messages.size(), 1u);
        ExpectMessage(prompter.messages[0], false, "Warnung !", kNoPart, MessageIcon::Warning);
        EXPECT_EQ(db.Record(903, slot), "");
        EXPECT_EQ(FilesIn(db.Folder()), before);
    }
    EXPECT_EQ(db.Bytes("k1.dat"), part);
}

TEST(GoToOrderedPart, YesNamesThePartNoOrANonsenseReferenceStays) {
    RecordDatabase db;
    db.WriteCategories({{1, "Eins"}});
    db.WriteList(901, {{0, "K1T3;1;0"}, {1, "k1t../y;1;0"}, {2, "k5t3;1;0"}});
    struct Case {
        int slot;
        Answer answer;
        bool goes;
    };
    for (const Case& c : {Case{0, Answer::Yes, true}, Case{0, Answer::No, false},
                          Case{1, Answer::Yes, false}, Case{2, Answer::Yes, false}}) {
        ScriptedPrompter prompter({c.answer});
        const OperationOutcome outcome = GoToOrderedPart(db.Folder(), 901, c.slot, prompter);
        ASSERT_EQ(prompter.messages.size(), 1u);
        ExpectMessage(prompter.messages[0], true, "Frage ?",
                      "Soll jetzt zu diesem Teil gewechselt werden ?     ",
                      MessageIcon::Information, Answer::Yes);
        EXPECT_EQ(outcome.closeDialog, c.goes) << c.slot;
        if (c.goes) {
            EXPECT_EQ(outcome.showPart, (PartLocation{1, 3}));
        } else {
            EXPECT_FALSE(outcome.showPart.has_value());
        }
    }
}

TEST(ReplaceField, KeepsTheNumberOfFields) {
    EXPECT_EQ(ReplaceField("a;b;c", 2, "x"), "a;x;c");
    EXPECT_EQ(ReplaceField("a;b;c", 3, "x;y"), "a;b;x,y");
    EXPECT_EQ(ReplaceField("a;b;c", 4, "x"), "a;b;c");
    EXPECT_EQ(ReplaceField("a;b;c", 0, "x"), "a;b;c");
}

}  // namespace
