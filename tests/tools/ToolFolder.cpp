#include "ToolFolder.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

void CopyFileInto(const TempFolder& folder, const std::string& source, const std::string& name) {
    fs::copy_file(source, folder.File(name), fs::copy_options::overwrite_existing);
}

void CopyProgram(const TempFolder& folder, const std::string& name) {
    CopyFileInto(folder, std::string(SUITE_PROGRAM_DIR) + name, name);
}

void CopyDemoData(const TempFolder& folder) {
    fs::copy(DEMO_DATA_DIR, folder.Path(), fs::copy_options::recursive);
}

void WriteScript(const TempFolder& folder, const std::string& name, const std::string& text) {
    folder.Write(name, text);
    fs::permissions(folder.File(name), fs::perms::owner_all);
}

bool ProcessEnded(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line)) {
        return true;
    }
    // The state follows the command name, which is in parentheses.
    const std::size_t close = line.rfind(')');
    return close == std::string::npos || close + 2 >= line.size() || line[close + 2] == 'Z';
}
