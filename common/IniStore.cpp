#include "IniStore.h"

#include <time.h>

#include <algorithm>
#include <mutex>
#include <unordered_map>

#include "AtomicFile.h"
#include "TextRules.h"

namespace {

// The read buffer of the Windows routines holds 255 characters with the NUL.
constexpr std::size_t kLongestValue = 254;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";

enum class LineKind : unsigned char { Blank, Group, Key };

struct Line {
    std::string text;   // without its line end
    std::string end;    // "\r\n", "\n", "\r" or "" for a last line without one
    LineKind kind = LineKind::Blank;
};

// The name of a group line: the text between "[" and "]" (or the line's end).
std::string_view GroupNameOf(std::string_view trimmedLine) {
    std::string_view name = trimmedLine.substr(1);
    const std::size_t close = name.find(']');
    if (close != std::string_view::npos) {
        name = name.substr(0, close);
    }
    return TrimView(name);
}

// A line without "=" is a key without value.
std::string_view KeyOf(std::string_view line) {
    return TrimView(line.substr(0, line.find('=')));
}

std::string ValueOf(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return {};
    }
    std::string_view value = TrimView(line.substr(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value.substr(0, kLongestValue));
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

}  // namespace

struct IniDocument::Data {
    std::string byteOrderMark;
    std::vector<Line> lines;

    // Lazily built index: the first group of each name and, inside it, the
    // first line of each key.
    struct Group {
        std::size_t header = 0;  // line index of "[name]"
        std::size_t end = 0;     // one past its last line
        std::unordered_map<std::string, std::size_t> keys;
        std::vector<std::size_t> keyOrder;
    };
    mutable bool indexed = false;
    mutable std::unordered_map<std::string, Group> groups;

    void Invalidate() {
        indexed = false;
        groups.clear();
    }

    void BuildIndex() const {
        if (indexed) {
            return;
        }
        groups.clear();
        Group* current = nullptr;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const Line& line = lines[i];
            if (line.kind == LineKind::Group) {
                if (current != nullptr) {
                    current->end = i;
                }
                const std::string name = ToLowerCp1252(GroupNameOf(TrimView(line.text)));
                auto [entry, isNew] = groups.try_emplace(name);
                // A later group of the same name is never read.
                current = isNew ? &entry->second : nullptr;
                if (current != nullptr) {
                    current->header = i;
                }
            } else if (line.kind == LineKind::Key && current != nullptr) {
                const std::string key = ToLowerCp1252(KeyOf(line.text));
                if (current->keys.try_emplace(key, i).second) {
                    current->keyOrder.push_back(i);
                }
            }
        }
        if (current != nullptr) {
            current->end = lines.size();
        }
        indexed = true;
    }

    const Group* FindGroup(std::string_view group) const {
        BuildIndex();
        const auto found = groups.find(ToLowerCp1252(TrimView(group)));
        return found == groups.end() ? nullptr : &found->second;
    }

    const Line* FindLine(std::string_view group, std::string_view key) const {
        const Group* found = FindGroup(group);
        if (found == nullptr) {
            return nullptr;
        }
        const auto line = found->keys.find(ToLowerCp1252(TrimView(key)));
        return line == found->keys.end() ? nullptr : &lines[line->second];
    }

    // A line about to get a successor must end, or the two would run together.
    void EndLine(std::size_t index) {
        if (lines[index].end.empty()) {
            lines[index].end = kLineEnd;
        }
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
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        data.byteOrderMark = kByteOrderMark;
        bytes.remove_prefix(kByteOrderMark.size());
    }
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') {
            ++end;
        }
        Line line;
        line.text = std::string(bytes.substr(start, end - start));
        std::size_t next = end;
        if (next < bytes.size() && bytes[next] == '\r') {
            ++next;
        }
        if (next < bytes.size() && bytes[next] == '\n' && (next == end || bytes[end] == '\r')) {
            ++next;
        }
        line.end = std::string(bytes.substr(end, next - end));
        const std::string_view trimmed = TrimView(line.text);
        if (trimmed.empty()) {
            line.kind = LineKind::Blank;
        } else if (trimmed.front() == '[') {
            line.kind = LineKind::Group;
        } else {
            line.kind = LineKind::Key;
        }
        data.lines.push_back(std::move(line));
        start = next;
    }
    return document;
}

std::optional<std::string> IniDocument::Find(std::string_view group, std::string_view key) const {
    const Line* line = data_->FindLine(group, key);
    if (line == nullptr) {
        return std::nullopt;
    }
    return ValueOf(line->text);
}

std::string IniDocument::Value(std::string_view group, std::string_view key) const {
    const Line* line = data_->FindLine(group, key);
    return line == nullptr ? std::string() : ValueOf(line->text);
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
    entries.reserve(found->keyOrder.size());
    for (std::size_t index : found->keyOrder) {
        const std::string& text = data_->lines[index].text;
        entries.push_back(IniEntry{std::string(KeyOf(text)), ValueOf(text)});
    }
    return entries;
}

void IniDocument::Write(std::string_view group, std::string_view key, std::string_view value) {
    Data& data = *data_;
    const std::string groupName = Trim(Sanitized(group));
    const std::string keyName = Trim(Sanitized(key));
    const std::string newValue = Sanitized(value);
    const Data::Group* found = data.FindGroup(groupName);

    if (keyName.empty()) {
        // Every group of that name goes: removing only the first would bring a
        // later one of the same name to light, and the removed group would read
        // as present again.
        if (found != nullptr) {
            const std::string lowered = ToLowerCp1252(groupName);
            bool inside = false;
            std::erase_if(data.lines, [&](const Line& line) {
                if (line.kind == LineKind::Group) {
                    inside = ToLowerCp1252(GroupNameOf(TrimView(line.text))) == lowered;
                }
                return inside;
            });
            data.Invalidate();
        }
        return;
    }

    const std::size_t* existing = nullptr;
    if (found != nullptr) {
        const auto line = found->keys.find(ToLowerCp1252(keyName));
        if (line != found->keys.end()) {
            existing = &line->second;
        }
    }

    if (IsBlank(newValue)) {
        // Every line of the key in the group a reader sees: a second line of the
        // same key would otherwise reappear as the key's value.
        if (existing != nullptr) {
            const std::string lowered = ToLowerCp1252(keyName);
            const auto begin = data.lines.begin() + static_cast<std::ptrdiff_t>(found->header + 1);
            const auto end = data.lines.begin() + static_cast<std::ptrdiff_t>(found->end);
            data.lines.erase(std::remove_if(begin, end,
                                            [&](const Line& line) {
                                                return line.kind == LineKind::Key &&
                                                       ToLowerCp1252(KeyOf(line.text)) == lowered;
                                            }),
                             end);
            data.Invalidate();
        }
        return;
    }

    if (existing != nullptr) {
        // The line keeps the key as the file spells it.
        Line& line = data.lines[*existing];
        line.text = std::string(KeyOf(line.text)) + "=" + newValue;
        line.end = kLineEnd;
        return;  // the index still holds: no line moved
    }

    Line keyLine{keyName + "=" + newValue, std::string(kLineEnd), LineKind::Key};
    if (found != nullptr) {
        // After the group's last non-blank line, so blank lines that separate
        // it from the next group stay where they are.
        std::size_t last = found->header;
        for (std::size_t i = found->header + 1; i < found->end; ++i) {
            if (data.lines[i].kind != LineKind::Blank) {
                last = i;
            }
        }
        data.EndLine(last);
        data.lines.insert(data.lines.begin() + static_cast<std::ptrdiff_t>(last + 1),
                          std::move(keyLine));
    } else {
        if (!data.lines.empty()) {
            data.EndLine(data.lines.size() - 1);
        }
        data.lines.push_back(Line{"[" + groupName + "]", std::string(kLineEnd), LineKind::Group});
        data.lines.push_back(std::move(keyLine));
    }
    data.Invalidate();
}

std::string IniDocument::Serialize() const {
    std::size_t size = data_->byteOrderMark.size();
    for (const Line& line : data_->lines) {
        size += line.text.size() + line.end.size();
    }
    std::string bytes;
    bytes.reserve(size);
    bytes += data_->byteOrderMark;
    for (const Line& line : data_->lines) {
        bytes += line.text;
        bytes += line.end;
    }
    return bytes;
}

bool IniDocument::IsEmpty() const { return data_->lines.empty(); }

namespace {

// A rewrite in place that keeps the size can keep the modification time too
// when it falls into the same tick of the file system's clock. Until a file's
// time stamp is older than one tick (with margin), its identity proves nothing
// and the bytes are compared instead. File systems that store no fraction of
// a second (FAT on a USB stick carried between machines: two seconds) get a
// long window; those with fine time stamps (ticks of a few milliseconds) a
// shorter one, so reads soon after a save do not keep re-reading the file.
constexpr long long kCoarseRacyNanoseconds = 3'000'000'000;
constexpr long long kFineRacyNanoseconds = 1'000'000'000;

long long NowNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// Read or written at `readStart`: can a later change of the file still carry
// the same identity?
bool IsRacy(const FileIdentity& identity, long long readStart) {
    const long long modified =
        identity.modifiedSeconds * 1'000'000'000 + identity.modifiedNanoseconds;
    const long long window =
        identity.modifiedNanoseconds == 0 ? kCoarseRacyNanoseconds : kFineRacyNanoseconds;
    return modified >= readStart - window;
}

struct Snapshot {
    FileIdentity identity;
    std::shared_ptr<const IniDocument> document;
    // The file's bytes while its identity is racy, else nothing.
    std::optional<std::string> racyBytes;
};

std::mutex& SnapshotMutex() {
    static std::mutex mutex;
    return mutex;
}

std::unordered_map<std::string, Snapshot>& Snapshots() {
    static std::unordered_map<std::string, Snapshot> snapshots;
    return snapshots;
}

const std::shared_ptr<const IniDocument>& EmptyDocument() {
    static const std::shared_ptr<const IniDocument> empty = std::make_shared<IniDocument>();
    return empty;
}

// The snapshot of a file; nothing when the file exists but cannot be read,
// which a writer must not mistake for an empty file.
std::optional<std::shared_ptr<const IniDocument>> LoadSnapshot(const std::string& file) {
    std::lock_guard<std::mutex> lock(SnapshotMutex());
    auto& snapshots = Snapshots();
    // A file that changes while we read it is read again; after a few tries
    // the last reading is taken without being remembered.
    std::shared_ptr<const IniDocument> document;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const long long readStart = NowNanoseconds();
        const std::optional<FileIdentity> before = IdentityOf(file);
        if (!before) {
            snapshots.erase(file);
            return EmptyDocument();
        }
        const auto cached = snapshots.find(file);
        const bool sameIdentity = cached != snapshots.end() && cached->second.identity == *before;
        if (sameIdentity && !cached->second.racyBytes) {
            return cached->second.document;
        }
        std::optional<std::string> bytes = ReadWholeFile(file);
        if (!bytes) {
            snapshots.erase(file);
            if (!FileExists(file)) {
                return EmptyDocument();
            }
            return std::nullopt;
        }
        if (sameIdentity && *cached->second.racyBytes == *bytes) {
            document = cached->second.document;
        } else {
            document = std::make_shared<const IniDocument>(IniDocument::Parse(*bytes));
        }
        if (IdentityOf(file) == before) {
            std::optional<std::string> racyBytes;
            if (IsRacy(*before, readStart)) {
                racyBytes = std::move(*bytes);
            }
            snapshots[file] = Snapshot{*before, document, std::move(racyBytes)};
            return document;
        }
    }
    return document;
}

}  // namespace

std::shared_ptr<const IniDocument> ReadIniFile(const std::string& file) {
    return LoadSnapshot(file).value_or(EmptyDocument());
}

bool WriteIniFile(const std::string& file, const IniDocument& document) {
    std::string bytes = document.Serialize();
    FileIdentity identity;
    const long long writeStart = NowNanoseconds();
    if (!ReplaceFileAtomically(file, bytes, &identity)) {
        return false;
    }
    std::optional<std::string> racyBytes;
    if (IsRacy(identity, writeStart)) {
        racyBytes = std::move(bytes);
    }
    std::lock_guard<std::mutex> lock(SnapshotMutex());
    Snapshots()[file] =
        Snapshot{identity, std::make_shared<const IniDocument>(document), std::move(racyBytes)};
    return true;
}

std::string ReadIniValue(std::string_view group, std::string_view key, const std::string& file) {
    return ReadIniFile(file)->Value(group, key);
}

bool WriteIniValue(std::string_view group, std::string_view key, std::string_view value,
                   const std::string& file) {
    const std::optional<std::shared_ptr<const IniDocument>> loaded = LoadSnapshot(file);
    if (!loaded) {
        return false;  // rewriting a file we cannot read would empty it
    }
    const std::shared_ptr<const IniDocument>& current = *loaded;
    IniDocument changed = *current;
    changed.Write(group, key, value);
    if (FileExists(file) && changed.Serialize() == current->Serialize()) {
        return true;  // removing what is not there, or writing what is
    }
    if (!FileExists(file) && changed.IsEmpty()) {
        return true;  // nothing to create
    }
    return WriteIniFile(file, changed);
}

void ForgetIniSnapshots() {
    std::lock_guard<std::mutex> lock(SnapshotMutex());
    Snapshots().clear();
}
