#include "records/WriteTransaction.h"

#include <optional>

#include "AtomicFile.h"
#include "DataFiles.h"
#include "IniLines.h"
#include "Records.h"
#include "Slots.h"
#include "TextRules.h"
#include "compaction/CompactionJournal.h"

namespace {

// An empty snapshot of a file that has bytes means it could not be read.
bool IsReadable(const std::string& path, const IniDocument& snapshot) {
    if (!snapshot.IsEmpty()) {
        return true;
    }
    const std::optional<FileIdentity> identity = IdentityOf(path);
    if (!identity || identity->size == 0) {
        return true;
    }
    return ReadWholeFile(path).has_value();
}

// A compaction that was committed but not yet finished will still replace
// the file with content made from the data as they were then.
bool StillToBeCompacted(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    return AwaitsCompaction(folder, std::string_view(path).substr(folder.size()));
}

}  // namespace

bool ValueFitsFile(std::string_view value) { return TrimIni(value).size() <= kLongestStoredValue; }

FileChange::FileChange(std::string path) : path_(std::move(path)) {
    // The identity first: a change in between then only makes the next
    // Refresh read the file once more.
    identity_ = IdentityOf(path_);
    current_ = ReadIniFile(path_);
    readable_ = IsReadable(path_, *current_);
}

std::string FileChange::Value(std::string_view group, std::string_view key) const {
    return Document().Value(group, key);
}

void FileChange::Refresh() {
    std::optional<FileIdentity> identity = IdentityOf(path_);
    if (identity == identity_) {
        return;
    }
    identity_ = std::move(identity);
    std::shared_ptr<const IniDocument> now = ReadIniFile(path_);
    if (now == current_) {
        return;  // the same content
    }
    current_ = std::move(now);
    readable_ = IsReadable(path_, *current_);
    if (!pending_) {
        return;
    }
    pending_ = *current_;
    for (const Setting& setting : settings_) {
        pending_->Write(setting.group, setting.key, setting.value);
    }
}

bool FileChange::WritePending() {
    if (refused_ || tooLong_) {
        return false;
    }
    if (!pending_) {
        return true;
    }
    if (!readable_) {
        return false;
    }
    IniDocument document = std::move(*pending_);
    pending_.reset();
    settings_.clear();
    changed_ = false;
    const bool written = WriteIniFile(path_, std::move(document), &current_);
    identity_ = IdentityOf(path_);
    return written;
}

void FileChange::Set(std::string_view group, std::string_view key, std::string_view value) {
    if (!ReadsBackAsWritten(group, key)) {
        // Written, it would read back as another group or key: the whole
        // change fails rather than leave the file disagreeing with it.
        refused_ = true;
        changed_ = true;
        return;
    }
    if (!ValueFitsFile(value)) {
        // Every reader would cut it, and a record cut short loses its stock.
        tooLong_ = true;
        changed_ = true;
        return;
    }
    // Every wish is kept: on a newer file even one that changes nothing here
    // may change something.
    settings_.push_back(Setting{std::string(group), std::string(key), std::string(value)});
    const std::optional<std::string> current = Document().Find(group, key);
    if (IsIniBlank(value)) {
        if (!current) {
            return;
        }
    } else if (current && *current == TrimIni(value) &&
               value.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos) {
        return;  // a reader sees exactly this already
    }
    if (!pending_) {
        pending_ = *current_;
    }
    pending_->Write(group, key, value);
    changed_ = true;
}

WriteTransaction::Original& WriteTransaction::OriginalOf(const std::string& path,
                                                         std::shared_ptr<const IniDocument> known) {
    for (Original& original : originals_) {
        if (original.path == path) {
            return original;
        }
    }
    if (!known) {
        known = ReadIniFile(path);
    }
    originals_.push_back(Original{path, std::move(known), FileExists(path), false});
    return originals_.back();
}

void WriteTransaction::Remember(const std::string& path) { OriginalOf(path); }

void WriteTransaction::MarkWritten(const std::string& path) {
    Original& original = OriginalOf(path);
    // An unchanged file keeps its snapshot: nothing to put back then.
    if (ReadIniFile(path) != original.document) {
        original.written = true;
    }
}

bool WriteTransaction::Write(FileChange& change) {
    if (!change.Changed()) {
        return true;
    }
    if (change.TooLong()) {
        valueTooLong_ = true;
        Undo();
        return false;
    }
    // What is put back on a failure is the file as this write finds it.
    change.Refresh();
    Original& original = OriginalOf(change.Path(), change.Current());
    if (!change.Readable() || StillToBeCompacted(change.Path()) || !change.WritePending()) {
        Undo();
        return false;
    }
    original.written = true;
    return true;
}

FreeSlot WriteTransaction::TakeFreeSlot(const std::string& listFile) {
    if (StillToBeCompacted(listFile)) {
        Undo();
        return kSlotWriteFailed;
    }
    Remember(listFile);
    const FreeSlot slot = FindFreePartSlot(listFile);
    if (slot == kSlotWriteFailed) {
        return slot;
    }
    MarkWritten(listFile);
    if (!slot.Found()) {
        Undo();
    }
    return slot;
}

OperationOutcome WriteTransaction::FailureOutcome() const {
    return valueTooLong_ ? OperationOutcome::ValueTooLong() : OperationOutcome::WriteFailure();
}

void WriteTransaction::Undo() {
    for (auto original = originals_.rbegin(); original != originals_.rend(); ++original) {
        if (!original->written) {
            continue;
        }
        if (original->existed) {
            (void)WriteIniFile(original->path, *original->document);
        } else {
            RemoveFile(original->path);
        }
        original->written = false;
    }
}
