// The world tick: phases, frames, wrap, landing rules and slides.
#include <gtest/gtest.h>

#include "game_fixture.h"

namespace nerilo::test {
namespace {

struct Frame {
    int left, top, frame;
};

std::vector<Frame> followMove(TestGame& game, PlayerKey key, int ticks) {
    std::vector<Frame> frames;
    game.engine.pressKey(key);
    for (int i = 0; i < ticks; ++i) {
        game.engine.tick();
        const WorldState& w = game.world().setUp();
        const Drawing& d = game.world().drawing();
        const Picture shown = pictureOf(w, d, w.playerBlock);
        frames.push_back({d.left[w.playerBlock], d.top[w.playerBlock], shown.palette == Palette::Player ? shown.index : -1});
    }
    return frames;
}

TEST(Tick, AStepRunsFourQuarterPhasesWithWalkingFrames) {
    TestGame game;
    game.block(cell(5, 5), 7);
    game.start();
    auto frames = followMove(game, PlayerKey::Left, 4);
    const int x = cellLeft(cell(5, 5)), y = cellTop(cell(5, 5));
    const Frame expected[] = {{x - 120, y, 12}, {x - 240, y, 11}, {x - 360, y, 13}, {x - 480, y, 11}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(frames[i].left, expected[i].left) << i;
        EXPECT_EQ(frames[i].top, expected[i].top) << i;
        EXPECT_EQ(frames[i].frame, expected[i].frame) << i;
    }
    EXPECT_EQ(game.player(), cell(5, 4));
    EXPECT_FALSE(game.world().state().inputLocked);
}

TEST(Tick, AJumpFromASpringFollowsItsArcAndLandsTwoCellsOn) {
    TestGame game;
    game.block(cell(5, 2), 7).ground(cell(5, 3), 5);
    game.start();
    auto frames = followMove(game, PlayerKey::Right, 8);
    const int y = cellTop(cell(5, 3));
    const int x = cellLeft(cell(5, 3));
    // Ticks 5..8 are the jump: a quarter step, then the arc offsets of phases 1 to 3.
    const Frame expected[] = {{x + 240, y - 240, 8}, {x + 480, y - 360, 8}, {x + 720, y - 240, 8}, {cellLeft(cell(5, 5)), y, 8}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(frames[4 + i].left, expected[i].left) << i;
        EXPECT_EQ(frames[4 + i].top, expected[i].top) << i;
        EXPECT_EQ(frames[4 + i].frame, expected[i].frame) << i;
    }
    EXPECT_EQ(game.player(), cell(5, 5));
    EXPECT_FALSE(game.world().state().inputLocked);
}

TEST(Tick, StepsWrapAroundTheBoard) {
    // A jump onto a wall in column 1 steps on into the wall of column 0, and
    // from there a plain step to the left comes in at column 14.
    TestGame left;
    left.block(cell(3, 4), 7).ground(cell(3, 3), 4).ground(cell(3, 1), 1).ground(cell(3, 0), 1);
    left.start();
    auto frames = followMove(left, PlayerKey::Left, 16);
    EXPECT_EQ(frames[12].left, -120);
    EXPECT_EQ(frames[14].left, -360);  // the picture slides out of the grid
    EXPECT_EQ(frames[15].left, cellLeft(cell(3, 14)));
    EXPECT_EQ(left.player(), cell(3, 14));
    EXPECT_FALSE(left.world().state().inputLocked);

    TestGame up;
    up.block(cell(3, 6), 7).ground(cell(2, 6), 4).ground(cell(0, 6), 1);
    up.start();
    up.play("U");
    EXPECT_EQ(up.player(), cell(14, 6));
    EXPECT_EQ(up.world().drawing().top[up.world().state().playerBlock], cellTop(cell(14, 6)));
}

TEST(Tick, JumpsWrapOnEitherCellChange) {
    // From column 12 onto a spring in 13: the jump's second cell change wraps to column 0.
    TestGame second;
    second.block(cell(4, 12), 7).ground(cell(4, 13), 4);
    second.start();
    second.play("R");
    EXPECT_EQ(second.player(), cell(4, 0));
    // From column 13 onto a spring in 14: the first change wraps, landing in column 1.
    TestGame first;
    first.block(cell(4, 13), 7).ground(cell(4, 14), 4);
    first.start();
    first.play("R");
    EXPECT_EQ(first.player(), cell(4, 1));
}

TEST(Tick, AJumpFromTheLastColumnWrapsDownToTheTopRow) {
    // The bottom-right corner is the last cell whose downward change wraps: a
    // bound one short would put the player below the board.
    TestGame game;
    game.block(cell(12, 14), 7).ground(cell(13, 14), 4);
    game.start();
    game.play("D");
    EXPECT_EQ(game.player(), cell(0, 14));
    EXPECT_EQ(game.world().drawing().top[game.world().state().playerBlock], cellTop(cell(0, 14)));
    EXPECT_FALSE(game.world().state().inputLocked);
}

TEST(Tick, AJumpOntoAWallOrABlockStepsOn) {
    TestGame wall;
    wall.block(cell(6, 2), 7).ground(cell(6, 3), 6).ground(cell(6, 5), 1).ground(cell(6, 6), 13);
    wall.start();
    Replay r = wall.play("R");
    EXPECT_EQ(wall.player(), cell(6, 7));
    EXPECT_EQ(r.ticks, 4 + 4 + 4 + 4);

    TestGame ball;
    ball.block(cell(6, 2), 7).ground(cell(6, 3), 6).block(cell(6, 5), 1);
    ball.start();
    ball.play("R");
    EXPECT_EQ(ball.player(), cell(6, 6));
    EXPECT_EQ(ball.world().state().blockCell[cell(6, 5)], cell(6, 5));
}

TEST(Tick, SpringsChainJumps) {
    // A step ending on a spring jumps; a jump ending on a spring jumps again.
    TestGame game;
    game.block(cell(8, 1), 7).ground(cell(8, 2), 4).ground(cell(8, 4), 5);
    game.start();
    Replay r = game.play("R");
    EXPECT_EQ(game.player(), cell(8, 6));
    EXPECT_EQ(r.ticks, 12);
}

TEST(Tick, AnEndlessJumpRowKeepsCirclingUntilRetry) {
    TestGame game;
    game.block(cell(2, 0), 7);
    for (int c = 0; c < BoardSide; ++c) game.ground(cell(2, c), 1);
    game.ground(cell(2, 1), 4);
    game.start();
    Replay r = game.play("R", 500);
    EXPECT_TRUE(r.stuck);
    EXPECT_TRUE(game.world().state().inputLocked);
    game.play("X");
    EXPECT_EQ(game.player(), cell(2, 0));
    EXPECT_FALSE(game.world().state().inputLocked);
}

TEST(Tick, PushingANonConductorRedrawsBeamsAndAConductorReevaluates) {
    // An emitter fires across the row; pushing a black ball into the beam cuts it.
    TestGame cut;
    cut.ground(cell(1, 0), 7).ground(cell(1, 1), 20).block(cell(3, 5), 7).block(cell(2, 5), 1);
    cut.start();
    EXPECT_TRUE(cut.world().state().overlays[cell(1, 7)].marked);
    cut.play("U");  // pushes the ball up into the beam row at (1,5)
    EXPECT_EQ(cut.world().state().blockCell[cell(2, 5)], cell(1, 5));
    EXPECT_TRUE(cut.world().state().overlays[cell(1, 4)].marked);
    EXPECT_FALSE(cut.world().state().overlays[cell(1, 6)].marked);
}

TEST(Tick, IdlePlayerOnAnArrowSlidesWithoutAKey) {
    TestGame game;
    game.block(cell(5, 5), 7).ground(cell(5, 5), 28);
    game.start();
    game.engine.tick();
    EXPECT_EQ(game.player(), cell(5, 6));
    game.settle();
    EXPECT_EQ(game.player(), cell(5, 14));
    EXPECT_FALSE(game.world().state().inputLocked);
    EXPECT_FALSE(game.engine.isLost());
}

TEST(Slides, BlockedOnItsOwnArrowThePlayerIsLost) {
    TestGame game;
    game.block(cell(5, 5), 7).ground(cell(5, 6), 28).ground(cell(5, 7), 1);
    game.start();
    game.play("R");
    EXPECT_TRUE(game.engine.isLost());
    EXPECT_EQ(game.player(), cell(5, 6));
    EXPECT_EQ(pictureOf(game.world().state(), game.world().drawing(), game.world().state().playerBlock), playerPicture(1));
}

TEST(Slides, CarriedIntoTheTopRowOnItsOwnArrowIsLostButNotFromPlainGround) {
    TestGame onArrow;
    onArrow.block(cell(3, 5), 7).ground(cell(2, 5), 27).ground(cell(1, 5), 27).ground(cell(0, 5), 27);
    onArrow.start();
    onArrow.play("U");
    EXPECT_TRUE(onArrow.engine.isLost());
    EXPECT_EQ(onArrow.player(), cell(0, 5));

    TestGame plain;
    plain.block(cell(3, 5), 7).ground(cell(2, 5), 27);
    plain.start();
    plain.play("U");
    EXPECT_FALSE(plain.engine.isLost());
    EXPECT_EQ(plain.player(), cell(0, 5));
    EXPECT_FALSE(plain.world().state().inputLocked);
}

TEST(Slides, KickedBallRollsUntilStoppedAndHandsControlBack) {
    TestGame game;
    game.block(cell(5, 5), 7).block(cell(5, 6), 5).block(cell(5, 9), 1);
    game.start();
    game.play("R");
    EXPECT_EQ(game.world().state().blockCell[cell(5, 6)], cell(5, 8));
    EXPECT_EQ(game.player(), cell(5, 5));
    EXPECT_FALSE(game.world().state().kickInProgress);
    EXPECT_EQ(game.world().state().movingBlock, game.world().state().playerBlock);
    EXPECT_FALSE(game.world().state().inputLocked);
    // A key block does not stop it; the board edge does.
    TestGame key;
    key.block(cell(5, 5), 7).block(cell(5, 6), 5).block(cell(5, 10), 6);
    key.start();
    key.play("R");
    EXPECT_EQ(key.world().state().blockCell[cell(5, 6)], cell(5, 14));
}

TEST(Slides, ABallTurnedBackByAnArrowStopsNextToThePlayer) {
    // Kicked right, turned left by the arrow: the player stops it like any block.
    TestGame game;
    game.block(cell(5, 5), 7).block(cell(5, 6), 5).ground(cell(5, 9), 29);
    game.start();
    game.play("R");
    EXPECT_EQ(game.world().state().blockCell[cell(5, 6)], cell(5, 6));
    EXPECT_EQ(game.player(), cell(5, 5));
    EXPECT_FALSE(game.world().state().inputLocked);
}

TEST(Slides, BallOnItsOwnArrowIsNotLostWhenBlockedButGivesControlBackAtTheEdge) {
    TestGame blocked;
    blocked.block(cell(5, 5), 7).block(cell(5, 6), 5).ground(cell(5, 8), 28).ground(cell(5, 9), 1);
    blocked.start();
    blocked.play("R");
    EXPECT_FALSE(blocked.engine.isLost());
    EXPECT_EQ(blocked.world().state().blockCell[cell(5, 6)], cell(5, 8));
    EXPECT_FALSE(blocked.world().state().inputLocked);

    TestGame edge;
    edge.block(cell(5, 5), 7).block(cell(5, 6), 5).ground(cell(5, 14), 28);
    edge.start();
    edge.play("R");
    EXPECT_FALSE(edge.engine.isLost());
    EXPECT_EQ(edge.world().state().blockCell[cell(5, 6)], cell(5, 14));
    EXPECT_EQ(edge.world().state().movingBlock, edge.world().state().playerBlock);
    EXPECT_FALSE(edge.world().state().inputLocked);
    EXPECT_TRUE(edge.world().state().kickInProgress);  // cleared when the player's next move ends
    edge.play("D");
    EXPECT_FALSE(edge.world().state().kickInProgress);
}

TEST(Slides, KickedBallOnAnArrowRollsTheArrowsWay) {
    TestGame game;
    game.block(cell(5, 5), 7).block(cell(5, 6), 5).ground(cell(5, 6), 26);
    game.start();
    game.play("R");
    EXPECT_EQ(game.world().state().blockCell[cell(5, 6)], cell(14, 6));
}

TEST(Slides, BallKeepsSlidingOverAYellowPlateAndThePlayerDoesNot) {
    TestGame ball;
    ball.block(cell(5, 5), 7).block(cell(5, 6), 5).ground(cell(5, 8), 3).ground(cell(4, 8), 7);
    ball.start();
    ball.play("R");
    EXPECT_EQ(ball.world().state().blockCell[cell(5, 6)], cell(5, 14));
    EXPECT_FALSE(ball.engine.isLost());

    TestGame player;
    player.block(cell(5, 5), 7).ground(cell(5, 6), 28).ground(cell(5, 8), 3).ground(cell(4, 8), 7);
    player.start();
    player.play("R");
    EXPECT_TRUE(player.engine.isLost());
    EXPECT_EQ(player.player(), cell(5, 8));
}

TEST(Slides, ASlideIntoASpringJumpsOn) {
    TestGame game;
    game.block(cell(5, 5), 7).ground(cell(5, 6), 28).ground(cell(5, 8), 4);
    game.start();
    game.play("R");
    EXPECT_EQ(game.player(), cell(5, 10));
    EXPECT_FALSE(game.world().state().inputLocked);
}

TEST(Slides, ThousandsOfTicksOfABallCirclingOnArrowsStayOnTheBoard) {
    TestGame game;
    game.block(cell(5, 5), 7).block(cell(5, 6), 5);
    game.ground(cell(5, 7), 28).ground(cell(5, 9), 26).ground(cell(7, 9), 29).ground(cell(7, 7), 27);
    game.start();
    game.engine.pressKey(PlayerKey::Right);
    for (int i = 0; i < 5000; ++i) game.engine.tick();
    const int at = game.world().state().blockCell[cell(5, 6)];
    EXPECT_TRUE(at == cell(5, 7) || at == cell(5, 8) || at == cell(5, 9) || at == cell(6, 9) || at == cell(7, 9) ||
                at == cell(7, 8) || at == cell(7, 7) || at == cell(6, 7));
    EXPECT_TRUE(game.world().state().inputLocked);
    game.play("X");
    EXPECT_FALSE(game.world().state().inputLocked);
}

}  // namespace
}  // namespace nerilo::test
