// The thirty numbered stages: each is cleared by its stored solution, in
// step-try mode within its target, and the whole set plays through in a row.
// How deep each is, and the bands of the set, are in stage_depth_test.cpp.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

#include "model/progress_file.h"
#include "game_fixture.h"
#include "stage_solutions.h"
#include "tools/stage_designs.h"

namespace nerilo::test {
namespace {

const std::filesystem::path Source = NERILO_SOURCE_DIR;

struct Played {
    int clears = 0;
    bool lost = false;
    int stepsLeft = 0;
};

// Opens the numbered stage from the source tree through the Open command and plays it.
Played play(int number, const std::string& keys, bool stepTry) {
    ScriptedPlatform platform("/nonexistent");
    platform.keepsFiles = false;  // a clear would otherwise write the user's own data folder
    Game game(platform);
    GameSetUp::state(game).stepTry = stepTry;
    platform.fileAnswers.push_back(shippedStage(number));
    game.stages().open();
    game.startRound();
    Replay replay;
    EXPECT_TRUE(playKeys(game, keys, 2000, replay));
    EXPECT_FALSE(replay.stuck) << "stage " << number;
    return {static_cast<int>(platform.clears.size()), game.isLost(), game.world().state().stepsLeft};
}

TEST(Stages, EverySolutionClearsItsStageAlsoWithinTheStepTarget) {
    const auto all = storedSolutions();
    ASSERT_EQ(all.size(), 30u);
    for (const auto& [number, keys] : all) {
        const Played normal = play(number, keys, false);
        EXPECT_EQ(normal.clears, 1) << "stage " << number;
        const Played counted = play(number, keys, true);
        EXPECT_EQ(counted.clears, 1) << "stage " << number << " in step-try mode";
        EXPECT_FALSE(counted.lost) << "stage " << number;
    }
}

TEST(Stages, FilesAreWhatTheDesignsSay) {
    const StageDesigns designs = parseStageDesigns(readText(Source / "assets/stage-designs.txt"));
    ASSERT_TRUE(designs.ok()) << designs.error;
    ASSERT_EQ(designs.stages.size(), 30u);
    for (const auto& [number, design] : designs.stages) {
        const StageRead file = readStageFile(shippedStage(number));
        ASSERT_TRUE(file.ok()) << number << ": " << file.error;
        EXPECT_EQ(file.stage.ground, design.ground) << "stage " << number;
        EXPECT_EQ(file.stage.blocks, design.blocks) << "stage " << number;
        EXPECT_EQ(file.stage.comment, design.comment) << "stage " << number;
        EXPECT_EQ(file.stage.stepTarget, design.stepTarget) << "stage " << number;
    }
}

TEST(Stages, TheSetUsesEveryTileHasCommentsAndFairTargets) {
    const StageDesigns designs = parseStageDesigns(readText(Source / "assets/stage-designs.txt"));
    const auto all = storedSolutions();
    std::set<int> grounds, blocks;
    for (const auto& [number, stage] : designs.stages) {
        grounds.insert(stage.ground.begin(), stage.ground.end());
        blocks.insert(stage.blocks.begin(), stage.blocks.end());
        EXPECT_NE(stage.comment.find("ステージ" + std::to_string(number) + "「"), std::string::npos) << number;
        // The target: the steps of the stored shortest clear, a quarter more
        // (rounded up) and one, since the step that reaches 0 loses.
        const Played counted = play(number, all.at(number), true);
        const long long steps = stage.stepTarget - counted.stepsLeft;
        EXPECT_EQ(stage.stepTarget, steps + (steps + 3) / 4 + 1) << "stage " << number << " takes " << steps << " steps";
    }
    for (int code = 0; code < GroundCodeCount; ++code) EXPECT_TRUE(grounds.count(code)) << "ground " << code;
    for (int code = 1; code <= block::Player; ++code) EXPECT_TRUE(blocks.count(code)) << "block " << code;
}

TEST(Stages, ThirtyClearsInARowReachTheEnding) {
    TempDir program;
    std::filesystem::copy(Source / "stage", program.path() / "stage");
    ScriptedPlatform platform(program.path().string());
    Game form(platform);
    form.startUp();
    ASSERT_EQ(stageTitle(form.session()), "stage1.txt");
    form.startRound();
    for (const auto& [number, keys] : storedSolutions()) {
        ASSERT_EQ(stageTitle(form.session()), "stage" + std::to_string(number) + ".txt");
        Replay replay;
        playKeys(form, keys, 2000, replay);
        ASSERT_EQ(platform.clears.size(), static_cast<size_t>(number)) << "stage " << number;
    }
    Progress allCleared;
    allCleared.fill(1);
    EXPECT_EQ(form.playerData().progress(), allCleared);
    EXPECT_EQ(platform.endings, std::vector<bool>{false});
    EXPECT_TRUE(form.session().blockModeUnlocked);
    EXPECT_FALSE(form.session().superModeUnlocked);
}

// A bad header line is a clear error, never an exception that ends the tool.
TEST(StageDesigns, ABadHeaderLineIsAnErrorNamingTheLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"== \ncomment: x\n", "line 1: a stage number"},
        {"== seven\n", "line 1: a stage number"},
        {"== 7x\n", "line 1: a stage number"},
        {"== 99999999999999999999\n", "line 1: a stage number"},
        {"== 7\ntarget: lots\n", "line 2: a step target"},
        {"== 7\ntarget: 100000000\n", "line 2: a step target"},
    };
    for (const auto& [text, error] : cases) {
        const StageDesigns designs = parseStageDesigns(text);
        EXPECT_FALSE(designs.ok()) << text;
        EXPECT_EQ(designs.error.rfind(error, 0), 0u) << text << " gave " << designs.error;
    }
}

}  // namespace
}  // namespace nerilo::test
