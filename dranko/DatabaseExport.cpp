#include "DatabaseExport.h"

#include <sys/stat.h>

#include <array>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "ConsoleText.h"
#include "CsvFile.h"
#include "DataFiles.h"
#include "IniStore.h"
#include "Records.h"
#include "TextRules.h"

namespace {

// The console texts, cp1252 like the category names printed among them.
constexpr std::string_view kTitle = "CSV-Dranko (Teile)";
constexpr std::string_view kRule = "--------------------";
constexpr std::string_view kFolderFailed = "Fehler bei der Verzeichnis-Erstellung!";
constexpr std::string_view kStarting = "Erstelle CSV-Dateien...";
constexpr std::string_view kCategoryPrefix = "Bearbeite Kategorie: ";
constexpr std::string_view kCategorySuffix = "...";
constexpr std::string_view kFileDone = "Fertig!";
constexpr std::string_view kFileFailed = "Fehlgeschlagen!";
constexpr std::string_view kAllDone = "Vorgang abgeschlossen!";
constexpr std::string_view kPrompt = "Dr\374cke 'Enter', um zu beenden.";

constexpr std::string_view kCsvFolder = "csv";

// The datasheets and pictures of every part, gathered in one pass over each
// side group when the run starts; a part's four values are then one index.
class SideFiles {
public:
    explicit SideFiles(const std::string& folder)
        : values_(static_cast<std::size_t>(kCategoryCount) * kSlotCount) {
        const std::shared_ptr<const IniDocument> datasheets =
            ReadIniFile(DatasheetFilePath(folder));
        const std::shared_ptr<const IniDocument> pictures = ReadIniFile(PictureFilePath(folder));
        for (std::size_t side = 0; side < std::size(kSideGroups); ++side) {
            const IniDocument& document =
                kSideGroups[side].file == kDatasheetFile ? *datasheets : *pictures;
            for (IniEntry& entry : document.Entries(kSideGroups[side].group)) {
                const std::optional<PartReference> reference = PartReference::Parse(entry.key);
                // A reader asks for "k3t17" and finds that key in any letter
                // case, but not "k03t17": only the exact spelling counts.
                if (reference && reference->Text() == ToLowerCp1252(entry.key)) {
                    values_[Index(reference->category, reference->slot)][side] =
                        std::move(entry.value);
                }
            }
        }
    }

    // Valid as long as this object lives.
    SideValues Of(int category, int slot) const {
        const std::array<std::string, 4>& stored = values_[Index(category, slot)];
        return SideValues{stored[0], stored[1], stored[2], stored[3]};
    }

private:
    static std::size_t Index(int category, int slot) {
        return static_cast<std::size_t>(category) * kSlotCount + static_cast<std::size_t>(slot);
    }

    std::vector<std::array<std::string, 4>> values_;
};

bool MakeCsvFolder(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) {
        return true;
    }
    // Fails on a plain file of that name too, which is what we want.
    return mkdir(path.c_str(), 0777) == 0;
}

// The whole file in memory, then one write: a category holds at most 500
// lines of at most a few kilobytes.
std::string CategoryContent(const std::string& folder, int category, const SideFiles& sides) {
    std::string content(CsvHeaderLine());
    const std::shared_ptr<const IniDocument> list = ReadIniFile(ListFilePath(folder, category));
    const int limit = ExportLimit(list->Value(kListGroup, kMaxKey));
    for (int slot = 0; slot <= limit; ++slot) {
        const std::string record = list->Value(kListGroup, SlotKey(slot));
        if (IsBlank(record)) {
            continue;
        }
        AppendPartLine(content, record, sides.Of(category, slot));
    }
    return content;
}

// False when the file could not be created or not be written completely. A
// full disk must not be reported as "Fertig!" over a cut-off file.
bool WriteCategoryFile(const std::string& path, const std::string& folder, int category,
                       const SideFiles& sides) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const std::string content = CategoryContent(folder, category, sides);
    const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}

}  // namespace

void ExportDatabase(const std::string& folder, Console& console,
                    const std::function<bool()>& stopRequested) {
    console.WriteLine(kTitle);
    console.WriteLine(kRule);

    const std::string csvFolder = folder + std::string(kCsvFolder);
    if (!MakeCsvFolder(csvFolder)) {
        console.WriteLine(kFolderFailed, TextColour::LightRed);
        console.WriteLine(kAllDone);
        return;
    }

    console.WriteLine(kStarting);
    const std::shared_ptr<const IniDocument> main = ReadIniFile(MainFilePath(folder));
    const SideFiles sides(folder);
    for (int category = 0; category < kCategoryCount; ++category) {
        const std::string name = main->Value(kCategoryGroup, CategoryNameKey(category));
        if (IsBlank(name)) {
            continue;
        }
        console.Write(std::string(kCategoryPrefix) + name + std::string(kCategorySuffix));
        const std::string path = csvFolder + "/" + FileSystemName(CsvFileName(name)) + ".csv";
        if (WriteCategoryFile(path, folder, category, sides)) {
            console.WriteLine(kFileDone);
        } else {
            console.WriteLine(kFileFailed, TextColour::LightRed);
        }
        if (stopRequested && stopRequested()) {
            return;
        }
    }
    console.WriteLine(kAllDone);
}

bool SkipsPrompt(int argc, const char* const argv[]) {
    return argc >= 3 && ToUpperCp1252(argv[2]) == "/FRAGNICHT";
}

void PromptForEnter(Console& console, std::FILE* in) {
    console.WriteLine(kPrompt, TextColour::BrightWhite);
    int c = 0;
    do {
        c = std::fgetc(in);
    } while (c != '\n' && c != EOF);
}
