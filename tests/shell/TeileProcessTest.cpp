// The built program, started as a user starts it: from its own folder holding
// a copy of the demo database (the program folder is where the program lies).

#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <thread>

#include "ChildProcess.h"
#include "IniStore.h"
#include "TempFolder.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// Every file below the folder with its bytes.
std::map<std::string, std::string> Snapshot(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            std::ifstream in(entry.path(), std::ios::binary);
            files[fs::relative(entry.path(), folder).string()] =
                std::string(std::istreambuf_iterator<char>(in), {});
        }
    }
    return files;
}

class TeileProcess : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        fs::copy(DEMO_DATA_DIR, program.Path(), fs::copy_options::recursive);
        fs::copy_file(SUITE_PROGRAM_DIR "teile", program.File("teile"));
    }

    pid_t StartTeile() {
        std::string path = program.File("teile");
        char* arguments[] = {path.data(), nullptr};
        pid_t pid = -1;
        return posix_spawn(&pid, path.c_str(), nullptr, nullptr, arguments, environ) == 0 ? pid
                                                                                          : -1;
    }

    TempFolder runtime;
    TempFolder program;
};

TEST_F(TeileProcess, SigtermWritesTheSettingsAndNothingElse) {
    const auto before = Snapshot(program.Path());
    const pid_t teile = StartTeile();
    ASSERT_GT(teile, 0);
    ASSERT_TRUE(WaitUntilTitleClaimed(teile));
    std::this_thread::sleep_for(300ms);  // let it reach its event loop; not required
    kill(teile, SIGTERM);
    ASSERT_TRUE(EndsWithStatusZero(teile));

    const auto after = Snapshot(program.Path());
    ASSERT_EQ(after.size(), before.size());  // no stray temporary file
    for (const auto& [name, bytes] : before) {
        if (name != "teile.dat") {
            EXPECT_EQ(after.at(name), bytes) << name;
        }
    }
    const IniDocument old = IniDocument::Parse(before.at("teile.dat"));
    const IniDocument now = IniDocument::Parse(after.at("teile.dat"));
    for (const char* group : {"kategorie", "Adressen"}) {
        ASSERT_EQ(now.Entries(group).size(), old.Entries(group).size()) << group;
        for (const IniEntry& entry : old.Entries(group)) {
            EXPECT_EQ(now.Value(group, entry.key), entry.value) << entry.key;
        }
    }
    // The settings are there: the window was centred at 800 x 600.
    EXPECT_NE(now.Value("fenster", "f0"), "");
    EXPECT_TRUE(now.Value("fenster", "f0").ends_with(";800;600")) << now.Value("fenster", "f0");
    EXPECT_EQ(now.Value("fenster", "f8"), "999999;999999");
    EXPECT_EQ(now.Value("spalte", "teiler"), "180");
    EXPECT_EQ(now.Value("spalte", "bestellung"), "70;110;220;90;90");
    EXPECT_EQ(now.Value("spalte", "s9"), "9;60;1");
}

TEST_F(TeileProcess, SecondStartEndsWithoutWindowOrFileChange) {
    const pid_t first = StartTeile();
    ASSERT_GT(first, 0);
    ASSERT_TRUE(WaitUntilTitleClaimed(first));
    const auto before = Snapshot(program.Path());

    const pid_t second = StartTeile();
    ASSERT_GT(second, 0);
    EXPECT_TRUE(EndsWithStatusZero(second));
    EXPECT_EQ(Snapshot(program.Path()), before);
    EXPECT_TRUE(StillRunning(first));

    kill(first, SIGINT);
    EXPECT_TRUE(EndsWithStatusZero(first));
}

}  // namespace
