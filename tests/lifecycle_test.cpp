#include <filesystem>
#include <gtest/gtest.h>

#include "game_fixture.h"

namespace nerilo::test {
namespace {

TEST(Lifecycle, LoadedStateWaitsForStart) {
    TestGame game;
    game.block(cell(5, 5), 7).target(33);
    game.load();
    const Game& f = game.engine;
    EXPECT_EQ(f.session().roundCommand, RoundCommand::Start);
    EXPECT_TRUE(f.world().state().inputLocked);
    EXPECT_FALSE(f.world().state().ticking);
    EXPECT_EQ(f.world().state().stepsLeft, 33);
    EXPECT_EQ(f.world().state().stepTarget, 33);
    EXPECT_EQ(stageTitle(f.session()), "test.txt");
    EXPECT_TRUE(offered(f, "start").enabled && offered(f, "retry").enabled && viewOf(f.world().state(), f.session()).roundButton.enabled);
    EXPECT_EQ(f.world().state().playerBlock, cell(5, 5));
    EXPECT_EQ(pictureOf(f.world().state(), f.world().drawing(), cell(5, 5)), blockPicture(7));
}

TEST(Lifecycle, StartSetsTheStateTable) {
    TestGame game;
    game.block(cell(5, 5), 7).target(33);
    game.load();
    game.world().setUp().stepsLeft = 5;  // a counter edited since the load is replaced by the target
    game.engine.startRound();
    const Game& f = game.engine;
    EXPECT_EQ(f.session().roundCommand, RoundCommand::Retry);
    EXPECT_EQ(f.world().state().stepsLeft, 33);
    EXPECT_FALSE(offered(f, "start").enabled);
    EXPECT_FALSE(f.world().state().inputLocked);
    EXPECT_TRUE(f.world().state().ticking);
    EXPECT_EQ(f.world().state().playerBlock, cell(5, 5));
    EXPECT_EQ(f.world().state().movingBlock, cell(5, 5));
    EXPECT_FALSE(f.world().state().kickInProgress);
    EXPECT_TRUE(f.world().state().awaitingFirstKey);
    EXPECT_EQ(f.world().state().moveKind, MoveKind::Walk);
    // Beams are drawn over the player once a game runs.
    for (int i = 0; i < CellCount; ++i) EXPECT_GT(f.world().drawing().overlayOrder[i], f.world().drawing().blockOrder[f.world().state().playerBlock]);
}

TEST(Lifecycle, RetryRebuildsTheBoardFromTheFileButKeepsCommentAndTarget) {
    TestGame game;
    game.block(cell(5, 5), 7).block(cell(5, 7), 6).ground(cell(0, 0), 11).comment("first").target(33);
    game.start();
    game.play("RRZ");  // onto the key and pick it up
    EXPECT_EQ(game.world().state().keysHeld, 1);
    game.world().setUp().stepTarget = 40;

    // The file changes on disk; Retry reads its grids only.
    game.stage.comment = "changed";
    game.stage.stepTarget = 99;
    game.stage.ground[cell(0, 0)] = 2;
    writeStageFile(game.stageFile("test.txt"), game.stage);
    game.engine.retryRound();
    const Game& f = game.engine;
    EXPECT_EQ(f.world().state().keysHeld, 0);
    EXPECT_EQ(f.playerCell(), cell(5, 5));
    EXPECT_EQ(f.world().state().blocks[cell(5, 7)].code, 6);
    EXPECT_EQ(f.world().state().ground[cell(0, 0)].code, 2);
    EXPECT_EQ(f.session().comment, "first");
    EXPECT_EQ(f.world().state().stepsLeft, 40);
    EXPECT_FALSE(f.world().state().inputLocked);
    EXPECT_TRUE(f.world().state().ticking);
    EXPECT_FALSE(offered(f, "start").enabled);
    for (int i = 0; i < CellCount; ++i) EXPECT_EQ(f.world().state().blockCell[i], i);
}

TEST(Lifecycle, RetryDuringAKickMakesThePlayerTheMovingObjectAgain) {
    TestGame game;
    game.block(cell(5, 5), 7).block(cell(5, 6), 5);
    game.start();
    game.engine.pressKey(PlayerKey::Right);
    game.engine.tick();
    game.engine.tick();
    ASSERT_TRUE(game.world().state().kickInProgress);
    game.engine.pressKey(PlayerKey::Delete);  // keyboard locked: Delete retries
    EXPECT_FALSE(game.world().state().kickInProgress);
    EXPECT_EQ(game.world().state().movingBlock, game.world().state().playerBlock);
    EXPECT_EQ(game.world().state().moveKind, MoveKind::Walk);
    EXPECT_EQ(game.world().state().stepPhase, (std::array<uint8_t, 4>{}));
    EXPECT_EQ(game.world().state().blockCell[cell(5, 6)], cell(5, 6));
}

TEST(Lifecycle, RetryBeforeStartRunsTheGameWhileTheButtonStillReadsStart) {
    TestGame game;
    game.block(cell(5, 5), 7);
    game.load();
    game.engine.pressKey(PlayerKey::Delete);
    EXPECT_TRUE(game.world().state().ticking);
    EXPECT_FALSE(game.world().state().inputLocked);
    EXPECT_EQ(game.session().roundCommand, RoundCommand::Start);
    game.engine.runRoundCommand();
    EXPECT_EQ(game.session().roundCommand, RoundCommand::Retry);
}

TEST(Lifecycle, DeleteWithTheKeyboardFreeRetriesOnlyWhenTheButtonSaysRetry) {
    TestGame game;
    game.block(cell(5, 5), 7);
    game.start();
    game.play("R");
    game.session().roundCommand = RoundCommand::Start;
    game.engine.pressKey(PlayerKey::Delete);
    EXPECT_EQ(game.player(), cell(5, 6));
    game.session().roundCommand = RoundCommand::Retry;
    game.engine.pressKey(PlayerKey::Delete);
    EXPECT_EQ(game.player(), cell(5, 5));
}

TEST(Lifecycle, RetryOfAMissingFileReportsAndLeavesTheGameAsItWas) {
    TestGame game;
    game.block(cell(5, 5), 7);
    game.start();
    game.play("R");
    std::filesystem::remove(game.stageFile("test.txt"));
    game.engine.retryRound();
    EXPECT_EQ(game.player(), cell(5, 6));
    EXPECT_FALSE(game.world().state().inputLocked);
    ASSERT_EQ(game.platform.messages.size(), 1u);
    EXPECT_EQ(game.platform.messages[0].title, "Nerilo");
}

TEST(Lifecycle, AbortReloadsTheStartStageAndStopsTheRunningGame) {
    TestGame game;
    game.block(cell(5, 5), 7);
    game.load("stage1.txt");
    game.engine.startRound();
    game.play("RZ");
    game.engine.pressKey(PlayerKey::Right);  // a move in flight
    game.engine.startOver();
    const Game& f = game.engine;
    EXPECT_EQ(game.platform.splashes, 1);
    EXPECT_FALSE(f.world().state().ticking);
    EXPECT_TRUE(f.world().state().inputLocked);
    EXPECT_EQ(f.world().state().stepPhase, (std::array<uint8_t, 4>{}));
    EXPECT_EQ(f.session().roundCommand, RoundCommand::Start);
    EXPECT_EQ(f.playerCell(), cell(5, 5));
    game.engine.startRound();
    game.play("R");
    EXPECT_EQ(game.player(), cell(5, 6));
}

TEST(Lifecycle, CountStepEndsTheGameWhenTheCounterRunsOut) {
    TestGame game;
    game.block(cell(5, 5), 7).target(3);
    game.world().setUp().stepTry = true;
    game.start();
    game.play("RR");
    EXPECT_EQ(game.world().state().stepsLeft, 1);
    EXPECT_FALSE(game.engine.isLost());
    game.play("R");
    EXPECT_EQ(game.world().state().stepsLeft, 0);
    EXPECT_TRUE(game.engine.isLost());
    EXPECT_EQ(game.player(), cell(5, 7));  // the last move was not carried out
}

TEST(Lifecycle, RefusedMovesAndKicksCostNoStep) {
    TestGame game;
    game.block(cell(5, 5), 7).ground(cell(5, 4), 1).block(cell(6, 5), 5).target(10);
    game.world().setUp().stepTry = true;
    game.start();
    game.play("LD");
    EXPECT_EQ(game.world().state().stepsLeft, 10);
    game.play("U");
    EXPECT_EQ(game.world().state().stepsLeft, 9);
}

TEST(Lifecycle, StepTargetOfZeroEndsTheGameAtTheFirstGrantedMoveEvenAKick) {
    TestGame game;
    game.block(cell(5, 5), 7).block(cell(5, 6), 5).target(0);
    game.world().setUp().stepTry = true;
    game.start();
    game.play("R");
    EXPECT_TRUE(game.engine.isLost());
    EXPECT_EQ(game.world().state().stepsLeft, 0);
    EXPECT_EQ(game.world().state().blockCell[cell(5, 6)], cell(5, 6));
}

// The round button follows the loss, not the Start command: a round begun by
// Delete or リトライ (also after 中止 stopped one) reads 開始 until the player
// loses, and Start would then play on the lost board instead of retrying.
TEST(Lifecycle, EveryLossSetsTheRoundButtonToRetryHoweverTheRoundBegan) {
    struct Loss {
        const char* name;
        void (*build)(TestGame&);
        const char* keys;
    };
    const Loss losses[] = {
        {"yellow plate", [](TestGame& g) { g.ground(cell(4, 6), 7).ground(cell(5, 6), 2); }, "R"},
        {"arrow trap", [](TestGame& g) { g.ground(cell(5, 6), 28).ground(cell(5, 7), 1); }, "R"},
        {"beam", [](TestGame& g) { g.ground(cell(4, 0), 7).ground(cell(4, 1), 20); }, "U."},
        {"blast", [](TestGame& g) { g.ground(cell(5, 8), 7).block(cell(5, 6), 4); }, "R"},
        {"step counter", [](TestGame& g) { g.target(2).world().setUp().stepTry = true; }, "RR"},
    };
    for (const Loss& loss : losses) {
        for (const char* begin : {"X", "T", "SLQX"}) {
            TestGame game;
            game.block(cell(5, 5), 7);
            loss.build(game);
            game.load("stage1.txt");
            game.play(begin);
            ASSERT_FALSE(game.engine.isLost()) << loss.name << " after " << begin;
            ASSERT_EQ(game.session().roundCommand, RoundCommand::Start) << loss.name << " after " << begin;
            game.play(loss.keys);
            ASSERT_TRUE(game.engine.isLost()) << loss.name << " after " << begin;
            EXPECT_EQ(game.session().roundCommand, RoundCommand::Retry) << loss.name << " after " << begin;
        }
    }
}

}  // namespace
}  // namespace nerilo::test
