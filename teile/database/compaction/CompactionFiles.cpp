#include "compaction/CompactionFiles.h"

#include <unistd.h>

#include "AtomicFile.h"

namespace {

class SystemFiles final : public CompactionFiles {
public:
    FileRead Read(const std::string& path) override {
        FileRead result;
        if (std::optional<std::string> bytes = ReadWholeFile(path)) {
            result.state = FileRead::State::Read;
            result.bytes = std::move(*bytes);
        } else {
            result.state =
                FileExists(path) ? FileRead::State::Unreadable : FileRead::State::Missing;
        }
        return result;
    }

    bool Exists(const std::string& path) override { return FileExists(path); }

    bool MayReplace(const std::string& path) override {
        return access(path.c_str(), F_OK) != 0 || access(path.c_str(), W_OK) == 0;
    }

    bool WritePrepared(const std::string& path, const std::string& bytes,
                       const std::string& permissionsOf) override {
        return WriteFileFlushed(path, bytes, permissionsOf);
    }

    bool WriteJournal(const std::string& path, const std::string& bytes) override {
        // Written beside its place and renamed there, so a crash leaves either
        // the whole journal or none under its name.
        const std::string incomplete = path + ".neu";
        if (!WriteFileFlushed(incomplete, bytes)) {
            return false;
        }
        if (rename(incomplete.c_str(), path.c_str()) != 0) {
            unlink(incomplete.c_str());
            return false;
        }
        // The journal is the commit point: it and every prepared file written
        // before it must be on disk before the first rename.
        return SyncFolderOf(path);
    }

    bool Rename(const std::string& from, const std::string& to) override {
        return RenameFile(from, to);
    }

    bool Remove(const std::string& path) override { return RemoveFile(path); }

    bool SyncFolder(const std::string& folder) override { return SyncFolderOf(folder + "/"); }
};

}  // namespace

CompactionFiles& SystemCompactionFiles() {
    static SystemFiles files;
    return files;
}
