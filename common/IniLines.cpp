#include "IniLines.h"

#include "TextRules.h"

IniLineSplitter::IniLineSplitter(std::string_view bytes)
    : bytes_(bytes),
      start_(bytes.starts_with(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0),
      position_(start_) {}

bool IniLineSplitter::Next(std::string_view& text, std::string_view& end) {
    if (position_ >= bytes_.size()) {
        return false;
    }
    std::size_t stop = position_;
    while (stop < bytes_.size() && bytes_[stop] != '\r' && bytes_[stop] != '\n') {
        ++stop;
    }
    std::size_t next = stop;
    if (next < bytes_.size() && bytes_[next] == '\r') {
        ++next;
    }
    if (next < bytes_.size() && bytes_[next] == '\n') {
        ++next;
    }
    text = bytes_.substr(position_, stop - position_);
    end = bytes_.substr(stop, next - stop);
    position_ = next;
    return true;
}

bool IsIniBlankChar(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1A';
}

std::string_view TrimIni(std::string_view text) { return TrimmedBy(text, IsIniBlankChar); }

bool IsIniBlank(std::string_view text) { return TrimIni(text).empty(); }

bool IsIniGroupLine(std::string_view trimmedLine) {
    return !trimmedLine.empty() && trimmedLine.front() == '[' &&
           trimmedLine.find(']', 1) != std::string_view::npos;
}

std::string_view IniGroupName(std::string_view trimmedLine) {
    const std::size_t close = trimmedLine.rfind(']');
    if (trimmedLine.empty() || close == std::string_view::npos || close == 0) {
        return {};
    }
    return TrimIni(trimmedLine.substr(1, close - 1));
}

std::string_view IniKey(std::string_view line) { return TrimIni(line.substr(0, line.find('='))); }

std::string_view IniValue(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return {};
    }
    std::string_view value = TrimIni(line.substr(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

bool ReadsBackAsWritten(std::string_view group, std::string_view key) {
    const std::string_view trimmedKey = TrimIni(key);
    return TrimIni(group).find(']') == std::string_view::npos && !trimmedKey.starts_with('[') &&
           trimmedKey.find('=') == std::string_view::npos;
}
