// "Suchen" in the search dialog on the largest database, offscreen: each press
// walks on to the next part whose name or remark holds "499", which is in
// another category almost every time, so a press mostly finds the category,
// reads, sorts and shows its 500 parts and selects and scrolls to the hit.
// Each measured press ends with the events it caused processed, the repaint
// of the list included.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <memory>

#include "CategoryTreeView.h"
#include "CommandDispatcher.h"
#include "CommandTable.h"
#include "DialogFrame.h"
#include "LargestDatabase.h"
#include "MainWindow.h"
#include "ShellBench.h"
#include "TeileProgram.h"

namespace {

// The name ("<stem> <value> 499") or remark ("..., Los 1499") of the
// selected row holds the search text.
bool SelectedRowIsAHit(TeileProgram& program) {
    const QTableView& list = *program.Window().List();
    const QModelIndexList rows = list.selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        return false;
    }
    const QAbstractItemModel& model = *list.model();
    const int row = rows.first().row();
    return model.index(row, 0).data().toString().contains("499") ||
           model.index(row, 1).data().toString().contains("499");
}

void SearchNextHit(benchmark::State& state) {
    auto program = StartedProgram();
    program->Dispatcher().Dispatch(Command::Search);
    QDialog* dialog = program->Dialogs().OpenDialog();
    if (!dialog) {
        state.SkipWithError("no search dialog");
        return;
    }
    dialog->findChild<QLineEdit*>("searchTextField")->setText("499");
    auto* search = dialog->findChild<QPushButton*>("searchButton");
    Settle();
    int categoryChanges = 0;
    int presses = 0;
    for (auto _ : state) {
        const TreeEntryId before = program->Window().Tree()->Selected();
        search->click();
        Settle();
        state.PauseTiming();
        ++presses;
        categoryChanges += program->Window().Tree()->Selected() != before ? 1 : 0;
        const bool hit = SelectedRowIsAHit(*program);
        state.ResumeTiming();
        if (!hit) {
            state.SkipWithError("the selected row is no hit");
            break;
        }
    }
    state.counters["categoryChanges"] =
        benchmark::Counter(presses > 0 ? static_cast<double>(categoryChanges) / presses : 0.0);
    program->Dialogs().Close();
}
BENCHMARK(SearchNextHit)->Unit(benchmark::kMillisecond);

}  // namespace
