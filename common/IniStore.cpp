#include "IniStore.h"

#include <time.h>

#include <mutex>
#include <optional>
#include <unordered_map>
#include <utility>

#include "AtomicFile.h"

namespace {

// A rewrite in place that keeps the size can keep the modification time too
// when it falls into the same tick of the file system's clock. Until a file's
// time stamp is older than one tick (with margin), its identity proves nothing
// and the bytes are compared instead. File systems that store no fraction of
// a second (FAT on a USB stick carried between machines: two seconds) get a
// long window; those with fine time stamps (ticks of at most 10 ms) a short
// one, so reads soon after a save do not keep re-reading the file.
constexpr long long kCoarseRacyNanoseconds = 3'000'000'000;
constexpr long long kFineRacyNanoseconds = 50'000'000;

long long NowNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// Read or written at `readStart`: can a later change of the file still carry
// the same identity?
bool IsRacy(const FileIdentity& identity, long long readStart) {
    const long long modified =
        identity.modifiedSeconds * 1'000'000'000 + identity.modifiedNanoseconds;
    const long long window =
        identity.modifiedNanoseconds == 0 ? kCoarseRacyNanoseconds : kFineRacyNanoseconds;
    return modified >= readStart - window;
}

struct Snapshot {
    FileIdentity identity;
    std::shared_ptr<const IniDocument> document;
    // While the identity is racy, every read compares the file's bytes with
    // the document's.
    bool racy = false;
};

std::mutex& SnapshotMutex() {
    static std::mutex mutex;
    return mutex;
}

std::unordered_map<std::string, Snapshot>& Snapshots() {
    static std::unordered_map<std::string, Snapshot> snapshots;
    return snapshots;
}

const std::shared_ptr<const IniDocument>& EmptyDocument() {
    static const std::shared_ptr<const IniDocument> empty = std::make_shared<IniDocument>();
    return empty;
}

// The snapshot of a file; nothing when the file exists but cannot be read,
// which a writer must not mistake for an empty file.
std::optional<std::shared_ptr<const IniDocument>> LoadSnapshot(const std::string& file) {
    std::lock_guard<std::mutex> lock(SnapshotMutex());
    auto& snapshots = Snapshots();
    // A file that changes while we read it is read again; after a few tries
    // the last reading is taken without being remembered.
    std::shared_ptr<const IniDocument> document;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const long long readStart = NowNanoseconds();
        const std::optional<FileIdentity> before = IdentityOf(file);
        if (!before) {
            snapshots.erase(file);
            return EmptyDocument();
        }
        const auto cached = snapshots.find(file);
        const bool sameIdentity = cached != snapshots.end() && cached->second.identity == *before;
        if (sameIdentity && !cached->second.racy) {
            return cached->second.document;
        }
        const std::optional<std::string> bytes = ReadWholeFile(file);
        if (!bytes) {
            snapshots.erase(file);
            if (!FileExists(file)) {
                return EmptyDocument();
            }
            return std::nullopt;
        }
        if (sameIdentity && cached->second.document->Bytes() == *bytes) {
            document = cached->second.document;
        } else {
            document = std::make_shared<const IniDocument>(IniDocument::Parse(*bytes));
        }
        if (IdentityOf(file) == before) {
            snapshots[file] = Snapshot{*before, document, IsRacy(*before, readStart)};
            return document;
        }
    }
    return document;
}

}  // namespace

std::shared_ptr<const IniDocument> ReadIniFile(const std::string& file) {
    return LoadSnapshot(file).value_or(EmptyDocument());
}

bool WriteIniFile(const std::string& file, IniDocument&& document,
                  std::shared_ptr<const IniDocument>* snapshot) {
    FileIdentity identity;
    const long long writeStart = NowNanoseconds();
    if (!ReplaceFileAtomically(file, document.Bytes(), &identity)) {
        return false;
    }
    auto written = std::make_shared<const IniDocument>(std::move(document));
    if (snapshot != nullptr) {
        *snapshot = written;
    }
    std::lock_guard<std::mutex> lock(SnapshotMutex());
    Snapshots()[file] = Snapshot{identity, std::move(written), IsRacy(identity, writeStart)};
    return true;
}

bool WriteIniFile(const std::string& file, const IniDocument& document) {
    return WriteIniFile(file, IniDocument(document));
}

std::string ReadIniValue(std::string_view group, std::string_view key, const std::string& file) {
    return ReadIniFile(file)->Value(group, key);
}

bool WriteIniValue(std::string_view group, std::string_view key, std::string_view value,
                   const std::string& file) {
    const std::optional<std::shared_ptr<const IniDocument>> loaded = LoadSnapshot(file);
    if (!loaded) {
        return false;  // rewriting a file we cannot read would empty it
    }
    const std::shared_ptr<const IniDocument>& current = *loaded;
    IniDocument changed = *current;
    if (!changed.Write(group, key, value)) {
        return false;  // it could not be read back as written
    }
    if (FileExists(file) && changed.Bytes() == current->Bytes()) {
        return true;  // removing what is not there, or writing what is
    }
    if (!FileExists(file) && changed.IsEmpty()) {
        return true;  // nothing to create
    }
    return WriteIniFile(file, std::move(changed));
}

void ForgetIniSnapshots() {
    std::lock_guard<std::mutex> lock(SnapshotMutex());
    Snapshots().clear();
}
