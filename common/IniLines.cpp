#include "IniLines.h"

#include "TextRules.h"

IniLineSplitter::IniLineSplitter(std::string_view bytes)
    : bytes_(bytes), start_(bytes.starts_with(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0),
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

bool IsIniGroupLine(std::string_view trimmedLine) {
    return !trimmedLine.empty() && trimmedLine.front() == '[';
}

std::string_view IniGroupName(std::string_view trimmedLine) {
    std::string_view name = trimmedLine.substr(1);
    const std::size_t close = name.find(']');
    if (close != std::string_view::npos) {
        name = name.substr(0, close);
    }
    return TrimView(name);
}

std::string_view IniKey(std::string_view line) { return TrimView(line.substr(0, line.find('='))); }

std::string_view IniValue(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return {};
    }
    std::string_view value = TrimView(line.substr(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}
