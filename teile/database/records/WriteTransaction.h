#pragma once
// The write transaction every record operation uses: changes to a data file
// are collected and written in one atomic replacement, and an operation that
// changes several files in a row puts every file back when a later write
// fails, so a failed operation leaves the data as it found them. A value
// longer than a reader gets back fails the write the same way.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "AtomicFile.h"
#include "IniStore.h"
#include "Slots.h"
#include "records/OperationOutcome.h"

// The longest value a reader of the data files gets back: ours, dranko and
// the Windows routines all read at most this much. A longer record would lose
// its last fields (the stock) on the next read.
inline constexpr std::size_t kLongestStoredValue = 254;
// Whether a reader gets the value back whole (it skips the blanks around it).
bool ValueFitsFile(std::string_view value);

// The pending changes of one data file, starting from its current content.
class FileChange {
public:
    explicit FileChange(std::string path);

    const std::string& Path() const { return path_; }
    const IniDocument& Document() const { return pending_ ? *pending_ : *current_; }
    // The file as this change found it, or as it was last written.
    const std::shared_ptr<const IniDocument>& Current() const { return current_; }
    std::string Value(std::string_view group, std::string_view key) const;

    // WriteIniValue's rule: a blank value removes the key. A group or key
    // that would not read back as written, or a value that does not fit the
    // file, makes the write fail.
    void Set(std::string_view group, std::string_view key, std::string_view value);

    bool Changed() const { return changed_; }
    // A value was longer than a reader gets back: nothing of it is written.
    bool TooLong() const { return tooLong_; }
    // False when the file exists but could not be read: writing it from an
    // empty document would wipe it.
    bool Readable() const { return readable_; }
    // Takes the file as it is now when it was written since this change read
    // it (the "max" upkeep of the slot search, another change of the same
    // file) and puts the pending changes onto it, so that write is kept.
    void Refresh();

private:
    friend class WriteTransaction;
    // Writes the pending changes onto the file as the last Refresh found it;
    // afterwards the change starts from what it wrote. False when the file
    // could not be replaced.
    [[nodiscard]] bool WritePending();

    std::string path_;
    // Copied only when the first change comes: most files an operation
    // opens are only read, and the big side files are costly to copy.
    std::shared_ptr<const IniDocument> current_;
    // The file current_ was read from. Every write replaces a file by a new
    // one, so a write since then shows as another identity.
    std::optional<FileIdentity> identity_;
    std::optional<IniDocument> pending_;
    // Every Set since the last write, to be done again on a newer file.
    struct Setting {
        std::string group;
        std::string key;
        std::string value;
    };
    std::vector<Setting> settings_;
    bool readable_ = true;
    bool changed_ = false;
    // A Set that no reader would read back as written: the write fails.
    bool refused_ = false;
    bool tooLong_ = false;
};

// Files written one after the other by one operation. The first failure puts
// back every file written before it, newest first.
class WriteTransaction {
public:
    WriteTransaction() = default;
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;

    // Keeps the file as it is now, for a write that happens outside the
    // sequence (the "max" upkeep of the slot search).
    void Remember(const std::string& path);
    // That outside write happened: the file is put back on a later failure.
    void MarkWritten(const std::string& path);

    // FindFreePartSlot with its "max" upkeep as part of the transaction: a
    // later failure, or a full list, puts "max" back as it was.
    // kSlotWriteFailed also while a committed compaction still has to
    // replace the list.
    FreeSlot TakeFreeSlot(const std::string& listFile);

    // Writes the file when it changed. False when it could not be written,
    // when a value was too long for it, or when a committed compaction still
    // has to replace it; everything written before is then put back.
    [[nodiscard]] bool Write(FileChange& change);
    // Puts back every written file (best effort: the failure is being
    // reported anyway).
    void Undo();
    // What the operation hands back after a failed Write: a value too long
    // for the files, or a write failure.
    OperationOutcome FailureOutcome() const;

private:
    struct Original {
        std::string path;
        std::shared_ptr<const IniDocument> document;
        bool existed = false;
        bool written = false;
    };
    Original& OriginalOf(const std::string& path,
                         std::shared_ptr<const IniDocument> known = nullptr);

    std::vector<Original> originals_;
    bool valueTooLong_ = false;
};
