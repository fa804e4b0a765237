#pragma once
// Databases to compact, a file layer that crashes on cue, and a view of the
// database that does not depend on slot numbers: what belongs to which part.

#include <array>
#include <map>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "TestParts.h"
#include "compaction/CompactionFiles.h"

// Thrown in place of the process dying.
struct SimulatedCrash {};

// The real file system, except that the step numbered `crashAt` (counted from
// 0 over writes of prepared files and the journal, renames and deletions)
// never completes: a prepared file or journal is left half written, a rename
// or deletion is not done, and SimulatedCrash is thrown. `failAt` makes that
// step report failure instead. Reads can be made to fail for one file.
class CrashingFiles : public CompactionFiles {
public:
    static constexpr int kNever = -1;
    explicit CrashingFiles(int crashAt = kNever, int failAt = kNever)
        : crashAt_(crashAt), failAt_(failAt) {}

    int Steps() const { return steps_; }
    std::string unreadableFile;  // a path whose reads fail
    // Every change in the order asked: "prepare", "journal", "rename" or
    // "remove" with a blank and the file's name, or "sync".
    std::vector<std::string> log;

    FileRead Read(const std::string& path) override;
    bool Exists(const std::string& path) override;
    bool MayReplace(const std::string& path) override;
    bool WritePrepared(const std::string& path, const std::string& bytes,
                       const std::string& permissionsOf) override;
    bool WriteJournal(const std::string& path, const std::string& bytes) override;
    bool Rename(const std::string& from, const std::string& to) override;
    bool Remove(const std::string& path) override;
    bool SyncFolder(const std::string& folder) override;

private:
    // True when the step may go ahead; false when it is to fail.
    bool Step(const std::string& tornPath, const std::string& bytes);

    int crashAt_;
    int failAt_;
    int steps_ = 0;
};

// One part as the user sees it, wherever its slot is.
struct PartView {
    int category = -1;
    std::string record;
    std::array<std::string, 4> sides;   // datenblatt, datenblatt2, bild0, bild1
    std::array<std::string, 3> orders;  // "quantity;hidden" per supplier, "" none
    bool operator==(const PartView&) const = default;
};
struct DatabaseView {
    std::map<std::string, PartView> parts;  // by part name (unique in the fixtures)
    std::vector<std::string> duplicateNames;
    // Positions naming no part, per order list, as stored.
    std::map<int, std::vector<std::string>> danglingPositions;
    bool operator==(const DatabaseView&) const = default;
};
DatabaseView ViewOf(const std::string& folder);

// The bytes of every file a compaction may touch, by name ("" when missing).
std::map<std::string, std::string> DataFileBytes(const std::string& folder);

// The files of a compaction still lying around: prepared files and journals.
std::vector<std::string> CompactionLeftovers(const std::string& folder);

// Several categories with holes and records out of slot order, an unnamed
// and an empty category, pictures and datasheets, and positions in all three
// order lists that refer to parts out of slot order.
void WriteCrashFixture(const TempFolder& folder);
