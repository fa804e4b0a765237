#pragma once
// The line-level rules every reader of the data files follows, shared by the
// INI store and by the compaction, which rewrites list files line by line.
// They are the rules of the Windows private-profile routines, damaged files
// included.

#include <string_view>

inline constexpr std::string_view kIniLineEnd = "\r\n";
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Cuts a file into lines where the reader does: at CR LF, LF or CR. A UTF-8
// byte-order mark at the start belongs to no line.
class IniLineSplitter {
public:
    explicit IniLineSplitter(std::string_view bytes);

    std::size_t ByteOrderMarkLength() const { return start_; }
    // The next line's text and its line end ("" for a last line without
    // one); false when the bytes are used up.
    bool Next(std::string_view& text, std::string_view& end);

private:
    std::string_view bytes_;
    std::size_t start_;
    std::size_t position_;
};

// Around group names, keys and values the reader skips blanks, tabs,
// vertical tabs, form feeds and the end-of-file byte 0x1A.
bool IsIniBlankChar(char c);
std::string_view TrimIni(std::string_view text);
bool IsIniBlank(std::string_view text);

// A trimmed line that opens a group: it starts with "[" and has a "]" after
// it. A "[" line without "]" is a key line of the group above.
bool IsIniGroupLine(std::string_view trimmedLine);
// The name between "[" and the last "]", trimmed: "[a]x]" is group "a]x".
std::string_view IniGroupName(std::string_view trimmedLine);
// The key: the text before the first "=", trimmed. A line without "=" is a
// key without value.
std::string_view IniKey(std::string_view line);
// The value: after the first "=", trimmed, without quotes that enclose it
// wholly. Not cut: the store cuts it to what a reader gets.
std::string_view IniValue(std::string_view line);

// Whether a write of this group and key (trimmed) gives lines that every
// reader reads back as that group and key. A group name with "]", or a key
// that starts with "[" or holds "=", would come back as something else.
bool ReadsBackAsWritten(std::string_view group, std::string_view key);
