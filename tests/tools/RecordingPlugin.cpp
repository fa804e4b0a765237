// Stands in for the print and statistics libraries: writes one line per call
// (function and arguments) to the file named by TEST_PLUGIN_RECORD, and one
// when it is loaded and when it is unloaded.
//
// With TEST_PLUGIN_GATE naming a folder, a print call first creates
// "entered-<number>" there and then waits for "open-<number>" before it
// records and returns, so a test can hold several jobs inside the library at
// once and let them leave in the order it chooses.

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <thread>

#include "PluginInterface.h"

namespace {

// Only a guard against a test that never opens the gate.
constexpr auto kGatePatience = std::chrono::seconds(30);

void Record(const std::string& line) {
    const char* path = std::getenv("TEST_PLUGIN_RECORD");
    if (path == nullptr) {
        return;
    }
    const int file = open(path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (file >= 0) {
        [[maybe_unused]] const ssize_t written = write(file, line.data(), line.size());
        close(file);
    }
}

void PassGate(int32_t number) {
    const char* gate = std::getenv("TEST_PLUGIN_GATE");
    if (gate == nullptr) {
        return;
    }
    const std::string folder = std::string(gate) + "/";
    const int entered =
        open((folder + "entered-" + std::to_string(number)).c_str(), O_WRONLY | O_CREAT, 0600);
    if (entered >= 0) {
        close(entered);
    }
    const std::string opened = folder + "open-" + std::to_string(number);
    const auto deadline = std::chrono::steady_clock::now() + kGatePatience;
    while (access(opened.c_str(), F_OK) != 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            Record("gate never opened\n");
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

int32_t RecordPrint(const char* function, const char* programName, int32_t number) {
    PassGate(number);
    Record(std::string(function) + " " + programName + " " + std::to_string(number) + "\n");
    return 1;
}

__attribute__((constructor)) void Loaded() { Record("loaded\n"); }

__attribute__((destructor)) void Unloaded() { Record("unloaded\n"); }

}  // namespace

extern "C" int32_t DruckeKategorie(const char* programName, int32_t number) {
    return RecordPrint("DruckeKategorie", programName, number);
}

extern "C" int32_t DruckeBestellung(const char* programName, int32_t orderNumber) {
    return RecordPrint("DruckeBestellung", programName, orderNumber);
}

extern "C" int32_t StatistikAnzeigen(void* parentWidget) {
    Record("StatistikAnzeigen " + std::to_string(reinterpret_cast<std::uintptr_t>(parentWidget)) +
           "\n");
    return 1;
}
