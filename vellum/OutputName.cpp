#include "OutputName.h"

#include <string_view>

#include "Cp1252.h"

namespace {

// NAME_MAX of Linux file systems, in bytes.
constexpr std::size_t kLongestFileName = 255;
// " (9999).pdf": room for the number and the ending.
constexpr std::size_t kNumberAndEnding = 11;

bool IsForbidden(unsigned char c) {
    return c < 0x20 || c == 0x7F ||
           std::string_view("/\\:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
}

// The longest prefix of `text` of at most `bytes` bytes that ends on a whole
// UTF-8 character.
std::string CutAtCharacter(const std::string& text, std::size_t bytes) {
    if (text.size() <= bytes) {
        return text;
    }
    std::size_t end = bytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        --end;
    }
    return text.substr(0, end);
}

}  // namespace

std::string DocumentBaseName(const std::string& kind, const std::string& nameCp1252,
                             const std::string& isoDate) {
    std::string name = Cp1252ToUtf8(nameCp1252);
    for (char& c : name) {
        if (IsForbidden(static_cast<unsigned char>(c))) {
            c = '_';
        }
    }
    const std::size_t fixed = kind.size() + 1 + 1 + isoDate.size() + kNumberAndEnding;
    name = CutAtCharacter(name, kLongestFileName > fixed ? kLongestFileName - fixed : 0);
    return kind + " " + name + " " + isoDate;
}

std::string NumberedFileName(const std::string& base, int number) {
    return number <= 1 ? base + ".pdf" : base + " (" + std::to_string(number) + ").pdf";
}
