#pragma once
// Crash safety of the compaction.
//
// A compaction first writes the new content of every file it changes as a
// prepared file beside the original ("~teile-neu-" + name), flushed to disk.
// Then it writes the journal, which names those files; the journal appearing
// complete on disk is the moment the compaction counts as done. Then each
// prepared file is renamed over its original and the journal is deleted.
//
// Whatever step a crash interrupts, RecoverInterruptedCompaction brings the
// folder to one of the two consistent states: with a complete journal it
// finishes the renames (a prepared file that is gone was already renamed);
// without one it deletes the prepared files, whose originals were never
// touched. Recovery may itself be interrupted and simply runs again.
//
// The work files of the older compaction ("~kompakt.tmp" and its four side
// files) are neither used nor deleted here: a leftover of such a run may hold
// the only copy of a list's pictures and datasheets, and nothing tells whether
// it does, so it is reported and left for the user to look at.

#include <string>
#include <string_view>
#include <vector>

#include "compaction/CompactionFiles.h"

inline constexpr std::string_view kCompactionJournalName = "~teile-kompaktierung.jnl";
inline constexpr std::string_view kPreparedFilePrefix = "~teile-neu-";

// "~teile-neu-" + name of the data file.
std::string PreparedFileName(std::string_view dataFile);
// The only files a compaction may replace: the category and order lists,
// "bilder.dat" and "datenblaetter.dat". A journal naming anything else is not
// ours and is never acted upon.
const std::vector<std::string>& CompactableFileNames();
// The work files of the older compaction.
const std::vector<std::string>& OldCompactionWorkFileNames();

std::string SerializeJournal(const std::vector<std::string>& dataFiles);

enum class JournalState {
    Complete,  // committed: its renames must be finished
    Torn,      // begun but never committed
    Foreign,   // not a journal this version wrote: touch nothing
};
struct ParsedJournal {
    JournalState state = JournalState::Torn;
    std::vector<std::string> dataFiles;
};
ParsedJournal ParseJournal(std::string_view bytes);

enum class RecoveryResult {
    NothingToDo,
    Finished,   // an interrupted compaction was completed
    Discarded,  // an uncommitted one was rolled back
    Failed,     // a step failed or the journal is unknown; nothing may be compacted now
};
struct RecoveryOutcome {
    RecoveryResult result = RecoveryResult::NothingToDo;
    // Old work files found in the folder, left untouched.
    std::vector<std::string> oldWorkFiles;
};

// To be called at every start of teile and at the start of every compaction.
RecoveryOutcome RecoverInterruptedCompaction(const std::string& folder,
                                             CompactionFiles& files = SystemCompactionFiles());

struct PreparedFile {
    std::string dataFile;  // e.g. "k3.dat"
    std::string bytes;
};

enum class CommitResult {
    Done,
    NotCommitted,  // a step failed before the commit point: every original is unchanged
    Incomplete,    // committed, but a rename failed: the next recovery finishes it
};

// True while a committed compaction still has to replace `dataFile` (its
// prepared file is there and a complete journal names it). Its prepared
// content was made from the data as they were then, so a change written to
// the file now would be lost when recovery finishes: such a file must not be
// written until then.
bool AwaitsCompaction(const std::string& folder, std::string_view dataFile,
                      CompactionFiles& files = SystemCompactionFiles());

// Replaces the data files by the prepared contents as one unit. The folder
// must hold no leftovers of an earlier run (recover first).
CommitResult CommitCompaction(const std::string& folder, const std::vector<PreparedFile>& prepared,
                              CompactionFiles& files = SystemCompactionFiles());
