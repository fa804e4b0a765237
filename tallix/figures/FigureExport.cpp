#include "figures/FigureExport.h"

#include <filesystem>
#include <system_error>

#include "AtomicFile.h"
#include "TextRules.h"

namespace {

void AppendQuoted(std::string& out, const std::string& value) {
    out += '"';
    for (const char c : value) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    out += '"';
}

std::filesystem::path CanonicalFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::path canonical = std::filesystem::weakly_canonical(folder, error);
    return error ? folder.lexically_normal() : canonical;
}

bool IsDatabaseFile(const std::string& path, const std::string& folder) {
    const std::filesystem::path file(path);
    const std::string name = ToLowerCp1252(file.filename().string());
    const bool dataName = name.ends_with(".dat") || name.starts_with("~kompakt");
    if (!dataName) {
        return false;
    }
    const std::filesystem::path parent = file.has_parent_path() ? file.parent_path() : ".";
    return CanonicalFolder(parent) == CanonicalFolder(std::filesystem::path(folder));
}

}  // namespace

std::string CsvOfLines(const std::vector<std::vector<std::string>>& lines) {
    std::string out;
    for (const std::vector<std::string>& line : lines) {
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (i > 0) {
                out += ';';
            }
            AppendQuoted(out, line[i]);
        }
        out += "\r\n";
    }
    return out;
}

ExportResult WriteExportFile(const std::string& path, const std::string& bytes,
                             const std::string& folder) {
    if (path.empty()) {
        return ExportResult::Failed;
    }
    if (IsDatabaseFile(path, folder)) {
        return ExportResult::DatabaseFile;
    }
    return ReplaceFileAtomically(path, bytes) ? ExportResult::Written : ExportResult::Failed;
}
