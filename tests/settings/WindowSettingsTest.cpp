// Window positions, list widths and the column layout in "teile.dat", read
// and written on real files.

#include <gtest/gtest.h>

#include <filesystem>

#include "IniStore.h"
#include "ScriptedPrompter.h"
#include "TempFolder.h"
#include "WindowSettings.h"

namespace {

const std::string kCannotSave = "Datenspeichern nicht m\xF6glich !     ";

class WindowSettings : public ::testing::Test {
protected:
    // Loads a "teile.dat" holding `lines` (CR LF added); no message expected.
    Settings Load(const std::string& lines) {
        folder.Write("teile.dat", lines);
        const Settings settings = LoadSettings(folder.Path(), prompter);
        EXPECT_TRUE(prompter.messages.empty());
        return settings;
    }
    std::string Stored(std::string_view group, std::string_view key) const {
        return ReadIniValue(group, key, folder.File("teile.dat"));
    }
    void MakeReadOnly() const {
        std::filesystem::permissions(folder.File("teile.dat"), std::filesystem::perms::owner_read,
                                     std::filesystem::perm_options::replace);
    }

    TempFolder folder;
    ScriptedPrompter prompter;
};

// Every column below is usable, so no default layout interferes.
const std::string kOneColumn = "[spalte]\r\ns1=1;110;0\r\n";

TEST_F(WindowSettings, MainWindowGeometryNeedsAllFourFieldsAndAPositiveSize) {
    Settings s = Load("[fenster]\r\nf0= 10 ; -20 ; 640 ; 480 \r\n" + kOneColumn);
    EXPECT_EQ(s.mainWindow.x, 10);
    EXPECT_EQ(s.mainWindow.y, -20);
    EXPECT_EQ(s.mainWindow.width, 640);
    EXPECT_EQ(s.mainWindow.height, 480);
    EXPECT_TRUE(s.mainWindow.IsKnown());

    s = Load("[fenster]\r\nf0=10;20;0;-5\r\n" + kOneColumn);
    EXPECT_EQ(s.mainWindow.width, 800);
    EXPECT_EQ(s.mainWindow.height, 600);

    // Without the height the window stays centred at its default size.
    s = Load("[fenster]\r\nf0=10;20;700\r\n" + kOneColumn);
    EXPECT_EQ(s.mainWindow.width, 700);
    EXPECT_EQ(s.mainWindow.height, kUnknownPosition);
    EXPECT_FALSE(s.mainWindow.IsKnown());

    s = Load("[fenster]\r\nf0=\r\n" + kOneColumn);
    EXPECT_EQ(s.mainWindow.x, kUnknownPosition);
    EXPECT_EQ(s.mainWindow.width, kUnknownPosition);
    EXPECT_FALSE(s.mainWindow.IsKnown());
}

TEST_F(WindowSettings, DialogPositionsByKeyNumberWithoutRangeCheck) {
    Settings s = Load(
        "[fenster]\r\nf1=1;2\r\nf2=3;4\r\nf3=5;6\r\nf4=7;8\r\nf5=9;10\r\nf6=11;12\r\n"
        "f7=-40000;70000\r\nf8=15;16\r\n" +
        kOneColumn);
    EXPECT_EQ(s.Dialog(DialogWindow::PartEditor).x, 1);
    EXPECT_EQ(s.Dialog(DialogWindow::Category).y, 4);
    EXPECT_EQ(s.Dialog(DialogWindow::Search).x, 5);
    EXPECT_EQ(s.Dialog(DialogWindow::OrderPosition).y, 8);
    EXPECT_EQ(s.Dialog(DialogWindow::Order).x, 9);
    EXPECT_EQ(s.Dialog(DialogWindow::Supplier).y, 12);
    EXPECT_EQ(s.Dialog(DialogWindow::UserInformation).x, -40000);
    EXPECT_EQ(s.Dialog(DialogWindow::UserInformation).y, 70000);
    EXPECT_EQ(s.Dialog(DialogWindow::ColumnDefinition).y, 16);
    EXPECT_TRUE(s.Dialog(DialogWindow::ColumnDefinition).IsKnown());

    s = Load("[fenster]\r\nf1=30\r\nf2=\r\n" + kOneColumn);
    EXPECT_EQ(s.Dialog(DialogWindow::PartEditor).x, 30);
    EXPECT_EQ(s.Dialog(DialogWindow::PartEditor).y, kUnknownPosition);
    EXPECT_FALSE(s.Dialog(DialogWindow::PartEditor).IsKnown());
    EXPECT_FALSE(s.Dialog(DialogWindow::Category).IsKnown());
}

TEST_F(WindowSettings, SplitterAndOrderWidthsOnlyFrom21To1999) {
    Settings s = Load("[spalte]\r\nteiler=20\r\nbestellung=20;21;1999;2000;abc\r\ns1=1;110;0\r\n");
    EXPECT_EQ(s.widths, (std::array<int, 6>{150, 70, 21, 1999, 100, 100}));

    s = Load("[spalte]\r\nteiler=2000\r\n" + std::string("s1=1;110;0\r\n"));
    EXPECT_EQ(s.widths[kWidthSplitter], 150);
    s = Load("[spalte]\r\nteiler=21\r\nbestellung=80\r\ns1=1;110;0\r\n");
    EXPECT_EQ(s.widths, (std::array<int, 6>{21, 80, 100, 200, 100, 100}));
}

TEST_F(WindowSettings, OlderWidthKeyIsReplacedByTheStartWidths) {
    Settings s = Load(
        "[kategorie]\r\nk0=Dioden\r\n[spalte]\r\nbreite=1;2;3\r\nteiler=300\r\n"
        "bestellung=90;90;90;90;90\r\ns1=2;120;1\r\n");
    EXPECT_EQ(s.widths, (std::array<int, 6>{150, 70, 100, 200, 100, 100}));
    EXPECT_EQ(Stored("spalte", "breite"), "");
    EXPECT_EQ(Stored("spalte", "teiler"), "150");
    EXPECT_EQ(Stored("spalte", "bestellung"), "70;100;200;100;100");
    EXPECT_EQ(Stored("kategorie", "k0"), "Dioden");
    // The columns are read as usual.
    EXPECT_EQ(s.columns, (ColumnSet{MakeListColumn(2, 120, kAlignRight)}));
}

TEST_F(WindowSettings, DamagedColumnEntriesAreSkippedAndTheRestCloseUp) {
    const Settings s = Load(
        "[spalte]\r\n"
        "s1=1;30;0\r\n"    // raised to 50
        "s2=2;110;5\r\n"   // unknown alignment: left
        "s3=3;65\r\n"      // one ";"
        "s4=4;65;1;2\r\n"  // three ";"
        "s5=15;80;1\r\n"   // no such content
        "s6=0;80;1\r\n"
        "s7=5;0;1\r\n"    // no width
        "s8=6;80;-1\r\n"  // negative alignment
        "s9= 12 ; 80 ; 2 \r\n"
        "s10=x;80;1\r\n"
        "s13=13;99999999;1\r\n"
        "s14=14;60;1\r\n"
        "s15=9;60;1\r\n");  // beyond the fourteen columns
    const ColumnSet expected = {
        MakeListColumn(1, 50, kAlignLeft),     MakeListColumn(2, 110, kAlignLeft),
        MakeListColumn(12, 80, kAlignCentred), MakeListColumn(13, 9999, kAlignRight),
        MakeListColumn(14, 60, kAlignRight),
    };
    EXPECT_EQ(s.columns, expected);
    EXPECT_EQ(s.columns[2].title, "Lagerort");
    EXPECT_EQ(s.columns[4].title, "Soll");
    // Damaged entries are only skipped; the file keeps them.
    EXPECT_EQ(Stored("spalte", "s3"), "3;65");
}

TEST_F(WindowSettings, NoUsableColumnWritesAndShowsTheDefaultLayout) {
    const Settings s = Load("[kategorie]\r\nk0=Dioden\r\n[spalte]\r\ns3=3;65\r\ns9=20;50;0\r\n");
    ASSERT_EQ(s.columns.size(), 7u);
    const std::vector<std::string> titles = {"Bezeichnung", "Bemerkung", "UIP",     "Bauform",
                                             "Toleranz",    "Menge",     "Lagerort"};
    for (std::size_t i = 0; i < titles.size(); ++i) {
        EXPECT_EQ(s.columns[i].title, titles[i]);
    }
    EXPECT_EQ(s.columns[4].alignment, kAlignCentred);
    EXPECT_EQ(s.columns[5].alignment, kAlignCentred);
    EXPECT_EQ(s.columns, DefaultListColumns());
    const std::vector<std::string> stored = {"1;110;0", "2;110;0", "3;65;0",  "4;65;0",
                                             "5;65;2",  "13;65;2", "12;110;0"};
    for (std::size_t i = 0; i < stored.size(); ++i) {
        EXPECT_EQ(Stored("spalte", "s" + std::to_string(i + 1)), stored[i]);
    }
    EXPECT_EQ(Stored("spalte", "s9"), "");
    EXPECT_EQ(Stored("kategorie", "k0"), "Dioden");

    // A folder without "teile.dat" gets one with the layout.
    TempFolder fresh;
    EXPECT_EQ(LoadSettings(fresh.Path(), prompter).columns, DefaultListColumns());
    EXPECT_EQ(ReadIniValue("spalte", "s7", fresh.File("teile.dat")), "12;110;0");
    EXPECT_TRUE(prompter.messages.empty());
}

// Readers beside teile get the layout teile would show, and no file changes.
TEST_F(WindowSettings, ColumnDefinitionIsReadWithoutWriting) {
    const std::string bytes = "[spalte]\r\ns1=12;80;0\r\ns2=x\r\ns3=1;120;1\r\nbreite=1\r\n";
    folder.Write("teile.dat", bytes);
    ColumnSet read = ReadColumnDefinition(folder.Path());
    EXPECT_EQ(folder.Read("teile.dat"), bytes);
    EXPECT_EQ(read, LoadSettings(folder.Path(), prompter).columns);

    TempFolder fresh;
    EXPECT_EQ(ReadColumnDefinition(fresh.Path()), DefaultListColumns());
    EXPECT_FALSE(std::filesystem::exists(fresh.File("teile.dat")));
}

TEST_F(WindowSettings, DefaultLayoutThatCannotBeWrittenIsReportedAndStillShown) {
    const std::string bytes = "[kategorie]\r\nk0=Dioden\r\n[spalte]\r\ns1=1;110\r\n";
    folder.Write("teile.dat", bytes);
    MakeReadOnly();
    Settings s = LoadSettings(folder.Path(), prompter);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_FALSE(prompter.messages[0].question);
    EXPECT_EQ(prompter.messages[0].title, "Fehler!");
    EXPECT_EQ(prompter.messages[0].text, kCannotSave);
    EXPECT_EQ(prompter.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(s.columns, DefaultListColumns());
    EXPECT_EQ(folder.Read("teile.dat"), bytes);

    // A "teile.dat" that is a folder cannot be written either.
    TempFolder other;
    std::filesystem::create_directory(other.File("teile.dat"));
    ScriptedPrompter second;
    s = LoadSettings(other.Path(), second);
    ASSERT_EQ(second.messages.size(), 1u);
    EXPECT_EQ(second.messages[0].text, kCannotSave);
    EXPECT_EQ(s.columns, DefaultListColumns());
}

TEST_F(WindowSettings, SaveWritesMainWindowOnlyFromTheNormalState) {
    Settings s = Load(kOneColumn);
    s.mainWindow = {10, 20, 640, 480, true};
    ASSERT_TRUE(SaveSettings(folder.Path(), s));
    EXPECT_EQ(Stored("fenster", "f0"), "10;20;640;480");

    // Closed maximised: the last normal-state geometry stays.
    s.mainWindow = {0, 0, 1920, 1050, false};
    ASSERT_TRUE(SaveSettings(folder.Path(), s));
    EXPECT_EQ(Stored("fenster", "f0"), "10;20;640;480");
    EXPECT_EQ(LoadSettings(folder.Path(), prompter).mainWindow.width, 640);
}

TEST_F(WindowSettings, SaveWritesEveryDialogWidthAndOnlyTheColumnsInUse) {
    Settings s = Load(
        "[kategorie]\r\nk0=Dioden\r\n[fenster]\r\nf3=5;6\r\n[spalte]\r\n"
        "s1=1;110;0\r\ns2=2;110;0\r\ns3=3;65;0\r\ns4=4;65;0\r\ns12=12;80;0\r\n");
    ASSERT_EQ(s.columns.size(), 5u);
    s.Dialog(DialogWindow::Order) = {300, 200};
    s.widths = {180, 60, 90, 250, 110, 120};
    s.columns = {MakeListColumn(9, 70, kAlignRight), MakeListColumn(1, 200, kAlignLeft)};
    ASSERT_TRUE(SaveSettings(folder.Path(), s));

    EXPECT_EQ(Stored("fenster", "f1"), "999999;999999");
    EXPECT_EQ(Stored("fenster", "f3"), "5;6");
    EXPECT_EQ(Stored("fenster", "f5"), "300;200");
    EXPECT_EQ(Stored("fenster", "f8"), "999999;999999");
    EXPECT_EQ(Stored("spalte", "teiler"), "180");
    EXPECT_EQ(Stored("spalte", "bestellung"), "60;90;250;110;120");
    EXPECT_EQ(Stored("spalte", "s1"), "9;70;1");
    EXPECT_EQ(Stored("spalte", "s2"), "1;200;0");
    for (const char* gone : {"s3", "s4", "s12"}) {
        EXPECT_EQ(Stored("spalte", gone), "") << gone;
    }
    EXPECT_EQ(Stored("kategorie", "k0"), "Dioden");

    const Settings again = LoadSettings(folder.Path(), prompter);
    EXPECT_EQ(again.columns, s.columns);
    EXPECT_EQ(again.widths, s.widths);
    EXPECT_EQ(again.Dialog(DialogWindow::Order).x, 300);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(WindowSettings, SaveIntoAReadOnlyFileFailsAndLeavesItUntouched) {
    Settings s = Load("[kategorie]\r\nk0=Dioden\r\n" + kOneColumn);
    const std::string bytes = folder.Read("teile.dat");
    MakeReadOnly();
    s.widths[kWidthSplitter] = 400;
    EXPECT_FALSE(SaveSettings(folder.Path(), s));
    EXPECT_EQ(folder.Read("teile.dat"), bytes);
}

// A first start, the user's changes, the next start.
TEST_F(WindowSettings, FirstStartThenSaveThenLoadGivesBackTheSameSettings) {
    Settings first = LoadSettings(folder.Path(), prompter);
    EXPECT_FALSE(first.mainWindow.IsKnown());
    EXPECT_EQ(first.widths, (std::array<int, 6>{150, 70, 100, 200, 100, 100}));
    first.mainWindow = {50, 60, 1024, 700, true};
    first.Dialog(DialogWindow::PartEditor) = {120, 80};
    first.columns.pop_back();
    first.columns[0].width = 240;
    first.widths[kWidthSplitter] = 210;
    ASSERT_TRUE(SaveSettings(folder.Path(), first));

    const Settings next = LoadSettings(folder.Path(), prompter);
    EXPECT_EQ(next.mainWindow.x, 50);
    EXPECT_EQ(next.mainWindow.height, 700);
    EXPECT_EQ(next.Dialog(DialogWindow::PartEditor).y, 80);
    EXPECT_FALSE(next.Dialog(DialogWindow::Search).IsKnown());
    EXPECT_EQ(next.columns, first.columns);
    EXPECT_EQ(next.widths, first.widths);
    EXPECT_EQ(Stored("spalte", "s7"), "");
    EXPECT_TRUE(prompter.messages.empty());
}

}  // namespace
