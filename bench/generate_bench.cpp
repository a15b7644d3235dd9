// The generator: the stage of a day (the seed is the date) on one core, with
// the candidate rooms it judges per second and the positions it judges per
// second, the solver's speed it lives on.
#include <benchmark/benchmark.h>

#include "generate/generate.h"

namespace {

void stageOfTheDay(benchmark::State& state) {
    int candidates = 0;
    uint64_t positions = 0;
    for (auto _ : state) {
        nerilo::generate::GenerateProgress last;
        const auto stage =
            nerilo::generate::generateStage(20261208, {}, [&](const nerilo::generate::GenerateProgress& p) { last = p; });
        if (!stage) state.SkipWithError("no stage within the budget");
        candidates += last.candidates;
        positions += last.positions;
    }
    state.counters["rooms"] = static_cast<double>(candidates) / static_cast<double>(state.iterations());
    state.counters["rooms/s"] = benchmark::Counter(static_cast<double>(candidates), benchmark::Counter::kIsRate);
    state.counters["positions/s"] = benchmark::Counter(static_cast<double>(positions), benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(stageOfTheDay)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
