#include "DesktopTerminal.h"
#include "ToolProcesses.h"
#include "window/SingleInstance.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "ScopedVariable.h"
#include "TempFolder.h"
#include "ToolFolder.h"

namespace {

// Only a guard against a hanging program, never a measured expectation.
constexpr int kPatienceMilliseconds = 30000;

constexpr int kZelvo = 0;
constexpr int kReglo = 1;
constexpr int kDranko = 2;
constexpr int kTastomat = 3;

constexpr char kZelvoTitle[] = " Zelvo-Dekoder";
constexpr char kTastomatTitle[] = " Tastomat f\xC3\xBCr PIC(R)-Mikrorechner";

int LineCount(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

int CsvFileCount(const TempFolder& programs) {
    int files = 0;
    std::error_code missing;
    for (const auto& entry : std::filesystem::directory_iterator(programs.File("csv"), missing)) {
        files += entry.path().extension() == ".csv" ? 1 : 0;
    }
    return files;
}

class ToolProcessTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QCoreApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "tools_tests";
            static char* argv[] = {name, nullptr};
            new QCoreApplication(argc, argv);
        }
    }

    // The window tools claim their titles in a folder of this test, so a tool
    // the developer has open does not count. The started tools inherit it.
    ToolProcessTest() { setenv("XDG_RUNTIME_DIR", runtime_.Path().c_str(), 1); }

    static bool WaitFor(const std::function<bool()>& condition) {
        return QTest::qWaitFor(condition, kPatienceMilliseconds);
    }

    // A window tool is up once it holds its title.
    static bool TitleTaken(const char* title) { return WindowTitleClaim::Claim(title) == nullptr; }

    TempFolder runtime_;
    TempFolder programs_;
};

}  // namespace

// At most one process per slot: a running tool is not started again; once it
// has ended, the next start starts it anew.
TEST_F(ToolProcessTest, AToolRunsOnceAtATime) {
    CopyProgram(programs_, "zelvo");
    ToolProcesses tools(programs_.Path(), QString());

    tools.StartTool(kZelvo);
    const qint64 first = tools.ProcessId(kZelvo);
    ASSERT_GT(first, 0);
    ASSERT_TRUE(WaitFor([] { return TitleTaken(kZelvoTitle); }));
    tools.StartTool(kZelvo);
    EXPECT_EQ(tools.ProcessId(kZelvo), first);
    EXPECT_TRUE(tools.IsRunning(kZelvo));

    // The user closes it.
    kill(static_cast<pid_t>(first), SIGTERM);
    ASSERT_TRUE(WaitFor([&] { return !tools.IsRunning(kZelvo); }));
    EXPECT_FALSE(TitleTaken(kZelvoTitle));

    tools.StartTool(kZelvo);
    EXPECT_NE(tools.ProcessId(kZelvo), first);
    EXPECT_TRUE(tools.IsRunning(kZelvo));
    EXPECT_TRUE(WaitFor([] { return TitleTaken(kZelvoTitle); }));
}

// A missing or empty program file, or a slot without a tool: nothing starts.
TEST_F(ToolProcessTest, AMissingOrEmptyProgramStartsNothing) {
    ToolProcesses tools(programs_.Path(), QString());
    WriteScript(programs_, "reglo", "");

    for (int slot : {kReglo, kTastomat, 4, 11, -1, 12}) {
        EXPECT_FALSE(tools.StartTool(slot).has_value()) << slot;
        EXPECT_EQ(tools.ProcessId(slot), 0) << slot;
        EXPECT_FALSE(tools.IsRunning(slot)) << slot;
    }
    // A folder of the tool's name is no program either.
    std::filesystem::create_directory(programs_.File("tastomat"));
    tools.StartTool(kTastomat);
    EXPECT_EQ(tools.ProcessId(kTastomat), 0);
}

// Shutdown ends every tool still running: window tools as from their close
// box, one that ignores that request by force, and a console tool without a
// message about what it printed.
TEST_F(ToolProcessTest, TerminateAllEndsEveryRunningTool) {
    CopyProgram(programs_, "zelvo");
    CopyProgram(programs_, "tastomat");
    // reglo is not ours; this one refuses SIGTERM (ignored stays ignored
    // across exec) and says when it is ready.
    WriteScript(programs_, "reglo", "#!/bin/sh\ntrap '' TERM\n: > \"$0.ready\"\nexec sleep 600\n");
    // A console tool that takes its time.
    WriteScript(programs_, "dranko", "#!/bin/sh\necho Hallo\n: > \"$0.ready\"\nexec sleep 600\n");
    ToolProcesses tools(programs_.Path(), QString());
    QSignalSpy output(&tools, &ToolProcesses::ConsoleOutput);

    for (int slot : {kZelvo, kReglo, kDranko, kTastomat}) {
        tools.StartTool(slot);
    }
    ASSERT_TRUE(WaitFor([] { return TitleTaken(kZelvoTitle) && TitleTaken(kTastomatTitle); }));
    ASSERT_TRUE(WaitFor([&] { return programs_.Exists("reglo.ready"); }));
    ASSERT_TRUE(WaitFor([&] { return programs_.Exists("dranko.ready"); }));
    const qint64 reglo = tools.ProcessId(kReglo);

    tools.TerminateAll();
    for (int slot : {kZelvo, kReglo, kDranko, kTastomat}) {
        EXPECT_FALSE(tools.IsRunning(slot)) << slot;
    }
    EXPECT_TRUE(ProcessEnded(static_cast<pid_t>(reglo)));
    EXPECT_FALSE(TitleTaken(kZelvoTitle));
    EXPECT_FALSE(TitleTaken(kTastomatTitle));
    QCoreApplication::processEvents();
    EXPECT_EQ(output.count(), 0);
}

// When teile dies without its shutdown (killed, crashed), its tools go with
// it instead of living on as orphans.
TEST_F(ToolProcessTest, ToolsEndWithTeileEvenWhenItIsKilled) {
    CopyProgram(programs_, "zelvo");
    QProcess owner;
    owner.setProcessChannelMode(QProcess::ForwardedChannels);
    owner.start(QStringLiteral(SUITE_PROGRAM_DIR "tool_owner"),
                {QString::fromStdString(programs_.Path())});
    ASSERT_TRUE(WaitFor([&] { return programs_.Exists("zelvo.pid"); }));
    const pid_t zelvo = std::stoi(programs_.Read("zelvo.pid"));
    ASSERT_GT(zelvo, 0);
    ASSERT_TRUE(WaitFor([] { return TitleTaken(kZelvoTitle); }));

    owner.kill();
    ASSERT_TRUE(owner.waitForFinished(kPatienceMilliseconds));
    EXPECT_TRUE(WaitFor([&] { return ProcessEnded(zelvo); }));
    EXPECT_TRUE(WaitFor([] { return !TitleTaken(kZelvoTitle); }));
    if (!ProcessEnded(zelvo)) {
        kill(zelvo, SIGKILL);  // an orphan would hold the test runner's output open
    }
}

// Without a terminal nobody could answer dranko's closing prompt: it is told
// to skip it, and what it printed is handed on.
TEST_F(ToolProcessTest, DrankoWithoutATerminalHandsOnItsOutput) {
    CopyProgram(programs_, "dranko");
    CopyDemoData(programs_);
    ToolProcesses tools(programs_.Path(), QString());
    QSignalSpy output(&tools, &ToolProcesses::ConsoleOutput);

    tools.StartTool(kDranko);
    ASSERT_TRUE(WaitFor([&] { return output.count() == 1; }));
    EXPECT_EQ(output.at(0).at(0).toInt(), kDranko);
    const QString text = output.at(0).at(1).toString();
    EXPECT_TRUE(text.contains(QStringLiteral("Bearbeite Kategorie: Widerst\u00E4nde")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Vorgang abgeschlossen!")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("Vorgang abgeschlossen!"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Enter")));
    EXPECT_FALSE(tools.IsRunning(kDranko));

    EXPECT_EQ(CsvFileCount(programs_), 9);
}

// A terminal whose launcher hands the window to a server and returns at once,
// as gnome-terminal does: dranko runs on as nobody's child of ours, and is
// still tracked as running, kept to one copy and ended at shutdown.
TEST_F(ToolProcessTest, DrankoInATerminalIsTrackedItself) {
    CopyProgram(programs_, "dranko");
    CopyDemoData(programs_);
    TempFolder desk;
    // The terminal's keyboard: held open here, so dranko waits at its prompt.
    ASSERT_EQ(mkfifo(desk.File("keyboard").c_str(), 0600), 0);
    const int keyboard = open(desk.File("keyboard").c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(keyboard, 0);
    WriteScript(desk, "terminal",
                "#!/bin/sh\n"
                "echo \"$*\" >> '" +
                    desk.File("calls") +
                    "'\n"
                    "[ \"$1\" = -e ] || exit 2\n"
                    "shift\n"
                    "cd /\n"
                    "\"$@\" < '" +
                    desk.File("keyboard") + "' > '" + desk.File("screen") +
                    "' 2>&1 &\n"
                    "echo $! > '" +
                    desk.File("pid") + "'\n");
    ToolProcesses tools(programs_.Path(), QString::fromStdString(desk.File("terminal")));
    const auto atPrompt = [&desk] {
        return desk.Read("screen").find("'Enter'") != std::string::npos;
    };

    tools.StartTool(kDranko);
    tools.StartTool(kDranko);
    ASSERT_TRUE(WaitFor(atPrompt));
    const pid_t dranko = std::stoi(desk.Read("pid"));
    const auto launcher = static_cast<pid_t>(tools.ProcessId(kDranko));
    ASSERT_TRUE(WaitFor([&] { return ProcessEnded(launcher); }));
    tools.StartTool(kDranko);
    EXPECT_TRUE(tools.IsRunning(kDranko));
    EXPECT_EQ(LineCount(desk.Read("calls")), 1);
    EXPECT_EQ(desk.Read("calls").rfind("-e /bin/sh /", 0), 0u) << desk.Read("calls");
    EXPECT_EQ(CsvFileCount(programs_), 9);
    // teile's current directory, although the terminal went elsewhere.
    EXPECT_EQ(std::filesystem::read_symlink("/proc/" + std::to_string(dranko) + "/cwd"),
              std::filesystem::current_path());

    tools.TerminateAll();
    EXPECT_TRUE(ProcessEnded(dranko));
    EXPECT_FALSE(tools.IsRunning(kDranko));

    // Ended, it starts anew; this time the user answers the prompt.
    tools.StartTool(kDranko);
    ASSERT_TRUE(WaitFor([&] { return LineCount(desk.Read("calls")) == 2; }));
    ASSERT_TRUE(WaitFor([&] { return std::stoi("0" + desk.Read("pid")) != dranko && atPrompt(); }));
    EXPECT_TRUE(tools.IsRunning(kDranko));
    ASSERT_EQ(write(keyboard, "\n", 1), 1);
    EXPECT_TRUE(WaitFor([&] { return !tools.IsRunning(kDranko); }));
    close(keyboard);
}

// The terminal is the desktop's x-terminal-emulator, and only where a display
// can show it.
TEST_F(ToolProcessTest, ATerminalIsUsedOnlyOnADesktop) {
    WriteScript(programs_, "x-terminal-emulator", "#!/bin/sh\n");
    const QString terminal = QString::fromStdString(programs_.File("x-terminal-emulator"));
    ScopedVariable path("PATH", programs_.Path().c_str());
    {
        ScopedVariable display("DISPLAY", ":0");
        ScopedVariable wayland("WAYLAND_DISPLAY", nullptr);
        EXPECT_EQ(FindDesktopTerminal(), terminal);
    }
    {
        ScopedVariable display("DISPLAY", nullptr);
        ScopedVariable wayland("WAYLAND_DISPLAY", "wayland-0");
        EXPECT_EQ(FindDesktopTerminal(), terminal);
    }
    {
        ScopedVariable display("DISPLAY", nullptr);
        ScopedVariable wayland("WAYLAND_DISPLAY", nullptr);
        EXPECT_EQ(FindDesktopTerminal(), QString());
    }
    ScopedVariable display("DISPLAY", ":0");
    ScopedVariable noTerminal("PATH", runtime_.Path().c_str());
    EXPECT_EQ(FindDesktopTerminal(), QString());
}
