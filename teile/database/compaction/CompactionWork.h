#pragma once
// The renumbering itself, done in memory: every file a compaction changes is
// read once, changed as often as the lists require, and handed out as new
// bytes at the end, so each file is written once however many lists and keys
// it touches.

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "DataFiles.h"
#include "compaction/CompactionFiles.h"
#include "compaction/CompactionJournal.h"

// True when the text is not empty and holds only the digits "0" to "9".
bool IsDigits(std::string_view text);

// A list file with its records renumbered 0, 1, 2 ... in the order their lines
// stand in the file.
struct RenumberedList {
    std::string bytes;  // "[teil]", "max" = records - 1, then "t" + new slot per record
    int records = 0;    // slots the renumbered list uses, blank ones included
    // Old slot -> new slot for every slot readers saw.
    std::unordered_map<int, int> newSlotOf;
    // By old slot: whether it held a part (a record that is not blank).
    std::vector<bool> holdsPart = std::vector<bool>(kSlotCount, false);
    // By old slot: whether it held a record above "max" that is dropped. No
    // list showed it, but an order position naming it did.
    std::vector<bool> droppedRecord = std::vector<bool>(kSlotCount, false);
};

// Reads the first group "teil" line by line and renumbers exactly the records
// readers see: the first line of each key "t" + slot for the slots 0 to the
// scan limit of "max". Each takes the next slot in file order, even with a
// blank value (that slot then stays empty), so no record ever lands beyond
// slot 499. Everything else of the file - lines no reader sees, other keys,
// other groups, records above "max" - is dropped.
RenumberedList RenumberList(std::string_view bytes);

class CompactionWork {
public:
    CompactionWork(std::string folder, CompactionFiles& files);
    ~CompactionWork();
    CompactionWork(const CompactionWork&) = delete;
    CompactionWork& operator=(const CompactionWork&) = delete;

    // Reads the pictures, the datasheets and the three order lists. False when
    // one of them exists but cannot be read: without it the side entries or
    // references could not follow the parts, so nothing may be compacted.
    bool LoadSharedFiles();

    // Renumbers list `listNumber` (0-49 or 901-903), carries its pictures and
    // datasheets to the new slots and rewrites the order positions that refer
    // to it; a position naming no part of it goes when a renumbered record
    // takes its slot number, and so does one naming a dropped record above
    // "max". False when the list file is missing or unreadable; the list and
    // everything that refers to it then stay as they are.
    bool CompactList(int listNumber);

    // The files whose content changed, with their new content.
    std::vector<PreparedFile> PreparedFiles() const;

private:
    struct WorkingFiles;
    std::unique_ptr<WorkingFiles> working_;
};
