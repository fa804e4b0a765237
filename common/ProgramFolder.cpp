#include "ProgramFolder.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

std::string WithTrailingSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

std::string ProgramFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return WithTrailingSeparator(std::filesystem::current_path(error).string());
    }
    return WithTrailingSeparator(program.parent_path().string());
}

std::string FolderOfLoadedFile(const void* address) {
    Dl_info info{};
    if (dladdr(address, &info) == 0 || info.dli_fname == nullptr) {
        return {};
    }
    std::error_code error;
    const std::filesystem::path file =
        std::filesystem::weakly_canonical(std::filesystem::path(info.dli_fname), error);
    if (error || !file.has_parent_path()) {
        return {};
    }
    return WithTrailingSeparator(file.parent_path().string());
}
