#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string_view>
#include <utility>

namespace {

std::function<void(const std::string&)>& BeforeRenameHook() {
    static std::function<void(const std::string&)> hook;
    return hook;
}

bool WriteAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The permissions for a file that replaces `like`: its own when it exists,
// else what a new file gets under the umask.
mode_t ModeFor(const std::string& like) {
    struct stat existing;
    if (!like.empty() && stat(like.c_str(), &existing) == 0) {
        return existing.st_mode & 07777;
    }
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// A file its owner may not write is the user's "read-only" mark (what the
// attribute of that name becomes on a Windows share or USB stick). It is
// honoured even where the process could override it, as the administrator.
bool IsMarkedReadOnly(const std::string& path) {
    struct stat existing;
    return stat(path.c_str(), &existing) == 0 && (existing.st_mode & S_IWUSR) == 0;
}

FileIdentity IdentityOfStat(const struct stat& info) {
    return FileIdentity{
        static_cast<unsigned long long>(info.st_dev), static_cast<unsigned long long>(info.st_ino),
        static_cast<long long>(info.st_size), static_cast<long long>(info.st_mtim.tv_sec),
        static_cast<long long>(info.st_mtim.tv_nsec)};
}

}  // namespace

std::optional<FileIdentity> IdentityOf(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return IdentityOfStat(info);
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return std::nullopt;
    }
    std::string bytes;
    char buffer[65536];
    while (true) {
        const ssize_t got = read(descriptor, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            close(descriptor);
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    close(descriptor);
    return bytes;
}

bool ReplaceFileAtomically(const std::string& path, const std::string& bytes,
                           FileIdentity* written) {
    const bool exists = access(path.c_str(), F_OK) == 0;
    if (exists && (access(path.c_str(), W_OK) != 0 || IsMarkedReadOnly(path))) {
        return false;
    }
    // The temporary file lies beside the target so the rename stays on one
    // file system and is atomic.
    std::string temporary = path + ".~XXXXXX";
    const int descriptor = mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    bool ok = fchmod(descriptor, ModeFor(path)) == 0 && WriteAll(descriptor, bytes) &&
              fsync(descriptor) == 0;
    // The rename keeps inode, size and modification time, so this is the
    // identity the file will have; taking it from the path afterwards could
    // catch another program's newer file.
    struct stat info;
    if (ok && written != nullptr) {
        ok = fstat(descriptor, &info) == 0;
    }
    ok = (close(descriptor) == 0) && ok;
    if (ok && BeforeRenameHook()) {
        BeforeRenameHook()(temporary);
    }
    if (!ok || rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    // Make the rename itself durable.
    SyncFolderOf(path);
    if (written != nullptr) {
        *written = IdentityOfStat(info);
    }
    return true;
}

void SetBeforeRenameHookForTesting(std::function<void(const std::string&)> hook) {
    BeforeRenameHook() = std::move(hook);
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

bool WriteFileFlushed(const std::string& path, const std::string& bytes,
                      const std::string& permissionsOf) {
    const int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (descriptor < 0) {
        return false;
    }
    bool ok = fchmod(descriptor, ModeFor(permissionsOf)) == 0 && WriteAll(descriptor, bytes) &&
              fsync(descriptor) == 0;
    ok = close(descriptor) == 0 && ok;
    if (!ok) {
        unlink(path.c_str());
    }
    return ok;
}

bool SyncFolderOf(const std::string& path) {
    const int folder = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) {
        return false;
    }
    const bool ok = fsync(folder) == 0;
    close(folder);
    return ok;
}

bool FileExists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

bool RemoveFile(const std::string& path) { return unlink(path.c_str()) == 0 || errno == ENOENT; }

bool RenameFile(const std::string& from, const std::string& to) {
    return rename(from.c_str(), to.c_str()) == 0;
}
