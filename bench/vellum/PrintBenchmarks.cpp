// What a print job costs on the largest database: reading the list, laying
// out the pages, writing the PDF and claiming its name in "druck". The
// preview that opens afterwards on the user-interface thread is not part of
// it; the job's thread returns before it.

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <cstdio>
#include <optional>

#include "LargestDatabase.h"
#include "OffscreenBenchmarks.h"
#include "PrintTask.h"

namespace {

const TemporaryDatabase& Database() {
    static const TemporaryDatabase database;
    return database;
}

void MeasurePrint(benchmark::State& state, PrintKind kind, int number) {
    const std::string& folder = Database().Folder();
    for (auto _ : state) {
        const std::optional<PrintResult> result =
            PrintToFolder(folder, kind, number, [] { return false; });
        if (!result || !result->pdfPath) {
            state.SkipWithError("the PDF was not kept");
            break;
        }
        // Each print of the day would otherwise look for a higher number.
        state.PauseTiming();
        std::remove(result->pdfPath->c_str());
        state.ResumeTiming();
    }
}

// Category 0: 500 parts in the columns of a new installation.
void PrintCategory(benchmark::State& state) { MeasurePrint(state, PrintKind::Category, 0); }
BENCHMARK(PrintCategory)->Unit(benchmark::kMillisecond)->UseRealTime();

// Supplier 1: 500 positions.
void PrintOrder(benchmark::State& state) { MeasurePrint(state, PrintKind::Order, 1); }
BENCHMARK(PrintOrder)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return RunOffscreenBenchmarks<QGuiApplication>(argc, argv); }
