// Every failed write is reported and leaves the data files as they were.

#include <gtest/gtest.h>

#include <filesystem>

#include "RecordDatabase.h"
#include "compaction/CompactionJournal.h"
#include "records/CategoryOperations.h"
#include "records/OrderOperations.h"
#include "records/PartClipboard.h"
#include "records/PartOperations.h"
#include "records/WriteTransaction.h"

namespace {

const char* const kFiles[] = {"teile.dat", "k1.dat",   "k2.dat",     "k4.dat",
                              "k901.dat",  "k902.dat", "bilder.dat", "datenblaetter.dat"};

// Category 2 holds k2t5 (ordered from supplier 1, with side entries) and
// category 4 one other part.
class WriteFailure : public ::testing::Test {
protected:
    void SetUp() override {
        db.WriteCategories({{2, "Zwei"}, {4, "Vier"}});
        db.WriteList(2, {{5, Stocked("BC547", "0").Record()}}, "5");
        db.WriteList(4, {{0, Named("X").Record()}}, "0");
        db.WriteList(901, {{0, "k2t5;3;1"}}, "0");
        db.WriteFile("datenblaetter.dat", "[datenblatt]\r\nk2t5=bc.pdf\r\n");
        db.WriteFile("bilder.dat", "[bild0]\r\nk2t5=bc.jpg\r\n");
        for (const char* file : kFiles) {
            before[file] = db.Exists(file) ? db.Bytes(file) : "<none>";
        }
    }

    void ExpectUnchanged() const {
        for (const char* file : kFiles) {
            EXPECT_EQ(db.Exists(file) ? db.Bytes(file) : "<none>", before.at(file)) << file;
        }
    }

    RecordDatabase db;
    std::map<std::string, std::string> before;
    ScriptedPrompter prompter;
};

TEST_F(WriteFailure, SavePartIntoACategoryFileThatIsADirectory) {
    std::filesystem::create_directory(db.List(1));
    PartEditorTexts texts;
    texts.Field(1) = "Neu";
    texts.datasheet1 = "neu.pdf";
    const OperationOutcome outcome = SavePart(db.Folder(), 1, -1, texts, prompter);
    EXPECT_TRUE(outcome.WriteFailed());
    EXPECT_FALSE(outcome.closeDialog);
    EXPECT_FALSE(outcome.reload.has_value());
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(db.Side("datenblatt", "k1t0"), "");
}

// The pictures are written last; their failure takes back the datasheets,
// the record and the "max" of the new slot.
TEST_F(WriteFailure, SavePartWhosePictureWriteFailsTakesEverythingBack) {
    FailingWrites failing(PictureFilePath(db.Folder()));
    PartEditorTexts texts;
    texts.Field(1) = "Neu";
    texts.datasheet1 = "neu.pdf";
    texts.picture1 = "neu.jpg";
    EXPECT_TRUE(SavePart(db.Folder(), 2, -1, texts, prompter).WriteFailed());
    ExpectUnchanged();
}

TEST_F(WriteFailure, CutWhoseTargetRecordCannotBeWrittenKeepsTheSource) {
    PartClipboard clipboard;
    ASSERT_TRUE(CopyOrCutPart(db.Folder(), 2, 5, ClipboardKind::Cut, clipboard).IsDone());
    // The "max" upkeep succeeds, the record fails, putting "max" back succeeds.
    FailingWrites failing(db.List(4), 1, 1);
    EXPECT_TRUE(PastePart(db.Folder(), 4, clipboard, prompter).WriteFailed());
    ExpectUnchanged();
    EXPECT_TRUE(clipboard.HoldsPart());
}

TEST_F(WriteFailure, CutWhoseSourceCannotBeClearedIsTakenBackWhole) {
    PartClipboard clipboard;
    ASSERT_TRUE(CopyOrCutPart(db.Folder(), 2, 5, ClipboardKind::Cut, clipboard).IsDone());
    FailingWrites failing(db.List(2));
    EXPECT_TRUE(PastePart(db.Folder(), 4, clipboard, prompter).WriteFailed());
    ExpectUnchanged();
}

TEST_F(WriteFailure, DeleteWhoseRecordCannotBeRemovedKeepsOrdersAndSideEntries) {
    FailingWrites failing(db.List(2));
    PartClipboard clipboard;
    ScriptedPrompter answers({Answer::Yes, Answer::Yes});
    EXPECT_TRUE(DeleteSelectedRecord(db.Folder(), {2, 5, {5}}, clipboard, answers).WriteFailed());
    ExpectUnchanged();
}

TEST_F(WriteFailure, OrderThatCannotBeWrittenIsNotReportedAsAdded) {
    FailingWrites failing(db.List(902));
    EXPECT_TRUE(AddOrderPosition(db.Folder(), 2, {2, 5}, "1", prompter).WriteFailed());
    EXPECT_TRUE(prompter.messages.empty());
    ExpectUnchanged();
}

TEST_F(WriteFailure, BookingThatCannotBeWrittenKeepsThePosition) {
    FailingWrites failing(db.List(2));
    PartClipboard clipboard;
    const OperationOutcome outcome =
        BookInOrderPosition(db.Folder(), 901, 0, {0}, "5", "1,00", clipboard, prompter);
    EXPECT_TRUE(outcome.WriteFailed());
    EXPECT_FALSE(outcome.closeDialog);
    ExpectUnchanged();
}

TEST_F(WriteFailure, CategoryChangesThatCannotBeWritten) {
    FailingWrites failing(MainFilePath(db.Folder()));
    const OperationOutcome saved = SaveCategory(db.Folder(), -1, "Neu", prompter);
    EXPECT_TRUE(saved.WriteFailed());
    EXPECT_FALSE(saved.closeDialog);
    EXPECT_EQ(saved.tree.change, TreeChange::None);
    db.WriteList(4, {});
    ScriptedPrompter answers({Answer::Yes});
    EXPECT_TRUE(DeleteCategory(db.Folder(), 4, answers).WriteFailed());
    EXPECT_EQ(ReadIniValue("kategorie", "k4", MainFilePath(db.Folder())), "Vier");
}

// A compaction committed but not finished replaces k2.dat with content made
// before any of these changes; writing k2.dat now would be lost then.
TEST_F(WriteFailure, FileThatACommittedCompactionStillReplacesIsNotWritten) {
    db.WriteFile(PreparedFileName("k2.dat"), db.Bytes("k2.dat"));
    db.WriteFile(kCompactionJournalName, SerializeJournal({"k2.dat"}));
    PartEditorTexts texts;
    texts.Field(1) = "Neu";
    texts.datasheet1 = "neu.pdf";
    EXPECT_TRUE(SavePart(db.Folder(), 2, -1, texts, prompter).WriteFailed());
    PartClipboard clipboard;
    ScriptedPrompter answers({Answer::Yes, Answer::Yes});
    EXPECT_TRUE(DeleteSelectedRecord(db.Folder(), {2, 5, {5}}, clipboard, answers).WriteFailed());
    ExpectUnchanged();
    // Files the compaction does not name are written as ever.
    EXPECT_TRUE(SavePart(db.Folder(), 4, -1, texts, prompter).IsDone());

    ASSERT_EQ(RecoverInterruptedCompaction(db.Folder()).result, RecoveryResult::Finished);
    EXPECT_TRUE(SavePart(db.Folder(), 2, -1, texts, prompter).IsDone());
}

// A change keeps what another write stored in its file after it read it.
TEST(FileChange, WritesOntoTheFileAsItIsNow) {
    RecordDatabase db;
    db.WriteList(1, {{0, Named("A").Record()}}, "0");
    FileChange list(db.List(1));
    list.Set("teil", "t3", Named("B").Record());
    ASSERT_TRUE(WriteIniValue("teil", "max", "3", db.List(1)));
    WriteTransaction writes;
    ASSERT_TRUE(writes.Write(list));
    EXPECT_EQ(ReadIniValue("teil", "max", db.List(1)), "3");
    EXPECT_EQ(db.Record(1, 3), Named("B").Record());
    EXPECT_EQ(db.Record(1, 0), Named("A").Record());
    EXPECT_EQ(list.Value("teil", "max"), "3");
}

TEST(ReportWriteFailure, ShowsTheErrorWithItsTitle) {
    ScriptedPrompter prompter;
    ReportWriteFailure(prompter);
    ASSERT_EQ(prompter.messages.size(), 1u);
    ExpectMessage(prompter.messages[0], false, "Fehler!", "Datenspeichern nicht m\xF6glich !     ",
                  MessageIcon::Error);
}

}  // namespace
