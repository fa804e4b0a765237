#include "IniDocument.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <unordered_map>
#include <utility>

#include "IniLines.h"
#include "TextRules.h"

namespace {

// The read buffer of the Windows routines holds 255 characters with the NUL.
constexpr std::size_t kLongestValue = 254;
constexpr std::string_view kLineEnd = kIniLineEnd;

enum class LineKind : unsigned char { Blank, Group, Key };

// A line is a piece of the file's bytes: the document keeps the file as one
// string, so copying or writing it costs a few block copies however many
// lines it has, and a change splices the bytes of one line.
struct Line {
    std::size_t start = 0;       // offset of the text in the bytes
    std::uint32_t length = 0;    // the text without its line end
    std::uint32_t keyHash = 0;   // of a key line's key, letter case ignored
    std::uint8_t endLength = 0;  // "\r\n" 2, "\n" or "\r" 1, none 0
    LineKind kind = LineKind::Blank;
};

std::string_view KeyOf(std::string_view line) { return IniKey(line); }

std::string ValueOf(std::string_view line) {
    return std::string(IniValue(line).substr(0, kLongestValue));
}

// Line breaks and NUL must never reach the file: they would split a record or
// let typed text forge a key of its own.
std::string Sanitized(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c == '\r' || c == '\n' || c == '\0') {
            c = ' ';
        }
    }
    return result;
}

// Names compare without regard to letter case, so they hash that way too.
// The hash of every key line is taken once when the file is parsed, so an
// index can be rebuilt after a change without looking at the keys again.
std::uint32_t HashIgnoringCase(std::string_view name) {
    static const auto lower = [] {
        std::array<unsigned char, 256> table{};
        for (int c = 0; c < 256; ++c) {
            table[c] = Cp1252ToLower(static_cast<unsigned char>(c));
        }
        return table;
    }();
    std::uint32_t hash = 2166136261u;
    for (char c : name) {
        hash = (hash ^ lower[static_cast<unsigned char>(c)]) * 16777619u;
    }
    return hash;
}

}  // namespace

struct IniDocument::Data {
    std::string bytes;  // the whole file, byte-order mark included
    std::size_t byteOrderMark = 0;
    std::vector<Line> lines;

    Data() = default;
    // A copy is made to be changed: room for a few new lines up front spares
    // the first change a reallocation of the whole file.
    Data(const Data& other)
        : byteOrderMark(other.byteOrderMark),
          indexed(other.indexed),
          groups(other.groups),
          groupByName(other.groupByName) {
        bytes.reserve(other.bytes.size() + 4096);
        bytes = other.bytes;
        lines.reserve(other.lines.size() + 64);
        lines = other.lines;
    }
    Data& operator=(const Data&) = delete;

    // Index of the first group of each name. Within a group an
    // open-addressing table of line numbers finds the first line of each key;
    // it holds no strings, so building and copying it stays cheap. It is
    // built when the file is parsed and kept current by every change, so
    // reading never writes: a shared snapshot can be read from any thread.
    struct Group {
        std::size_t header = 0;            // line of "[name]"
        std::size_t end = 0;               // one past its last line
        std::vector<std::uint32_t> table;  // line + 1, 0 = empty
        std::size_t keys = 0;
    };
    bool indexed = true;  // false only inside a change that rebuilds it before returning
    std::vector<Group> groups;
    std::unordered_map<std::string, std::size_t> groupByName;

    std::string_view Text(std::size_t line) const {
        return std::string_view(bytes).substr(lines[line].start, lines[line].length);
    }
    std::size_t EndOf(std::size_t line) const {
        return lines[line].start + lines[line].length + lines[line].endLength;
    }

    void Invalidate() {
        indexed = false;
        groups.clear();
        groupByName.clear();
    }

    // The table slot that holds `key`, or the empty slot where it would go.
    std::size_t Probe(const Group& group, std::string_view key, std::uint32_t hash) const {
        const std::size_t mask = group.table.size() - 1;
        std::size_t slot = hash & mask;
        while (group.table[slot] != 0) {
            const std::size_t line = group.table[slot] - 1;
            if (lines[line].keyHash == hash && EqualsIgnoringCase(KeyOf(Text(line)), key)) {
                break;
            }
            slot = (slot + 1) & mask;
        }
        return slot;
    }

    static std::size_t TableSizeFor(std::size_t keys) {
        std::size_t size = 16;
        while (size < 2 * keys) {
            size *= 2;
        }
        return size;
    }

    // Adds a key line unless the group already has that key (first one wins).
    void AddKey(Group& group, std::size_t line) {
        if (2 * (group.keys + 1) > group.table.size()) {
            Rehash(group, TableSizeFor(group.keys + 1) * 2);
        }
        const std::size_t slot = Probe(group, KeyOf(Text(line)), lines[line].keyHash);
        if (group.table[slot] == 0) {
            group.table[slot] = static_cast<std::uint32_t>(line + 1);
            ++group.keys;
        }
    }

    void Rehash(Group& group, std::size_t size) {
        std::vector<std::uint32_t> old = std::move(group.table);
        group.table.assign(size, 0);
        const std::size_t mask = size - 1;
        // Entries are distinct keys already: each only needs a free slot.
        for (std::uint32_t entry : old) {
            if (entry != 0) {
                std::size_t slot = lines[entry - 1].keyHash & mask;
                while (group.table[slot] != 0) {
                    slot = (slot + 1) & mask;
                }
                group.table[slot] = entry;
            }
        }
    }

    void BuildIndex() {
        groups.clear();
        groupByName.clear();
        // First the groups and how many key lines each holds, so every table
        // is sized once and never grows while it is filled.
        std::size_t current = SIZE_MAX;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].kind == LineKind::Group) {
                if (current != SIZE_MAX) {
                    groups[current].end = i;
                }
                const std::string name = ToLowerCp1252(IniGroupName(TrimIni(Text(i))));
                // A later group of the same name is never read.
                current = SIZE_MAX;
                if (groupByName.try_emplace(name, groups.size()).second) {
                    current = groups.size();
                    groups.push_back(Group{i, lines.size(), {}, 0});
                }
            } else if (lines[i].kind == LineKind::Key && current != SIZE_MAX) {
                ++groups[current].keys;
            }
        }
        for (Group& group : groups) {
            group.table.assign(TableSizeFor(group.keys), 0);
            group.keys = 0;
            for (std::size_t i = group.header + 1; i < group.end; ++i) {
                if (lines[i].kind == LineKind::Key) {
                    AddKey(group, i);
                }
            }
        }
        indexed = true;
    }

    const Group* FindGroup(std::string_view group) const {
        const auto found = groupByName.find(ToLowerCp1252(TrimIni(group)));
        return found == groupByName.end() ? nullptr : &groups[found->second];
    }
    Group* FindGroup(std::string_view group) {
        return const_cast<Group*>(std::as_const(*this).FindGroup(group));
    }

    // The first line of `key` in the first group of that name.
    std::optional<std::size_t> FindLine(const Group& group, std::string_view key) const {
        if (group.table.empty()) {
            return std::nullopt;
        }
        const std::string_view name = TrimIni(key);
        const std::uint32_t entry = group.table[Probe(group, name, HashIgnoringCase(name))];
        if (entry == 0) {
            return std::nullopt;
        }
        return entry - 1;
    }

    std::optional<std::size_t> FindLine(std::string_view group, std::string_view key) const {
        const Group* found = FindGroup(group);
        return found == nullptr ? std::nullopt : FindLine(*found, key);
    }

    // Replaces bytes [from, to) by `text` and moves the lines behind it.
    void Splice(std::size_t from, std::size_t to, std::string_view text, std::size_t firstMoved) {
        bytes.replace(from, to - from, text);
        const std::ptrdiff_t shift =
            static_cast<std::ptrdiff_t>(text.size()) - static_cast<std::ptrdiff_t>(to - from);
        if (shift != 0) {
            for (std::size_t i = firstMoved; i < lines.size(); ++i) {
                lines[i].start =
                    static_cast<std::size_t>(static_cast<std::ptrdiff_t>(lines[i].start) + shift);
            }
        }
    }

    // A line about to get a successor must end, or the two would run together.
    void EndLine(std::size_t line) {
        if (lines[line].endLength == 0) {
            Splice(EndOf(line), EndOf(line), kLineEnd, line + 1);
            lines[line].endLength = static_cast<std::uint8_t>(kLineEnd.size());
        }
    }

    // Inserts a new line in front of line `position` (or at the end).
    void InsertLine(std::size_t position, std::string_view text, LineKind kind) {
        const std::size_t offset = position < lines.size() ? lines[position].start : bytes.size();
        std::string withEnd(text);
        withEnd += kLineEnd;
        Splice(offset, offset, withEnd, position);
        const std::uint32_t hash = kind == LineKind::Key ? HashIgnoringCase(KeyOf(text)) : 0;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(position),
                     Line{offset, static_cast<std::uint32_t>(text.size()), hash,
                          static_cast<std::uint8_t>(kLineEnd.size()), kind});
        if (!indexed) {
            return;
        }
        // Keep the index: every line number behind the new line grows by one.
        // An empty group ends one past its header: its end moves with it.
        for (Group& group : groups) {
            // A group that ends where the line goes (the usual case: a new key
            // at the end of its group) has no line behind it to renumber.
            const bool linesBehind = group.end > position;
            if (group.header >= position) {
                ++group.header;
            }
            if (group.end >= position) {
                ++group.end;
            }
            if (!linesBehind) {
                continue;
            }
            for (std::uint32_t& entry : group.table) {
                if (entry != 0 && entry - 1 >= position) {
                    ++entry;
                }
            }
        }
    }

    // Removes the given lines. `wholeKeys` says that every line of each
    // removed key goes, so the index only needs renumbering; otherwise it is
    // rebuilt when next used.
    void RemoveLines(const std::vector<std::size_t>& sortedLines, bool wholeKeys) {
        if (sortedLines.empty()) {
            return;
        }
        std::string kept;
        kept.reserve(bytes.size());
        kept.append(bytes, 0, byteOrderMark);
        std::vector<Line> keptLines;
        keptLines.reserve(lines.size() - sortedLines.size());
        // New number of each old line, SIZE_MAX for a removed one.
        std::vector<std::size_t> renumbered(lines.size(), SIZE_MAX);
        std::size_t next = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (next < sortedLines.size() && sortedLines[next] == i) {
                ++next;
                continue;
            }
            Line line = lines[i];
            const std::size_t start = kept.size();
            kept.append(bytes, line.start, line.length + line.endLength);
            line.start = start;
            renumbered[i] = keptLines.size();
            keptLines.push_back(line);
        }
        const std::size_t oldCount = lines.size();
        bytes = std::move(kept);
        lines = std::move(keptLines);
        if (!indexed || !wholeKeys) {
            Invalidate();
            return;
        }
        RenumberIndex(renumbered, oldCount);
    }

    // The index after RemoveLines: `renumbered` holds the new number of each
    // of the `oldCount` old lines, SIZE_MAX for a removed one.
    void RenumberIndex(const std::vector<std::size_t>& renumbered, std::size_t oldCount) {
        const auto newNumber = [&](std::size_t old) {
            // One past the last line stays one past the last line.
            std::size_t line = old;
            while (line < oldCount && renumbered[line] == SIZE_MAX) {
                ++line;
            }
            return line < oldCount ? renumbered[line] : lines.size();
        };
        for (Group& group : groups) {
            if (renumbered[group.header] == SIZE_MAX) {
                Invalidate();
                return;
            }
            group.header = renumbered[group.header];
            group.end = newNumber(group.end);
            bool emptied = false;
            for (std::uint32_t& entry : group.table) {
                if (entry == 0) {
                    continue;
                }
                const std::size_t line = renumbered[entry - 1];
                if (line == SIZE_MAX) {
                    entry = 0;
                    --group.keys;
                    emptied = true;
                } else {
                    entry = static_cast<std::uint32_t>(line + 1);
                }
            }
            // Holes would cut the probe chains of the keys behind them.
            if (emptied) {
                Rehash(group, group.table.size());
            }
        }
    }

    // A change that cannot keep the index up line by line rebuilds it before
    // the document is seen again.
    struct IndexKeeper {
        Data& data;
        ~IndexKeeper() {
            if (!data.indexed) {
                data.BuildIndex();
            }
        }
    };

    // Every group of that name goes: removing only the first would bring a
    // later one of the same name to light, and the removed group would read
    // as present again.
    void RemoveGroup(std::string_view groupName) {
        const std::string lowered = ToLowerCp1252(groupName);
        std::vector<std::size_t> removed;
        bool inside = false;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].kind == LineKind::Group) {
                inside = ToLowerCp1252(IniGroupName(TrimIni(Text(i)))) == lowered;
            }
            if (inside) {
                removed.push_back(i);
            }
        }
        RemoveLines(removed, false);
    }

    // Every line of the key in the group a reader sees: a second line of the
    // same key would otherwise reappear as the key's value.
    void RemoveKey(const Group& group, std::string_view keyName) {
        std::vector<std::size_t> removed;
        for (std::size_t i = group.header + 1; i < group.end; ++i) {
            if (lines[i].kind == LineKind::Key && EqualsIgnoringCase(KeyOf(Text(i)), keyName)) {
                removed.push_back(i);
            }
        }
        RemoveLines(removed, true);
    }

    // The line keeps the key as the file spells it; the index still holds,
    // since no line moves and the key stays the same.
    void ReplaceValue(std::size_t line, std::string_view value) {
        const std::string text = std::string(KeyOf(Text(line))) + "=" + std::string(value);
        Splice(lines[line].start, EndOf(line), text + std::string(kLineEnd), line + 1);
        lines[line].length = static_cast<std::uint32_t>(text.size());
        lines[line].endLength = static_cast<std::uint8_t>(kLineEnd.size());
    }

    // A new key goes at the end of its group, a new group at the end of the
    // file.
    void AppendKey(Group* group, std::string_view groupName, std::string_view keyLine) {
        if (group == nullptr) {
            if (!lines.empty()) {
                EndLine(lines.size() - 1);
            }
            InsertLine(lines.size(), "[" + std::string(groupName) + "]", LineKind::Group);
            InsertLine(lines.size(), keyLine, LineKind::Key);
            Invalidate();
            return;
        }
        // After the group's last non-blank line, so blank lines that separate
        // it from the next group stay where they are.
        std::size_t last = group->header;
        for (std::size_t i = group->end; i > group->header + 1; --i) {
            if (lines[i - 1].kind != LineKind::Blank) {
                last = i - 1;
                break;
            }
        }
        EndLine(last);
        InsertLine(last + 1, keyLine, LineKind::Key);
        AddKey(*group, last + 1);
    }
};

IniDocument::IniDocument() : data_(std::make_unique<Data>()) {}
IniDocument::~IniDocument() = default;
IniDocument::IniDocument(const IniDocument& other) : data_(std::make_unique<Data>(*other.data_)) {}
IniDocument& IniDocument::operator=(const IniDocument& other) {
    if (this != &other) {
        data_ = std::make_unique<Data>(*other.data_);
    }
    return *this;
}
IniDocument::IniDocument(IniDocument&&) noexcept = default;
IniDocument& IniDocument::operator=(IniDocument&&) noexcept = default;

IniDocument IniDocument::Parse(std::string_view bytes) {
    IniDocument document;
    Data& data = *document.data_;
    data.bytes = std::string(bytes);
    const std::string_view all(data.bytes);
    IniLineSplitter splitter(all);
    data.byteOrderMark = splitter.ByteOrderMarkLength();
    std::string_view text;
    std::string_view end;
    while (splitter.Next(text, end)) {
        // A line longer than the 32-bit length (4 GB) keeps only that much
        // as its text; no real data file comes near that.
        const std::size_t start = static_cast<std::size_t>(text.data() - all.data());
        const std::size_t length = std::min<std::size_t>(text.size(), UINT32_MAX);
        Line line{start, static_cast<std::uint32_t>(length), 0,
                  static_cast<std::uint8_t>(end.size()), LineKind::Blank};
        const std::string_view trimmed = TrimIni(text.substr(0, length));
        if (!trimmed.empty()) {
            line.kind = IsIniGroupLine(trimmed) ? LineKind::Group : LineKind::Key;
        }
        if (line.kind == LineKind::Key) {
            line.keyHash = HashIgnoringCase(KeyOf(trimmed));
        }
        data.lines.push_back(line);
    }
    data.BuildIndex();
    return document;
}

std::optional<std::string> IniDocument::Find(std::string_view group, std::string_view key) const {
    const std::optional<std::size_t> line = data_->FindLine(group, key);
    if (!line) {
        return std::nullopt;
    }
    return ValueOf(data_->Text(*line));
}

std::string IniDocument::Value(std::string_view group, std::string_view key) const {
    const std::optional<std::size_t> line = data_->FindLine(group, key);
    return line ? ValueOf(data_->Text(*line)) : std::string();
}

bool IniDocument::HasGroup(std::string_view group) const {
    return data_->FindGroup(group) != nullptr;
}

std::vector<IniEntry> IniDocument::Entries(std::string_view group) const {
    std::vector<IniEntry> entries;
    const Data::Group* found = data_->FindGroup(group);
    if (found == nullptr) {
        return entries;
    }
    for (std::size_t i = found->header + 1; i < found->end; ++i) {
        if (data_->lines[i].kind != LineKind::Key) {
            continue;
        }
        const std::string_view text = data_->Text(i);
        // Only the first line of a key counts.
        if (data_->FindLine(*found, KeyOf(text)) == i) {
            entries.push_back(IniEntry{std::string(KeyOf(text)), ValueOf(text)});
        }
    }
    return entries;
}

bool IniDocument::Write(std::string_view group, std::string_view key, std::string_view value) {
    Data& data = *data_;
    const Data::IndexKeeper keeper{data};
    const std::string groupName(TrimIni(Sanitized(group)));
    const std::string keyName(TrimIni(Sanitized(key)));
    const std::string newValue = Sanitized(value);
    if (!ReadsBackAsWritten(groupName, keyName)) {
        return false;
    }
    Data::Group* found = data.FindGroup(groupName);
    if (keyName.empty()) {
        if (found != nullptr) {
            data.RemoveGroup(groupName);
        }
        return true;
    }
    const std::optional<std::size_t> existing =
        found == nullptr ? std::nullopt : data.FindLine(*found, keyName);
    if (IsIniBlank(newValue)) {
        if (existing) {
            data.RemoveKey(*found, keyName);
        }
    } else if (existing) {
        data.ReplaceValue(*existing, newValue);
    } else {
        data.AppendKey(found, groupName, keyName + "=" + newValue);
    }
    return true;
}

std::string IniDocument::Serialize() const { return data_->bytes; }

const std::string& IniDocument::Bytes() const { return data_->bytes; }

bool IniDocument::IsEmpty() const { return data_->lines.empty(); }
