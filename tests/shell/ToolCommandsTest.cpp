// The menu reaches the tools and plug-ins: the real built programs started
// from "Werkzeuge", the stand-in print and statistics library called with the
// selection of the window. How the processes and libraries behave in detail
// is the business of the tool tests; here only what the user's choice does.

#include <QAction>
#include <QApplication>
#include <QTest>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include <sys/types.h>
#include <unistd.h>

#include "CategoryTreeView.h"
#include "CommandActions.h"
#include "CommandTable.h"
#include "DialogInput.h"
#include "MainWindow.h"
#include "PluginInterface.h"
#include "ScopedVariable.h"
#include "ShellTestSupport.h"
#include "TempFolder.h"
#include "ToolFolder.h"
#include "ToolProcesses.h"
#include "window/SingleInstance.h"

namespace {

constexpr char kZelvoTitle[] = " Zelvo-Dekoder";
constexpr char kTastomatTitle[] = " Tastomat f\xC3\xBCr PIC(R)-Mikrorechner";

// Processes this test program started and has not reaped yet, running or
// ended, counted from /proc rather than asked of teile. A copy started just
// now counts even before it has become the tool.
int ChildProcesses() {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line)) {
            continue;
        }
        // State and parent follow the command name, which is in parentheses.
        const std::size_t close = line.rfind(')');
        if (close != std::string::npos && close + 4 < line.size() &&
            std::atoi(line.c_str() + close + 4) == getpid()) {
            ++count;
        }
    }
    return count;
}

int CsvFileCount(const TempFolder& folder) {
    int files = 0;
    std::error_code missing;
    for (const auto& entry : std::filesystem::directory_iterator(folder.File("csv"), missing)) {
        files += entry.path().extension() == ".csv" ? 1 : 0;
    }
    return files;
}

class ToolCommandsTest : public ShellTest {
protected:
    // A window tool holds its title once it is up.
    static bool TitleTaken(const char* title) { return WindowTitleClaim::Claim(title) == nullptr; }

    void Choose(Command command) { MenuItem(command)->trigger(); }
    std::string Calls() const { return record_.Read("calls"); }

    // The window tools claim their titles in a folder of this test, so one
    // the developer has open does not count.
    TempFolder runtime_;
    ScopedVariable runtimeFolder_{"XDG_RUNTIME_DIR", runtime_.Path()};
    TempFolder record_;
    ScopedVariable pluginRecord_{"TEST_PLUGIN_RECORD", record_.File("calls")};
};

TEST_F(ToolCommandsTest, ZelvoChosenTwiceWhileItRunsStartsOneProcess) {
    CopyProgram(folder, "zelvo");
    Start();

    Choose(Command::Zelvo);
    ASSERT_TRUE(WaitFor([] { return TitleTaken(kZelvoTitle); }));
    const qint64 first = program->Tools().ProcessId(0);
    ASSERT_EQ(ChildProcesses(), 1);
    Choose(Command::Zelvo);
    EXPECT_EQ(ChildProcesses(), 1);
    EXPECT_EQ(program->Tools().ProcessId(0), first);
}

TEST_F(ToolCommandsTest, QuittingEndsAToolStartedFromTheMenu) {
    CopyProgram(folder, "tastomat");
    Start();
    Choose(Command::Tastomat);
    ASSERT_TRUE(WaitFor([] { return TitleTaken(kTastomatTitle); }));
    const auto tastomat = static_cast<pid_t>(program->Tools().ProcessId(3));
    ASSERT_GT(tastomat, 0);

    Quit("Ja");
    EXPECT_TRUE(ended);
    EXPECT_TRUE(ProcessEnded(tastomat));
    EXPECT_FALSE(TitleTaken(kTastomatTitle));
}

// Without a terminal the user reads what dranko printed in a box "Info".
TEST_F(ToolCommandsTest, CsvFilesWithoutATerminalAreWrittenAndTheirOutputShown) {
    CopyDemo();
    CopyProgram(folder, "dranko");
    Start();

    boxes.Answer("OK");
    Choose(Command::CsvFiles);
    ASSERT_TRUE(WaitFor([this] { return !boxes.seen.empty(); }));
    const MessageBoxes::Seen& box = boxes.seen.front();
    EXPECT_TRUE(ShowsBox(box, {"Info", box.text, QMessageBox::Information, {"OK"}}));
    EXPECT_TRUE(box.text.contains(QStringLiteral("Bearbeite Kategorie: Widerst\u00E4nde")))
        << box.text.toStdString();
    // The box ends where dranko did: no request to press Enter.
    EXPECT_TRUE(box.text.endsWith(QStringLiteral("Vorgang abgeschlossen!")));
    EXPECT_EQ(CsvFileCount(folder), 9);
    EXPECT_TRUE(boxes.AllAnswered());
    EXPECT_EQ(boxes.seen.size(), 1u);
}

// A program file that is there but cannot run is named in a box with the
// reason; a missing or empty one is still passed over in silence.
TEST_F(ToolCommandsTest, AToolThatCannotStartIsNamedWithTheReason) {
    namespace fs = std::filesystem;
    struct Case {
        Command command;
        const char* file;
        fs::perms permissions;
        const char* reason;  // null: no box
    };
    const fs::perms executable = fs::perms::owner_all | fs::perms::group_exec;
    const Case cases[] = {
        // As after a copy from a Windows share: no execute bit at all, which
        // stops even root.
        {Command::Zelvo, "zelvo", fs::perms::owner_read | fs::perms::owner_write,
         "Die Datei hat kein Ausf\u00FChrungsrecht."},
        {Command::Tastomat, "tastomat", executable,
         "Die Datei ist kein ausf\u00FChrbares Programm."},
        {Command::Reglo, "reglo", executable, nullptr},
        {Command::CsvFiles, "dranko", executable, nullptr},
    };
    CopyProgram(folder, "zelvo");
    Write("tastomat", "Hallo\n");  // text without an interpreter line
    Write("reglo", "");
    // dranko is missing.
    for (const Case& c : cases) {
        if (folder.Exists(c.file)) {
            fs::permissions(folder.File(c.file), c.permissions);
        }
    }
    Start();

    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        boxes.seen.clear();
        if (c.reason != nullptr) {
            boxes.Answer("OK");
            boxes.whenShown = [&c] {
                GrabIfAsked(QApplication::activeModalWidget(),
                            (std::string("toolNotStarted-") + c.file).c_str());
            };
        }
        Choose(c.command);
        QCoreApplication::processEvents();
        if (c.reason == nullptr) {
            EXPECT_TRUE(boxes.seen.empty());
            continue;
        }
        ASSERT_TRUE(WaitFor([this] { return !boxes.seen.empty(); }));
        const MessageBoxes::Seen& box = boxes.seen.front();
        EXPECT_EQ(box.title, "Fehler!");
        EXPECT_EQ(box.icon, QMessageBox::Critical);
        EXPECT_EQ(box.buttons, QStringList{"OK"});
        EXPECT_EQ(box.text, "Programm konnte nicht gestartet werden!\n" +
                                QString::fromStdString(folder.File(c.file)) + "\n" +
                                QString::fromUtf8(c.reason) + "     ");
    }
    EXPECT_TRUE(boxes.AllAnswered());
}

// The selected tree entry decides what is printed, and the window goes on
// while the library is still at work.
TEST_F(ToolCommandsTest, PrintHandsTheSelectedListToThePrintLibrary) {
    CopyDemo();
    // Printing wants an order list with positions.
    Write("k902.dat", "[teil]\r\nmax=0\r\nt0=k4t0;3;0\r\n");
    CopyFileInto(folder, RECORDING_PLUGIN, kPrintLibrary);
    TempFolder gate;
    ScopedVariable gateFolder("TEST_PLUGIN_GATE", gate.Path());
    Start();

    ClickTreeEntry("Elektronik-Kontor");
    ASSERT_TRUE(Enabled(Command::Print));
    Choose(Command::Print);
    // The job waits inside the library; the menu command has long returned.
    ASSERT_TRUE(WaitFor([&gate] { return gate.Exists("entered-2"); }));
    EXPECT_EQ(Calls(), "loaded\n");
    EXPECT_TRUE(Window().isEnabled());
    ClickTreeEntry("Transistoren");
    EXPECT_EQ(Tree()->Selected(), TreeEntryId::List(3));
    gate.Write("open-2", "");
    ASSERT_TRUE(WaitFor([this] { return Calls().find("unloaded\n") != std::string::npos; }));
    EXPECT_EQ(Calls(), "loaded\nDruckeBestellung Teile-Verwaltung 2\nunloaded\n");

    gate.Write("open-3", "");
    Choose(Command::Print);
    const std::string category = "loaded\nDruckeKategorie Teile-Verwaltung 3\nunloaded\n";
    EXPECT_TRUE(WaitFor([&] { return Calls().ends_with(category); })) << Calls();
}

// Statistics get the main window as their parent and give it back enabled and
// active; without the library nothing happens and the window stays usable.
TEST_F(ToolCommandsTest, StatisticsGiveTheMainWindowBackEnabled) {
    CopyDemo();
    Start();

    Choose(Command::Statistics);
    EXPECT_EQ(Calls(), "");
    EXPECT_TRUE(Window().isEnabled());
    EXPECT_TRUE(boxes.seen.empty());

    CopyFileInto(folder, RECORDING_PLUGIN, kStatisticsLibrary);
    Choose(Command::Statistics);
    const auto parent = reinterpret_cast<std::uintptr_t>(static_cast<QWidget*>(&Window()));
    EXPECT_EQ(Calls(), "loaded\nStatistikAnzeigen " + std::to_string(parent) + "\nunloaded\n");
    EXPECT_TRUE(Window().isEnabled());
    EXPECT_TRUE(WaitFor([this] { return QApplication::activeWindow() == &Window(); }));
}

}  // namespace
