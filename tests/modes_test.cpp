// Block mode, super mode, the ending window and step-try mode.
#include <gtest/gtest.h>
#include <map>

#include "game_fixture.h"

namespace nerilo::test {
namespace {

TEST(Modes, ProgressLevelsUnlockModesAndShowTheEndingOnce) {
    TestGame game;
    Game& f = game.engine;
    GameSetUp::session(f).progressLevel = ProgressLevel::NotChecked;
    f.updateUnlocks();
    EXPECT_EQ(f.session().progressLevel, ProgressLevel::Incomplete);
    EXPECT_FALSE(f.session().blockModeUnlocked);

    GameSetUp::progress(f).fill(2);
    GameSetUp::progress(f)[7] = 1;
    f.updateUnlocks();
    EXPECT_EQ(game.platform.endings, std::vector<bool>{false});
    EXPECT_EQ(f.session().progressLevel, ProgressLevel::AllCleared);
    EXPECT_TRUE(f.session().blockModeUnlocked);
    EXPECT_FALSE(f.session().superModeUnlocked);
    f.updateUnlocks();
    EXPECT_EQ(game.platform.endings.size(), 1u);

    GameSetUp::progress(f)[7] = 2;
    f.updateUnlocks();
    EXPECT_EQ(game.platform.endings, (std::vector<bool>{false, true}));
    EXPECT_EQ(f.session().progressLevel, ProgressLevel::AllClearedStepTry);
    EXPECT_TRUE(f.session().superModeUnlocked);

    GameSetUp::progress(f)[3] = 1;  // cleared again without step-try mode
    f.updateUnlocks();
    EXPECT_EQ(f.session().progressLevel, ProgressLevel::AllCleared);
    EXPECT_TRUE(f.session().superModeUnlocked) << "nothing is ever disabled again";
    GameSetUp::progress(f)[3] = 2;
    f.updateUnlocks();
    EXPECT_EQ(game.platform.endings.size(), 3u);
    EXPECT_TRUE(game.platform.endings.back());
}

TEST(Modes, StartUpWithEverythingClearedEnablesBothWithoutAWindow) {
    TestGame game;
    game.progress().fill(2);
    game.session().progressLevel = ProgressLevel::NotChecked;
    game.engine.updateUnlocks();
    EXPECT_TRUE(game.session().blockModeUnlocked && game.session().superModeUnlocked);
    EXPECT_TRUE(game.platform.endings.empty());
}

TEST(Modes, AtMostOneModeIsChecked) {
    TestGame game;
    Game& f = game.engine;
    f.toggleBlockMode();
    EXPECT_TRUE((f.world().state().extraMode == ExtraMode::Block));
    f.toggleSuperMode();
    EXPECT_TRUE((f.world().state().extraMode == ExtraMode::Super));
    EXPECT_FALSE((f.world().state().extraMode == ExtraMode::Block));
    f.toggleBlockMode();
    EXPECT_TRUE((f.world().state().extraMode == ExtraMode::Block));
    EXPECT_FALSE((f.world().state().extraMode == ExtraMode::Super));
    f.toggleBlockMode();
    EXPECT_FALSE((f.world().state().extraMode == ExtraMode::Block) || (f.world().state().extraMode == ExtraMode::Super));
}

TEST(Modes, BlockModeWallsThePlayerInAndCutsTheCircuit) {
    TestGame game;
    game.ground(cell(3, 3), 7).ground(cell(3, 4), 8).ground(cell(3, 5), 8).ground(cell(3, 6), 8).block(cell(3, 4), 7);
    game.world().setUp().extraMode = ExtraMode::Block;
    game.start();
    EXPECT_EQ(game.world().state().ground[cell(3, 6)].code, 9);
    game.play("R");
    EXPECT_EQ(game.world().state().ground[cell(3, 4)].code, 1);
    EXPECT_EQ(game.world().state().ground[cell(3, 6)].code, 8) << "the wall cut the stars off the target";
    game.play("L");
    EXPECT_EQ(game.player(), cell(3, 5)) << "he cannot walk back onto the wall";
    game.play("D");
    EXPECT_EQ(game.world().state().ground[cell(3, 5)].code, 1);
    // A kicked ball transforms nothing.
    TestGame kick;
    kick.block(cell(5, 5), 7).block(cell(5, 6), 5);
    kick.world().setUp().extraMode = ExtraMode::Block;
    kick.start();
    kick.play("R");
    for (int c = 6; c < 14; ++c) EXPECT_EQ(kick.world().state().ground[cell(5, c)].code, 0);
}

TEST(Modes, SuperModeDrawsSpringsTwiceAsOftenAsEachArrow) {
    TestGame game;
    game.block(cell(7, 0), 7);
    game.world().setUp().extraMode = ExtraMode::Super;
    game.start();
    std::map<int, int> counts;
    for (int i = 0; i < 7000; ++i) {
        Game& f = game.engine;
        GameSetUp::state(f).ground[f.playerCell()].code = 0;
        const int left = f.playerCell();
        GameSetUp::state(f).movingBlock = f.world().state().playerBlock;
        GameSetUp::transformVacatedCell(GameSetUp::world(f));
        ++counts[f.world().state().ground[left].code];
    }
    ASSERT_EQ(counts.size(), 6u);
    for (int code : {0, 4, 26, 27, 28, 29}) EXPECT_TRUE(counts.count(code)) << code;
    for (int code : {0, 26, 27, 28, 29}) EXPECT_NEAR(counts[code], 1000, 150) << code;
    EXPECT_NEAR(counts[4], 2000, 200);
}

TEST(Modes, SuperModeLeavesRandomTilesBehindTheMovingPlayer) {
    TestGame game;
    game.block(cell(7, 5), 7);
    game.world().setUp().extraMode = ExtraMode::Super;
    game.start();
    game.play("D");
    const uint8_t left = game.world().state().ground[cell(7, 5)].code;
    EXPECT_TRUE(left == 0 || left == 4 || (left >= 26 && left <= 29)) << int(left);
}

TEST(StepTry, SwitchingFollowsTheFreshRoundAndTheLock) {
    TestGame game;
    game.block(cell(5, 5), 7);
    game.start();
    Game& f = game.engine;
    f.toggleStepTry();  // before the first key
    EXPECT_TRUE(f.world().state().stepTry);
    EXPECT_EQ(viewOf(f.world().state(), f.session()).stepTryButton.colour, Yellow);
    f.toggleStepTry();  // off is always allowed
    EXPECT_FALSE(f.world().state().stepTry);
    EXPECT_EQ(viewOf(f.world().state(), f.session()).stepTryButton.colour, White);

    game.play("R");
    f.toggleStepTry();  // a key was pressed and he stands still
    EXPECT_FALSE(f.world().state().stepTry);
    ASSERT_EQ(game.platform.messages.size(), 1u);
    EXPECT_EQ(game.platform.messages[0].text, "ゲーム中には切り替えられません。");
    EXPECT_EQ(game.platform.messages[0].icon, MsgIcon::Exclamation);

    f.pressKey(PlayerKey::Right);  // during an animated move
    f.toggleStepTry();
    EXPECT_TRUE(f.world().state().stepTry);
    game.settle();
    f.toggleStepTry();
    EXPECT_FALSE(f.world().state().stepTry);
    EXPECT_EQ(game.platform.messages.size(), 1u);
}

TEST(StepTry, SwitchingOffMidGameStopsTheCounting) {
    TestGame game;
    game.block(cell(5, 5), 7).target(10);
    game.world().setUp().stepTry = true;
    game.start();
    game.play("RR");
    EXPECT_EQ(game.world().state().stepsLeft, 8);
    game.engine.toggleStepTry();
    game.play("RR");
    EXPECT_EQ(game.world().state().stepsLeft, 8);
}

}  // namespace
}  // namespace nerilo::test
