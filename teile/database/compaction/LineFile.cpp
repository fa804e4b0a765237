#include "compaction/LineFile.h"

#include "IniLines.h"
#include "TextRules.h"

LineFile LineFile::Parse(std::string_view bytes) {
    LineFile file;
    IniLineSplitter splitter(bytes);
    file.byteOrderMark = splitter.ByteOrderMarkLength() > 0;
    std::string_view text;
    std::string_view end;
    while (splitter.Next(text, end)) {
        file.lines.push_back(FileLine{std::string(text), std::string(end)});
    }
    return file;
}

std::string LineFile::Serialize() const {
    std::string bytes;
    if (byteOrderMark) {
        bytes += kUtf8ByteOrderMark;
    }
    for (const FileLine& line : lines) {
        if (!line.removed) {
            bytes += line.text;
            bytes += line.end;
        }
    }
    return bytes;
}

std::optional<LineRange> LineFile::FirstGroup(std::string_view lowerName) const {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view trimmed = TrimIni(lines[i].text);
        if (lines[i].removed || !IsIniGroupLine(trimmed) ||
            LowerGroupNameOf(trimmed) != lowerName) {
            continue;
        }
        LineRange range{i + 1, i + 1};
        while (range.end < lines.size() && !IsIniGroupLine(TrimIni(lines[range.end].text))) {
            ++range.end;
        }
        return range;
    }
    return std::nullopt;
}

std::string LowerGroupNameOf(std::string_view trimmedLine) {
    return ToLowerCp1252(IniGroupName(trimmedLine));
}

std::string LowerKeyOf(std::string_view line) { return ToLowerCp1252(IniKey(line)); }
