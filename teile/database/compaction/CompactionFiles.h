#pragma once
// Every change that compaction and its recovery make to the program folder
// passes through this interface: writing a prepared file, writing the journal,
// renaming, deleting. Keeping them in one narrow place lets the tests stop the
// work after any single step, exactly as a crash or power cut would.

#include <string>

struct FileRead {
    enum class State { Missing, Unreadable, Read };
    State state = State::Missing;
    std::string bytes;
};

class CompactionFiles {
public:
    virtual ~CompactionFiles() = default;

    // Reading changes nothing and is therefore no step of its own.
    virtual FileRead Read(const std::string& path) = 0;
    virtual bool Exists(const std::string& path) = 0;
    // False when `path` exists but the user made it read-only; such a file is
    // never replaced, just as by every other write of the suite.
    virtual bool MayReplace(const std::string& path) = 0;

    // Writes `bytes` to `path` and flushes them to disk. The new file gets the
    // permissions of `permissionsOf` when that file exists.
    virtual bool WritePrepared(const std::string& path, const std::string& bytes,
                               const std::string& permissionsOf) = 0;
    // Writes the journal so that it exists either completely or not at all.
    virtual bool WriteJournal(const std::string& path, const std::string& bytes) = 0;
    // Atomic replacement of `to` by `from`.
    virtual bool Rename(const std::string& from, const std::string& to) = 0;
    // True also when the file was not there.
    virtual bool Remove(const std::string& path) = 0;
    // Makes the renames and deletions done so far in `folder` durable.
    virtual bool SyncFolder(const std::string& folder) = 0;
};

// The real file system.
CompactionFiles& SystemCompactionFiles();
