// Loading the lists the main window shows, on the largest database, with the
// file snapshots warm as they are while the program runs.

#include <benchmark/benchmark.h>

#include "LargestDatabase.h"
#include "Prompter.h"
#include "lists/CategoryTree.h"
#include "lists/PartList.h"
#include "search/Search.h"

namespace {

const TemporaryDatabase& Database() {
    static const TemporaryDatabase database;
    return database;
}

// A full category of 500 parts read, sorted by a text column and displayed.
void CategoryList(benchmark::State& state) {
    const std::string& folder = Database().Folder();
    const ColumnSet columns = DefaultListColumns();
    SortState sort;
    sort.categorySortColumn = 1;  // remark after name: both sorts do real work
    for (auto _ : state) {
        PartListLoad load = FillPartList(folder, 17, 250, columns, sort);
        benchmark::DoNotOptimize(load);
        if (load.RowCount() != 500) {
            state.SkipWithError("category not full");
            break;
        }
    }
}
BENCHMARK(CategoryList)->Unit(benchmark::kMillisecond);

// An order list of 500 positions naming parts in many categories.
void OrderList(benchmark::State& state) {
    const std::string& folder = Database().Folder();
    const ColumnSet columns = DefaultListColumns();
    SortState sort;
    sort.orderSortColumn = 4;
    for (auto _ : state) {
        PartListLoad load = FillPartList(folder, 902, -1, columns, sort);
        benchmark::DoNotOptimize(load);
        if (load.RowCount() != 500) {
            state.SkipWithError("order list not full");
            break;
        }
    }
}
BENCHMARK(OrderList)->Unit(benchmark::kMillisecond);

class NoAnswers : public Prompter {
public:
    Answer Ask(const std::string&, const std::string&, MessageIcon, Answer answer) override {
        return answer;
    }
    void Tell(const std::string&, const std::string&, MessageIcon) override { ++told; }
    int told = 0;
};

// The tree as the main window holds it; the walk never finds anything, so
// nothing is ever loaded.
class TreeOnly : public SearchView {
public:
    explicit TreeOnly(const std::string& folder) {
        for (const TreeEntry& entry : FillCategoryTree(folder).entries) {
            tags_.push_back(entry.itemTag);
        }
    }
    int TreeRowCount() const override { return static_cast<int>(tags_.size()); }
    int TreeRowTag(int row) const override { return tags_[static_cast<std::size_t>(row)]; }
    int SelectedTreeTag() const override { return tags_.front(); }
    void SelectTreeRow(int) override {}
    void ShowSelectedList() override {}
    int ListRowCount() const override { return 0; }
    int ListRowSlot(int) const override { return -1; }
    void SelectListRow(int) override {}

private:
    std::vector<int> tags_;
};

// Names and remarks of all 25000 parts searched without a hit.
void SearchNoHit(benchmark::State& state) {
    const std::string& folder = Database().Folder();
    TreeOnly tree(folder);
    NoAnswers prompter;
    for (auto _ : state) {
        SearchState search;
        search.text = "Flux-Kompensator";
        const SearchOutcome outcome = SearchNext(search, kSearchFromButton, tree, folder, prompter);
        benchmark::DoNotOptimize(outcome);
        if (outcome.hit) {
            state.SkipWithError("unexpected hit");
            break;
        }
    }
    if (prompter.told == 0) {
        state.SkipWithError("no message");
    }
}
BENCHMARK(SearchNoHit)->Unit(benchmark::kMillisecond);

}  // namespace
