// scripts/install as a user runs it, into a home folder of the test: the
// programs and menu entries appear, a second run updates the programs and
// leaves the data alone, and every entry passes desktop-file-validate.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "ScopedVariable.h"
#include "TempFolder.h"

namespace fs = std::filesystem;

namespace {

const char* const kPrograms[] = {"teile", "zelvo", "tastomat", "dranko", "reglo"};
const char* const kWindowPrograms[] = {"teile", "zelvo", "tastomat", "reglo"};

struct CommandRun {
    int status = -1;
    std::string output;
};

// A shell command's exit status and everything it printed.
CommandRun RunCommand(const std::string& command) {
    CommandRun run;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    std::array<char, 4096> buffer{};
    while (const std::size_t read = fread(buffer.data(), 1, buffer.size(), pipe)) {
        run.output.append(buffer.data(), read);
    }
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string Quoted(const std::string& path) {
    std::string quoted = "'";
    for (const char c : path) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

CommandRun Install(const std::string& programFolder = "") {
    std::string command = "bash " + Quoted(SOURCE_DIR "/scripts/install");
    if (!programFolder.empty()) {
        command += " " + Quoted(programFolder);
    }
    return RunCommand(command);
}

std::string ReadAll(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

bool Executable(const fs::path& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && (info.st_mode & S_IXUSR) != 0;
}

class InstallScript : public ::testing::Test {
protected:
    // The built programs and a stand-in plug-in in a folder of their own, so
    // the test does not depend on which plug-ins happen to be built.
    InstallScript() {
        for (const char* program : kPrograms) {
            fs::copy_file(std::string(SUITE_PROGRAM_DIR) + program, built.File(program));
        }
        built.Write("libvellum.so", "stand-in");
    }

    void ExpectInstalled(const fs::path& programs, const fs::path& dataHome) {
        for (const char* program : kPrograms) {
            EXPECT_EQ(ReadAll(programs / program), built.Read(program)) << program;
            EXPECT_TRUE(Executable(programs / program)) << program;
        }
        EXPECT_EQ(ReadAll(programs / "libvellum.so"), "stand-in");
        EXPECT_FALSE(fs::exists(dataHome / "applications/teile-suite-dranko.desktop"));
        for (const char* program : kWindowPrograms) {
            const fs::path entry =
                dataHome / "applications" / ("teile-suite-" + std::string(program) + ".desktop");
            SCOPED_TRACE(entry.string());
            const std::string text = ReadAll(entry);
            EXPECT_NE(text.find("Icon=teile-suite-" + std::string(program) + "\n"),
                      std::string::npos);
            EXPECT_TRUE(fs::exists(dataHome / "icons/hicolor/scalable/apps" /
                                   ("teile-suite-" + std::string(program) + ".svg")));
            const CommandRun validate =
                RunCommand("desktop-file-validate " + Quoted(entry.string()));
            EXPECT_EQ(validate.status, 0);
            EXPECT_EQ(validate.output, "");
        }
    }

    TempFolder built;
    TempFolder home;
    ScopedVariable programDir{"SUITE_PROGRAM_DIR", built.Path()};
    ScopedVariable homeDir{"HOME", home.Path()};
};

// The whole flow: first install with the defaults, the user works with the
// data, a second install updates the programs and leaves the data alone.
TEST_F(InstallScript, InstallsAndUpdatesWithoutTouchingTheData) {
    ScopedVariable noDataHome("XDG_DATA_HOME", nullptr);
    const fs::path dataHome = home.File(".local/share");
    const fs::path programs = dataHome / "teile-suite";

    const CommandRun first = Install();
    ASSERT_EQ(first.status, 0) << first.output;
    ExpectInstalled(programs, dataHome);
    EXPECT_EQ(ReadAll(programs / "teile.dat"), ReadAll(SOURCE_DIR "/data/demo/teile.dat"));
    EXPECT_TRUE(fs::exists(programs / "bilder/ne555.jpg"));
    const std::string entry = ReadAll(dataHome / "applications/teile-suite-teile.desktop");
    EXPECT_NE(entry.find("Exec=\"" + (programs / "teile").string() + "\"\n"), std::string::npos)
        << entry;
    EXPECT_NE(entry.find("Categories=Office;Electronics;\n"), std::string::npos);

    // The user's own data, and a program that has gone stale.
    const std::string ownData = "[kategorie]\r\nk0=Eigene Teile\r\n";
    std::ofstream(programs / "teile.dat", std::ios::binary) << ownData;
    fs::remove(programs / "k1.dat");
    std::ofstream(programs / "reglo", std::ios::binary) << "old";

    const CommandRun second = Install();
    ASSERT_EQ(second.status, 0) << second.output;
    ExpectInstalled(programs, dataHome);
    EXPECT_EQ(ReadAll(programs / "teile.dat"), ownData);
    EXPECT_FALSE(fs::exists(programs / "k1.dat"));
    EXPECT_NE(second.output.find("vorhandene Daten"), std::string::npos) << second.output;
}

// A folder given by name (blank, dollar and percent in it) and XDG_DATA_HOME:
// the entries still start the right program.
TEST_F(InstallScript, TakesTheGivenFolderAndTheDesktopDataHome) {
    const fs::path dataHome = home.File("daten");
    ScopedVariable dataHomeVariable("XDG_DATA_HOME", dataHome.string());
    const fs::path programs = home.File("Mein Lager $HOME 100%");

    const CommandRun run = Install(programs.string());
    ASSERT_EQ(run.status, 0) << run.output;
    ExpectInstalled(programs, dataHome);
    EXPECT_FALSE(fs::exists(home.File(".local")));
    const std::string entry = ReadAll(dataHome / "applications/teile-suite-reglo.desktop");
    EXPECT_NE(entry.find("Exec=\"" + home.Path() + "Mein Lager \\\\$HOME 100%%/reglo\"\n"),
              std::string::npos)
        << entry;
}

TEST_F(InstallScript, WithoutBuiltProgramsItSaysSoAndInstallsNothing) {
    fs::remove(built.File("reglo"));
    const fs::path programs = home.File("suite");
    const CommandRun run = Install(programs.string());
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.output.find("Nicht gebaut"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("reglo"), std::string::npos);
    EXPECT_FALSE(fs::exists(programs));
}

}  // namespace
