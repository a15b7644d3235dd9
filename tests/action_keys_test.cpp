// Action keys: clearing a stage, the stage change, and key pickup.
#include <gtest/gtest.h>

#include "model/progress_file.h"
#include "game_fixture.h"

namespace nerilo::test {
namespace {

// A stage whose player stands next to the stairs.
void stairsStage(TestGame& game, std::string comment) {
    game.stage = Stage{};
    game.block(cell(5, 5), 7).ground(cell(5, 6), 15).comment(std::move(comment)).target(30);
}

TEST(ActionKeys, ClearingStageNineLoadsAndStartsStageTen) {
    TestGame game;
    stairsStage(game, "ten");
    game.block(cell(9, 9), 7);  // stage 10's player is the last block with code 7
    game.load("stage10.txt");
    stairsStage(game, "nine");
    game.start("stage9.txt");
    game.play("RZ");
    ASSERT_EQ(game.platform.clears.size(), 1u);
    EXPECT_EQ(game.platform.clears[0].letters, (std::array<std::string, 5>{"C", "L", "E", "A", "R"}));
    EXPECT_EQ(game.platform.clears[0].background, Green);
    const Game& f = game.engine;
    EXPECT_EQ(f.playerData().progress()[8], 1);
    EXPECT_EQ(f.session().stagePath, game.dir.path().string() + "/stage/stage10.txt");
    EXPECT_EQ(stageTitle(f.session()), "stage10.txt");
    EXPECT_EQ(f.session().comment, "ten");
    EXPECT_EQ(f.world().state().playerBlock, cell(9, 9));
    EXPECT_TRUE(f.world().state().ticking);  // started at once
    EXPECT_EQ(f.session().roundCommand, RoundCommand::Retry);
    EXPECT_FALSE(f.world().state().inputLocked);
}

TEST(ActionKeys, ClearingStageTenReadsTwoDigits) {
    TestGame game;
    stairsStage(game, "eleven");
    game.load("stage11.txt");
    stairsStage(game, "ten");
    game.start("stage10.txt");
    game.play("RE");
    EXPECT_EQ(game.progress()[9], 1);
    EXPECT_EQ(stageTitle(game.session()), "stage11.txt");
}

TEST(ActionKeys, InStepTryModeTheClearReadsGreatOnRedAndRecordsTwo) {
    TestGame game;
    stairsStage(game, "two");
    game.load("stage2.txt");
    stairsStage(game, "one");
    game.world().setUp().stepTry = true;
    game.start("stage1.txt");
    game.play("R_");
    ASSERT_EQ(game.platform.clears.size(), 1u);
    EXPECT_EQ(game.platform.clears[0].letters, (std::array<std::string, 5>{"G", "R", "E", "A", "T"}));
    EXPECT_EQ(game.platform.clears[0].background, Red);
    EXPECT_EQ(game.progress()[0], 2);
    // Cleared again without step-try mode, the record falls back to 1.
    game.world().setUp().stepTry = false;
    stairsStage(game, "one");
    game.start("stage1.txt");
    game.play("RZ");
    EXPECT_EQ(game.progress()[0], 1);
}

TEST(ActionKeys, FilesWithOtherNamesRecordNothingAndReloadThemselves) {
    for (const char* name : {"mine.txt", "Stage3.txt", "stage3.TXT"}) {
        TestGame game;
        stairsStage(game, "mine");
        game.start(name);
        game.play("RZ");
        EXPECT_EQ(game.platform.clears.size(), 1u);
        EXPECT_EQ(game.progress(), Progress{}) << name;
        EXPECT_EQ(stageTitle(game.session()), name);
        EXPECT_EQ(game.player(), cell(5, 5)) << name;
        EXPECT_TRUE(game.world().state().ticking);
    }
}

TEST(ActionKeys, StageNumbersOutsideTheTableRecordNothingAndDoNotCrash) {
    for (const char* name : {"stage31.txt", "stage0.txt", "stage99.txt"}) {
        TestGame game;
        stairsStage(game, "beyond");
        game.start(name);
        game.play("RZ");
        EXPECT_EQ(game.progress(), Progress{}) << name;
        EXPECT_FALSE(game.world().state().ticking);
        EXPECT_TRUE(game.world().state().inputLocked);
        EXPECT_EQ(game.world().state().ground[cell(5, 6)].code, 15) << "the board is left as it was";
    }
}

TEST(ActionKeys, AMissingNextStageLeavesTheClearedBoardAndReports) {
    TestGame game;
    stairsStage(game, "five");
    game.start("stage5.txt");
    game.play("RZ");
    EXPECT_EQ(game.progress()[4], 1);
    EXPECT_EQ(game.session().stagePath, game.stageFile("stage5.txt"));
    EXPECT_EQ(game.world().state().ground[cell(5, 6)].code, 15);
    EXPECT_EQ(game.session().comment, "five");
    EXPECT_FALSE(game.world().state().ticking);
    EXPECT_TRUE(game.world().state().inputLocked);
    ASSERT_EQ(game.platform.messages.size(), 1u);
    EXPECT_NE(game.platform.messages[0].text.find("stage6.txt"), std::string::npos);
    // Retry still plays the cleared stage.
    game.play("X");
    EXPECT_EQ(game.player(), cell(5, 5));
    EXPECT_FALSE(game.world().state().inputLocked);
}

// Guards against a failed stage change that half-loads: the player must stay on
// the stairs of the cleared board with the keys he held there.
TEST(ActionKeys, AFailedStageChangeKeepsThePlayerAndHisKeys) {
    TestGame game;
    game.block(cell(5, 5), 7).block(cell(5, 6), 6).ground(cell(5, 7), 15);
    game.start("stage5.txt");
    game.play("RZRZ");
    ASSERT_EQ(game.platform.messages.size(), 1u);
    EXPECT_EQ(game.player(), cell(5, 7));
    EXPECT_EQ(game.world().state().keysHeld, 1);
}

TEST(ActionKeys, AfterTheLastStageThereIsNothingToReport) {
    TestGame game;
    stairsStage(game, "thirty");
    game.progress().fill(1);
    game.progress()[29] = 0;
    game.start("stage30.txt");
    game.play("RZ");
    EXPECT_EQ(game.progress()[29], 1);
    EXPECT_EQ(game.platform.endings, std::vector<bool>{false});
    EXPECT_TRUE(game.platform.messages.empty());
    EXPECT_EQ(game.world().state().ground[cell(5, 6)].code, 15);
}

TEST(ActionKeys, KeysArePickedUpOnlyByAnActionKeyOnTheirCell) {
    TestGame game;
    game.block(cell(5, 5), 7).block(cell(5, 6), 6);
    game.start();
    game.play("Z");
    EXPECT_EQ(game.world().state().keysHeld, 0);
    game.play("R");
    EXPECT_EQ(game.world().state().keysHeld, 0);
    game.play("_");
    EXPECT_EQ(game.world().state().keysHeld, 1);
    EXPECT_EQ(game.world().state().blocks[cell(5, 6)].code, 0);
    EXPECT_EQ(pictureOf(game.world().state(), game.world().drawing(), cell(5, 6)), blockPicture(0));
    game.play("_");
    EXPECT_EQ(game.world().state().keysHeld, 1);
}

}  // namespace
}  // namespace nerilo::test
