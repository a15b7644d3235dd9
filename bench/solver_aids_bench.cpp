// The solver beside the player and the author, on each shipped stage:
//   deadEndVerdict/N  from a press to the dead-end verdict at the stage's worst
//                     position. No position of a stage reaches more than its
//                     start does, so the verdict's search from anywhere explores
//                     at most what exploring everything from the start explores:
//                     that is what is timed, with the warning's bound.
//   strokeToFigures/N from a stroke to the editor's figures: the round's start on
//                     the board and the analysis search the panel runs.
// Goals: 100 ms and 300 ms on one core.
#include <benchmark/benchmark.h>
#include <string>

#include "solver/dead_end.h"
#include "solver/live_analysis.h"

namespace {

std::string stagePath(int number) { return std::string(NERILO_STAGES) + "/stage" + std::to_string(number) + ".txt"; }

void deadEndVerdict(benchmark::State& state) {
    const nerilo::WorldState start = *nerilo::solver::stageStart(stagePath(static_cast<int>(state.range(0)))).state;
    nerilo::solver::Options everything = nerilo::solver::deadEndOptions();
    everything.analyse = true;  // on to the last reachable position, as a dead end's search goes
    nerilo::solver::Result result;
    for (auto _ : state) result = nerilo::solver::solve(start, everything);
    state.counters["explored"] = static_cast<double>(result.expanded);
    state.counters["answered"] = result.outcome == nerilo::solver::Outcome::Solved ? 1 : 0;
}

void strokeToFigures(benchmark::State& state) {
    const nerilo::StageRead read = nerilo::readStageFile(stagePath(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        const nerilo::WorldState start = nerilo::solver::roundStart(read.stage);
        const nerilo::solver::Result result = nerilo::solver::solve(start, nerilo::solver::liveAnalysisOptions());
        benchmark::DoNotOptimize(nerilo::solver::liveAnalysisView(result));
    }
}

}  // namespace

BENCHMARK(deadEndVerdict)->DenseRange(1, 30)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(strokeToFigures)->DenseRange(1, 30)->Unit(benchmark::kMillisecond)->UseRealTime();
