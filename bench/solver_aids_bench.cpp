// The solver beside the player and the author, on each shipped stage:
//   deadEndVerdict/N  from a press to the dead-end verdict at the stage's worst
//                     position. No position of a stage reaches more than its
//                     start does, and the longest verdict is a dead end's, which
//                     explores everything it reaches: the stage without its
//                     stairs, from the start, is that worst case (a bound above
//                     any real position), searched as the warning searches.
//   deadEndAlongClear/N the verdict from every position along stage N's
//                     stored clear, as a player who plays it meets them: the
//                     time is the slowest of them; the mean and the verdict
//                     at the round's start are counters.
//   strokeToFigures/N from a stroke to the editor's figures: the round's start on
//                     the board and the analysis search the panel runs.
// Goals: 100 ms and 300 ms on one core.
#include <benchmark/benchmark.h>
#include <string>

#include <algorithm>
#include <chrono>

#include "model/file_io.h"
#include "solver/dead_end.h"
#include "solver/live_analysis.h"
#include "tools/depth_table.h"

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

// As the game searches them: the verdict at the round's start, which the
// player's first look at the board leaves time for, finds the first clear
// known; each verdict after a press meets the clear the one before found.
// The slowest of those is the figure: a warning that is late once is late.
void deadEndAlongClear(benchmark::State& state) {
    const int number = static_cast<int>(state.range(0));
    const nerilo::FileBytes text = nerilo::readWholeFile(NERILO_SOLUTIONS, 1 << 16);
    const std::string keys = nerilo::parseStageSolutions(text.bytes).at(number);
    const nerilo::WorldState start = *nerilo::solver::stageStart(stagePath(number)).state;
    std::vector<nerilo::WorldState> along;
    for (size_t i = 1; i < keys.size(); ++i) along.push_back(*nerilo::solver::positionAfter(start, keys.substr(0, i)).state);
    using Clock = std::chrono::steady_clock;
    const auto millisecondsSince = [](Clock::time_point began) {
        return std::chrono::duration<double, std::milli>(Clock::now() - began).count();
    };
    double total = 0, atStart = 0;
    for (auto _ : state) {
        double slowest = 0;
        auto began = Clock::now();
        nerilo::solver::Result result = nerilo::solver::deadEndSearch(start);
        atStart += millisecondsSince(began);
        nerilo::solver::KnownClear known{start, result.keys};
        for (const nerilo::WorldState& position : along) {
            began = Clock::now();
            result = nerilo::solver::deadEndSearch(position, &known);
            const double ms = millisecondsSince(began);
            if (result.outcome != nerilo::solver::Outcome::Solved) state.SkipWithError("a position along the clear not found clearable");
            known = {position, result.keys};
            slowest = std::max(slowest, ms);
            total += ms;
        }
        state.SetIterationTime(slowest / 1000);
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["mean_ms"] = total / (static_cast<double>(along.size()) * runs);
    state.counters["start_ms"] = atStart / runs;
    state.counters["positions"] = static_cast<double>(along.size());
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
BENCHMARK(deadEndAlongClear)->Arg(24)->Arg(27)->Arg(30)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(strokeToFigures)->DenseRange(1, 30)->Unit(benchmark::kMillisecond)->UseRealTime();
