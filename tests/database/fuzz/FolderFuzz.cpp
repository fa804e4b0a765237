// libFuzzer target over a whole data folder: the input becomes "teile.dat",
// the category file "k0.dat", the order list "k901.dat", "bilder.dat" and
// "datenblaetter.dat" (in this order, separated by a line "##"; missing parts
// leave the file away). The compaction then runs on the folder, and what the
// readers see afterwards is checked against what they saw before:
//
// - every part readers saw is seen afterwards, in the order its record stood
//   in the file, with the same record, pictures and datasheets;
// - every order position readers saw is seen afterwards, in the same order,
//   naming the same part with the same quantity and flag; a position that
//   named no part names none (or is gone), one that named a part of another
//   category is unchanged; one that named a record above "max" (shown by
//   the order list, dropped by the compaction) is gone, or the next part
//   saved into the freed slot would be ordered in its place;
// - nothing readers could not see before becomes visible, nothing they could
//   see becomes invisible; teile.dat never changes, and on a folder whose
//   files can all be read and written the compaction never fails.
//
// Each input that once broke this promise stays in regressions/ and is
// replayed by the tests.
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "AtomicFile.h"
#include "DataFiles.h"
#include "IniLines.h"
#include "IniStore.h"
#include "Prompter.h"
#include "Records.h"
#include "TextRules.h"
#include "compaction/Compaction.h"
#include "compaction/CompactionFiles.h"
#include "lists/ListScan.h"

namespace {

constexpr int kCategory = 0;
constexpr int kOrderList = kFirstOrderList;
constexpr std::string_view kSeparator = "\n##\n";
constexpr std::size_t kLongestReaderValue = 254;

[[noreturn]] void Broken(const std::string& what) {
    std::fprintf(stderr, "promise broken: %s\n", what.c_str());
    std::abort();
}

class YesPrompter : public Prompter {
public:
    Answer Ask(const std::string&, const std::string&, MessageIcon, Answer) override {
        return Answer::Yes;
    }
    void Tell(const std::string&, const std::string&, MessageIcon) override {}
};

// The real file layer without flushing to disk: durability is not what is
// fuzzed, and the runs stay fast.
class UnflushedFiles : public CompactionFiles {
public:
    FileRead Read(const std::string& path) override { return System().Read(path); }
    bool Exists(const std::string& path) override { return System().Exists(path); }
    bool MayReplace(const std::string& path) override { return System().MayReplace(path); }
    bool WritePrepared(const std::string& path, const std::string& bytes,
                       const std::string&) override {
        return WritePlain(path, bytes);
    }
    bool WriteJournal(const std::string& path, const std::string& bytes) override {
        return WritePlain(path, bytes);
    }
    bool Rename(const std::string& from, const std::string& to) override {
        return System().Rename(from, to);
    }
    bool Remove(const std::string& path) override { return System().Remove(path); }
    bool SyncFolder(const std::string&) override { return true; }

private:
    static CompactionFiles& System() { return SystemCompactionFiles(); }
    static bool WritePlain(const std::string& path, const std::string& bytes) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return static_cast<bool>(out.flush());
    }
};

const std::string& Folder() {
    static const std::string folder = [] {
        const std::string base = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
        std::string pattern = base + "/teile-folderfuzz-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        return pattern + "/";
    }();
    // Gone when the run ends (registered after the name exists, so it runs
    // before the name is destroyed); after a finding it stays for a look.
    static const bool removedAtExit = std::atexit([] {
                                          std::error_code ignored;
                                          std::filesystem::remove_all(Folder(), ignored);
                                      }) == 0;
    (void)removedAtExit;
    return folder;
}

const std::vector<std::string>& FileNames() {
    static const std::vector<std::string> names = {
        std::string(kMainFile), ListFileName(kCategory), ListFileName(kOrderList),
        std::string(kPictureFile), std::string(kDatasheetFile)};
    return names;
}

void WriteFolder(std::string_view input) {
    for (const auto& entry : std::filesystem::directory_iterator(Folder())) {
        std::filesystem::remove_all(entry.path());
    }
    std::size_t start = 0;
    for (const std::string& name : FileNames()) {
        if (start > input.size()) {
            break;
        }
        const std::size_t end = input.find(kSeparator, start);
        const std::string_view part = input.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        std::ofstream(Folder() + name, std::ios::binary)
            .write(part.data(), static_cast<std::streamsize>(part.size()));
        start = end == std::string_view::npos ? input.size() + 1 : end + kSeparator.size();
    }
}

std::map<std::string, std::string> FolderBytes() {
    std::map<std::string, std::string> bytes;
    for (const auto& entry : std::filesystem::directory_iterator(Folder())) {
        bytes[entry.path().filename().string()] = ReadWholeFile(entry.path().string()).value_or("");
    }
    return bytes;
}

// The line on which each key of the first group `group` first stands, as the
// line rules read the file: the order the compaction has to keep.
std::map<std::string, std::size_t> FirstLineOfKeys(std::string_view bytes, std::string_view group) {
    std::map<std::string, std::size_t> lines;
    IniLineSplitter splitter(bytes);
    std::string_view text;
    std::string_view end;
    bool inside = false;
    for (std::size_t number = 0; splitter.Next(text, end); ++number) {
        const std::string_view trimmed = TrimIni(text);
        if (IsIniGroupLine(trimmed)) {
            if (inside) {
                break;
            }
            inside = EqualsIgnoringCase(IniGroupName(trimmed), group);
        } else if (inside && !trimmed.empty()) {
            lines.try_emplace(ToLowerCp1252(IniKey(trimmed)), number);
        }
    }
    return lines;
}

struct Record {
    int slot = -1;
    std::string value;
};

// The records readers see in a list file: in file order, or in slot order.
std::vector<Record> RecordsOf(const std::string& file, bool fileOrder) {
    const auto document = ReadIniFile(Folder() + file);
    std::vector<Record> records;
    ForEachListRecord(*document, [&records](int slot, std::string_view value) {
        records.push_back(Record{slot, std::string(value)});
    });
    if (fileOrder) {
        const auto lines = FirstLineOfKeys(ReadWholeFile(Folder() + file).value_or(""), kListGroup);
        const auto lineOf = [&lines](const Record& record) {
            const auto line = lines.find(SlotKey(record.slot));
            if (line == lines.end()) {
                Broken("the store reads a key the line rules do not: " + SlotKey(record.slot));
            }
            return line->second;
        };
        std::stable_sort(
            records.begin(), records.end(),
            [&lineOf](const Record& a, const Record& b) { return lineOf(a) < lineOf(b); });
    }
    return records;
}

std::array<std::string, 4> SidesOf(int slot, const IniDocument& datasheets,
                                   const IniDocument& pictures) {
    std::array<std::string, 4> sides;
    const std::string reference = PartReference{kCategory, slot}.Text();
    for (std::size_t i = 0; i < sides.size(); ++i) {
        const SideGroup& side = kSideGroups[i];
        sides[i] =
            (side.file == kDatasheetFile ? datasheets : pictures).Value(side.group, reference);
    }
    return sides;
}

// What the readers of one moment see: the parts of the category in the order
// the compaction keeps, and the order positions.
struct View {
    std::vector<Record> parts;
    std::vector<std::array<std::string, 4>> sides;
    std::vector<Record> positions;
    std::shared_ptr<const IniDocument> category;

    // The index of the part a position names, -1 for no part of the
    // category, -2 for a reference to another category or none at all.
    int PartNamedBy(const Record& position) const {
        const std::optional<PartReference> part =
            PartReference::Parse(FieldOf(SplitFields(position.value), 1));
        if (!part || part->category != kCategory) {
            return -2;
        }
        for (std::size_t i = 0; i < parts.size(); ++i) {
            if (parts[i].slot == part->slot) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

    // Whether a position names a record of the category that the order list
    // shows but the category's list does not: one above "max".
    bool NamesUnlistedRecord(const Record& position) const {
        const std::optional<PartReference> part =
            PartReference::Parse(FieldOf(SplitFields(position.value), 1));
        return part && part->category == kCategory && PartNamedBy(position) == -1 &&
               !IsBlank(category->Value(kListGroup, SlotKey(part->slot)));
    }
};

View ViewOf(bool fileOrder) {
    ForgetIniSnapshots();
    View view;
    view.parts = RecordsOf(ListFileName(kCategory), fileOrder);
    view.category = ReadIniFile(Folder() + ListFileName(kCategory));
    const auto datasheets = ReadIniFile(DatasheetFilePath(Folder()));
    const auto pictures = ReadIniFile(PictureFilePath(Folder()));
    for (const Record& part : view.parts) {
        view.sides.push_back(SidesOf(part.slot, *datasheets, *pictures));
    }
    view.positions = RecordsOf(ListFileName(kOrderList), true);
    return view;
}

void CheckPositions(const View& before, const View& after, bool categoryCompacted) {
    std::size_t next = 0;
    for (const Record& position : before.positions) {
        const int named = before.PartNamedBy(position);
        if (named == -1 && categoryCompacted) {
            // A position without its part may go; if it stays, it stays as it
            // was and names none. (One that came to name a part is left over
            // at the end, or breaks the match of the positions after it.)
            if (next < after.positions.size() && after.positions[next].value == position.value &&
                after.PartNamedBy(after.positions[next]) == -1) {
                if (before.NamesUnlistedRecord(position)) {
                    Broken("order position of a dropped record stays: " + position.value);
                }
                ++next;
            }
            continue;
        }
        if (next >= after.positions.size()) {
            Broken("order position lost: " + position.value);
        }
        const Record& now = after.positions[next++];
        if (named == -2 || !categoryCompacted) {
            if (now.value != position.value) {
                Broken("order position changed: " + position.value + " -> " + now.value);
            }
            continue;
        }
        if (after.PartNamedBy(now) != named) {
            Broken("order position names another part: " + position.value + " -> " + now.value);
        }
        const std::vector<std::string> was = SplitFields(position.value);
        const std::vector<std::string> is = SplitFields(now.value);
        const bool canonical = position.value.size() + 3 > kLongestReaderValue;
        for (int field : {2, 3}) {
            const bool same =
                canonical ? IntegerOfText(FieldOf(was, field)) == IntegerOfText(FieldOf(is, field))
                          : FieldOf(was, field) == FieldOf(is, field);
            if (!same) {
                Broken("order position changed its numbers: " + position.value + " -> " +
                       now.value);
            }
        }
    }
    for (; next < after.positions.size(); ++next) {
        if (after.PartNamedBy(after.positions[next]) != -1) {
            Broken("order position appeared: " + after.positions[next].value);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    WriteFolder(input);
    const std::map<std::string, std::string> bytesBefore = FolderBytes();
    ForgetIniSnapshots();
    const bool categoryCompacted = !IsBlank(ReadIniValue(kCategoryGroup, CategoryNameKey(kCategory),
                                                         Folder() + std::string(kMainFile))) &&
                                   bytesBefore.contains(ListFileName(kCategory));
    const View before = ViewOf(categoryCompacted);

    YesPrompter prompter;
    UnflushedFiles files;
    const CompactionOutcome outcome = CompactDatabase(Folder(), prompter, {}, files);
    const std::map<std::string, std::string> bytesAfter = FolderBytes();
    if (outcome.result != CompactionResult::Compacted) {
        // Every file here is readable and writable: nothing may fail.
        Broken(bytesAfter == bytesBefore ? "the compaction failed"
                                         : "a failed compaction changed the folder");
    }
    for (const auto& [name, bytes] : bytesAfter) {
        if (!bytesBefore.contains(name)) {
            Broken("file left behind: " + name);
        }
    }
    if (bytesAfter.at(std::string(kMainFile)) != bytesBefore.at(std::string(kMainFile))) {
        Broken("teile.dat changed");
    }
    if (!categoryCompacted && bytesBefore.contains(ListFileName(kCategory)) &&
        bytesAfter.at(ListFileName(kCategory)) != bytesBefore.at(ListFileName(kCategory))) {
        Broken("a category without a name changed");
    }

    const View after = ViewOf(false);
    if (after.parts.size() != before.parts.size()) {
        Broken("parts seen before " + std::to_string(before.parts.size()) + ", after " +
               std::to_string(after.parts.size()));
    }
    for (std::size_t i = 0; i < before.parts.size(); ++i) {
        if (after.parts[i].value != before.parts[i].value) {
            Broken("part out of order or changed: " + before.parts[i].value);
        }
        if (after.sides[i] != before.sides[i]) {
            Broken("pictures or datasheets changed: " + before.parts[i].value);
        }
    }
    CheckPositions(before, after, categoryCompacted);
    return 0;
}
