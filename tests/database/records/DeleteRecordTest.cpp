#include <gtest/gtest.h>

#include "RecordDatabase.h"
#include "records/PartClipboard.h"
#include "records/PartOperations.h"

namespace {

const std::string kDeletePart = "Teil aus der Liste l\xF6schen ?     ";
const std::string kOrderedPart =
    "Teil befindet sich in mindestens einer Bestellung. Trotzdem l\xF6schen ?     ";

// Category 1 with parts in slots 3 and 30, ordered from suppliers 1 and 3
// (slot 3) and 2 (slot 30), each with its side entries.
void WriteOrderedParts(const RecordDatabase& db) {
    db.WriteList(1, {{3, Named("A").Record()}, {30, Named("B").Record()}}, "30");
    db.WriteList(901, {{0, "k1t3;2;0"}, {1, "k1t30;1;0"}});
    db.WriteList(902, {{0, "k1t30;4;0"}});
    db.WriteList(903, {{7, "K1T3;9;1"}});
    db.WriteFile("datenblaetter.dat",
                 "[datenblatt]\r\nk1t3=a.pdf\r\nk1t30=b.pdf\r\n"
                 "[datenblatt2]\r\nk1t3=a2.pdf\r\n");
    db.WriteFile("bilder.dat",
                 "[bild0]\r\nk1t3=a.jpg\r\n[bild1]\r\nk1t3=a2.jpg\r\nk1t30=b.jpg\r\n");
}

TEST(DeleteSelectedRecord, OrderedPartAsksTwiceAndTakesPositionsAndSideEntriesAlong) {
    RecordDatabase db;
    WriteOrderedParts(db);
    PartClipboard clipboard{1, 30, Named("B").Record(), {}, ClipboardKind::Copy};
    ScriptedPrompter prompter({Answer::Yes, Answer::Yes});

    const OperationOutcome outcome =
        DeleteSelectedRecord(db.Folder(), {1, 3, {30, 3}}, clipboard, prompter);

    ASSERT_TRUE(outcome.IsDone());
    ASSERT_EQ(prompter.messages.size(), 2u);
    ExpectMessage(prompter.messages[0], true, "Warnung !", kDeletePart, MessageIcon::Warning,
                  Answer::No);
    ExpectMessage(prompter.messages[1], true, "Warnung !", kOrderedPart, MessageIcon::Warning,
                  Answer::No);
    EXPECT_EQ(db.Record(1, 3), "");
    EXPECT_EQ(db.Record(901, 0), "");
    EXPECT_EQ(db.Record(903, 7), "");
    // k1t30 is another part, not a longer spelling of k1t3.
    EXPECT_EQ(db.Record(901, 1), "k1t30;1;0");
    EXPECT_EQ(db.Record(902, 0), "k1t30;4;0");
    for (const char* group : {"datenblatt", "datenblatt2", "bild0", "bild1"}) {
        EXPECT_EQ(db.Side(group, "k1t3"), "") << group;
    }
    EXPECT_EQ(db.Side("datenblatt", "k1t30"), "b.pdf");
    EXPECT_EQ(db.Side("bild1", "k1t30"), "b.jpg");
    // The row shown before the deleted last row gets the selection.
    EXPECT_EQ(outcome.reload, (ListReload{1, 0, 30}));
    EXPECT_EQ(outcome.commands,
              (CommandChanges{{Command::PastePart, false}, {Command::DeletePart, true}}));
    EXPECT_FALSE(clipboard.HoldsPart());
}

TEST(DeleteSelectedRecord, NoToEitherQuestionChangesNothing) {
    for (const std::deque<Answer>& answers :
         {std::deque<Answer>{Answer::No}, std::deque<Answer>{Answer::Yes, Answer::No}}) {
        RecordDatabase db;
        WriteOrderedParts(db);
        const std::string files[] = {"k1.dat", "k901.dat", "k903.dat", "bilder.dat",
                                     "datenblaetter.dat"};
        std::vector<std::string> before;
        for (const std::string& file : files) {
            before.push_back(db.Bytes(file));
        }
        PartClipboard clipboard{1, 30, Named("B").Record(), {}, ClipboardKind::Cut};
        ScriptedPrompter prompter(answers);
        const OperationOutcome outcome =
            DeleteSelectedRecord(db.Folder(), {1, 3, {3, 30}}, clipboard, prompter);
        EXPECT_EQ(outcome.status, OutcomeStatus::Refused);
        EXPECT_TRUE(prompter.AllAnswersUsed());
        for (std::size_t i = 0; i < before.size(); ++i) {
            EXPECT_EQ(db.Bytes(files[i]), before[i]) << files[i];
        }
        EXPECT_TRUE(clipboard.HoldsPart());
    }
}

TEST(DeleteSelectedRecord, PartWithStockIsNotDeletedEvenIfAsked) {
    RecordDatabase db;
    db.WriteList(1, {{0, Stocked("A", "2").Record()}});
    PartClipboard clipboard;
    ScriptedPrompter prompter;
    EXPECT_EQ(DeleteSelectedRecord(db.Folder(), {1, 0, {0}}, clipboard, prompter).status,
              OutcomeStatus::Refused);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(db.Record(1, 0), Stocked("A", "2").Record());
}

TEST(DeleteSelectedRecord, LastPositionOfAnOrderListEmptiesItWithoutTouchingParts) {
    RecordDatabase db;
    db.WriteList(1, {{3, Named("A").Record()}});
    db.WriteList(902, {{4, "k1t3;2;0"}});
    db.WriteFile("bilder.dat", "[bild0]\r\nk1t3=a.jpg\r\n");
    PartClipboard clipboard;
    ScriptedPrompter prompter({Answer::Yes});
    const OperationOutcome outcome =
        DeleteSelectedRecord(db.Folder(), {902, 4, {4, -1}}, clipboard, prompter);
    ASSERT_TRUE(outcome.IsDone());
    ASSERT_EQ(prompter.messages.size(), 1u);
    ExpectMessage(prompter.messages[0], true, "Warnung !",
                  "Teil aus der Bestellung l\xF6schen ?     ", MessageIcon::Warning, Answer::No);
    EXPECT_EQ(db.Record(902, 4), "");
    EXPECT_EQ(db.Record(1, 3), Named("A").Record());
    EXPECT_EQ(db.Side("bild0", "k1t3"), "a.jpg");
    EXPECT_EQ(outcome.reload, (ListReload{902, 2, -1}));
    const CommandChanges expected = {
        {Command::NewPartFromCopy, false}, {Command::EditPart, false},
        {Command::DeletePart, false},      {Command::CutPart, false},
        {Command::CopyPart, false},        {Command::OrderPart, false},
        {Command::SortAscending, false},   {Command::SortDescending, false},
        {Command::PastePart, false}};
    EXPECT_EQ(outcome.commands, expected);
}

TEST(SlotToSelectAfterRemoval, NextRowElsePreviousElseNone) {
    EXPECT_EQ(SlotToSelectAfterRemoval({5, 2, 9}, 2), 9);
    EXPECT_EQ(SlotToSelectAfterRemoval({5, 2, 9}, 9), 2);
    EXPECT_EQ(SlotToSelectAfterRemoval({5, 2, 9, -1}, 9), 2);  // the sum row is no row
    EXPECT_EQ(SlotToSelectAfterRemoval({4, -1}, 4), -1);
    EXPECT_EQ(SlotToSelectAfterRemoval({}, 4), -1);
}

}  // namespace
