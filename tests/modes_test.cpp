// Block mode, super mode, the ending window and step-try mode.
#include <gtest/gtest.h>
#include <map>

#include "game_fixture.h"

namespace nerilo::test {
namespace {

TEST(Modes, ProgressLevelsUnlockModesAndShowTheEndingOnce) {
    TestGame game;
    Form1& f = game.form;
    f.ModeLevel = 3;
    f.MGCheck();
    EXPECT_EQ(f.ModeLevel, 0);
    EXPECT_FALSE(f.Minigame.enabled);

    f.StageProgress.fill(2);
    f.StageProgress[7] = 1;
    f.MGCheck();
    EXPECT_EQ(game.platform.endings, std::vector<bool>{false});
    EXPECT_EQ(f.ModeLevel, 1);
    EXPECT_TRUE(f.Minigame.enabled);
    EXPECT_FALSE(f.Minigame2.enabled);
    f.MGCheck();
    EXPECT_EQ(game.platform.endings.size(), 1u);

    f.StageProgress[7] = 2;
    f.MGCheck();
    EXPECT_EQ(game.platform.endings, (std::vector<bool>{false, true}));
    EXPECT_EQ(f.ModeLevel, 2);
    EXPECT_TRUE(f.Minigame2.enabled);

    f.StageProgress[3] = 1;  // cleared again without step-try mode
    f.MGCheck();
    EXPECT_EQ(f.ModeLevel, 1);
    EXPECT_TRUE(f.Minigame2.enabled) << "nothing is ever disabled again";
    f.StageProgress[3] = 2;
    f.MGCheck();
    EXPECT_EQ(game.platform.endings.size(), 3u);
    EXPECT_TRUE(game.platform.endings.back());
}

TEST(Modes, StartUpWithEverythingClearedEnablesBothWithoutAWindow) {
    TestGame game;
    game.form.StageProgress.fill(2);
    game.form.ModeLevel = 3;
    game.form.MGCheck();
    EXPECT_TRUE(game.form.Minigame.enabled && game.form.Minigame2.enabled);
    EXPECT_TRUE(game.platform.endings.empty());
}

TEST(Modes, AtMostOneModeIsChecked) {
    TestGame game;
    Form1& f = game.form;
    f.Minigame_Click();
    EXPECT_TRUE(f.Minigame.checked);
    f.Minigame2_Click();
    EXPECT_TRUE(f.Minigame2.checked);
    EXPECT_FALSE(f.Minigame.checked);
    f.Minigame_Click();
    EXPECT_TRUE(f.Minigame.checked);
    EXPECT_FALSE(f.Minigame2.checked);
    f.Minigame_Click();
    EXPECT_FALSE(f.Minigame.checked || f.Minigame2.checked);
}

TEST(Modes, BlockModeWallsThePlayerInAndCutsTheCircuit) {
    TestGame game;
    game.ground(cell(3, 3), 7).ground(cell(3, 4), 8).ground(cell(3, 5), 8).ground(cell(3, 6), 8).block(cell(3, 4), 7);
    game.form.Minigame.checked = true;
    game.start();
    EXPECT_EQ(game.form.Ji[cell(3, 6)].code, 9);
    game.play("R");
    EXPECT_EQ(game.form.Ji[cell(3, 4)].code, 1);
    EXPECT_EQ(game.form.Ji[cell(3, 6)].code, 8) << "the wall cut the stars off the target";
    game.play("L");
    EXPECT_EQ(game.player(), cell(3, 5)) << "he cannot walk back onto the wall";
    game.play("D");
    EXPECT_EQ(game.form.Ji[cell(3, 5)].code, 1);
    // A kicked ball transforms nothing.
    TestGame kick;
    kick.block(cell(5, 5), 7).block(cell(5, 6), 5);
    kick.form.Minigame.checked = true;
    kick.start();
    kick.play("R");
    for (int c = 6; c < 14; ++c) EXPECT_EQ(kick.form.Ji[cell(5, c)].code, 0);
}

TEST(Modes, SuperModeDrawsSpringsTwiceAsOftenAsEachArrow) {
    TestGame game;
    game.block(cell(7, 0), 7);
    game.form.Minigame2.checked = true;
    game.start();
    std::map<int, int> counts;
    for (int i = 0; i < 7000; ++i) {
        Form1& f = game.form;
        f.Ji[f.playerCell()].code = 0;
        const int left = f.playerCell();
        f.MovingBlock = f.PlayerBlock;
        f.MinG();
        ++counts[f.Ji[left].code];
    }
    ASSERT_EQ(counts.size(), 6u);
    for (int code : {0, 4, 26, 27, 28, 29}) EXPECT_TRUE(counts.count(code)) << code;
    for (int code : {0, 26, 27, 28, 29}) EXPECT_NEAR(counts[code], 1000, 150) << code;
    EXPECT_NEAR(counts[4], 2000, 200);
}

TEST(Modes, SuperModeLeavesRandomTilesBehindTheMovingPlayer) {
    TestGame game;
    game.block(cell(7, 5), 7);
    game.form.Minigame2.checked = true;
    game.start();
    game.play("D");
    const uint8_t left = game.form.Ji[cell(7, 5)].code;
    EXPECT_TRUE(left == 0 || left == 4 || (left >= 26 && left <= 29)) << int(left);
}

TEST(StepTry, SwitchingFollowsTheFreshRoundAndTheLock) {
    TestGame game;
    game.block(cell(5, 5), 7);
    game.start();
    Form1& f = game.form;
    f.Tokein_Click();  // before the first key
    EXPECT_TRUE(f.Tokein.checked);
    EXPECT_EQ(f.Check2.foreColor, Yellow);
    f.Tokein_Click();  // off is always allowed
    EXPECT_FALSE(f.Tokein.checked);
    EXPECT_EQ(f.Check2.foreColor, White);

    game.play("R");
    f.Check2_Click();  // a key was pressed and he stands still
    EXPECT_FALSE(f.Tokein.checked);
    ASSERT_EQ(game.platform.messages.size(), 1u);
    EXPECT_EQ(game.platform.messages[0].text, "ゲーム中には切り替えられません。");
    EXPECT_EQ(game.platform.messages[0].icon, MsgIcon::Exclamation);

    f.Form_KeyDown(vk::Right, 0);  // during an animated move
    f.Tokein_Click();
    EXPECT_TRUE(f.Tokein.checked);
    game.settle();
    f.Tokein_Click();
    EXPECT_FALSE(f.Tokein.checked);
    EXPECT_EQ(game.platform.messages.size(), 1u);
}

TEST(StepTry, SwitchingOffMidGameStopsTheCounting) {
    TestGame game;
    game.block(cell(5, 5), 7).target(10);
    game.form.Tokein.checked = true;
    game.start();
    game.play("RR");
    EXPECT_EQ(game.form.Label1.caption, "8");
    game.form.Tokein_Click();
    game.play("RR");
    EXPECT_EQ(game.form.Label1.caption, "8");
}

}  // namespace
}  // namespace nerilo::test
