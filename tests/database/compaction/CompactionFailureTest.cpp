// Failures that are not crashes, the journal's own rules, and files of other
// program versions.

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "CompactionFixture.h"
#include "ScriptedPrompter.h"
#include "compaction/Compaction.h"

namespace {

CompactionOutcome CompactWith(const TempFolder& folder, CompactionFiles& files,
                              ScriptedPrompter& prompter) {
    return CompactDatabase(folder.Path(), prompter, {}, files);
}

void ExpectReportedFailure(const ScriptedPrompter& prompter) {
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[1].title, "Fehler!");
    EXPECT_EQ(prompter.messages[1].text, "Datenspeichern nicht m\xF6glich !     ");
    EXPECT_EQ(prompter.messages[1].icon, MessageIcon::Error);
}

}  // namespace

TEST(CompactionFailure, UnreadableSharedFileStopsBeforeAnythingChanges) {
    for (const std::string name : {"bilder.dat", "k902.dat", "teile.dat"}) {
        TempFolder folder;
        WriteCrashFixture(folder);
        const auto before = DataFileBytes(folder.Path());
        CrashingFiles files;
        files.unreadableFile = folder.File(name);
        ScriptedPrompter prompter({Answer::Yes});
        EXPECT_EQ(CompactWith(folder, files, prompter).result, CompactionResult::Failed) << name;
        ExpectReportedFailure(prompter);
        EXPECT_EQ(DataFileBytes(folder.Path()), before) << name;
    }
}

TEST(CompactionFailure, UnreadableListIsSkippedWithEverythingReferringToIt) {
    TempFolder folder;
    WriteCrashFixture(folder);
    const DatabaseView before = ViewOf(folder.Path());
    const std::string categoryZero = folder.Read("k0.dat");
    CrashingFiles files;
    files.unreadableFile = folder.File("k0.dat");
    ScriptedPrompter prompter({Answer::Yes});
    const CompactionOutcome outcome = CompactWith(folder, files, prompter);
    EXPECT_EQ(outcome.result, CompactionResult::Compacted);
    EXPECT_EQ(outcome.listsCompacted, 6);
    EXPECT_EQ(folder.Read("k0.dat"), categoryZero);
    EXPECT_TRUE(ViewOf(folder.Path()) == before);
}

TEST(CompactionFailure, FailedStepBeforeTheCommitLeavesEveryFileAsItWas) {
    for (int failAt = 0; failAt <= 9; ++failAt) {  // nine prepared files, then the journal
        TempFolder folder;
        WriteCrashFixture(folder);
        const auto before = DataFileBytes(folder.Path());
        CrashingFiles files(CrashingFiles::kNever, failAt);
        ScriptedPrompter prompter({Answer::Yes});
        const CompactionOutcome outcome = CompactWith(folder, files, prompter);
        EXPECT_EQ(outcome.result, CompactionResult::Failed) << failAt;
        EXPECT_FALSE(outcome.recoveryPending) << failAt;
        ExpectReportedFailure(prompter);
        EXPECT_EQ(DataFileBytes(folder.Path()), before) << failAt;
        EXPECT_EQ(CompactionLeftovers(folder.Path()), std::vector<std::string>{}) << failAt;
    }
}

TEST(CompactionFailure, FailedRenameAfterTheCommitIsFinishedByRecovery) {
    TempFolder reference;
    WriteCrashFixture(reference);
    ScriptedPrompter referencePrompter({Answer::Yes});
    CompactDatabase(reference.Path(), referencePrompter);

    TempFolder folder;
    WriteCrashFixture(folder);
    const DatabaseView view = ViewOf(folder.Path());
    CrashingFiles files(CrashingFiles::kNever, 12);  // the third rename
    ScriptedPrompter prompter({Answer::Yes});
    const CompactionOutcome outcome = CompactWith(folder, files, prompter);
    EXPECT_EQ(outcome.result, CompactionResult::Failed);
    EXPECT_TRUE(outcome.recoveryPending);
    ExpectReportedFailure(prompter);
    EXPECT_EQ(RecoverInterruptedCompaction(folder.Path()).result, RecoveryResult::Finished);
    EXPECT_EQ(DataFileBytes(folder.Path()), DataFileBytes(reference.Path()));
    EXPECT_TRUE(ViewOf(folder.Path()) == view);
}

TEST(CompactionFailure, OldWorkFilesAreNeitherReadNorDeleted) {
    TempFolder folder;
    WriteCrashFixture(folder);
    // Left by an interrupted run of an older version: perhaps the only copy
    // of some pictures.
    folder.Write("~kompakt.tmp", "[teil]\r\nmax=0\r\nt0=" + Named("alt").Record() + "\r\n");
    folder.Write("~kompakt_bilder1.tmp", "0\001c:\\alt.jpg\r\n");
    TempFolder reference;
    WriteCrashFixture(reference);
    ScriptedPrompter referencePrompter({Answer::Yes});
    CompactDatabase(reference.Path(), referencePrompter);

    ScriptedPrompter prompter({Answer::Yes});
    const CompactionOutcome outcome = CompactDatabase(folder.Path(), prompter);
    EXPECT_EQ(outcome.result, CompactionResult::Compacted);
    EXPECT_EQ(outcome.oldWorkFiles,
              (std::vector<std::string>{"~kompakt.tmp", "~kompakt_bilder1.tmp"}));
    EXPECT_EQ(folder.Read("~kompakt.tmp"),
              "[teil]\r\nmax=0\r\nt0=" + Named("alt").Record() + "\r\n");
    EXPECT_EQ(folder.Read("~kompakt_bilder1.tmp"), "0\001c:\\alt.jpg\r\n");
    EXPECT_EQ(DataFileBytes(folder.Path()), DataFileBytes(reference.Path()));
}

// Recovery takes a named prepared file that is missing for one already
// renamed; after a power cut the journal must not be there without them.
TEST(CompactionJournal, PreparedFilesAreInTheFolderForGoodBeforeTheJournalNamesThem) {
    TempFolder folder;
    WriteCrashFixture(folder);
    CrashingFiles files;
    ScriptedPrompter prompter({Answer::Yes});
    ASSERT_EQ(CompactWith(folder, files, prompter).result, CompactionResult::Compacted);
    const auto journal = std::find(files.log.begin(), files.log.end(),
                                   "journal " + std::string(kCompactionJournalName));
    ASSERT_NE(journal, files.log.end());
    const auto lastPrepared =
        std::find_if(std::make_reverse_iterator(journal), files.log.rend(),
                     [](const std::string& step) { return step.starts_with("prepare "); })
            .base();
    ASSERT_NE(lastPrepared, files.log.begin());
    EXPECT_NE(std::find(lastPrepared, journal, "sync"), journal);
}

TEST(CompactionJournal, OnlyAnIntactJournalOfOurOwnFilesCommits) {
    const std::string journal = SerializeJournal({"k3.dat", "bilder.dat"});
    const ParsedJournal parsed = ParseJournal(journal);
    EXPECT_EQ(parsed.state, JournalState::Complete);
    EXPECT_EQ(parsed.dataFiles, (std::vector<std::string>{"k3.dat", "bilder.dat"}));

    for (std::size_t cut = 0; cut < journal.size(); ++cut) {
        EXPECT_EQ(ParseJournal(journal.substr(0, cut)).state, JournalState::Torn) << cut;
    }
    std::string altered = journal;
    altered[journal.find("k3")] = 'x';
    EXPECT_EQ(ParseJournal(altered).state, JournalState::Torn);
    EXPECT_EQ(ParseJournal(SerializeJournal({"teile.dat"})).state, JournalState::Foreign);
    EXPECT_EQ(ParseJournal(SerializeJournal({"k3.dat", "k3.dat"})).state, JournalState::Foreign);
    EXPECT_EQ(ParseJournal(SerializeJournal({"../k3.dat"})).state, JournalState::Foreign);
    EXPECT_EQ(ParseJournal("teile-kompaktierung 2\r\nende 0 0\r\n").state, JournalState::Foreign);
}

TEST(CompactionJournal, TornJournalRollsBackAndForeignJournalStopsEverything) {
    TempFolder folder;
    WriteCrashFixture(folder);
    const auto before = DataFileBytes(folder.Path());
    const std::string journal = SerializeJournal({"k3.dat"});
    folder.Write(PreparedFileName("k3.dat"), "[teil]\r\nmax=-1\r\n");
    folder.Write(std::string(kCompactionJournalName), journal.substr(0, journal.size() - 3));
    EXPECT_EQ(RecoverInterruptedCompaction(folder.Path()).result, RecoveryResult::Discarded);
    EXPECT_EQ(DataFileBytes(folder.Path()), before);
    EXPECT_EQ(CompactionLeftovers(folder.Path()), std::vector<std::string>{});

    folder.Write(PreparedFileName("k3.dat"), "[teil]\r\nmax=-1\r\n");
    folder.Write(std::string(kCompactionJournalName), "was ganz anderes\r\n");
    EXPECT_EQ(RecoverInterruptedCompaction(folder.Path()).result, RecoveryResult::Failed);
    ScriptedPrompter prompter({Answer::Yes});
    EXPECT_EQ(CompactDatabase(folder.Path(), prompter).result, CompactionResult::Failed);
    EXPECT_EQ(DataFileBytes(folder.Path()), before);
    EXPECT_EQ(CompactionLeftovers(folder.Path()).size(), 2u);
}
