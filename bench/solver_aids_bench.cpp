// The solver beside the player and the author, on each shipped stage:
//   deadEndVerdict/N  from a press to the dead-end verdict at the stage's worst
//                     position. No position of a stage reaches more than its
//                     start does, and the longest verdict is a dead end's, which
//                     explores everything it reaches: the stage without its
//                     stairs, from the start, is that worst case (a bound above
//                     any real position), searched as the warning searches.
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
    nerilo::StageRead read = nerilo::readStageFile(stagePath(static_cast<int>(state.range(0))));
    for (auto& cell : read.stage.ground)
        if (cell == nerilo::ground::Stairs) cell = nerilo::ground::Floor;
    const nerilo::WorldState start = nerilo::solver::roundStart(read.stage);
    nerilo::solver::Verdict verdict{};
    for (auto _ : state) verdict = nerilo::solver::deadEndVerdict(start);
    // 1: proven within the warning's bound, as it must be on every shipped stage.
    state.counters["proven"] = verdict == nerilo::solver::Verdict::DeadEnd ? 1 : 0;
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
