#pragma once
// The command "Kompaktieren": every category with a name and the three order
// lists get the records readers see in slots 0, 1, 2 ... without holes, in the
// order the records stand in their files, and the pictures, datasheets and
// order positions follow their parts to the new slot numbers. Nothing changes
// identity: a position whose part does not exist never comes to name the part
// that takes its slot number, and lines no reader sees stay unseen.
//
// All lists of one run are changed as one unit (see CompactionJournal.h): a
// crash leaves the database either as it was or completely compacted, never
// with a part separated from its pictures, datasheets or order positions.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "Prompter.h"
#include "compaction/CompactionFiles.h"
#include "compaction/CompactionJournal.h"

// What the window does around the work. Every member may be empty.
struct CompactionCallbacks {
    // After the user said Yes, before the first list: disable the main window.
    std::function<void()> lock;
    // Before each list: show the text in field 1 of the status bar and let the
    // user interface process pending events (ten times, at most 10 ms each)
    // so that it is painted.
    std::function<void(const std::string& statusText)> progress;
    // After the last list, before the closing message: enable the main window
    // and show the selected list again (slot numbers have changed).
    std::function<void()> unlock;
};

enum class CompactionResult {
    Declined,   // the question was answered No: nothing was touched
    Compacted,  // "Datenbank wurde kompaktiert !" was shown
    Failed,     // "Datenspeichern nicht möglich !" was shown; see CompactionOutcome
};

struct CompactionOutcome {
    CompactionResult result = CompactionResult::Declined;
    // Lists renumbered (categories and order lists whose file could be read).
    int listsCompacted = 0;
    // Failed after the commit point: the database is complete in its new
    // state only after the next recovery (at the next start at the latest);
    // until then the record operations refuse to write the files it still
    // has to replace.
    bool recoveryPending = false;
    // Work files of the older compaction found in the folder and left alone.
    std::vector<std::string> oldWorkFiles;
};

// The whole command. Asks first; talks to the user only through `prompter`.
CompactionOutcome CompactDatabase(const std::string& folder, Prompter& prompter,
                                  const CompactionCallbacks& callbacks = {},
                                  CompactionFiles& files = SystemCompactionFiles());

enum class ListCompactionResult {
    Compacted,
    Skipped,  // the list file is missing or unreadable: nothing changed
    Failed,   // a file could not be read or written: nothing changed, or - when a rename
              // failed after the commit point - the next recovery completes the list
};

// One list, a category (0-49) or an order list (901-903), as one unit with its
// side entries and the order positions that refer to it. Recovers first.
ListCompactionResult CompactList(const std::string& folder, int listNumber,
                                 CompactionFiles& files = SystemCompactionFiles());

// The progress texts of the status bar (cp1252); the messages are in Messages.h.
std::string CompactionStatusText(std::string_view categoryName);
inline constexpr std::string_view kCompactionOrdersStatusText =
    "Kompaktiere Bestellungen ... (Anwendung ist gesperrt)";
