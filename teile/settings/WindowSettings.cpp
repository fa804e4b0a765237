#include "WindowSettings.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "DataFiles.h"
#include "IniStore.h"
#include "Messages.h"
#include "Records.h"
#include "TextRules.h"
#include "records/WriteTransaction.h"

namespace {

constexpr std::string_view kWindowGroup = "fenster";
constexpr std::string_view kColumnGroup = "spalte";
constexpr std::string_view kSplitterKey = "teiler";
constexpr std::string_view kOrderWidthsKey = "bestellung";
constexpr std::string_view kOlderWidthsKey = "breite";

constexpr int kDefaultMainWidth = 800;
constexpr int kDefaultMainHeight = 600;
// Splitter and order-column widths outside 21-1999 are taken for damage.
constexpr int kNarrowestWidth = 21;
constexpr int kWidestWidth = 1999;
// No screen shows a wider column; the cap keeps the sum of fourteen widths
// far from the int range the list header adds them up in.
constexpr int kWidestColumn = 9999;

const std::string kDefaultLayoutCheck = "12;110;0";

std::string WindowKey(int number) { return "f" + std::to_string(number); }
std::string ColumnKey(int number) { return "s" + std::to_string(number); }

// The changes of one load or save go to "teile.dat" in one atomic step, so a
// failure leaves the file exactly as it was. False when it could not be
// written (or read: rewriting it from nothing would empty it).
bool Commit(FileChange& changes) {
    WriteTransaction writes;
    return writes.Write(changes);
}

// Field `number` (1-based) as an integer, nothing when the value has fewer fields.
std::optional<int> NumberField(const std::vector<std::string>& fields, int number) {
    if (number > static_cast<int>(fields.size())) {
        return std::nullopt;
    }
    return IntegerOfText(fields[static_cast<std::size_t>(number - 1)]);
}

void ReadMainWindow(const IniDocument& file, MainWindowGeometry& geometry) {
    const std::string value = file.Value(kWindowGroup, WindowKey(0));
    if (value.empty()) {
        return;
    }
    // A missing field keeps its unknown value, which keeps the window centred
    // at its default size: the geometry is used only when all four are there.
    const std::vector<std::string> fields = SplitFields(value);
    geometry.x = NumberField(fields, 1).value_or(geometry.x);
    geometry.y = NumberField(fields, 2).value_or(geometry.y);
    if (const std::optional<int> width = NumberField(fields, 3)) {
        geometry.width = *width > 0 ? *width : kDefaultMainWidth;
    }
    if (const std::optional<int> height = NumberField(fields, 4)) {
        geometry.height = *height > 0 ? *height : kDefaultMainHeight;
    }
}

void ReadDialogPositions(const IniDocument& file, Settings& settings) {
    for (int number = 1; number <= static_cast<int>(settings.dialogs.size()); ++number) {
        const std::string value = file.Value(kWindowGroup, WindowKey(number));
        if (value.empty()) {
            continue;
        }
        const std::vector<std::string> fields = SplitFields(value);
        WindowPosition& position = settings.dialogs[static_cast<std::size_t>(number - 1)];
        position.x = NumberField(fields, 1).value_or(position.x);
        position.y = NumberField(fields, 2).value_or(position.y);
    }
}

bool IsUsableWidth(int width) { return width >= kNarrowestWidth && width <= kWidestWidth; }

void ReadWidths(const IniDocument& file, Settings& settings) {
    const std::vector<std::string> fields = SplitFields(file.Value(kColumnGroup, kOrderWidthsKey));
    for (int i = 1; i < static_cast<int>(settings.widths.size()); ++i) {
        const int width = NumberField(fields, i).value_or(0);
        if (IsUsableWidth(width)) {
            settings.widths[static_cast<std::size_t>(i)] = width;
        }
    }
    const int splitter = IntegerOfText(file.Value(kColumnGroup, kSplitterKey));
    if (IsUsableWidth(splitter)) {
        settings.widths[kWidthSplitter] = splitter;
    }
}

std::string WidthsText(const Settings& settings) {
    std::string text;
    for (std::size_t i = 1; i < settings.widths.size(); ++i) {
        text += (i > 1 ? ";" : "") + std::to_string(settings.widths[i]);
    }
    return text;
}

// One stored column, or nothing when the entry is damaged: it needs exactly
// three fields with a content of 1-14, a positive width and an alignment
// that is not negative.
std::optional<ListColumn> ParseColumn(std::string_view value) {
    if (std::count(value.begin(), value.end(), ';') != 2) {
        return std::nullopt;
    }
    const std::vector<std::string> fields = SplitFields(value);
    const int content = IntegerOfText(fields[0]);
    const int width = IntegerOfText(fields[1]);
    const int alignment = IntegerOfText(fields[2]);
    if (content < 1 || content > kMaxListColumns || width <= 0 || alignment < 0) {
        return std::nullopt;
    }
    const bool known = alignment == kAlignRight || alignment == kAlignCentred;
    return MakeListColumn(content, std::clamp(width, kNarrowestColumn, kWidestColumn),
                          known ? alignment : kAlignLeft);
}

ColumnSet ReadColumns(const IniDocument& file) {
    ColumnSet columns;
    for (int number = 1; number <= kMaxListColumns; ++number) {
        if (std::optional<ListColumn> column =
                ParseColumn(file.Value(kColumnGroup, ColumnKey(number)))) {
            columns.push_back(std::move(*column));
        }
    }
    return columns;
}

std::string ColumnText(const ListColumn& column) {
    return std::to_string(column.content) + ";" + std::to_string(column.width) + ";" +
           std::to_string(column.alignment);
}

// A file without a single usable column gets the layout of a new
// installation. Whether the folder takes writes shows in "s7" read back.
ColumnSet WriteDefaultColumns(const std::string& file, Prompter& prompter) {
    const ColumnSet defaults = DefaultListColumns();
    FileChange changes(file);
    for (int number = 1; number <= kMaxListColumns; ++number) {
        changes.Set(kColumnGroup, ColumnKey(number), "");
    }
    for (std::size_t i = 0; i < defaults.size(); ++i) {
        changes.Set(kColumnGroup, ColumnKey(static_cast<int>(i) + 1), ColumnText(defaults[i]));
    }
    const bool written = Commit(changes);
    const std::shared_ptr<const IniDocument> readBack = ReadIniFile(file);
    if (written && readBack->Value(kColumnGroup, ColumnKey(7)) == kDefaultLayoutCheck) {
        return ReadColumns(*readBack);
    }
    prompter.Tell(messages::kTitleFailure, messages::kWriteFailed, MessageIcon::Error);
    // An empty list would leave the user with no column at all; the defaults
    // show the parts now and are offered for writing again at the next save.
    return defaults;
}

}  // namespace

bool WindowPosition::IsKnown() const { return x != kUnknownPosition && y != kUnknownPosition; }

bool MainWindowGeometry::IsKnown() const {
    return x != kUnknownPosition && y != kUnknownPosition && width != kUnknownPosition &&
           height != kUnknownPosition;
}

WindowPosition& Settings::Dialog(DialogWindow window) {
    return dialogs.at(static_cast<std::size_t>(static_cast<int>(window) - 1));
}

const WindowPosition& Settings::Dialog(DialogWindow window) const {
    return dialogs.at(static_cast<std::size_t>(static_cast<int>(window) - 1));
}

Settings LoadSettings(const std::string& folder, Prompter& prompter) {
    const std::string file = MainFilePath(folder);
    Settings settings;
    const std::shared_ptr<const IniDocument> stored = ReadIniFile(file);
    ReadMainWindow(*stored, settings.mainWindow);
    ReadDialogPositions(*stored, settings);

    if (!stored->Value(kColumnGroup, kOlderWidthsKey).empty()) {
        // Older settings kept the widths in another form: start from the
        // defaults in today's keys. A failure here is not worth a message;
        // the upgrade simply runs again at the next start.
        FileChange changes(file);
        changes.Set(kColumnGroup, kOlderWidthsKey, "");
        changes.Set(kColumnGroup, kSplitterKey, std::to_string(settings.widths[kWidthSplitter]));
        changes.Set(kColumnGroup, kOrderWidthsKey, WidthsText(settings));
        (void)Commit(changes);
    } else {
        ReadWidths(*stored, settings);
    }

    settings.columns = ReadColumns(*stored);
    if (settings.columns.empty()) {
        settings.columns = WriteDefaultColumns(file, prompter);
    }
    return settings;
}

ColumnSet ReadColumnDefinition(const std::string& folder) {
    ColumnSet columns = ReadColumns(*ReadIniFile(MainFilePath(folder)));
    return columns.empty() ? DefaultListColumns() : columns;
}

bool SaveSettings(const std::string& folder, const Settings& settings) {
    FileChange changes(MainFilePath(folder));
    const MainWindowGeometry& main = settings.mainWindow;
    // A maximised or minimised window's size is not the one to restore.
    if (main.normalState) {
        changes.Set(kWindowGroup, WindowKey(0),
                    std::to_string(main.x) + ";" + std::to_string(main.y) + ";" +
                        std::to_string(main.width) + ";" + std::to_string(main.height));
    }
    for (std::size_t i = 0; i < settings.dialogs.size(); ++i) {
        const WindowPosition& position = settings.dialogs[i];
        changes.Set(kWindowGroup, WindowKey(static_cast<int>(i) + 1),
                    std::to_string(position.x) + ";" + std::to_string(position.y));
    }
    changes.Set(kColumnGroup, kSplitterKey, std::to_string(settings.widths[kWidthSplitter]));
    changes.Set(kColumnGroup, kOrderWidthsKey, WidthsText(settings));
    const int count = std::min(static_cast<int>(settings.columns.size()), kMaxListColumns);
    for (int number = 1; number <= kMaxListColumns; ++number) {
        if (number <= count) {
            changes.Set(kColumnGroup, ColumnKey(number),
                        ColumnText(settings.columns[static_cast<std::size_t>(number - 1)]));
        } else {
            changes.Set(kColumnGroup, ColumnKey(number), "");
        }
    }
    return Commit(changes);
}
