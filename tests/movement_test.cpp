// The keyboard handler's move requests: edges, grounds, pushes and kicks.
#include <gtest/gtest.h>

#include "game_fixture.h"

namespace nerilo::test {
namespace {

TEST(Movement, AtTheEdgeNothingHappensNotEvenATurn) {
    struct Case { int start; char key; };
    for (Case c : {Case{cell(4, 14), 'R'}, Case{cell(4, 0), 'L'}, Case{cell(0, 4), 'U'}, Case{cell(14, 4), 'D'}}) {
        TestGame game;
        game.block(c.start, 7).target(5);
        game.world().setUp().stepTry = true;
        game.start();
        game.play(std::string(1, c.key));
        EXPECT_EQ(game.player(), c.start);
        EXPECT_EQ(pictureOf(game.world().state(), game.world().drawing(), game.world().state().playerBlock), blockPicture(7)) << "no turn at the edge";
        EXPECT_EQ(game.world().state().stepsLeft, 5);
        EXPECT_FALSE(game.world().state().inputLocked);
    }
}

TEST(Movement, TheSecondRowStepsUpAndTheFirstRowDoesNot) {
    // Both ends of the upper-neighbour test: cell 15 has one, cell 14 has none.
    TestGame second;
    second.block(cell(1, 0), 7);
    second.start();
    second.play("U");
    EXPECT_EQ(second.player(), cell(0, 0));
    TestGame first;
    first.block(cell(0, 14), 7);
    first.start();
    first.play("U");
    EXPECT_EQ(first.player(), cell(0, 14));
    EXPECT_EQ(pictureOf(first.world().state(), first.world().drawing(), first.world().state().playerBlock), blockPicture(7)) << "no turn at the edge";
}

TEST(Movement, GroundsThePlayerCannotStepOnTurnHimOnly) {
    for (int code : {1, 7, 10, 11, 12, 13, 14, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25}) {
        TestGame game;
        game.block(cell(5, 5), 7).ground(cell(4, 5), static_cast<uint8_t>(code));
        game.start();
        game.engine.pressKey(PlayerKey::Up);
        EXPECT_FALSE(game.world().state().inputLocked) << code;
        EXPECT_EQ(game.world().state().moveKind, MoveKind::Walk);
        EXPECT_EQ(pictureOf(game.world().state(), game.world().drawing(), game.world().state().playerBlock), playerPicture(5)) << code;
    }
}

TEST(Movement, GroundsThePlayerMayStepOnAreGranted) {
    for (int code : {0, 2, 3, 4, 5, 6, 8, 9, 15, 26, 27, 28, 29}) {
        TestGame game;
        game.block(cell(5, 5), 7).ground(cell(5, 4), static_cast<uint8_t>(code));
        game.start();
        game.engine.pressKey(PlayerKey::Left);
        EXPECT_TRUE(game.world().state().inputLocked) << code;
        EXPECT_EQ(game.world().state().stepPhase[Left], 1) << code;
    }
}

TEST(Movement, PushLandingGroundsAndObstacles) {
    struct Case { uint8_t landingGround; uint8_t landingBlock; bool allowed; };
    const Case cases[] = {
        {0, 0, true},  {2, 0, true},  {3, 0, true},  {8, 0, true},  {9, 0, true},  {26, 0, true},
        {29, 0, true}, {4, 0, false}, {6, 0, false}, {15, 0, false}, {1, 0, false}, {7, 0, false},
        {0, 1, false}, {0, 5, false}, {0, 6, false}, {0, 8, true},
    };
    for (const Case& c : cases) {
        TestGame game;
        game.block(cell(5, 5), 7).block(cell(5, 6), 1).ground(cell(5, 7), c.landingGround).block(cell(5, 7), c.landingBlock);
        game.start();
        game.engine.pressKey(PlayerKey::Right);
        EXPECT_EQ(game.world().state().moveKind == MoveKind::Push, c.allowed) << int(c.landingGround) << "/" << int(c.landingBlock);
        EXPECT_EQ(game.world().state().inputLocked, c.allowed);
        if (c.allowed) {
            game.settle();
            EXPECT_EQ(game.world().state().blockCell[cell(5, 6)], cell(5, 7));
            EXPECT_EQ(game.player(), cell(5, 6));
        }
    }
}

TEST(Movement, EveryPushableBlockIsPushedButNotPastTheEdge) {
    for (uint8_t code : {1, 2, 3, 4}) {
        TestGame game;
        game.block(cell(5, 12), 7).block(cell(5, 13), code);
        game.start();
        game.play("R");
        EXPECT_EQ(game.blockOn(cell(5, 14), code == 3 ? 2 : code), cell(5, 13)) << int(code);
        game.play("R");
        EXPECT_EQ(game.player(), cell(5, 13)) << "a block in the last column cannot be pushed on";
    }
}

TEST(Movement, ALaterBlockOnTheCellOverridesAnEarlierOne) {
    // Two blocks on the target cell: a ball (block 10) and a black ball that
    // rolled there (block 40). The later block decides.
    TestGame game;
    game.block(cell(0, 11), 7).block(cell(0, 10), 5).block(cell(2, 10), 1);
    game.start();
    game.world().setUp().blockCell[cell(2, 10)] = cell(0, 10);
    game.engine.pressKey(PlayerKey::Left);
    EXPECT_EQ(game.world().state().moveKind, MoveKind::Push);
    EXPECT_EQ(game.world().state().pushedBlock, cell(2, 10));

    TestGame reversed;
    reversed.block(cell(0, 11), 7).block(cell(0, 10), 1).block(cell(2, 10), 5);
    reversed.start();
    reversed.world().setUp().blockCell[cell(2, 10)] = cell(0, 10);
    reversed.engine.pressKey(PlayerKey::Left);
    EXPECT_EQ(reversed.world().state().moveKind, MoveKind::Kick);
    EXPECT_EQ(reversed.world().state().pushedBlock, cell(2, 10));
}

TEST(Movement, KickNeedsOnlyRoomOnTheBoard) {
    TestGame atEdge;
    atEdge.block(cell(5, 13), 7).block(cell(5, 14), 5);
    atEdge.start();
    atEdge.engine.pressKey(PlayerKey::Right);
    EXPECT_FALSE(atEdge.world().state().inputLocked);
    EXPECT_EQ(pictureOf(atEdge.world().state(), atEdge.world().drawing(), atEdge.world().state().playerBlock), playerPicture(8));

    TestGame nextToWall;
    nextToWall.block(cell(5, 5), 7).block(cell(5, 6), 5).ground(cell(5, 7), 1);
    nextToWall.start();
    nextToWall.engine.pressKey(PlayerKey::Right);
    EXPECT_EQ(nextToWall.world().state().moveKind, MoveKind::Kick);
    nextToWall.settle();
    EXPECT_EQ(nextToWall.world().state().blockCell[cell(5, 6)], cell(5, 6));
    EXPECT_EQ(nextToWall.player(), cell(5, 5));
    EXPECT_FALSE(nextToWall.world().state().inputLocked);
    EXPECT_FALSE(nextToWall.world().state().kickInProgress);
}

TEST(Movement, KeyAndStippleBlocksDoNotStopThePlayer) {
    TestGame game;
    game.block(cell(5, 5), 7).block(cell(5, 6), 6).block(cell(5, 7), 8);
    game.start();
    game.play("RR");
    EXPECT_EQ(game.player(), cell(5, 7));
}

TEST(Movement, KeysPressedDuringAMoveAreDropped) {
    TestGame game;
    game.block(cell(5, 5), 7);
    game.start();
    game.engine.pressKey(PlayerKey::Right);
    game.engine.tick();
    game.engine.pressKey(PlayerKey::Right);
    game.settle();
    EXPECT_EQ(game.player(), cell(5, 6));
}

TEST(Movement, ShiftArrowMovesFirstThenActsOnTheNeighbour) {
    TestGame game;
    game.block(cell(5, 5), 7).ground(cell(4, 5), 12).block(cell(7, 7), 6);
    game.start();
    game.world().setUp().keysHeld = 1;
    game.play("u");
    EXPECT_EQ(game.world().state().ground[cell(4, 5)].code, 0);
    EXPECT_EQ(game.world().state().keysHeld, 0);
    EXPECT_EQ(pictureOf(game.world().state(), game.world().drawing(), game.world().state().playerBlock), playerPicture(5));
    EXPECT_EQ(game.player(), cell(5, 5));
    // With Ctrl or Alt as well, only the move happens.
    game.world().setUp().keysHeld = 1;
    game.world().setUp().ground[cell(4, 5)].code = 12;
    game.engine.pressKey(PlayerKey::Up, ShiftModifier | 2);
    EXPECT_EQ(game.world().state().ground[cell(4, 5)].code, 12);
}

}  // namespace
}  // namespace nerilo::test
