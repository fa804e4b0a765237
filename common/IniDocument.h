#pragma once
// One INI-style file in memory, read and changed exactly as the Windows
// private-profile routines do, so files move freely between both systems.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One key of a group as a reader sees it: the key as spelled in the file, the
// value trimmed, unquoted and cut to the 254 characters a reader gets.
struct IniEntry {
    std::string key;
    std::string value;
};

// A whole file: every line kept as it was, so a change touches only the lines
// it must. Lookups use an index built while parsing and kept current by every
// change, so the const members never write: one document (a snapshot shared
// as shared_ptr<const IniDocument>) may be read from several threads at once.
class IniDocument {
public:
    IniDocument();
    ~IniDocument();
    IniDocument(const IniDocument&);
    IniDocument& operator=(const IniDocument&);
    IniDocument(IniDocument&&) noexcept;
    IniDocument& operator=(IniDocument&&) noexcept;

    static IniDocument Parse(std::string_view bytes);

    std::optional<std::string> Find(std::string_view group, std::string_view key) const;
    // "" when the group or the key is missing.
    std::string Value(std::string_view group, std::string_view key) const;
    bool HasGroup(std::string_view group) const;
    // The keys of the first group of that name in file order; a key that
    // occurs twice is listed once, with its first value.
    std::vector<IniEntry> Entries(std::string_view group) const;

    // The writer's rule: a blank key removes the group, a blank value the key;
    // otherwise the key's line is replaced in place or appended to its group,
    // and a missing group is appended to the file. CR, LF and NUL in the key or
    // value become blanks. False, with nothing changed, for a group or key
    // that no reader would read back (see ReadsBackAsWritten in IniLines.h).
    bool Write(std::string_view group, std::string_view key, std::string_view value);

    // The bytes of the file: untouched lines exactly as read, new lines with CR LF.
    std::string Serialize() const;
    const std::string& Bytes() const;
    bool IsEmpty() const;

private:
    struct Data;
    std::unique_ptr<Data> data_;
};
