#include "CommandTable.h"

const std::vector<CommandEntry>& CommandEntries() {
    static const std::vector<CommandEntry> entries = {
        {kCommandNewCategory, "Neu", 0, 0, " Neue Kategorie anlegen "},
        {kCommandEditCategory, "Bearbeiten\tEingabe", 1, 1, " Kategorie/Bestellung bearbeiten "},
        {kCommandDeleteCategory, "Löschen\tEntf", 2, 2, " Kategorie löschen "},
        {kCommandPrint, "Drucken", 13},
        {kCommandNewPart, "Neu", 0, 3, " Neues Teil anlegen "},
        {kCommandNewPartFromCopy, "Neu aus Kopie", 4, 4, " Neues Teil aus Kopie erstellen "},
        {kCommandEditPart, "Bearbeiten\tEingabe", 1, 5, " Teil bearbeiten "},
        {kCommandDeletePart, "Löschen\tEntf", 2, 6, " Teil löschen "},
        {kCommandCutPart, "Ausschneiden", 7, 7, " Teil ausschneiden "},
        {kCommandCopyPart, "Kopieren", 8, 8, " Teil kopieren "},
        {kCommandPastePart, "Einfügen", 9, 9, " Teil einfügen "},
        {kCommandOrderPart, "Bestellen\tStrg+B"},
        {kCommandSearch, "Suchen", 10, 10, " Teil suchen "},
        {kCommandSortAscending, "Aufsteigend", kNoImage, 14, " Aufsteigend sortieren ", true},
        {kCommandSortDescending, "Absteigend", kNoImage, 15, " Absteigend sortieren ", true},
        {kCommandZelvo, "Zelvo-Dekoder"},
        {kCommandReglo, "reglo-Berechnung"},
        {kCommandCsvFiles, "CSV-Dateien erzeugen"},
        {kCommandStatistics, "Statistik"},
        {kCommandTastomat, "Tastomat für PIC(R)"},
        {kCommandCompact, "Kompaktieren"},
        {kCommandUserInformation, "Benutzerinformation"},
        {kCommandColumnDefinition, "Spaltendefinition"},
        {kCommandStayOnTop, "im Vordergrund", kNoImage, kNoImage, "", true},
        {kCommandSmallPrint, "Kleindruck (Bestelllung)", kNoImage, kNoImage, "", true},
        {kCommandInfo, "Info"},
        {kCommandQuit, "Programm beenden"},
    };
    return entries;
}

const std::vector<MenuLayout>& MenuBarLayout() {
    static const std::vector<MenuLayout> menus = {
        {"Kategorie",
         {kCommandNewCategory, kCommandEditCategory, kCommandDeleteCategory, kSeparator,
          kCommandPrint, kSeparator, kCommandQuit}},
        {"Teil",
         {kCommandNewPart, kCommandNewPartFromCopy, kCommandEditPart, kCommandDeletePart,
          kSeparator, kCommandCutPart, kCommandCopyPart, kCommandPastePart, kSeparator,
          kCommandOrderPart, kSeparator, kCommandSearch}},
        {"Werkzeuge",
         {kCommandZelvo, kCommandReglo, kCommandTastomat, kSeparator, kCommandCompact,
          kCommandCsvFiles, kCommandStatistics, kSeparator, kCommandUserInformation,
          kCommandColumnDefinition, kSeparator, kCommandSmallPrint, kCommandStayOnTop}},
        {"Sortierung", {kCommandSortAscending, kCommandSortDescending}},
        {"Info", {kCommandInfo}},
    };
    return menus;
}

const std::vector<int>& ToolBarLayout() {
    static const std::vector<int> buttons = {
        kCommandNewCategory,
        kCommandEditCategory,
        kCommandDeleteCategory,
        kSeparator,
        kCommandNewPart,
        kCommandNewPartFromCopy,
        kCommandEditPart,
        kCommandDeletePart,
        kSeparator,
        kCommandCutPart,
        kCommandCopyPart,
        kCommandPastePart,
        kSeparator,
        kCommandSearch,
        kSeparator,
        kCommandSortAscending,
        kCommandSortDescending,
    };
    return buttons;
}
