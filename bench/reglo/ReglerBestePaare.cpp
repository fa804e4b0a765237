// The best resistor pairs for a target voltage over E192 with R1 free over
// its range, as the window asks for them on every key press.

#include <benchmark/benchmark.h>

#include "PairSearch.h"

namespace {

PairQuery Query(double targetVolts, bool twoResistorR2) {
    PairQuery query;
    query.targetVolts = targetVolts;
    query.referenceVolts = 1.25;
    query.adjustAmps = 50e-6;  // LM317
    query.series = ESeries::E192;
    query.twoResistorR2 = twoResistorR2;
    query.count = 8;
    return query;
}

// Several targets in turn, so no single lucky one sets the figure.
void Run(benchmark::State& state, bool twoResistorR2) {
    const double targets[] = {3.3, 5.0, 9.0, 12.0, 13.8, 24.0, 33.3};
    std::size_t next = 0;
    for (auto _ : state) {
        const auto pairs = BestPairs(Query(targets[next], twoResistorR2));
        benchmark::DoNotOptimize(pairs.data());
        next = (next + 1) % std::size(targets);
    }
}

void ReglerBestePaare(benchmark::State& state) { Run(state, false); }
// The same with R2 also from two resistors in series, for scale.
void ReglerBestePaareMitZweiR2(benchmark::State& state) { Run(state, true); }

BENCHMARK(ReglerBestePaare)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReglerBestePaareMitZweiR2)->Unit(benchmark::kMicrosecond);

}  // namespace
