// Compacting the largest database with holes: 50 categories, both side files
// and three order lists rewritten, each file once and as one unit.

#include <benchmark/benchmark.h>

#include "DataFiles.h"
#include "IniStore.h"
#include "LargestDatabase.h"
#include "Prompter.h"
#include "compaction/Compaction.h"

namespace {

class AlwaysYes : public Prompter {
public:
    Answer Ask(const std::string&, const std::string&, MessageIcon, Answer) override {
        return Answer::Yes;
    }
    void Tell(const std::string&, const std::string&, MessageIcon) override {}
};

void CompactDatabaseWithHoles(benchmark::State& state) {
    const TemporaryDatabase database({.withHoles = true});
    const std::string& folder = database.Folder();
    AlwaysYes prompter;
    for (auto _ : state) {
        state.PauseTiming();
        GenerateLargestDatabase(folder, {.withHoles = true});
        // Warm, as in the running program, which has just shown a list.
        ReadIniFile(ListFilePath(folder, 0));
        state.ResumeTiming();

        const CompactionOutcome outcome = CompactDatabase(folder, prompter);

        state.PauseTiming();
        if (outcome.result != CompactionResult::Compacted || outcome.listsCompacted != 53 ||
            ReadIniValue(kListGroup, kMaxKey, ListFilePath(folder, 0)) == "499") {
            state.SkipWithError("database not compacted");
        }
        state.ResumeTiming();
    }
}
BENCHMARK(CompactDatabaseWithHoles)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7);

}  // namespace
