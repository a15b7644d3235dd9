// The solver on the shipped stages: all thirty at their shortest lengths, and
// the largest search space (stage 27) on one and two threads, with expanded
// positions per second and the bytes each stored position takes.
#include <benchmark/benchmark.h>
#include <string>

#include "solver/solver.h"

namespace {

std::string stagePath(int number) { return std::string(NERILO_STAGES) + "/stage" + std::to_string(number) + ".txt"; }

void allThirtyStages(benchmark::State& state) {
    std::vector<nerilo::WorldState> starts;
    for (int n = 1; n <= 30; ++n) starts.push_back(*nerilo::solver::stageStart(stagePath(n)).state);
    nerilo::solver::Options options;
    options.threads = static_cast<int>(state.range(0));
    uint64_t expanded = 0;
    for (auto _ : state) {
        for (const nerilo::WorldState& start : starts) expanded += nerilo::solver::solve(start, options).expanded;
    }
    state.counters["states/s"] = benchmark::Counter(static_cast<double>(expanded), benchmark::Counter::kIsRate);
}

// One search from `start`, repeated, with its speed and what it stores.
void searchFrom(benchmark::State& state, const nerilo::WorldState& start) {
    nerilo::solver::Options options;
    options.threads = static_cast<int>(state.range(0));
    nerilo::solver::Result result;
    uint64_t expanded = 0;
    for (auto _ : state) {
        result = nerilo::solver::solve(start, options);
        expanded += result.expanded;
    }
    state.counters["states/s"] = benchmark::Counter(static_cast<double>(expanded), benchmark::Counter::kIsRate);
    state.counters["stored"] = static_cast<double>(result.stored);
    state.counters["bytes/state"] = static_cast<double>(result.storedBytes) / static_cast<double>(result.stored);
}

void stage27(benchmark::State& state) { searchFrom(state, *nerilo::solver::stageStart(stagePath(27)).state); }

// A walled room with three balls and no stairs: 1.26 million positions, every
// one explored, as a large author's stage would be.
void largeRoom(benchmark::State& state) {
    searchFrom(state, *nerilo::solver::stageStart(std::string(NERILO_ROOMS) + "/three-balls.txt").state);
}

}  // namespace

// A search of a few tens of milliseconds is timed over several, so that one
// hiccup of a shared machine does not make the figure.
BENCHMARK(allThirtyStages)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(stage27)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(largeRoom)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
