// teile's menu item "reglo-Berechnung" (command 16) starts the built reglo
// from the program folder, once at a time, and ends it when teile quits.

#include <QAction>

#include <sys/types.h>

#include "CommandActions.h"
#include "CommandTable.h"
#include "ScopedVariable.h"
#include "ShellTestSupport.h"
#include "TempFolder.h"
#include "ToolFolder.h"
#include "ToolProcesses.h"
#include "window/SingleInstance.h"

namespace {

constexpr char kRegloTitle[] = " Reglo - Spannungsregler";
constexpr int kRegloSlot = 1;

class RegloCommandTest : public ShellTest {
protected:
    static bool TitleTaken() { return WindowTitleClaim::Claim(kRegloTitle) == nullptr; }

    // reglo claims its title in a folder of this test, so one the developer
    // has open does not count.
    TempFolder runtime_;
    ScopedVariable runtimeFolder_{"XDG_RUNTIME_DIR", runtime_.Path()};
};

TEST_F(RegloCommandTest, TheMenuStartsTheBuiltRegloOnce) {
    CopyProgram(folder, "reglo");
    Start();
    ASSERT_EQ(MenuItem(Command::Reglo)->text().remove('&'), "reglo-Berechnung");

    MenuItem(Command::Reglo)->trigger();
    ASSERT_TRUE(WaitFor([] { return TitleTaken(); }));
    const auto reglo = static_cast<pid_t>(program->Tools().ProcessId(kRegloSlot));
    ASSERT_GT(reglo, 0);
    MenuItem(Command::Reglo)->trigger();
    EXPECT_EQ(program->Tools().ProcessId(kRegloSlot), reglo);

    Quit("Ja");
    EXPECT_TRUE(ended);
    EXPECT_TRUE(ProcessEnded(reglo));
    EXPECT_FALSE(TitleTaken());
}

}  // namespace
