#include "FolderToken.h"

#include <vector>

#include "TextRules.h"

namespace {

// Every occurrence of `pattern` (letter case ignored) replaced by
// `replacement`, left to right without overlaps. One pass with the
// Knuth-Morris-Pratt table: the program folder is the pattern, and a path of
// any length costs time in proportion to its length.
std::string ReplaceIgnoringCase(std::string_view text, std::string_view pattern,
                                std::string_view replacement) {
    if (pattern.empty() || pattern.size() > text.size()) {
        return std::string(text);
    }
    const std::string lowerText = ToLowerCp1252(text);
    const std::string lowerPattern = ToLowerCp1252(pattern);
    // fallback[i]: length of the longest proper border of pattern[0, i].
    std::vector<std::size_t> fallback(lowerPattern.size(), 0);
    for (std::size_t i = 1, border = 0; i < lowerPattern.size(); ++i) {
        while (border > 0 && lowerPattern[i] != lowerPattern[border]) {
            border = fallback[border - 1];
        }
        if (lowerPattern[i] == lowerPattern[border]) {
            ++border;
        }
        fallback[i] = border;
    }
    std::string result;
    result.reserve(text.size());
    std::size_t copied = 0;   // text before this is in the result
    std::size_t matched = 0;  // pattern characters matched so far
    for (std::size_t i = 0; i < lowerText.size(); ++i) {
        while (matched > 0 && lowerText[i] != lowerPattern[matched]) {
            matched = fallback[matched - 1];
        }
        if (lowerText[i] == lowerPattern[matched]) {
            ++matched;
        }
        if (matched == lowerPattern.size()) {
            const std::size_t start = i + 1 - matched;
            result.append(text, copied, start - copied);
            result.append(replacement);
            copied = i + 1;
            matched = 0;  // no overlapping match
        }
    }
    result.append(text, copied, std::string_view::npos);
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
