#pragma once
// A data file kept line by line for the compaction, which rewrites list files,
// side entries and order positions in place: every line a change does not
// touch keeps its exact bytes, and a removed line is only marked, so line
// numbers held in an index stay valid.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct FileLine {
    std::string text;
    std::string end;  // the line end as read, "" for a last line without one
    bool removed = false;
};

// Lines [begin, end) of a group's body.
struct LineRange {
    std::size_t begin = 0;
    std::size_t end = 0;
};

struct LineFile {
    bool byteOrderMark = false;
    std::vector<FileLine> lines;

    static LineFile Parse(std::string_view bytes);
    // The bytes without the removed lines.
    std::string Serialize() const;
    // The body of the first group with that (lower-case) name; only that
    // group is ever read.
    std::optional<LineRange> FirstGroup(std::string_view lowerName) const;
};

// Group and key names compare in lower case here.
std::string LowerGroupNameOf(std::string_view trimmedLine);
std::string LowerKeyOf(std::string_view line);
