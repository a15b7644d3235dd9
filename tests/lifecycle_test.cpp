#include <filesystem>
#include <gtest/gtest.h>

#include "game_fixture.h"

namespace nerilo::test {
namespace {

TEST(Lifecycle, LoadedStateWaitsForStart) {
    TestGame game;
    game.block(cell(5, 5), 7).target(33);
    game.load();
    const Form1& f = game.form;
    EXPECT_EQ(f.Command1.caption, "開始");
    EXPECT_EQ(f.InputLock, -1);
    EXPECT_FALSE(f.Timer1Enabled);
    EXPECT_EQ(f.Label1.caption, "33");
    EXPECT_EQ(f.Label1.tag, "33");
    EXPECT_EQ(f.StageName.caption, "test.txt");
    EXPECT_TRUE(f.kaisi.enabled && f.retry.enabled && f.Command1.enabled);
    EXPECT_EQ(f.PlayerBlock, cell(5, 5));
    EXPECT_EQ(f.Block[cell(5, 5)].picture, Btip(7));
}

TEST(Lifecycle, StartSetsTheStateTable) {
    TestGame game;
    game.block(cell(5, 5), 7).target(33);
    game.load();
    game.form.Label1.caption = "5";  // a counter edited since the load is replaced by the target
    game.form.kaisi_Click();
    const Form1& f = game.form;
    EXPECT_EQ(f.Command1.caption, "再挑戦");
    EXPECT_EQ(f.Label1.caption, "33");
    EXPECT_FALSE(f.kaisi.enabled);
    EXPECT_EQ(f.InputLock, 0);
    EXPECT_TRUE(f.Timer1Enabled);
    EXPECT_EQ(f.PlayerBlock, cell(5, 5));
    EXPECT_EQ(f.MovingBlock, cell(5, 5));
    EXPECT_EQ(f.KickActive, 0);
    EXPECT_EQ(f.FreshRound, -1);
    EXPECT_EQ(f.MoveKind, 0);
    // Beams are drawn over the player once a game runs.
    for (int i = 0; i < CellCount; ++i) EXPECT_GT(f.BeemPic[i].z, f.Block[f.PlayerBlock].z);
}

TEST(Lifecycle, RetryRebuildsTheBoardFromTheFileButKeepsCommentAndTarget) {
    TestGame game;
    game.block(cell(5, 5), 7).block(cell(5, 7), 6).ground(cell(0, 0), 11).comment("first").target(33);
    game.start();
    game.play("RRZ");  // onto the key and pick it up
    EXPECT_EQ(game.form.KeyCount, 1);
    game.form.Label1.tag = "40";

    // The file changes on disk; Retry reads its grids only.
    game.stage.comment = "changed";
    game.stage.stepTarget = 99;
    game.stage.ground[cell(0, 0)] = 2;
    writeStageFile(game.stageFile("test.txt"), game.stage);
    game.form.retry_Click();
    const Form1& f = game.form;
    EXPECT_EQ(f.KeyCount, 0);
    EXPECT_EQ(f.playerCell(), cell(5, 5));
    EXPECT_EQ(f.Block[cell(5, 7)].code, 6);
    EXPECT_EQ(f.Ji[cell(0, 0)].code, 2);
    EXPECT_EQ(f.ComentsTag, "first");
    EXPECT_EQ(f.Label1.caption, "40");
    EXPECT_EQ(f.InputLock, 0);
    EXPECT_TRUE(f.Timer1Enabled);
    EXPECT_FALSE(f.kaisi.enabled);
    for (int i = 0; i < CellCount; ++i) EXPECT_EQ(f.BlockCell[i], i);
}

TEST(Lifecycle, RetryDuringAKickMakesThePlayerTheMovingObjectAgain) {
    TestGame game;
    game.block(cell(5, 5), 7).block(cell(5, 6), 5);
    game.start();
    game.form.Form_KeyDown(vk::Right, 0);
    game.form.Timer1_Timer();
    game.form.Timer1_Timer();
    ASSERT_EQ(game.form.KickActive, -1);
    game.form.Form_KeyDown(vk::Delete, 0);  // keyboard locked: Delete retries
    EXPECT_EQ(game.form.KickActive, 0);
    EXPECT_EQ(game.form.MovingBlock, game.form.PlayerBlock);
    EXPECT_EQ(game.form.MoveKind, 0);
    EXPECT_EQ(game.form.StepPhase, (std::array<uint8_t, 4>{}));
    EXPECT_EQ(game.form.BlockCell[cell(5, 6)], cell(5, 6));
}

TEST(Lifecycle, RetryBeforeStartRunsTheGameWhileTheButtonStillReadsStart) {
    TestGame game;
    game.block(cell(5, 5), 7);
    game.load();
    game.form.Form_KeyDown(vk::Delete, 0);
    EXPECT_TRUE(game.form.Timer1Enabled);
    EXPECT_EQ(game.form.InputLock, 0);
    EXPECT_EQ(game.form.Command1.caption, "開始");
    game.form.Command1_Click();
    EXPECT_EQ(game.form.Command1.caption, "再挑戦");
}

TEST(Lifecycle, DeleteWithTheKeyboardFreeRetriesOnlyWhenTheButtonSaysRetry) {
    TestGame game;
    game.block(cell(5, 5), 7);
    game.start();
    game.play("R");
    game.form.Command1.caption = "開始";
    game.form.Form_KeyDown(vk::Delete, 0);
    EXPECT_EQ(game.player(), cell(5, 6));
    game.form.Command1.caption = "再挑戦";
    game.form.Form_KeyDown(vk::Delete, 0);
    EXPECT_EQ(game.player(), cell(5, 5));
}

TEST(Lifecycle, RetryOfAMissingFileReportsAndLeavesTheGameAsItWas) {
    TestGame game;
    game.block(cell(5, 5), 7);
    game.start();
    game.play("R");
    std::filesystem::remove(game.stageFile("test.txt"));
    game.form.retry_Click();
    EXPECT_EQ(game.player(), cell(5, 6));
    EXPECT_EQ(game.form.InputLock, 0);
    ASSERT_EQ(game.platform.messages.size(), 1u);
    EXPECT_EQ(game.platform.messages[0].title, "Nerilo");
}

TEST(Lifecycle, AbortReloadsTheStartStageAndStopsTheRunningGame) {
    TestGame game;
    game.block(cell(5, 5), 7);
    game.load("stage1.txt");
    game.form.kaisi_Click();
    game.play("RZ");
    game.form.Form_KeyDown(vk::Right, 0);  // a move in flight
    game.form.StTime_Click();
    const Form1& f = game.form;
    EXPECT_EQ(game.platform.splashes, 1);
    EXPECT_FALSE(f.Timer1Enabled);
    EXPECT_EQ(f.InputLock, -1);
    EXPECT_EQ(f.StepPhase, (std::array<uint8_t, 4>{}));
    EXPECT_EQ(f.Command1.caption, "開始");
    EXPECT_EQ(f.playerCell(), cell(5, 5));
    game.form.kaisi_Click();
    game.play("R");
    EXPECT_EQ(game.player(), cell(5, 6));
}

TEST(Lifecycle, CountStepEndsTheGameWhenTheCounterRunsOut) {
    TestGame game;
    game.block(cell(5, 5), 7).target(3);
    game.form.Tokein.checked = true;
    game.start();
    game.play("RR");
    EXPECT_EQ(game.form.Label1.caption, "1");
    EXPECT_FALSE(game.form.isLost());
    game.play("R");
    EXPECT_EQ(game.form.Label1.caption, "0");
    EXPECT_TRUE(game.form.isLost());
    EXPECT_EQ(game.player(), cell(5, 7));  // the last move was not carried out
}

TEST(Lifecycle, RefusedMovesAndKicksCostNoStep) {
    TestGame game;
    game.block(cell(5, 5), 7).ground(cell(5, 4), 1).block(cell(6, 5), 5).target(10);
    game.form.Tokein.checked = true;
    game.start();
    game.play("LD");
    EXPECT_EQ(game.form.Label1.caption, "10");
    game.play("U");
    EXPECT_EQ(game.form.Label1.caption, "9");
}

TEST(Lifecycle, StepTargetOfZeroEndsTheGameAtTheFirstGrantedMoveEvenAKick) {
    TestGame game;
    game.block(cell(5, 5), 7).block(cell(5, 6), 5).target(0);
    game.form.Tokein.checked = true;
    game.start();
    game.play("R");
    EXPECT_TRUE(game.form.isLost());
    EXPECT_EQ(game.form.Label1.caption, "0");
    EXPECT_EQ(game.form.BlockCell[cell(5, 6)], cell(5, 6));
}

}  // namespace
}  // namespace nerilo::test
