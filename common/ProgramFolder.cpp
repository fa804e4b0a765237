#include "ProgramFolder.h"

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
