#pragma once
#include <array>
#include <string>

#include "Prompter.h"         // Prompter (teile/database)
#include "lists/ListState.h"  // ColumnSet, ListColumn, DefaultListColumns (teile/database)

// A coordinate no window has been given yet.
inline constexpr int kUnknownPosition = 999999;

// The dialogs whose screen positions are remembered; the value is the number of
// their key in group "fenster" ("f1" ... "f8").
enum class DialogWindow : int {
    PartEditor = 1,        // window 1,  "f1"
    Category = 2,          // window 2,  "f2"
    Search = 3,            // window 5,  "f3"
    OrderPosition = 4,     // window 10, "f4"
    Order = 5,             // window 11, "f5"
    Supplier = 6,          // window 3,  "f6"
    UserInformation = 7,   // window 4,  "f7"
    ColumnDefinition = 8,  // window 12, "f8"
};

struct WindowPosition {
    int x = kUnknownPosition;
    int y = kUnknownPosition;
    bool IsKnown() const;  // neither is kUnknownPosition
};

struct MainWindowGeometry {
    int x = kUnknownPosition;
    int y = kUnknownPosition;
    int width = kUnknownPosition;   // client width
    int height = kUnknownPosition;  // client height
    // Whether the window was in its normal state (neither maximised nor
    // minimised) when the values were taken; "f0" is saved only then.
    bool normalState = true;
    bool IsKnown() const;  // all four values known
};

// Order-list column widths and the splitter: WidthTable.
inline constexpr int kWidthSplitter = 0;  // entries 1-5: "Menge" ... "Gesamtpreis"

struct Settings {
    MainWindowGeometry mainWindow;
    std::array<WindowPosition, 8> dialogs;                      // index = key number - 1
    std::array<int, 6> widths = {150, 70, 100, 200, 100, 100};  // WidthTable
    ColumnSet columns;                                          // ColumnTable, in display order

    WindowPosition& Dialog(DialogWindow window);
    const WindowPosition& Dialog(DialogWindow window) const;
};

// Reads folder + "teile.dat" (groups "fenster" and "spalte"). Writes the default
// column layout when no usable column is stored (and the "breite" upgrade);
// when that write cannot be read back it tells "Datenspeichern nicht möglich !"
// through the prompter and the columns in memory are the default layout.
Settings LoadSettings(const std::string& folder, Prompter& prompter);

// The column definition of category lists alone, read without ever writing
// (for readers beside teile, such as printing): the layout of a new
// installation, in memory only, when no usable column is stored.
ColumnSet ReadColumnDefinition(const std::string& folder);

// Writes everything back; "f0" only when mainWindow.normalState. Keys "s<n>"
// beyond the columns in use are removed. False when a write failed.
bool SaveSettings(const std::string& folder, const Settings& settings);
