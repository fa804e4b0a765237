#include "CompactionFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

#include "AtomicFile.h"

namespace {

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

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

bool WriteFlushed(const std::string& path, const std::string& bytes,
                  const std::string& permissionsOf) {
    mode_t mode = 0;
    struct stat existing;
    if (!permissionsOf.empty() && stat(permissionsOf.c_str(), &existing) == 0) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    const int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (descriptor < 0) {
        return false;
    }
    bool ok = fchmod(descriptor, mode) == 0 && WriteAll(descriptor, bytes) &&
              fsync(descriptor) == 0;
    ok = close(descriptor) == 0 && ok;
    if (!ok) {
        unlink(path.c_str());
    }
    return ok;
}

class SystemFiles final : public CompactionFiles {
public:
    FileRead Read(const std::string& path) override {
        FileRead result;
        if (std::optional<std::string> bytes = ReadWholeFile(path)) {
            result.state = FileRead::State::Read;
            result.bytes = std::move(*bytes);
        } else {
            result.state = FileExists(path) ? FileRead::State::Unreadable : FileRead::State::Missing;
        }
        return result;
    }

    bool Exists(const std::string& path) override { return FileExists(path); }

    bool MayReplace(const std::string& path) override {
        return access(path.c_str(), F_OK) != 0 || access(path.c_str(), W_OK) == 0;
    }

    bool WritePrepared(const std::string& path, const std::string& bytes,
                       const std::string& permissionsOf) override {
        return WriteFlushed(path, bytes, permissionsOf);
    }

    bool WriteJournal(const std::string& path, const std::string& bytes) override {
        // Written beside its place and renamed there, so a crash leaves either
        // the whole journal or none under its name.
        const std::string incomplete = path + ".neu";
        if (!WriteFlushed(incomplete, bytes, std::string())) {
            return false;
        }
        if (rename(incomplete.c_str(), path.c_str()) != 0) {
            unlink(incomplete.c_str());
            return false;
        }
        // The journal is the commit point: it and every prepared file written
        // before it must be on disk before the first rename.
        return SyncFolder(FolderOf(path));
    }

    bool Rename(const std::string& from, const std::string& to) override {
        return RenameFile(from, to);
    }

    bool Remove(const std::string& path) override { return RemoveFile(path); }

    bool SyncFolder(const std::string& folder) override {
        const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (descriptor < 0) {
            return false;
        }
        const bool ok = fsync(descriptor) == 0;
        close(descriptor);
        return ok;
    }
};

}  // namespace

CompactionFiles& SystemCompactionFiles() {
    static SystemFiles files;
    return files;
}
