// Compaction interrupted after every single file step, then recovered: no
// part may lose its record, pictures, datasheets or order positions, and the
// database must be wholly old or wholly new.

#include <gtest/gtest.h>

#include "CompactionFixture.h"
#include "ScriptedPrompter.h"
#include "compaction/Compaction.h"

namespace {

using Bytes = std::map<std::string, std::string>;

struct FixtureStates {
    Bytes before;
    Bytes after;
    // The blank record keeps an empty slot that only a second run closes.
    Bytes afterTwice;
    DatabaseView view;
    int preparedFiles = 0;  // the journal is written after this many steps
};

const FixtureStates& States() {
    static const FixtureStates states = [] {
        FixtureStates result;
        TempFolder folder;
        WriteCrashFixture(folder);
        result.before = DataFileBytes(folder.Path());
        result.view = ViewOf(folder.Path());
        ScriptedPrompter prompter({Answer::Yes});
        CompactDatabase(folder.Path(), prompter);
        result.after = DataFileBytes(folder.Path());
        ScriptedPrompter again({Answer::Yes});
        CompactDatabase(folder.Path(), again);
        result.afterTwice = DataFileBytes(folder.Path());
        for (const auto& [name, bytes] : result.before) {
            result.preparedFiles += result.after.at(name) != bytes ? 1 : 0;
        }
        return result;
    }();
    return states;
}

// True when the compaction crashed.
bool CompactWithCrash(const TempFolder& folder, int crashAt) {
    CrashingFiles files(crashAt);
    ScriptedPrompter prompter({Answer::Yes});
    try {
        CompactDatabase(folder.Path(), prompter, {}, files);
    } catch (const SimulatedCrash&) {
        return true;
    }
    return false;
}

void ExpectWholeAndConsistent(const TempFolder& folder, const std::string& context) {
    SCOPED_TRACE(context);
    const FixtureStates& states = States();
    EXPECT_EQ(CompactionLeftovers(folder.Path()), std::vector<std::string>{});
    const Bytes now = DataFileBytes(folder.Path());
    EXPECT_TRUE(now == states.before || now == states.after);
    const DatabaseView view = ViewOf(folder.Path());
    EXPECT_EQ(view.duplicateNames, std::vector<std::string>{});
    EXPECT_TRUE(view == states.view);
}

}  // namespace

TEST(CompactionCrash, FixtureReallyChangesAndKeepsEveryPartTogether) {
    const FixtureStates& states = States();
    EXPECT_EQ(states.preparedFiles, 9);  // all lists but the unnamed one, plus both side files
    EXPECT_EQ(states.view.parts.size(), 14u);
    EXPECT_EQ(states.view.danglingPositions.at(901), std::vector<std::string>{"k1t99;1;0"});
    TempFolder folder;
    WriteCrashFixture(folder);
    ScriptedPrompter prompter({Answer::Yes});
    CompactDatabase(folder.Path(), prompter);
    EXPECT_TRUE(ViewOf(folder.Path()) == states.view);
}

TEST(CompactionCrash, EveryInterruptionIsSettledByRecoveryAndTheNextRunCompactsFully) {
    const FixtureStates& states = States();
    int crashAt = 0;
    for (;; ++crashAt) {
        TempFolder folder;
        WriteCrashFixture(folder);
        if (!CompactWithCrash(folder, crashAt)) {
            EXPECT_EQ(DataFileBytes(folder.Path()), states.after);
            break;
        }
        CrashingFiles uninterrupted;
        const RecoveryOutcome recovery = RecoverInterruptedCompaction(folder.Path(), uninterrupted);
        EXPECT_EQ(recovery.result, crashAt <= states.preparedFiles ? RecoveryResult::Discarded
                                                                   : RecoveryResult::Finished)
            << "crash at step " << crashAt;
        ExpectWholeAndConsistent(folder, "crash at step " + std::to_string(crashAt));

        const bool wasNew = DataFileBytes(folder.Path()) == states.after;
        ScriptedPrompter prompter({Answer::Yes});
        EXPECT_EQ(CompactDatabase(folder.Path(), prompter, {}, uninterrupted).result,
                  CompactionResult::Compacted);
        EXPECT_EQ(DataFileBytes(folder.Path()), wasNew ? states.afterTwice : states.after)
            << "crash at step " << crashAt;
    }
    // Nine prepared files, the journal, nine renames, the journal's removal.
    EXPECT_EQ(crashAt, 2 * states.preparedFiles + 2);
    RecordProperty("interruption_points", crashAt);
}

TEST(CompactionCrash, NextCompactionSettlesAnInterruptedOneItself) {
    const FixtureStates& states = States();
    for (int crashAt = 0;; ++crashAt) {
        TempFolder folder;
        WriteCrashFixture(folder);
        if (!CompactWithCrash(folder, crashAt)) {
            break;
        }
        // Up to its commit point the interrupted run is undone, after it
        // finished; then this run compacts what it finds.
        CrashingFiles uninterrupted;
        ScriptedPrompter prompter({Answer::Yes});
        EXPECT_EQ(CompactDatabase(folder.Path(), prompter, {}, uninterrupted).result,
                  CompactionResult::Compacted);
        EXPECT_EQ(DataFileBytes(folder.Path()),
                  crashAt <= states.preparedFiles ? states.after : states.afterTwice)
            << "crash at step " << crashAt;
        EXPECT_EQ(CompactionLeftovers(folder.Path()), std::vector<std::string>{});
    }
}

TEST(CompactionCrash, InterruptedRecoveryIsSettledByTheNextRecovery) {
    int interruptedRecoveries = 0;
    for (int crashAt = 0;; ++crashAt) {
        {
            TempFolder probe;
            WriteCrashFixture(probe);
            if (!CompactWithCrash(probe, crashAt)) {
                break;
            }
        }
        for (int recoveryCrashAt = 0;; ++recoveryCrashAt) {
            TempFolder folder;
            WriteCrashFixture(folder);
            ASSERT_TRUE(CompactWithCrash(folder, crashAt));
            CrashingFiles files(recoveryCrashAt);
            try {
                RecoverInterruptedCompaction(folder.Path(), files);
                break;
            } catch (const SimulatedCrash&) {
                ++interruptedRecoveries;
            }
            CrashingFiles uninterrupted;
            EXPECT_NE(RecoverInterruptedCompaction(folder.Path(), uninterrupted).result,
                      RecoveryResult::Failed);
            ExpectWholeAndConsistent(folder, "crash at step " + std::to_string(crashAt) +
                                                 ", recovery crash at step " +
                                                 std::to_string(recoveryCrashAt));
        }
    }
    EXPECT_GT(interruptedRecoveries, 40);
    RecordProperty("interrupted_recoveries", interruptedRecoveries);
}
