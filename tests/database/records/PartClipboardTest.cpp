#include <gtest/gtest.h>

#include "RecordDatabase.h"
#include "records/PartClipboard.h"

namespace {

// Part k2t5 with side entries, ordered from supplier 1; category 4 empty.
void WritePartToMove(const RecordDatabase& db) {
    db.WriteCategories({{2, "Zwei"}, {4, "Vier"}});
    db.WriteList(2, {{5, Stocked("BC547", "3").Record()}, {6, Named("BC557").Record()}});
    db.WriteList(901, {{0, "k2t5;3;1"}, {1, "k2t6;1;0"}});
    db.WriteFile("datenblaetter.dat", "[datenblatt]\r\nk2t5=bc.pdf\r\n");
    db.WriteFile("bilder.dat", "[bild1]\r\nk2t5=bc.jpg\r\n");
}

PartClipboard Take(const RecordDatabase& db, int category, int slot, ClipboardKind kind) {
    PartClipboard clipboard;
    const OperationOutcome outcome = CopyOrCutPart(db.Folder(), category, slot, kind, clipboard);
    EXPECT_EQ(outcome.commands, (CommandChanges{{Command::PastePart, true}}));
    return clipboard;
}

TEST(PastePart, CutMovesThePartWithItsEntriesAndOrderReferences) {
    RecordDatabase db;
    WritePartToMove(db);
    PartClipboard clipboard = Take(db, 2, 5, ClipboardKind::Cut);
    EXPECT_EQ(db.Record(2, 5), Stocked("BC547", "3").Record());  // nothing happens before the paste
    ScriptedPrompter prompter;

    const OperationOutcome outcome = PastePart(db.Folder(), 4, clipboard, prompter);

    ASSERT_TRUE(outcome.IsDone());
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(db.Record(4, 0), Stocked("BC547", "3").Record());
    EXPECT_EQ(db.Record(2, 5), "");
    EXPECT_EQ(db.Record(2, 6), Named("BC557").Record());
    EXPECT_EQ(db.Record(901, 0), "k4t0;3;1");
    EXPECT_EQ(db.Record(901, 1), "k2t6;1;0");
    EXPECT_EQ(db.Side("datenblatt", "k4t0"), "bc.pdf");
    EXPECT_EQ(db.Side("bild1", "k4t0"), "bc.jpg");
    EXPECT_EQ(db.Side("datenblatt", "k2t5"), "");
    EXPECT_EQ(db.Side("bild1", "k2t5"), "");
    EXPECT_EQ(outcome.reload, (ListReload{4, 0, 0}));
    EXPECT_EQ(outcome.commands, (CommandChanges{{Command::DeletePart, false},
                                                {Command::PastePart, false},
                                                {Command::DeleteCategory, false}}));
    EXPECT_FALSE(clipboard.HoldsPart());
}

TEST(PastePart, CopyLeavesTheSourceAndItsOrdersAlone) {
    RecordDatabase db;
    WritePartToMove(db);
    db.WriteList(4, {{0, Named("X").Record()}});
    PartClipboard clipboard = Take(db, 2, 5, ClipboardKind::Copy);
    ScriptedPrompter prompter;
    ASSERT_TRUE(PastePart(db.Folder(), 4, clipboard, prompter).IsDone());
    EXPECT_EQ(db.Record(4, 1), Stocked("BC547", "3").Record());
    EXPECT_EQ(db.Record(2, 5), Stocked("BC547", "3").Record());
    EXPECT_EQ(db.Record(901, 0), "k2t5;3;1");
    EXPECT_EQ(db.Side("datenblatt", "k4t1"), "bc.pdf");
    EXPECT_EQ(db.Side("datenblatt", "k2t5"), "bc.pdf");
}

TEST(PastePart, IntoTheSourceCategoryWritesNothingAndForgetsThePart) {
    RecordDatabase db;
    WritePartToMove(db);
    const std::string before = db.Bytes("k2.dat");
    PartClipboard clipboard = Take(db, 2, 5, ClipboardKind::Cut);
    ScriptedPrompter prompter;
    const OperationOutcome outcome = PastePart(db.Folder(), 2, clipboard, prompter);
    EXPECT_EQ(db.Bytes("k2.dat"), before);
    EXPECT_FALSE(clipboard.HoldsPart());
    EXPECT_EQ(outcome.commands, (CommandChanges{{Command::PastePart, false}}));
    EXPECT_FALSE(outcome.reload.has_value());
}

TEST(PastePart, NameQuestionNoKeepsTheWaitingPartAndWritesNothing) {
    for (Answer answer : {Answer::No, Answer::Yes}) {
        RecordDatabase db;
        WritePartToMove(db);
        db.WriteList(4, {{0, Named("BC547B").Record()}}, "0");  // contains the pasted name
        const std::string before = db.Bytes("k4.dat");
        PartClipboard clipboard = Take(db, 2, 5, ClipboardKind::Cut);
        ScriptedPrompter prompter({answer});
        const OperationOutcome outcome = PastePart(db.Folder(), 4, clipboard, prompter);
        ASSERT_EQ(prompter.messages.size(), 1u);
        ExpectMessage(prompter.messages[0], true, "Warnung !",
                      "Teil bereits vorhanden ! Trotzdem anlegen ?     ", MessageIcon::Warning,
                      Answer::No);
        if (answer == Answer::No) {
            EXPECT_EQ(outcome.status, OutcomeStatus::Refused);
            EXPECT_EQ(db.Bytes("k4.dat"), before);
            EXPECT_TRUE(clipboard.HoldsPart());
        } else {
            EXPECT_EQ(db.Record(4, 1), Stocked("BC547", "3").Record());
            EXPECT_EQ(db.Record(2, 5), "");
        }
    }
}

TEST(PastePart, FullTargetKeepsTheWaitingPart) {
    RecordDatabase db;
    WritePartToMove(db);
    std::map<int, std::string> full;
    for (int slot = 0; slot < 500; ++slot) {
        full[slot] = Named("T" + std::to_string(slot)).Record();
    }
    db.WriteList(4, full, "499");
    PartClipboard clipboard = Take(db, 2, 5, ClipboardKind::Cut);
    ScriptedPrompter prompter;
    EXPECT_EQ(PastePart(db.Folder(), 4, clipboard, prompter).status, OutcomeStatus::Refused);
    ASSERT_EQ(prompter.messages.size(), 1u);
    ExpectMessage(prompter.messages[0], false, "FEHLER",
                  "Zu viele Teile in dieser Kategorie !     ", MessageIcon::Error);
    EXPECT_TRUE(clipboard.HoldsPart());
    EXPECT_EQ(db.Record(2, 5), Stocked("BC547", "3").Record());
}

// A cut part that was booked in meanwhile moves as it is now; a slot that
// holds another part by now (a compaction ran) is left alone.
TEST(PastePart, CutTakesThePartAsItIsNowAndNeverRemovesAnotherPart) {
    RecordDatabase db;
    WritePartToMove(db);
    PartClipboard clipboard = Take(db, 2, 5, ClipboardKind::Cut);
    db.WriteList(2, {{5, Stocked("BC547", "8").Record()}, {6, Named("BC557").Record()}});
    ScriptedPrompter prompter;
    ASSERT_TRUE(PastePart(db.Folder(), 4, clipboard, prompter).IsDone());
    EXPECT_EQ(db.Record(4, 0), Stocked("BC547", "8").Record());
    EXPECT_EQ(db.Record(2, 5), "");

    clipboard = Take(db, 2, 6, ClipboardKind::Cut);
    db.WriteList(2, {{6, Named("Anderes Teil").Record()}});
    ASSERT_TRUE(PastePart(db.Folder(), 4, clipboard, prompter).IsDone());
    EXPECT_EQ(db.Record(4, 1), Named("BC557").Record());
    EXPECT_EQ(db.Record(2, 6), Named("Anderes Teil").Record());
    EXPECT_EQ(db.Record(901, 1), "k2t6;1;0");
}

TEST(CopyOrCutPart, InAnOrderListCopiesTheOrderNumberAndBeeps) {
    RecordDatabase db;
    db.WriteList(2, {{5, "Teil;;;;;BN1;BN2;BN3"}});
    db.WriteList(902, {{0, "k2t5;1;0"}, {1, "k2t9;1;0"}, {2, "k1t../../x;1;0"}});
    const std::string before = db.Bytes("k2.dat");
    PartClipboard clipboard;
    for (ClipboardKind kind : {ClipboardKind::Copy, ClipboardKind::Cut}) {
        const OperationOutcome outcome = CopyOrCutPart(db.Folder(), 902, 0, kind, clipboard);
        EXPECT_EQ(outcome.clipboardText, "BN2");
        EXPECT_EQ(outcome.beep, (Tone{8000, 5}));
        EXPECT_TRUE(outcome.commands.empty());
    }
    EXPECT_EQ(CopyOrCutPart(db.Folder(), 902, 1, ClipboardKind::Copy, clipboard).clipboardText, "");
    EXPECT_EQ(CopyOrCutPart(db.Folder(), 902, 2, ClipboardKind::Copy, clipboard).clipboardText, "");
    EXPECT_FALSE(clipboard.HoldsPart());
    EXPECT_EQ(db.Bytes("k2.dat"), before);
}

}  // namespace
