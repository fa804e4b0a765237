// The whole `dranko` run on the largest database, as the user starts it:
// a fresh process that reads every data file and writes 50 CSV files.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "DataFiles.h"
#include "LargestDatabase.h"

extern char** environ;

namespace {

// Runs the program with "x /FRAGNICHT": the switch only counts as the second
// argument. Its console text goes to /dev/null, and so that a prompt that is
// not suppressed cannot hang the benchmark, standard input is /dev/null too.
// The exit status, or -1 when the process could not be run; `cpuSeconds`
// grows by the user and system time the process took.
int RunExport(const std::string& program, double& cpuSeconds) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::string name = "dranko";
    std::string first = "x";
    std::string second = "/FRAGNICHT";
    char* arguments[] = {name.data(), first.data(), second.data(), nullptr};
    pid_t child = 0;
    const int failed = posix_spawn(&child, program.c_str(), &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        return -1;
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status)) {
        return -1;
    }
    cpuSeconds += static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                  static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    return WEXITSTATUS(status);
}

int CountCsvFiles(const std::string& folder) {
    int count = 0;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder + "csv", error)) {
        if (entry.path().extension() == ".csv") {
            ++count;
        }
    }
    return count;
}

void BM_DrankoExportLargestDatabase(benchmark::State& state) {
    const TemporaryDatabase database;
    // The program takes its data from its own folder, so it runs from a copy
    // placed beside the generated files.
    const std::string program = database.Folder() + "dranko";
    std::error_code error;
    std::filesystem::copy_file(DRANKO_PROGRAM, program, error);
    if (error) {
        state.SkipWithError(("cannot copy " DRANKO_PROGRAM ": " + error.message()).c_str());
        return;
    }
    // One run outside the measurement warms the file cache and proves that the
    // export did its work: one file per named category.
    double cpuSeconds = 0;
    if (RunExport(program, cpuSeconds) != 0 || CountCsvFiles(database.Folder()) != kCategoryCount) {
        state.SkipWithError("dranko did not export the 50 categories");
        return;
    }
    cpuSeconds = 0;
    for (auto _ : state) {
        if (RunExport(program, cpuSeconds) != 0) {
            state.SkipWithError("dranko failed");
            break;
        }
    }
    // The wall time includes waiting for a busy machine; this is what the
    // export itself cost.
    state.counters["process_cpu_ms"] =
        benchmark::Counter(cpuSeconds * 1e3, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_DrankoExportLargestDatabase)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
