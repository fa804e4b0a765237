#include "CommandTable.h"

const std::vector<CommandEntry>& CommandEntries() {
    using enum Command;
    static const std::vector<CommandEntry> entries = {
        {NewCategory, "Neu", 0, 0, " Neue Kategorie anlegen "},
        {EditCategory, "Bearbeiten\tEingabe", 1, 1, " Kategorie/Bestellung bearbeiten "},
        {DeleteCategory, "Löschen\tEntf", 2, 2, " Kategorie löschen "},
        {Print, "Drucken", 13},
        {NewPart, "Neu", 0, 3, " Neues Teil anlegen "},
        {NewPartFromCopy, "Neu aus Kopie", 4, 4, " Neues Teil aus Kopie erstellen "},
        {EditPart, "Bearbeiten\tEingabe", 1, 5, " Teil bearbeiten "},
        {DeletePart, "Löschen\tEntf", 2, 6, " Teil löschen "},
        {CutPart, "Ausschneiden", 7, 7, " Teil ausschneiden "},
        {CopyPart, "Kopieren", 8, 8, " Teil kopieren "},
        {PastePart, "Einfügen", 9, 9, " Teil einfügen "},
        {OrderPart, "Bestellen\tStrg+B"},
        {Search, "Suchen", 10, 10, " Teil suchen "},
        {SortAscending, "Aufsteigend", kNoImage, 14, " Aufsteigend sortieren ", true},
        {SortDescending, "Absteigend", kNoImage, 15, " Absteigend sortieren ", true},
        {Zelvo, "Zelvo-Dekoder"},
        {Reglo, "reglo-Berechnung"},
        {CsvFiles, "CSV-Dateien erzeugen"},
        {Statistics, "Statistik"},
        {Tastomat, "Tastomat für PIC(R)"},
        {Compact, "Kompaktieren"},
        {UserInformation, "Benutzerinformation"},
        {ColumnDefinition, "Spaltendefinition"},
        {StayOnTop, "im Vordergrund", kNoImage, kNoImage, "", true},
        {SmallPrint, "Kleindruck (Bestelllung)", kNoImage, kNoImage, "", true},
        {Info, "Info"},
        {Quit, "Programm beenden"},
    };
    return entries;
}

const CommandEntry& EntryOf(Command command) {
    return CommandEntries()[static_cast<std::size_t>(command)];
}

const std::vector<MenuLayout>& MenuBarLayout() {
    using enum Command;
    static const std::vector<MenuLayout> menus = {
        {"Kategorie",
         {NewCategory, EditCategory, DeleteCategory, kSeparator, Print, kSeparator, Quit}},
        {"Teil",
         {NewPart, NewPartFromCopy, EditPart, DeletePart, kSeparator, CutPart, CopyPart, PastePart,
          kSeparator, OrderPart, kSeparator, Search}},
        {"Werkzeuge",
         {Zelvo, Reglo, Tastomat, kSeparator, Compact, CsvFiles, Statistics, kSeparator,
          UserInformation, ColumnDefinition, kSeparator, SmallPrint, StayOnTop}},
        {"Sortierung", {SortAscending, SortDescending}},
        {"Info", {Info}},
    };
    return menus;
}

const std::vector<BarEntry>& ToolBarLayout() {
    using enum Command;
    static const std::vector<BarEntry> buttons = {
        NewCategory, EditCategory, DeleteCategory, kSeparator,    NewPart,        NewPartFromCopy,
        EditPart,    DeletePart,   kSeparator,     CutPart,       CopyPart,       PastePart,
        kSeparator,  Search,       kSeparator,     SortAscending, SortDescending,
    };
    return buttons;
}
