// Start-up and shutdown: what the window shows first, which geometry it takes,
// the question before quitting, and what is saved.

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTableView>
#include <QTest>

#include <filesystem>
#include <functional>
#include <utility>
#include <vector>

#include "CategoryTreeView.h"
#include "CommandActions.h"
#include "CommandDispatcher.h"
#include "CommandTable.h"
#include "IniStore.h"
#include "MainWindow.h"
#include "ShellTestSupport.h"
#include "ToolProcesses.h"
#include "compaction/CompactionJournal.h"

namespace {

using StartAndQuit = ShellTest;

QPoint CentredAt800x600() {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    return {screen.x() + (screen.width() - 800) / 2, screen.y() + (screen.height() - 600) / 2};
}

TEST_F(StartAndQuit, DemoDatabaseOpensOnItsFirstCategory) {
    CopyDemo();
    Start();
    EXPECT_EQ(Window().windowTitle(), " Teile-Verwaltung");
    EXPECT_EQ(Tree()->Selected(), TreeEntryId::List(2));  // "Dioden" comes first by name
    EXPECT_EQ(Tree()->currentItem()->text(0), "Dioden");
    EXPECT_EQ(CategoryCountText(), "9 Kategorie(n)");
    EXPECT_EQ(ListStatusText(), "6 Teil(e) in dieser Kategorie");
    EXPECT_EQ(List()->model()->rowCount(), 6);
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_TRUE(Enabled(Command::NewPart));
    EXPECT_FALSE(Enabled(Command::DeleteCategory));  // it has parts
    EXPECT_FALSE(Enabled(Command::PastePart));
    EXPECT_TRUE(MenuItem(Command::SortAscending)->isChecked());
    EXPECT_FALSE(MenuItem(Command::SmallPrint)->isChecked());
    EXPECT_FALSE(MenuItem(Command::StayOnTop)->isChecked());
}

TEST_F(StartAndQuit, NoCategoryLeavesOnlyNewCategoryAndQuit) {
    Write("teile.dat", "[spalte]\r\ns1=1;110;0\r\n");
    Start();
    EXPECT_EQ(Tree()->Selected(), TreeEntryId::CategoryRoot());
    EXPECT_EQ(CategoryCountText(), "0 Kategorie(n)");
    EXPECT_EQ(ListStatusText(), "Kategorie ausw\u00e4hlen");
    EXPECT_TRUE(Enabled(Command::NewCategory));
    for (Command command : CommandsFrom(Command::EditCategory, Command::Search)) {
        EXPECT_FALSE(Enabled(command)) << command;
    }
    EXPECT_TRUE(Enabled(Command::Quit));
    // Enter in the tree with "Bearbeiten" disabled does nothing.
    Tree()->setFocus();
    QTest::keyClick(Tree(), Qt::Key_Return);
    EXPECT_EQ(OpenDialog(), nullptr);
}

TEST_F(StartAndQuit, RememberedGeometryOnlyWhenAllFourValuesAreKnown) {
    Write("teile.dat", "[fenster]\r\nf0=10;20;500\r\n[spalte]\r\ns1=1;110;0\r\n");
    Start();
    EXPECT_EQ(Window().size(), QSize(800, 600));
    EXPECT_EQ(Window().pos(), CentredAt800x600());
    program.reset();

    Write("teile.dat", "[fenster]\r\nf0=30;40;640;480\r\n[spalte]\r\ns1=1;110;0\r\n");
    ForgetIniSnapshots();
    Start();
    EXPECT_EQ(Window().size(), QSize(640, 480));
    EXPECT_EQ(Window().pos(), QPoint(30, 40));
}

TEST_F(StartAndQuit, SmallPrintIsCheckedOnlyForExactlyJA) {
    for (const char* value : {"JA", "ja"}) {
        Write("teile.dat",
              std::string("[ausgabe]\r\nklein=") + value + "\r\n[spalte]\r\ns1=1;110;0\r\n");
        ForgetIniSnapshots();
        Start();
        EXPECT_EQ(MenuItem(Command::SmallPrint)->isChecked(), std::string(value) == "JA") << value;
        program.reset();
    }
}

TEST_F(StartAndQuit, NoToTheQuestionKeepsEverything) {
    CopyDemo();
    Start();
    const std::string before = Read("teile.dat");
    ClickTreeEntry("Bauteilhaus");
    Quit("Nein");
    ASSERT_TRUE(ShowedBoxes(
        boxes,
        {{"Frage ?", "Programm beenden ?     ", QMessageBox::Question, {"Ja", "Nein"}, "Nein"}}));
    EXPECT_FALSE(ended);
    EXPECT_TRUE(Window().isVisible());
    EXPECT_EQ(Read("teile.dat"), before);
    EXPECT_EQ(Tree()->Selected(), TreeEntryId::List(901));
    EXPECT_EQ(List()->model()->rowCount(), 6);

    // The close box of the active window asks the same question.
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    boxes.Answer("Nein");
    Window().close();
    EXPECT_EQ(boxes.seen.size(), 2u);
    EXPECT_TRUE(Window().isVisible());
    EXPECT_FALSE(ended);
}

TEST_F(StartAndQuit, YesSavesTheSettingsAndEndsRunningTools) {
    CopyDemo();
    Start();
    Window().move(50, 60);
    Window().resize(700, 500);
    // A stand-in for zelvo that runs until it is ended.
    Write("zelvo", "#!/bin/sh\nexec sleep 60\n");
    std::filesystem::permissions(folder.File("zelvo"), std::filesystem::perms::owner_all);
    program->Tools().StartTool(0);
    ASSERT_TRUE(program->Tools().IsRunning(0));
    Quit("Ja");
    EXPECT_TRUE(boxes.AllAnswered());
    EXPECT_TRUE(ended);
    EXPECT_FALSE(Window().isVisible());
    EXPECT_FALSE(program->Tools().IsRunning(0));
    EXPECT_EQ(Stored("fenster", "f0"), "50;60;700;500");
    EXPECT_EQ(Stored("fenster", "f2"), "999999;999999");
    EXPECT_EQ(Stored("spalte", "teiler"), "180");
    EXPECT_EQ(Stored("kategorie", "k2"), "Dioden");
}

TEST_F(StartAndQuit, QuittingMaximisedKeepsTheLastNormalGeometry) {
    Write("teile.dat", "[fenster]\r\nf0=10;20;700;500\r\n[spalte]\r\ns1=1;110;0\r\n");
    Start();
    Window().showMaximized();
    ASSERT_TRUE(WaitFor([&] { return Window().isMaximized(); }));
    Quit("Ja");
    EXPECT_TRUE(ended);
    EXPECT_EQ(Stored("fenster", "f0"), "10;20;700;500");
}

// A termination signal, and a close request while another program is in
// front (the session ends): no question, and the settings are saved.
TEST_F(StartAndQuit, AnEndWithoutTheQuestionSavesTheSettingsSilently) {
    const std::vector<std::pair<const char*, std::function<void()>>> ends = {
        {"signal", [this] { program->EndWithoutQuestion(); }},
        {"close request while inactive",
         [this] {
             QApplication::setActiveWindow(nullptr);
             ASSERT_EQ(QApplication::activeWindow(), nullptr);
             Window().close();
         }},
    };
    for (const auto& [end, how] : ends) {
        Write("teile.dat", "[spalte]\r\ns1=1;110;0\r\n");
        ForgetIniSnapshots();
        ended = false;
        Start();
        Window().move(70, 80);
        how();
        EXPECT_TRUE(boxes.seen.empty()) << end;
        EXPECT_TRUE(ended) << end;
        EXPECT_EQ(Stored("fenster", "f0"), "70;80;800;600") << end;
        program.reset();
    }
}

TEST_F(StartAndQuit, TerminationWhileTheQuestionIsOpenEndsOnce) {
    Write("teile.dat", "[spalte]\r\ns1=1;110;0\r\n");
    Start();
    int ends = 0;
    QObject::connect(program.get(), &TeileProgram::Ended, [&] { ++ends; });
    // The signal comes while the question waits for its answer.
    boxes.whenShown = [&] { program->EndWithoutQuestion(); };
    Quit("Nein");
    EXPECT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(ends, 1);
    EXPECT_FALSE(Window().isVisible());
    EXPECT_NE(Stored("fenster", "f0"), "");
}

TEST_F(StartAndQuit, FailedRecoveryIsReportedAndTheStartGoesOn) {
    CopyDemo();
    Write(std::string(kCompactionJournalName), "kein Journal dieses Programms\r\n");
    boxes.Answer("OK");
    Start();
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].title, "Fehler!");
    EXPECT_TRUE(boxes.seen[0].text.startsWith("Eine unterbrochene Kompaktierung"))
        << boxes.seen[0].text.toStdString();
    EXPECT_TRUE(boxes.seen[0].text.endsWith("     "));
    EXPECT_EQ(boxes.seen[0].icon, QMessageBox::Critical);
    EXPECT_EQ(CategoryCountText(), "9 Kategorie(n)");
}

TEST_F(StartAndQuit, InterruptedCompactionIsRolledBackBeforeTheListIsRead) {
    CopyDemo();
    const std::string list = Read("k2.dat");
    // A prepared file without a journal: the compaction never committed.
    Write(PreparedFileName("k2.dat"), "[teil]\r\nt0=nur vorbereitet;;;;;;;;;;;;0;0\r\n");
    Start();
    EXPECT_TRUE(boxes.seen.empty());
    EXPECT_FALSE(folder.Exists(PreparedFileName("k2.dat")));
    EXPECT_EQ(Read("k2.dat"), list);
    EXPECT_EQ(List()->model()->rowCount(), 6);
}

}  // namespace
