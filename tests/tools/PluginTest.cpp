#include "PluginInterface.h"
#include "PrintJob.h"
#include "StatisticsCall.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <future>
#include <string>
#include <thread>

#include "TempFolder.h"
#include "ToolFolder.h"

namespace {

// Only a guard against a hanging job, never a measured expectation.
constexpr auto kPatience = std::chrono::seconds(30);

class PluginTest : public ::testing::Test {
protected:
    PluginTest() { setenv("TEST_PLUGIN_RECORD", record_.File("calls").c_str(), 1); }
    ~PluginTest() override {
        unsetenv("TEST_PLUGIN_RECORD");
        unsetenv("TEST_PLUGIN_GATE");
    }

    std::string Calls() const { return record_.Read("calls"); }

    // The job's outcome; Refused stands in when it hangs (the test then fails).
    static PluginCall Finish(std::future<PluginCall> job) {
        if (job.wait_for(kPatience) != std::future_status::ready) {
            ADD_FAILURE() << "print job did not finish";
            return PluginCall::Refused;
        }
        return job.get();
    }

    PluginCall Print(int tag) const { return Finish(StartPrintJob(programs_.Path(), tag)); }

    // Statistics with a main window that records its enabled state in the
    // call record, so the order of window and library call shows.
    PluginCall Statistics(void* window) {
        return ShowStatistics(programs_.Path(), window, [this](bool enabled) {
            windowEnabled_ = enabled;
            std::FILE* file = std::fopen(record_.File("calls").c_str(), "a");
            std::fprintf(file, "window %d\n", enabled ? 1 : 0);
            std::fclose(file);
        });
    }

    TempFolder programs_;
    TempFolder record_;
    bool windowEnabled_ = true;
};

}  // namespace

// The tree item decides the function and its number; the roots print nothing.
TEST_F(PluginTest, PrintCallsTheFunctionOfTheSelectedList) {
    CopyFileInto(programs_, RECORDING_PLUGIN, kPrintLibrary);

    EXPECT_EQ(Print(902), PluginCall::Called);
    EXPECT_EQ(Print(3), PluginCall::Called);
    EXPECT_EQ(Print(0), PluginCall::Called);
    EXPECT_EQ(Print(49), PluginCall::Called);
    EXPECT_EQ(Print(901), PluginCall::Called);
    EXPECT_EQ(Print(903), PluginCall::Called);
    // Each job loads the library for itself and unloads it again.
    const auto job = [](const std::string& call) { return "loaded\n" + call + "\nunloaded\n"; };
    const std::string printed = Calls();
    EXPECT_EQ(printed, job("DruckeBestellung Teile-Verwaltung 2") +
                           job("DruckeKategorie Teile-Verwaltung 3") +
                           job("DruckeKategorie Teile-Verwaltung 0") +
                           job("DruckeKategorie Teile-Verwaltung 49") +
                           job("DruckeBestellung Teile-Verwaltung 1") +
                           job("DruckeBestellung Teile-Verwaltung 3"));

    for (int tag : {800, 900, 50, 799, 904, -1}) {
        EXPECT_EQ(Print(tag), PluginCall::Refused) << tag;
    }
    EXPECT_EQ(Calls(), printed) << "nothing more was printed";
}

// The statistics run with the main window disabled, get the window as their
// parent, and the window comes back once the library is unloaded.
TEST_F(PluginTest, StatisticsRunOverTheDisabledMainWindow) {
    CopyFileInto(programs_, RECORDING_PLUGIN, kStatisticsLibrary);
    int mainWindow = 0;

    EXPECT_EQ(Statistics(&mainWindow), PluginCall::Called);
    EXPECT_EQ(Calls(), "loaded\nwindow 0\nStatistikAnzeigen " +
                           std::to_string(reinterpret_cast<std::uintptr_t>(&mainWindow)) +
                           "\nunloaded\nwindow 1\n");
    EXPECT_TRUE(windowEnabled_);
}

// A missing library, a library without the function, or a file that is no
// library: nothing is called, nothing fails, the window stays enabled.
TEST_F(PluginTest, MissingLibraryOrFunctionDoesNothing) {
    int mainWindow = 0;
    EXPECT_EQ(Print(902), PluginCall::NoLibrary);
    EXPECT_EQ(Print(4), PluginCall::NoLibrary);
    EXPECT_EQ(Statistics(&mainWindow), PluginCall::NoLibrary);

    // The statistics library beside the print library does not print, and
    // the other way round.
    CopyFileInto(programs_, RECORDING_PLUGIN, kStatisticsLibrary);
    EXPECT_EQ(Print(4), PluginCall::NoLibrary);
    std::filesystem::remove(programs_.File(kStatisticsLibrary));
    CopyFileInto(programs_, RECORDING_PLUGIN, kPrintLibrary);
    EXPECT_EQ(Statistics(&mainWindow), PluginCall::NoLibrary);

    CopyFileInto(programs_, EMPTY_PLUGIN, kPrintLibrary);
    CopyFileInto(programs_, EMPTY_PLUGIN, kStatisticsLibrary);
    EXPECT_EQ(Print(902), PluginCall::NoFunction);
    EXPECT_EQ(Print(4), PluginCall::NoFunction);
    EXPECT_EQ(Statistics(&mainWindow), PluginCall::NoFunction);

    programs_.Write(kPrintLibrary, "kein ELF");
    programs_.Write(kStatisticsLibrary, "");
    EXPECT_EQ(Print(4), PluginCall::NoLibrary);
    EXPECT_EQ(Statistics(&mainWindow), PluginCall::NoLibrary);

    EXPECT_EQ(Calls(), "");
    EXPECT_TRUE(windowEnabled_);
}

// Two jobs are inside the library at once while the caller goes on; the first
// to leave unloads its handle while the second still runs library code.
TEST_F(PluginTest, PrintJobsRunAtOnceEachWithItsOwnLibrary) {
    CopyFileInto(programs_, RECORDING_PLUGIN, kPrintLibrary);
    TempFolder gate;
    setenv("TEST_PLUGIN_GATE", gate.Path().c_str(), 1);
    const auto waitFor = [&gate](const char* name) {
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        while (!gate.Exists(name) && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return gate.Exists(name);
    };

    std::future<PluginCall> first = StartPrintJob(programs_.Path(), 7);
    std::future<PluginCall> second = StartPrintJob(programs_.Path(), 902);
    ASSERT_TRUE(waitFor("entered-7"));
    ASSERT_TRUE(waitFor("entered-2"));
    EXPECT_EQ(Calls(), "loaded\n") << "both jobs are still inside";

    gate.Write("open-7", "");
    EXPECT_EQ(Finish(std::move(first)), PluginCall::Called);
    EXPECT_EQ(second.wait_for(std::chrono::seconds(0)), std::future_status::timeout);
    gate.Write("open-2", "");
    EXPECT_EQ(Finish(std::move(second)), PluginCall::Called);
    // Loaded once, and unloaded only when the last job let go of it.
    EXPECT_EQ(Calls(),
              "loaded\n"
              "DruckeKategorie Teile-Verwaltung 7\n"
              "DruckeBestellung Teile-Verwaltung 2\n"
              "unloaded\n");
}
