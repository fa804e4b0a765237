#include "FolderToken.h"

#include "TextRules.h"

namespace {

// Every occurrence of `pattern` (letter case ignored) replaced by `replacement`.
std::string ReplaceIgnoringCase(std::string_view text, std::string_view pattern,
                                std::string_view replacement) {
    std::string result;
    if (pattern.empty()) {
        return std::string(text);
    }
    std::size_t i = 0;
    while (i < text.size()) {
        if (i + pattern.size() <= text.size() &&
            EqualsIgnoringCase(text.substr(i, pattern.size()), pattern)) {
            result += replacement;
            i += pattern.size();
        } else {
            result += text[i++];
        }
    }
    return result;
}

}  // namespace

std::string StoreFolderToken(std::string_view path, std::string_view programFolder) {
    if (programFolder.empty() || path.substr(0, programFolder.size()) != programFolder) {
        return std::string(path);
    }
    return ReplaceIgnoringCase(path, programFolder, kFolderToken);
}

std::string ResolveFolderToken(std::string_view stored, std::string_view programFolder) {
    if (!EqualsIgnoringCase(stored.substr(0, kFolderToken.size()), kFolderToken)) {
        return std::string(stored);
    }
    std::string resolved = ReplaceIgnoringCase(stored, kFolderToken, programFolder);
    // A path stored on Windows keeps its backslashes; below our own folder they
    // can only have been separators.
    for (std::size_t i = programFolder.size(); i < resolved.size(); ++i) {
        if (resolved[i] == '\\') {
            resolved[i] = '/';
        }
    }
    return resolved;
}

bool MeansNoFile(std::string_view stored) {
    const std::string_view trimmed = TrimView(stored);
    return trimmed.empty() || EqualsIgnoringCase(trimmed, "k.A.");
}
