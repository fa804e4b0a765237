// Reading every record of the largest database through the INI store, once
// with the parsed snapshots at hand and once parsing every file again.

#include <benchmark/benchmark.h>

#include <string>

#include "DataFiles.h"
#include "IniStore.h"
#include "LargestDatabase.h"
#include "Records.h"
#include "TextRules.h"

namespace {

// What a full scan sees: the category names and every record of every
// category, scanned over slots 0 to ScanLimit as every reader does.
struct ScanResult {
    int categories = 0;
    int records = 0;
    std::size_t fieldBytes = 0;
};

ScanResult ReadAllRecords(const std::string& folder) {
    ScanResult result;
    const auto main = ReadIniFile(MainFilePath(folder));
    for (int category = 0; category < kCategoryCount; ++category) {
        std::string key = "k";
        key += std::to_string(category);
        const std::string name = main->Value(kCategoryGroup, key);
        if (IsBlank(name)) {
            continue;
        }
        ++result.categories;
        const auto list = ReadIniFile(ListFilePath(folder, category));
        const int limit = ScanLimit(list->Value(kListGroup, kMaxKey));
        for (int slot = 0; slot <= limit; ++slot) {
            const std::string value = list->Value(kListGroup, SlotKey(slot));
            if (IsBlank(value)) {
                continue;
            }
            const PartRecord record = PartRecord::Parse(value);
            ++result.records;
            result.fieldBytes += record.Field(kFieldName).size();
        }
    }
    return result;
}

void ReportScan(benchmark::State& state, const ScanResult& scan) {
    state.counters["categories"] = scan.categories;
    state.counters["records"] = scan.records;
    state.counters["records_per_second"] =
        benchmark::Counter(scan.records, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_ReadAllRecords(benchmark::State& state) {
    const TemporaryDatabase database;
    ScanResult scan = ReadAllRecords(database.Folder());  // parse once, warm the file cache
    for (auto _ : state) {
        scan = ReadAllRecords(database.Folder());
        benchmark::DoNotOptimize(scan);
    }
    ReportScan(state, scan);
}
BENCHMARK(BM_ReadAllRecords)->Unit(benchmark::kMillisecond);

// Every file is read and parsed again: the cost of the first scan after
// another program changed the whole database.
void BM_ReadAllRecordsParse(benchmark::State& state) {
    const TemporaryDatabase database;
    ScanResult scan = ReadAllRecords(database.Folder());
    for (auto _ : state) {
        state.PauseTiming();
        ForgetIniSnapshots();
        state.ResumeTiming();
        scan = ReadAllRecords(database.Folder());
        benchmark::DoNotOptimize(scan);
    }
    ReportScan(state, scan);
}
BENCHMARK(BM_ReadAllRecordsParse)->Unit(benchmark::kMillisecond);

void BM_GenerateLargestDatabase(benchmark::State& state) {
    for (auto _ : state) {
        const TemporaryDatabase database;
        benchmark::DoNotOptimize(database.Folder().data());
    }
}
BENCHMARK(BM_GenerateLargestDatabase)->Unit(benchmark::kMillisecond);

}  // namespace
