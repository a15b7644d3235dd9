// Power propagation, the board evaluation, hazards and cell actions.
#include <gtest/gtest.h>

#include "game_fixture.h"

namespace nerilo::test {
namespace {

Power powerAt(const TestGame& game, int at) { return game.world().state().ground[at].power; }

std::vector<int> marks(const TestGame& game) {
    std::vector<int> out;
    for (int i = 0; i < CellCount; ++i)
        if (game.world().state().overlays[i].marked) out.push_back(i);
    return out;
}

TEST(Power, WorkedExampleWithABackslashAndASlashBar) {
    TestGame backslash;
    backslash.ground(16, 7).ground(17, 2).ground(18, 23).ground(3, 2).ground(33, 2).block(cell(10, 10), 7);
    backslash.start();
    EXPECT_EQ(powerAt(backslash, 17), Power::Full);
    EXPECT_EQ(powerAt(backslash, 18), Power::LowerHalf);
    EXPECT_EQ(powerAt(backslash, 33), Power::Full);
    EXPECT_EQ(powerAt(backslash, 3), Power::Unpowered);
    EXPECT_EQ(backslash.world().state().ground[33].code, 3);
    EXPECT_EQ(backslash.world().state().ground[3].code, 2);

    TestGame slash;
    slash.ground(16, 7).ground(17, 2).ground(18, 25).ground(3, 2).ground(33, 2).block(cell(10, 10), 7);
    slash.start();
    EXPECT_EQ(powerAt(slash, 18), Power::UpperHalf);
    EXPECT_EQ(powerAt(slash, 3), Power::Full);
    EXPECT_EQ(powerAt(slash, 33), Power::Unpowered);
    EXPECT_EQ(slash.world().state().ground[3].code, 3);
}

TEST(Power, ADiagonalBarFedFromBothHalvesFeedsAllFourSides) {
    // Fed from the left (lower half of a backslash) and from the top (upper half).
    TestGame game;
    game.ground(cell(3, 3), 7).ground(cell(3, 4), 23).ground(cell(2, 4), 2).ground(cell(2, 5), 2).ground(cell(2, 3), 7);
    game.ground(cell(3, 5), 2).block(cell(10, 10), 7);
    game.start();
    EXPECT_EQ(powerAt(game, cell(3, 4)), Power::Full);
    EXPECT_EQ(powerAt(game, cell(3, 5)), Power::Full);
}

TEST(Power, NoTargetNoPower) {
    TestGame game;
    game.ground(cell(1, 1), 2).ground(cell(1, 2), 8).ground(cell(1, 3), 18).block(cell(5, 5), 7);
    game.start();
    EXPECT_EQ(powerAt(game, cell(1, 1)), Power::Unpowered);
    EXPECT_EQ(powerAt(game, cell(1, 2)), Power::Unpowered);
    EXPECT_EQ(game.world().state().ground[cell(1, 2)].code, 8);
    EXPECT_TRUE(marks(game).empty());
}

TEST(Power, BarsConductAlongTheirAxisOnly) {
    TestGame game;
    game.ground(cell(4, 4), 7).ground(cell(4, 5), 24).ground(cell(4, 6), 2);
    game.ground(cell(3, 5), 7).ground(cell(5, 5), 2).block(cell(10, 10), 7);
    game.start();
    EXPECT_EQ(powerAt(game, cell(4, 6)), Power::Unpowered) << "a vertical bar blocks sideways power";
    EXPECT_EQ(powerAt(game, cell(5, 5)), Power::Full) << "and carries it up and down";
}

TEST(Power, AConductiveBlockOnTheTargetSwitchesItOff) {
    // Blocks cannot be pushed onto a target, but a stage may place one there.
    TestGame game;
    game.ground(cell(4, 4), 7).ground(cell(4, 5), 2).block(cell(4, 4), 2).block(cell(4, 1), 7);
    game.start();
    EXPECT_EQ(powerAt(game, cell(4, 4)), Power::Unpowered);
    EXPECT_EQ(game.world().state().ground[cell(4, 5)].code, 2);
    EXPECT_EQ(game.world().state().blocks[cell(4, 4)].code, 2);
}

TEST(Power, AWheelPushedNextToAConductorJoinsTheCircuitAndLeavesIt) {
    TestGame game;
    game.ground(cell(4, 4), 7).ground(cell(5, 6), 2).block(cell(4, 6), 2).block(cell(4, 7), 7);
    game.start();
    EXPECT_EQ(game.world().state().blocks[cell(4, 6)].code, 2);
    game.play("L");  // the wheel now touches the target and feeds the plate below it
    EXPECT_EQ(game.world().state().blocks[cell(4, 6)].code, 3);
    EXPECT_EQ(game.world().state().blockCell[cell(4, 6)], cell(4, 5));
    EXPECT_EQ(game.world().state().ground[cell(5, 6)].code, 2) << "the plate is below the wheel's old cell";
    game.play("DLU");  // round to push it up and away
    EXPECT_EQ(game.world().state().blockCell[cell(4, 6)], cell(3, 5));
    EXPECT_EQ(game.world().state().blocks[cell(4, 6)].code, 2);
}

TEST(Power, AnOliveBallBridgesTwoPlatesAndABlackBallDoesNot) {
    for (uint8_t ball : {5, 1}) {
        TestGame game;
        game.ground(cell(4, 3), 7).ground(cell(4, 4), 2).ground(cell(4, 6), 2).block(cell(4, 5), ball).block(cell(9, 9), 7);
        game.start();
        EXPECT_EQ(powerAt(game, cell(4, 6)) == Power::Full, ball == 5);
    }
}

TEST(Power, ACrossedBoxBurnsAndCutsPowerBehindIt) {
    TestGame game;
    game.ground(cell(4, 3), 7).ground(cell(4, 4), 10).ground(cell(4, 5), 2).block(cell(9, 9), 7);
    game.start();
    EXPECT_EQ(game.world().state().ground[cell(4, 4)].code, 0);
    EXPECT_EQ(game.world().state().ground[cell(4, 5)].code, 2);
    EXPECT_EQ(powerAt(game, cell(4, 5)), Power::Unpowered);
}

TEST(Power, BeamsCrossKeysAndThePlayerAndStopAtBallsAndWalls) {
    TestGame game;
    game.ground(cell(2, 0), 7).ground(cell(2, 1), 20).block(cell(2, 3), 6).block(cell(2, 4), 8).ground(cell(2, 6), 15);
    game.block(cell(2, 8), 1).block(cell(12, 12), 7);
    game.ground(cell(3, 0), 7).ground(cell(4, 0), 18).ground(cell(8, 0), 1);
    game.start();
    EXPECT_EQ(marks(game), (std::vector<int>{cell(2, 2), cell(2, 3), cell(2, 4), cell(2, 5), cell(2, 6), cell(2, 7),
                                             cell(5, 0), cell(6, 0), cell(7, 0)}));

    TestGame player;
    player.ground(cell(2, 0), 7).ground(cell(2, 1), 20).block(cell(2, 5), 7);
    player.start();
    EXPECT_TRUE(player.world().state().overlays[cell(2, 5)].marked);
    player.play(".");
    EXPECT_TRUE(player.engine.isLost()) << "a beam through the player's cell";
}

TEST(Power, EmittersFacingTheirOwnEdgeOrAWallMarkNothing) {
    TestGame game;
    game.ground(cell(0, 5), 7).ground(cell(0, 6), 19).ground(cell(0, 4), 21).ground(cell(0, 3), 1).block(cell(9, 9), 7);
    game.start();
    EXPECT_TRUE(marks(game).empty());
}

TEST(Power, ASkullBallNextToThePlayerEndsTheGameAndItsMarksStay) {
    TestGame game;
    game.ground(cell(5, 3), 7).block(cell(5, 4), 4).block(cell(6, 5), 7);
    game.start();
    EXPECT_TRUE(game.engine.isLost());
    EXPECT_EQ(game.world().state().blocks[cell(5, 4)].code, 0);
    EXPECT_EQ(marks(game), (std::vector<int>{cell(4, 3), cell(4, 4), cell(4, 5), cell(5, 3), cell(5, 4), cell(5, 5),
                                             cell(6, 3), cell(6, 4), cell(6, 5)}));
}

TEST(Power, ABlastTwoCellsAwayClearsTheMarksAndTheRerunRestoresBeams) {
    TestGame game;
    game.ground(cell(5, 3), 7).block(cell(5, 4), 4).block(cell(5, 7), 7);
    game.ground(cell(0, 0), 7).ground(cell(0, 1), 18);
    game.start();
    EXPECT_FALSE(game.engine.isLost());
    EXPECT_EQ(game.world().state().blocks[cell(5, 4)].code, 0);
    std::vector<int> beam;
    for (int r = 1; r < BoardSide; ++r) beam.push_back(cell(r, 1));
    EXPECT_EQ(marks(game), beam);
}

TEST(Power, ABlastInColumnZeroOrTheTopRowStaysOnTheBoard) {
    TestGame game;
    game.ground(cell(0, 1), 7).block(cell(0, 0), 4).block(cell(1, 1), 7);
    game.start();
    EXPECT_EQ(marks(game), (std::vector<int>{cell(0, 0), cell(0, 1), cell(1, 0), cell(1, 1)}));
}

TEST(Power, TwoSkullBallsDetonateInOnePass) {
    TestGame game;
    game.ground(cell(5, 5), 7).block(cell(5, 4), 4).block(cell(5, 6), 4).block(cell(12, 12), 7);
    game.start();
    EXPECT_EQ(game.world().state().blocks[cell(5, 4)].code, 0);
    EXPECT_EQ(game.world().state().blocks[cell(5, 6)].code, 0);
    EXPECT_FALSE(game.engine.isLost());
    EXPECT_TRUE(marks(game).empty());
}

TEST(Power, ABlastInTheLastColumnOrTheBottomRowStaysOnTheBoard) {
    // Neither spills into column 0 of the next row nor past the last cell.
    TestGame right;
    right.ground(cell(6, 14), 7).block(cell(5, 14), 4).block(cell(4, 13), 7);
    right.start();
    EXPECT_TRUE(right.engine.isLost());
    EXPECT_EQ(marks(right), (std::vector<int>{cell(4, 13), cell(4, 14), cell(5, 13), cell(5, 14), cell(6, 13),
                                              cell(6, 14)}));
    TestGame corner;
    corner.ground(cell(14, 13), 7).block(cell(14, 14), 4).block(cell(13, 13), 7);
    corner.start();
    EXPECT_TRUE(corner.engine.isLost());
    EXPECT_EQ(marks(corner), (std::vector<int>{cell(13, 13), cell(13, 14), cell(14, 13), cell(14, 14)}));
}

TEST(Power, OfTwoBlastsInOnePassOnlyTheOneThatKillsLeavesItsMarks) {
    TestGame game;
    game.ground(cell(2, 2), 7).block(cell(2, 3), 4);
    game.ground(cell(10, 10), 7).block(cell(10, 11), 4).block(cell(11, 12), 7);
    game.start();
    EXPECT_TRUE(game.engine.isLost());
    EXPECT_EQ(game.world().state().blocks[cell(2, 3)].code, 0);
    EXPECT_EQ(marks(game), (std::vector<int>{cell(9, 10), cell(9, 11), cell(9, 12), cell(10, 10), cell(10, 11),
                                             cell(10, 12), cell(11, 10), cell(11, 11), cell(11, 12)}));
}

TEST(Power, TheYellowPlateKillsOnlyAtRest) {
    TestGame game;
    game.ground(cell(4, 6), 7).ground(cell(5, 6), 2).block(cell(5, 5), 7);
    game.start();
    game.engine.pressKey(PlayerKey::Right);
    for (int i = 0; i < 3; ++i) {
        game.engine.tick();
        EXPECT_FALSE(game.engine.isLost());
    }
    game.engine.tick();
    EXPECT_TRUE(game.engine.isLost());
    EXPECT_EQ(game.player(), cell(5, 6));
}

TEST(Power, PushingABallOutOfABeamLetsTheBeamOntoThePlayer) {
    TestGame game;
    game.ground(cell(0, 5), 7).ground(cell(1, 5), 18).block(cell(4, 5), 1).block(cell(4, 4), 7);
    game.start();
    ASSERT_EQ(marks(game), (std::vector<int>{cell(2, 5), cell(3, 5)}));
    game.play("R");
    EXPECT_TRUE(game.engine.isLost());
    EXPECT_EQ(game.player(), cell(4, 5));
    EXPECT_TRUE(game.world().state().overlays[cell(4, 5)].marked);
}

TEST(Power, LosingDuringAKickHandsControlBack) {
    TestGame game;
    game.block(cell(5, 5), 7).block(cell(5, 6), 5);
    game.start();
    game.engine.pressKey(PlayerKey::Right);
    game.engine.tick();
    ASSERT_EQ(game.world().state().movingBlock, cell(5, 6));
    GameSetUp::loseGame(game.world());
    EXPECT_FALSE(game.engine.isLost());
    EXPECT_EQ(game.world().state().movingBlock, game.world().state().playerBlock);
    EXPECT_FALSE(game.world().state().inputLocked);
    EXPECT_TRUE(game.world().state().kickInProgress);
    EXPECT_TRUE(game.world().state().ticking);
}

TEST(Power, TheCircuitWaitsWhileABallRolls) {
    TestGame game;
    game.ground(cell(0, 0), 7).ground(cell(0, 1), 2).block(cell(5, 5), 7).block(cell(5, 6), 5);
    game.start();
    game.engine.pressKey(PlayerKey::Right);
    game.engine.tick();
    game.world().setUp().ground[cell(0, 0)].code = 0;
    const GameSnapshot before = game.engine.snapshot();
    game.world().evaluateCircuit();
    for (int i = 0; i < CellCount; ++i) EXPECT_EQ(game.world().state().ground[i].power, before.world.ground[i].power);
    EXPECT_EQ(game.world().state().ground[cell(0, 1)].code, 3);
}

TEST(CellActions, KeyPlatesOpenOnlyWithAKey) {
    for (uint8_t plate : {11, 12}) {
        TestGame game;
        game.block(cell(5, 5), 7).ground(cell(4, 5), plate);
        game.start();
        game.play("u");
        EXPECT_EQ(game.world().state().ground[cell(4, 5)].code, plate);
        game.world().setUp().keysHeld = 2;
        game.play("u");
        EXPECT_EQ(game.world().state().ground[cell(4, 5)].code, 0);
        EXPECT_EQ(game.world().state().keysHeld, 1);
    }
}

TEST(CellActions, SlotsAndBarsTurnAndTurnBack) {
    const std::pair<uint8_t, uint8_t> turns[] = {{16, 17}, {17, 16}, {22, 24}, {24, 22}, {23, 25}, {25, 23}};
    for (auto [from, to] : turns) {
        TestGame game;
        game.block(cell(5, 5), 7).ground(cell(5, 6), from).block(cell(5, 6), 1);
        game.start();
        game.play("r");
        EXPECT_EQ(game.world().state().ground[cell(5, 6)].code, to);
        game.play("r");
        EXPECT_EQ(game.world().state().ground[cell(5, 6)].code, from);
    }
    for (uint8_t inert : {0, 1, 2, 18, 26}) {
        TestGame game;
        game.block(cell(5, 5), 7).ground(cell(5, 4), inert);
        game.start();
        game.world().setUp().keysHeld = 1;
        game.engine.pressKey(PlayerKey::Left, ShiftModifier);
        EXPECT_EQ(game.world().state().ground[cell(5, 4)].code, inert);
        EXPECT_EQ(game.world().state().keysHeld, 1);
    }
}

TEST(CellActions, ClosingASlotPowersTheCircuit) {
    TestGame game;
    game.ground(cell(4, 3), 7).ground(cell(4, 4), 16).ground(cell(4, 5), 2).block(cell(5, 4), 7);
    game.start();
    EXPECT_EQ(game.world().state().ground[cell(4, 5)].code, 2);
    game.play("u");
    EXPECT_EQ(game.world().state().ground[cell(4, 4)].code, 17);
    EXPECT_EQ(game.world().state().ground[cell(4, 5)].code, 3);
}

}  // namespace
}  // namespace nerilo::test
