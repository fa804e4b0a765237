// Opening the statistics on the largest database as a call of the library
// does it: every file read anew (the library forgets what it read after each
// call), the figures computed, the dialog with its tables and charts built,
// shown and painted offscreen.

#include <benchmark/benchmark.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QTableView>

#include <memory>

#include "IniStore.h"
#include "LargestDatabase.h"
#include "OffscreenBenchmarks.h"
#include "window/StatisticsDialog.h"

namespace {

// Made in main() and gone before the program's static objects: its removal
// still talks to the store's snapshots.
const TemporaryDatabase* database = nullptr;

bool ShowsEveryPart(const StatisticsDialog& dialog) {
    const auto* stock = dialog.findChild<QTableView*>("stockTable");
    const auto* shortage = dialog.findChild<QTableView*>("shortageTable");
    return stock && shortage && stock->model()->rowCount() == 51 &&
           shortage->model()->rowCount() == 5000;
}

void OpenStatistics(benchmark::State& state) {
    for (auto _ : state) {
        ForgetIniSnapshots();
        std::unique_ptr<StatisticsDialog> dialog = ::OpenStatistics(database->Folder(), nullptr);
        dialog->show();
        QApplication::processEvents();  // laid out and painted
        state.PauseTiming();
        if (!dialog->isVisible() || !ShowsEveryPart(*dialog)) {
            state.SkipWithError("statistics not shown with every part");
            break;
        }
        dialog.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenStatistics)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    const TemporaryDatabase largest;
    database = &largest;
    return RunOffscreenBenchmarks<QApplication>(argc, argv);
}
