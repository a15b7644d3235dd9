// Undo and redo at the end of a round of 10,000 presses, and the memory that
// history takes: well under a millisecond a step, well under 100 MB.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include "game/game.h"
#include "game_set_up.h"
#include "game/key_script.h"
#include "tools/scripted_platform.h"

namespace {

constexpr int Presses = 10000;

// A board with a circuit, a ball to push to and fro and step-try mode on, so
// that a press changes positions, power, drawing order and the counter.
void buildRound(nerilo::Game& game) {
    using namespace nerilo;
    WorldState& s = nerilo::GameSetUp::state(game);
    s.ground[0].code = ground::Target;
    for (int c = 1; c < BoardSide; ++c) s.ground[c].code = ground::WhitePlate;
    s.ground[2 * BoardSide + 4].code = ground::EmitterDown;
    s.blocks[5 * BoardSide + 5].code = block::Player;
    s.blocks[7 * BoardSide + 6].code = block::BlueWheel;
    s.stepTry = true;
    s.stepTarget = 1000000;
    nerilo::GameSetUp::world(game).showAsPlaced();
    game.startRound();
}

// Walks a square, then pushes the wheel down and back up from below.
std::string presses() {
    std::string keys;
    while (keys.size() < Presses) keys += "RDLURDLUDRDDLUURRU";
    keys.resize(Presses);
    return keys;
}

size_t heapInUse() { return mallinfo2().uordblks; }

void UndoThenRedoAfterTenThousandPresses(benchmark::State& state) {
    nerilo::ScriptedPlatform platform("/nonexistent");
    const size_t heapBefore = heapInUse();
    nerilo::Game game(platform);
    buildRound(game);
    nerilo::Replay replay;
    nerilo::playKeys(game, presses(), 100, replay);
    const size_t heapAfter = heapInUse();
    const size_t steps = game.round().history().undoDepth();
    for (auto _ : state) {
        game.round().undo();
        game.round().redo();
    }
    state.counters["undo_steps"] = static_cast<double>(steps);
    state.counters["history_MB"] = static_cast<double>(game.round().history().bytes()) / 1e6;
    state.counters["bytes_per_press"] = static_cast<double>(game.round().history().bytes()) / static_cast<double>(steps);
    state.counters["heap_MB"] = static_cast<double>(heapAfter - heapBefore) / 1e6;
}
BENCHMARK(UndoThenRedoAfterTenThousandPresses)->Unit(benchmark::kMicrosecond);

void UndoTheWholeRound(benchmark::State& state) {
    nerilo::ScriptedPlatform platform("/nonexistent");
    nerilo::Game game(platform);
    buildRound(game);
    nerilo::Replay replay;
    nerilo::playKeys(game, presses(), 100, replay);
    const size_t steps = game.round().history().undoDepth();
    for (auto _ : state) {
        while (game.round().canUndo()) game.round().undo();
        state.PauseTiming();
        while (game.round().canRedo()) game.round().redo();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * steps));
}
BENCHMARK(UndoTheWholeRound)->Unit(benchmark::kMillisecond);

}  // namespace
