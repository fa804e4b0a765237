#include "compaction/CompactionJournal.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <unordered_set>

#include "DataFiles.h"

namespace {

constexpr std::string_view kJournalHeader = "teile-kompaktierung 1\r\n";
constexpr std::string_view kJournalEnd = "ende ";
constexpr std::string_view kLineEnd = "\r\n";

std::string ChecksumText(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::string JournalPath(const std::string& folder) {
    return folder + std::string(kCompactionJournalName);
}

// Where the system writes the journal before renaming it into place.
std::string IncompleteJournalPath(const std::string& folder) {
    return JournalPath(folder) + ".neu";
}

bool IsCompactableFile(std::string_view name) {
    const std::vector<std::string>& names = CompactableFileNames();
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Deletes the prepared files of a run that never reached its commit point.
// Only allowed while no complete journal names them.
bool DiscardPreparedFiles(const std::string& folder, CompactionFiles& files, bool* removedAny) {
    for (const std::string& name : CompactableFileNames()) {
        const std::string prepared = folder + PreparedFileName(name);
        if (files.Exists(prepared)) {
            if (!files.Remove(prepared)) {
                return false;
            }
            *removedAny = true;
        }
    }
    const std::string incomplete = IncompleteJournalPath(folder);
    if (files.Exists(incomplete)) {
        if (!files.Remove(incomplete)) {
            return false;
        }
        *removedAny = true;
    }
    return true;
}

// Finishes a committed compaction. Each step can be repeated: a prepared file
// that no longer exists has already replaced its original.
bool FinishJournal(const std::string& folder, const std::vector<std::string>& dataFiles,
                   CompactionFiles& files) {
    for (const std::string& name : dataFiles) {
        const std::string prepared = folder + PreparedFileName(name);
        if (files.Exists(prepared) && !files.Rename(prepared, folder + name)) {
            return false;
        }
    }
    // The renames must be on disk before the journal that could redo them goes.
    if (!files.SyncFolder(folder) || !files.Remove(JournalPath(folder))) {
        return false;
    }
    // And the journal must be gone for good before a later run writes new
    // prepared files under the same names.
    if (!files.SyncFolder(folder)) {
        return false;
    }
    bool removedAny = false;
    return DiscardPreparedFiles(folder, files, &removedAny);
}

}  // namespace

std::string PreparedFileName(std::string_view dataFile) {
    return std::string(kPreparedFilePrefix) + std::string(dataFile);
}

const std::vector<std::string>& CompactableFileNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (int category = 0; category < kCategoryCount; ++category) {
            all.push_back(ListFileName(category));
        }
        for (int supplier = 1; supplier <= kSupplierCount; ++supplier) {
            all.push_back(ListFileName(OrderListOfSupplier(supplier)));
        }
        all.emplace_back(kPictureFile);
        all.emplace_back(kDatasheetFile);
        return all;
    }();
    return names;
}

const std::vector<std::string>& OldCompactionWorkFileNames() {
    static const std::vector<std::string> names = {
        "~kompakt.tmp",         "~kompakt_dabla1.tmp",  "~kompakt_dabla2.tmp",
        "~kompakt_bilder1.tmp", "~kompakt_bilder2.tmp",
    };
    return names;
}

std::string SerializeJournal(const std::vector<std::string>& dataFiles) {
    std::string text(kJournalHeader);
    for (const std::string& name : dataFiles) {
        text += name;
        text += kLineEnd;
    }
    const std::string checksum = ChecksumText(text);
    text += std::string(kJournalEnd) + std::to_string(dataFiles.size()) + " " + checksum;
    text += kLineEnd;
    return text;
}

ParsedJournal ParseJournal(std::string_view bytes) {
    ParsedJournal parsed;
    // A journal cut short inside its first line was still being written.
    if (bytes.size() < kJournalHeader.size()) {
        parsed.state =
            kJournalHeader.starts_with(bytes) ? JournalState::Torn : JournalState::Foreign;
        return parsed;
    }
    if (!bytes.starts_with(kJournalHeader)) {
        parsed.state = JournalState::Foreign;
        return parsed;
    }
    parsed.state = JournalState::Torn;
    std::vector<std::string> names;
    std::size_t start = kJournalHeader.size();
    while (start < bytes.size()) {
        const std::size_t end = bytes.find(kLineEnd, start);
        if (end == std::string_view::npos) {
            return parsed;  // the last line was never finished
        }
        const std::string_view line = bytes.substr(start, end - start);
        if (line.starts_with(kJournalEnd)) {
            const std::string expected =
                std::to_string(names.size()) + " " + ChecksumText(bytes.substr(0, start));
            if (line.substr(kJournalEnd.size()) != expected ||
                end + kLineEnd.size() != bytes.size()) {
                return parsed;
            }
            // Complete and intact. Names outside our own files, or one file
            // twice, mean someone else wrote it: act on none of it.
            std::unordered_set<std::string> seen;
            for (const std::string& name : names) {
                if (!IsCompactableFile(name) || !seen.insert(name).second) {
                    parsed.state = JournalState::Foreign;
                    return parsed;
                }
            }
            parsed.state = JournalState::Complete;
            parsed.dataFiles = std::move(names);
            return parsed;
        }
        names.emplace_back(line);
        start = end + kLineEnd.size();
    }
    return parsed;
}

RecoveryOutcome RecoverInterruptedCompaction(const std::string& folder, CompactionFiles& files) {
    RecoveryOutcome outcome;
    for (const std::string& name : OldCompactionWorkFileNames()) {
        if (files.Exists(folder + name)) {
            outcome.oldWorkFiles.push_back(name);
        }
    }

    const FileRead journal = files.Read(JournalPath(folder));
    if (journal.state == FileRead::State::Unreadable) {
        // Unknown is not absent: deleting prepared files of a committed run
        // would leave half of it applied.
        outcome.result = RecoveryResult::Failed;
        return outcome;
    }
    if (journal.state == FileRead::State::Read) {
        const ParsedJournal parsed = ParseJournal(journal.bytes);
        switch (parsed.state) {
        case JournalState::Foreign: outcome.result = RecoveryResult::Failed; return outcome;
        case JournalState::Complete:
            outcome.result = FinishJournal(folder, parsed.dataFiles, files)
                                 ? RecoveryResult::Finished
                                 : RecoveryResult::Failed;
            return outcome;
        case JournalState::Torn: {
            bool removedAny = false;
            // The prepared files go first: while the journal is still there a
            // repeated recovery sees it torn and discards again.
            const bool ok = DiscardPreparedFiles(folder, files, &removedAny) &&
                            files.Remove(JournalPath(folder)) && files.SyncFolder(folder);
            outcome.result = ok ? RecoveryResult::Discarded : RecoveryResult::Failed;
            return outcome;
        }
        }
    }

    bool removedAny = false;
    if (!DiscardPreparedFiles(folder, files, &removedAny)) {
        outcome.result = RecoveryResult::Failed;
    } else if (removedAny) {
        outcome.result =
            files.SyncFolder(folder) ? RecoveryResult::Discarded : RecoveryResult::Failed;
    }
    return outcome;
}

bool AwaitsCompaction(const std::string& folder, std::string_view dataFile,
                      CompactionFiles& files) {
    if (!IsCompactableFile(dataFile) || !files.Exists(folder + PreparedFileName(dataFile))) {
        return false;  // the usual case costs one look at the folder
    }
    const FileRead journal = files.Read(JournalPath(folder));
    if (journal.state == FileRead::State::Unreadable) {
        return true;  // unknown is not absent
    }
    if (journal.state == FileRead::State::Missing) {
        return false;  // an uncommitted run is discarded, not finished
    }
    const ParsedJournal parsed = ParseJournal(journal.bytes);
    return parsed.state == JournalState::Complete &&
           std::find(parsed.dataFiles.begin(), parsed.dataFiles.end(), dataFile) !=
               parsed.dataFiles.end();
}

CommitResult CommitCompaction(const std::string& folder, const std::vector<PreparedFile>& prepared,
                              CompactionFiles& files) {
    if (prepared.empty()) {
        return CommitResult::Done;
    }
    for (const PreparedFile& file : prepared) {
        if (!files.MayReplace(folder + file.dataFile)) {
            return CommitResult::NotCommitted;
        }
    }
    std::vector<std::string> dataFiles;
    for (const PreparedFile& file : prepared) {
        const std::string original = folder + file.dataFile;
        if (!files.WritePrepared(folder + PreparedFileName(file.dataFile), file.bytes, original)) {
            bool removedAny = false;
            DiscardPreparedFiles(folder, files, &removedAny);
            return CommitResult::NotCommitted;
        }
        dataFiles.push_back(file.dataFile);
    }
    // The prepared files must be in the folder for good before a journal can
    // name them: recovery takes a named prepared file that is missing for
    // one that was already renamed, and would leave its original as it was.
    if (!files.SyncFolder(folder)) {
        bool removedAny = false;
        DiscardPreparedFiles(folder, files, &removedAny);
        return CommitResult::NotCommitted;
    }
    if (!files.WriteJournal(JournalPath(folder), SerializeJournal(dataFiles))) {
        // The journal may have reached the disk after all. Only once it is
        // surely gone may its prepared files go; otherwise it stays a valid
        // commit that the next recovery finishes.
        if (files.Remove(JournalPath(folder)) && files.SyncFolder(folder)) {
            bool removedAny = false;
            DiscardPreparedFiles(folder, files, &removedAny);
            return CommitResult::NotCommitted;
        }
        return CommitResult::Incomplete;
    }
    return FinishJournal(folder, dataFiles, files) ? CommitResult::Done : CommitResult::Incomplete;
}
