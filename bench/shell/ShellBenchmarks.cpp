// The main window of teile on the largest database, offscreen: start-up to the
// shown window with its first 500-part list, choosing another category or an
// order list, and sorting 500 rows by a header click. Each measured step ends
// with the events it caused processed, the repaint of the list included.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableView>

#include <memory>

#include "CategoryTreeView.h"
#include "CommandDispatcher.h"
#include "LargestDatabase.h"
#include "MainWindow.h"
#include "ShellBench.h"
#include "TeileProgram.h"

namespace {

bool ShowsRows(TeileProgram& program, int rows) {
    return program.Window().List()->model()->rowCount() == rows;
}

void TeileStartup(benchmark::State& state) {
    for (auto _ : state) {
        auto program = StartedProgram();
        state.PauseTiming();
        if (!ShowsRows(*program, 500)) {
            state.SkipWithError("first category not full");
            break;
        }
        program.reset();
        Settle();
        state.ResumeTiming();
    }
}
BENCHMARK(TeileStartup)->Unit(benchmark::kMillisecond);

// Two full categories in turn: every selection reads, sorts and shows one.
void SelectCategory(benchmark::State& state) {
    auto program = StartedProgram();
    CategoryTreeView& tree = *program->Window().Tree();
    int index = 1;
    for (auto _ : state) {
        index = index == 1 ? 2 : 1;
        tree.SelectIndex(index);
        Settle();
    }
    if (!ShowsRows(*program, 500)) {
        state.SkipWithError("category not full");
    }
}
BENCHMARK(SelectCategory)->Unit(benchmark::kMillisecond);

// Two order lists of 500 positions in turn.
void SelectOrderList(benchmark::State& state) {
    auto program = StartedProgram();
    CategoryTreeView& tree = *program->Window().Tree();
    tree.Select(TreeEntryId::List(901));
    Settle();
    int tag = 901;
    for (auto _ : state) {
        tag = tag == 901 ? 902 : 901;
        tree.Select(TreeEntryId::List(tag));
        Settle();
    }
    if (!ShowsRows(*program, 501)) {  // with the "Gesamtsumme:" row
        state.SkipWithError("order list not full");
    }
}
BENCHMARK(SelectOrderList)->Unit(benchmark::kMillisecond);

// A header click on "Bemerkung", then on "Bezeichnung", in turn.
void SortByColumn(benchmark::State& state) {
    auto program = StartedProgram();
    int column = 0;
    for (auto _ : state) {
        column = column == 0 ? 1 : 0;
        program->Dispatcher().HeaderClicked(column);
        Settle();
    }
    if (!ShowsRows(*program, 500)) {
        state.SkipWithError("category not full");
    }
}
BENCHMARK(SortByColumn)->Unit(benchmark::kMillisecond);

}  // namespace
