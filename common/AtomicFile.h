#pragma once
// Whole-file reads and crash-safe whole-file replacement.

#include <functional>
#include <optional>
#include <string>

// The file's bytes, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// What tells one version of a file from another: a rename gives a new inode, a
// rewrite in place a new size or modification time.
struct FileIdentity {
    unsigned long long device = 0;
    unsigned long long inode = 0;
    long long size = 0;
    long long modifiedSeconds = 0;
    long long modifiedNanoseconds = 0;
    bool operator==(const FileIdentity&) const = default;
};
std::optional<FileIdentity> IdentityOf(const std::string& path);

// Writes a temporary file beside `path`, flushes it to disk and renames it over
// `path`. False when any step failed; `path` then keeps its old content. A file
// the user made read-only is not replaced. `written`, when given, receives the
// identity of the new file.
[[nodiscard]] bool ReplaceFileAtomically(const std::string& path, const std::string& bytes,
                                         FileIdentity* written = nullptr);

// Called after the temporary file is complete and flushed, just before the
// rename; tests use it to simulate a crash at the worst moment.
void SetBeforeRenameHookForTesting(std::function<void(const std::string& temporaryPath)> hook);

// Writes `bytes` to `path` (created or truncated) and flushes it to disk, with
// the permissions of the file `permissionsOf` when that exists. False when it
// failed; the half-written file is then removed.
[[nodiscard]] bool WriteFileFlushed(const std::string& path, const std::string& bytes,
                                    const std::string& permissionsOf = {});
// Makes renames and new files in the folder of `path` durable.
bool SyncFolderOf(const std::string& path);
// The folder of `path` with its trailing "/", "." for a bare name.
std::string FolderOf(const std::string& path);

bool FileExists(const std::string& path);
bool RemoveFile(const std::string& path);
// rename(2): atomic replacement of `to` by `from` on one file system.
[[nodiscard]] bool RenameFile(const std::string& from, const std::string& to);
