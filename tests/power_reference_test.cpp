// The engine's work-list power spreading against the literal pass-by-pass
// reference, after the whole evaluation chain (propagation, applyPowerEffects, re-runs).
#include <gtest/gtest.h>
#include <random>

#include "game_fixture.h"
#include "reference/literal_power.h"
#include "reference/worst_case.h"

namespace nerilo::test {
namespace {

struct Pair {
    ScriptedPlatform platform;
    Game fast{platform};
    Game literal{platform, spreadPowerLiteral};
};

void setBoard(Game& form, const Stage& stage, int player) {
    for (int i = 0; i < CellCount; ++i) {
        GameSetUp::state(form).ground[i].code = stage.ground[i];
        GameSetUp::state(form).blocks[i].code = stage.blocks[i];
        GameSetUp::state(form).blockCell[i] = static_cast<uint8_t>(i);
    }
    GameSetUp::state(form).playerBlock = static_cast<uint8_t>(player);
    GameSetUp::state(form).movingBlock = form.world().state().playerBlock;
    GameSetUp::state(form).ticking = true;
    noteLiveBlocks(GameSetUp::state(form));
}

// Compares every power state, overlay and code after evaluateCircuit on both.
void expectSameEvaluation(const Stage& stage, int player, const std::string& label) {
    Pair pair;
    setBoard(pair.fast, stage, player);
    setBoard(pair.literal, stage, player);
    GameSetUp::world(pair.fast).evaluateCircuit();
    GameSetUp::world(pair.literal).evaluateCircuit();
    for (int i = 0; i < CellCount; ++i) {
        ASSERT_EQ(pair.fast.world().state().ground[i].power, pair.literal.world().state().ground[i].power) << label << " cell " << i;
        ASSERT_EQ(pair.fast.world().state().ground[i].code, pair.literal.world().state().ground[i].code) << label << " cell " << i;
        ASSERT_EQ(pair.fast.world().state().blocks[i].code, pair.literal.world().state().blocks[i].code) << label << " block " << i;
        ASSERT_EQ(pair.fast.world().state().overlays[i].marked, pair.literal.world().state().overlays[i].marked) << label << " overlay " << i;
    }
    ASSERT_EQ(pair.fast.isLost(), pair.literal.isLost()) << label;
}

Stage randomBoard(std::mt19937& random, double conductorShare) {
    Stage stage;
    std::uniform_real_distribution<double> share(0, 1);
    std::uniform_int_distribution<int> anyGround(0, GroundCodeCount - 1), anyBlock(0, BlockCodeCount - 1);
    const uint8_t wires[] = {2, 8, 10, 11, 13, 17, 18, 19, 20, 21, 22, 23, 24, 25, 23, 25, 7};
    std::uniform_int_distribution<int> wire(0, std::size(wires) - 1);
    for (int i = 0; i < CellCount; ++i) {
        stage.ground[i] = share(random) < conductorShare ? wires[wire(random)] : static_cast<uint8_t>(anyGround(random));
        if (share(random) < 0.15) stage.blocks[i] = static_cast<uint8_t>(anyBlock(random));
    }
    return stage;
}

TEST(PowerReference, RandomBoardsEvaluateTheSame) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 3000; ++round) {
        const double share = 0.3 + 0.6 * (round % 7) / 6.0;
        Stage stage = randomBoard(random, share);
        const int player = static_cast<int>(random() % CellCount);
        stage.blocks[player] = block::Player;
        expectSameEvaluation(stage, player, "round " + std::to_string(round));
        if (HasFatalFailure()) return;
    }
}

TEST(PowerReference, HandMadeWorstCasesEvaluateTheSame) {
    const Stage serpentine = serpentineStage();
    expectSameEvaluation(serpentine, cell(7, 7), "serpentine");
    // Power reaches the far end of the serpentine: the skull balls have exploded.
    {
        Pair pair;
        setBoard(pair.fast, serpentine, cell(7, 7));
        GameSetUp::world(pair.fast).evaluateCircuit();
        EXPECT_EQ(pair.fast.world().state().blocks[3].code, 0);
        EXPECT_EQ(pair.fast.world().state().ground[0].power, Power::Full);
    }

    Stage diagonals;
    for (int i = 0; i < CellCount; ++i) diagonals.ground[i] = (i * 7 + i / 15) % 2 ? 23 : 25;
    diagonals.ground[cell(7, 7)] = 7;
    expectSameEvaluation(diagonals, 0, "diagonal lattice");

    Stage chain;
    for (int i = 0; i < CellCount; ++i) chain.ground[i] = 10;
    chain.ground[cell(14, 14)] = 7;
    for (int i = 0; i < CellCount; i += 17) chain.blocks[i] = 4;
    expectSameEvaluation(chain, cell(7, 3), "fuses and skulls");
}

}  // namespace
}  // namespace nerilo::test
