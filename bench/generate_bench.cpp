// The generator: the stage of a day (the seed is the date) on one core, over
// a fortnight of dates, so that the figure is the slowest date and not one
// lucky seed; with the candidate rooms it judges per second and the positions
// it judges per second, the solver's speed it lives on.
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <string>

#include "generate/generate.h"

namespace {

void stageOfTheDay(benchmark::State& state) {
    constexpr uint64_t FirstDate = 20261201;
    constexpr int Dates = 14;
    int candidates = 0;
    uint64_t positions = 0;
    double slowest = 0, total = 0;
    uint64_t slowestDate = 0;
    for (auto _ : state) {
        for (uint64_t date = FirstDate; date < FirstDate + Dates; ++date) {
            nerilo::generate::GenerateProgress last;
            const auto started = std::chrono::steady_clock::now();
            const auto stage =
                nerilo::generate::generateStage(date, {}, [&](const nerilo::generate::GenerateProgress& p) { last = p; });
            const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
            if (!stage) state.SkipWithError("no stage within the budget");
            if (seconds > slowest) slowest = seconds, slowestDate = date;
            total += seconds;
            candidates += last.candidates;
            positions += last.positions;
        }
    }
    const double runs = static_cast<double>(state.iterations()) * Dates;
    state.counters["slowest_s"] = slowest;
    state.SetLabel("slowest date " + std::to_string(slowestDate));
    state.counters["mean_s"] = total / runs;
    state.counters["rooms"] = static_cast<double>(candidates) / runs;
    state.counters["rooms/s"] = benchmark::Counter(static_cast<double>(candidates), benchmark::Counter::kIsRate);
    state.counters["positions/s"] = benchmark::Counter(static_cast<double>(positions), benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(stageOfTheDay)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
