// One full circuit evaluation with its power effects and re-runs, with the engine's work-list
// spreading and with the literal pass-by-pass reference, side by side.
#include <benchmark/benchmark.h>

#include "game/game.h"
#include "game_set_up.h"
#include "reference/literal_power.h"
#include "reference/worst_case.h"
#include "tools/scripted_platform.h"

namespace {

using nerilo::CellCount;
constexpr int cell(int row, int column) { return row * nerilo::BoardSide + column; }

struct Board {
    std::array<uint8_t, CellCount> ground{};
    std::array<uint8_t, CellCount> blocks{};
};

Board emptyBoard() { return {}; }

Board typicalStage() {
    Board b;
    for (int c = 0; c < 15; ++c) b.ground[cell(0, c)] = b.ground[cell(14, c)] = 1;
    b.ground[cell(2, 2)] = 7;
    for (int c = 3; c < 10; ++c) b.ground[cell(2, c)] = 2;
    b.ground[cell(2, 10)] = 23;
    for (int r = 3; r < 9; ++r) b.ground[cell(r, 10)] = 8;
    b.ground[cell(9, 10)] = 18;
    b.ground[cell(5, 4)] = 10;
    b.ground[cell(6, 6)] = 16;
    b.blocks[cell(7, 3)] = 2;
    b.blocks[cell(8, 8)] = 4;
    b.blocks[cell(11, 11)] = 7;
    return b;
}

Board worstCase() {
    const nerilo::Stage stage = nerilo::serpentineStage();
    return {stage.ground, stage.blocks};
}

void evaluate(benchmark::State& state, const Board& board, nerilo::PowerSpreader spreader) {
    nerilo::ScriptedPlatform platform;
    nerilo::Game game(platform, spreader);
    for (int i = 0; i < CellCount; ++i) {
        nerilo::GameSetUp::state(game).ground[i].code = board.ground[i];
        nerilo::GameSetUp::state(game).blocks[i].code = board.blocks[i];
        if (board.blocks[i] == nerilo::block::Player) nerilo::GameSetUp::state(game).playerBlock = static_cast<uint8_t>(i);
    }
    nerilo::noteLiveBlocks(nerilo::GameSetUp::state(game));
    // Only the board layers change; restoring them is a few kilobytes of copying.
    const auto ground = game.world().state().ground;
    const auto blocks = game.world().state().blocks;
    for (auto _ : state) {
        nerilo::GameSetUp::state(game).ground = ground;
        nerilo::GameSetUp::state(game).blocks = blocks;
        nerilo::GameSetUp::world(game).evaluateCircuit();
        benchmark::DoNotOptimize(game.world().state().ground);
    }
}

BENCHMARK_CAPTURE(evaluate, empty_board, emptyBoard(), nerilo::spreadPower);
BENCHMARK_CAPTURE(evaluate, empty_board_literal, emptyBoard(), nerilo::spreadPowerLiteral);
BENCHMARK_CAPTURE(evaluate, typical_stage, typicalStage(), nerilo::spreadPower);
BENCHMARK_CAPTURE(evaluate, typical_stage_literal, typicalStage(), nerilo::spreadPowerLiteral);
BENCHMARK_CAPTURE(evaluate, worst_case, worstCase(), nerilo::spreadPower);
BENCHMARK_CAPTURE(evaluate, worst_case_literal, worstCase(), nerilo::spreadPowerLiteral);

}  // namespace
