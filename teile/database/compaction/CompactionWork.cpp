#include "compaction/CompactionWork.h"

#include <map>
#include <optional>
#include <unordered_set>

#include "DataFiles.h"
#include "IniLines.h"
#include "Records.h"
#include "TextRules.h"
#include "compaction/LineFile.h"

namespace {

constexpr std::string_view kLineEnd = kIniLineEnd;
constexpr int kLongestNumber = 9;  // digits of a slot or list number that still fit an int
constexpr std::size_t kLongestReaderValue = 254;  // what the Windows routines return

// The value as a reader sees it: trimmed, unquoted, cut to what a reader gets.
std::string ReaderValueOf(std::string_view line) {
    return std::string(IniValue(line).substr(0, kLongestReaderValue));
}

// A position that names `part`, with the quantity and the flag as readers
// saw them.
std::string RenamedPosition(const std::vector<std::string>& fields, const PartReference& part) {
    std::string value = part.Text() + ";" + FieldOf(fields, 2) + ";" + FieldOf(fields, 3);
    if (value.size() > kLongestReaderValue) {
        // A longer reference moves the reader's cut; the numbers keep their
        // meaning in their shortest spelling.
        value = part.Text() + ";" + std::to_string(IntegerOfText(FieldOf(fields, 2))) + ";" +
                std::to_string(IntegerOfText(FieldOf(fields, 3)));
    }
    return value;
}

// The number of a text spelled as the program writes numbers: digits without
// leading zeros. -1 for anything else, which no reader would look up.
int PlainNumber(std::string_view digits) {
    if (!IsDigits(digits) || digits.size() > static_cast<std::size_t>(kLongestNumber) ||
        (digits.size() > 1 && digits.front() == '0')) {
        return -1;
    }
    int value = 0;
    for (const char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

// A key that may hold an order position: "t" first, and only digits once
// every "t" is removed. Wider than what readers see, so that a position line
// they cannot see yet (above "max", which a later save may raise) never keeps
// a reference to an old slot.
bool IsRecordKey(std::string_view lowerKey) {
    if (lowerKey.empty() || lowerKey.front() != 't') {
        return false;
    }
    std::string rest;
    for (const char c : lowerKey) {
        if (c != 't') {
            rest += c;
        }
    }
    return IsDigits(rest);
}

// "k" + list + "t" + slot as the program writes it; false for anything else.
bool ParseSideKey(std::string_view lowerKey, int& list, int& slot) {
    if (lowerKey.size() < 4 || lowerKey.front() != 'k') {
        return false;
    }
    const std::size_t t = lowerKey.find('t', 1);
    if (t == std::string_view::npos) {
        return false;
    }
    list = PlainNumber(lowerKey.substr(1, t - 1));
    slot = PlainNumber(lowerKey.substr(t + 1));
    return list >= 0 && slot >= 0;
}

// The key lines of the first group "teil", in file order, and the "max"
// they are read with.
struct ListGroup {
    struct KeyLine {
        std::string key;  // lower case
        std::string_view line;
    };
    std::vector<KeyLine> keyLines;
    std::optional<std::string> maxValue;
};

ListGroup ReadListGroup(std::string_view bytes) {
    ListGroup group;
    bool inside = false;
    IniLineSplitter splitter(bytes);
    std::string_view text;
    std::string_view end;
    while (splitter.Next(text, end)) {
        const std::string_view trimmed = TrimIni(text);
        if (trimmed.empty()) {
            continue;
        }
        if (IsIniGroupLine(trimmed)) {
            if (inside) {
                break;  // the next group begins; a later "[teil]" is never read
            }
            inside = LowerGroupNameOf(trimmed) == kListGroup;
            continue;
        }
        if (!inside) {
            continue;
        }
        const ListGroup::KeyLine& keyLine =
            group.keyLines.emplace_back(ListGroup::KeyLine{LowerKeyOf(trimmed), trimmed});
        if (!group.maxValue && keyLine.key == kMaxKey) {
            group.maxValue = ReaderValueOf(trimmed);
        }
    }
    return group;
}

}  // namespace

bool IsDigits(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

RenumberedList RenumberList(std::string_view bytes) {
    const ListGroup group = ReadListGroup(bytes);
    const int limit = ScanLimit(group.maxValue.value_or(std::string()));

    // Only what readers see is renumbered: the first line of "t" + slot for
    // the slots up to the limit. A later line of the same key, a key such as
    // "t03" and a slot above "max" were never read, and they must not become
    // readable (nor push a record out of reach) now.
    RenumberedList result;
    std::string records;
    records.reserve(bytes.size());
    std::vector<bool> seen(kSlotCount, false);
    for (const auto& [key, line] : group.keyLines) {
        const int oldSlot = key.size() > 1 && key.front() == 't'
                                ? PlainNumber(std::string_view(key).substr(1))
                                : -1;
        if (oldSlot < 0 || oldSlot > kHighestSlot || seen[static_cast<std::size_t>(oldSlot)]) {
            continue;
        }
        seen[static_cast<std::size_t>(oldSlot)] = true;
        if (oldSlot > limit) {
            result.droppedRecord[static_cast<std::size_t>(oldSlot)] =
                !IsIniBlank(IniValue(line).substr(0, kLongestReaderValue));
            continue;
        }
        const int newSlot = result.records++;
        result.newSlotOf.emplace(oldSlot, newSlot);
        if (IsIniBlank(IniValue(line).substr(0, kLongestReaderValue))) {
            continue;  // the slot stays empty
        }
        result.holdsPart[static_cast<std::size_t>(oldSlot)] = true;
        // The value as stored, quotes included, so it reads exactly as before.
        const std::size_t equals = line.find('=');
        records += SlotKey(newSlot);
        records += '=';
        records += TrimIni(line.substr(equals + 1));
        records += kLineEnd;
    }
    result.bytes = "[" + std::string(kListGroup) + "]" + std::string(kLineEnd) +
                   std::string(kMaxKey) + "=" + std::to_string(result.records - 1) +
                   std::string(kLineEnd) + records;
    return result;
}

// Every file a compaction changes, in memory, with the indexes that find the
// side entries and order positions of a list in them.
struct CompactionWork::WorkingFiles {
    struct WorkFile {
        FileRead::State state = FileRead::State::Missing;
        std::string original;
        LineFile content;
    };

    // A side entry line of one list: its line and current slot.
    struct SideLine {
        std::size_t line;
        int slot;
    };
    struct SideGroupWork {
        std::string fileName;
        std::string group;
        std::unordered_map<int, std::vector<SideLine>> linesOfList;
    };

    std::string folder;
    CompactionFiles& fileSystem;
    bool sharedLoaded = false;
    std::map<std::string, WorkFile> workFiles;
    std::vector<SideGroupWork> sideGroups;
    // Per order list file: category -> lines of the positions referring to it.
    std::map<std::string, std::unordered_map<int, std::vector<std::size_t>>> referencesOf;

    WorkingFiles(std::string folderPath, CompactionFiles& files)
        : folder(std::move(folderPath)), fileSystem(files) {}

    WorkFile& Load(const std::string& name) {
        auto [entry, isNew] = workFiles.try_emplace(name);
        if (isNew) {
            FileRead read = fileSystem.Read(folder + name);
            entry->second.state = read.state;
            entry->second.original = std::move(read.bytes);
            entry->second.content = LineFile::Parse(entry->second.original);
        }
        return entry->second;
    }

    void IndexSideGroup(SideGroupWork& side) {
        side.linesOfList.clear();
        const LineFile& content = workFiles.at(side.fileName).content;
        const std::optional<LineRange> range = content.FirstGroup(ToLowerCp1252(side.group));
        if (!range) {
            return;
        }
        for (std::size_t i = range->begin; i < range->end; ++i) {
            int list = -1;
            int slot = -1;
            if (!content.lines[i].removed &&
                ParseSideKey(LowerKeyOf(content.lines[i].text), list, slot)) {
                side.linesOfList[list].push_back(SideLine{i, slot});
            }
        }
    }

    void IndexReferences(const std::string& orderFile) {
        auto& index = referencesOf[orderFile];
        index.clear();
        const LineFile& content = workFiles.at(orderFile).content;
        const std::optional<LineRange> range = content.FirstGroup(kListGroup);
        if (!range) {
            return;
        }
        for (std::size_t i = range->begin; i < range->end; ++i) {
            const FileLine& line = content.lines[i];
            if (line.removed || IsIniBlank(line.text) || !IsRecordKey(LowerKeyOf(line.text))) {
                continue;
            }
            const std::vector<std::string> fields = SplitFields(ReaderValueOf(line.text));
            if (const std::optional<PartReference> reference =
                    PartReference::Parse(FieldOf(fields, 1))) {
                index[reference->category].push_back(i);
            }
        }
    }

    // Old keys of the list are removed and their values come back under the
    // new slots 0 ... records - 1. An entry that belongs to no record and
    // stands on one of those slots goes: it would otherwise become the
    // picture or datasheet of whichever part now has that slot.
    void MoveSideEntries(SideGroupWork& side, int listNumber,
                         const std::unordered_map<int, int>& newSlotOf, int records) {
        const auto found = side.linesOfList.find(listNumber);
        if (found == side.linesOfList.end()) {
            return;
        }
        std::vector<SideLine>& entries = found->second;
        LineFile& content = workFiles.at(side.fileName).content;
        enum Action : char { kKeep, kMove, kRemove };
        std::vector<Action> actions(entries.size(), kKeep);
        std::unordered_set<int> seen;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const FileLine& line = content.lines[entries[i].line];
            if (line.removed || !seen.insert(entries[i].slot).second) {
                continue;  // readers only ever see the first line of a key
            }
            const auto moved = newSlotOf.find(entries[i].slot);
            if (moved == newSlotOf.end()) {
                continue;
            }
            if (IsIniBlank(ReaderValueOf(line.text))) {
                actions[i] = kRemove;  // an empty entry means no file
            } else {
                actions[i] = kMove;
            }
        }
        for (std::size_t i = 0; i < entries.size(); ++i) {
            // Later duplicates of a moved key would surface under the old slot;
            // so would a stray entry on a slot that a record takes now.
            if (actions[i] == kKeep && !content.lines[entries[i].line].removed &&
                (newSlotOf.contains(entries[i].slot) || entries[i].slot < records)) {
                actions[i] = kRemove;
            }
        }
        const std::string prefix = "k" + std::to_string(listNumber) + "t";
        for (std::size_t i = 0; i < entries.size(); ++i) {
            FileLine& line = content.lines[entries[i].line];
            if (actions[i] == kRemove) {
                line.removed = true;
            } else if (actions[i] == kMove) {
                const int newSlot = newSlotOf.at(entries[i].slot);
                line.text =
                    prefix + std::to_string(newSlot) + line.text.substr(line.text.find('='));
                entries[i].slot = newSlot;
            }
        }
    }

    // Removes the position on line `first` of an order list together with
    // every later line of its key in that group: those were never read, and
    // with the first line gone the next one would be.
    static void RemovePosition(LineFile& content, std::size_t first) {
        const std::string key = LowerKeyOf(content.lines[first].text);
        content.lines[first].removed = true;
        for (std::size_t i = first + 1; i < content.lines.size(); ++i) {
            FileLine& line = content.lines[i];
            if (IsIniGroupLine(TrimIni(line.text))) {
                break;
            }
            if (!line.removed && !IsIniBlank(line.text) && LowerKeyOf(line.text) == key) {
                line.removed = true;
            }
        }
    }

    // Each position is rewritten from its value before this list was
    // compacted, once: only positions referring to this list change here. A
    // position whose part does not exist could only come to name another
    // part: it goes when a renumbered record takes its slot number, or when
    // it named a record that was dropped, whose slot is free now.
    void RewriteReferences(const std::string& orderFile, int listNumber,
                           const RenumberedList& renumbered) {
        const auto index = referencesOf.find(orderFile);
        if (index == referencesOf.end()) {
            return;
        }
        const auto lines = index->second.find(listNumber);
        if (lines == index->second.end()) {
            return;
        }
        LineFile& content = workFiles.at(orderFile).content;
        for (const std::size_t i : lines->second) {
            FileLine& line = content.lines[i];
            const std::vector<std::string> fields = SplitFields(ReaderValueOf(line.text));
            const std::optional<PartReference> reference = PartReference::Parse(FieldOf(fields, 1));
            if (line.removed || !reference || reference->category != listNumber) {
                continue;
            }
            if (!renumbered.holdsPart[static_cast<std::size_t>(reference->slot)]) {
                if (reference->slot < renumbered.records ||
                    renumbered.droppedRecord[static_cast<std::size_t>(reference->slot)]) {
                    RemovePosition(content, i);
                }
                continue;
            }
            const PartReference renamed{listNumber, renumbered.newSlotOf.at(reference->slot)};
            line.text =
                line.text.substr(0, line.text.find('=')) + "=" + RenamedPosition(fields, renamed);
        }
    }
};

CompactionWork::CompactionWork(std::string folder, CompactionFiles& files)
    : working_(std::make_unique<WorkingFiles>(std::move(folder), files)) {}

CompactionWork::~CompactionWork() = default;

bool CompactionWork::LoadSharedFiles() {
    WorkingFiles& working = *working_;
    if (working.sharedLoaded) {
        return true;
    }
    std::vector<std::string> shared = {std::string(kPictureFile), std::string(kDatasheetFile)};
    for (int supplier = 1; supplier <= kSupplierCount; ++supplier) {
        shared.push_back(ListFileName(OrderListOfSupplier(supplier)));
    }
    for (const std::string& name : shared) {
        if (working.Load(name).state == FileRead::State::Unreadable) {
            return false;
        }
    }
    working.sideGroups.clear();
    for (const SideGroup& side : kSideGroups) {
        working.sideGroups.push_back(
            WorkingFiles::SideGroupWork{std::string(side.file), std::string(side.group), {}});
        working.IndexSideGroup(working.sideGroups.back());
    }
    for (std::size_t i = 2; i < shared.size(); ++i) {
        working.IndexReferences(shared[i]);
    }
    working.sharedLoaded = true;
    return true;
}

bool CompactionWork::CompactList(int listNumber) {
    WorkingFiles& working = *working_;
    if (!LoadSharedFiles()) {
        return false;
    }
    const std::string name = ListFileName(listNumber);
    WorkingFiles::WorkFile& list = working.Load(name);
    if (list.state != FileRead::State::Read) {
        return false;
    }
    RenumberedList renumbered = RenumberList(list.content.Serialize());
    list.content = LineFile::Parse(renumbered.bytes);
    if (working.referencesOf.contains(name)) {
        working.IndexReferences(name);  // the order list itself got new lines
    }
    for (WorkingFiles::SideGroupWork& side : working.sideGroups) {
        working.MoveSideEntries(side, listNumber, renumbered.newSlotOf, renumbered.records);
    }
    if (IsCategoryNumber(listNumber)) {
        for (int supplier = 1; supplier <= kSupplierCount; ++supplier) {
            working.RewriteReferences(ListFileName(OrderListOfSupplier(supplier)), listNumber,
                                      renumbered);
        }
    }
    return true;
}

std::vector<PreparedFile> CompactionWork::PreparedFiles() const {
    std::vector<PreparedFile> prepared;
    for (const auto& [name, file] : working_->workFiles) {
        if (file.state != FileRead::State::Read) {
            continue;
        }
        std::string bytes = file.content.Serialize();
        if (bytes != file.original) {
            prepared.push_back(PreparedFile{name, std::move(bytes)});
        }
    }
    return prepared;
}
