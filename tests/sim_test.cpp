// nerilo-sim as a stage author runs it.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "game_fixture.h"
#include "tool_run.h"

namespace nerilo::test {
namespace {

ToolRun runSim(const std::string& arguments) { return runTool(NERILO_SIM, arguments); }

TEST(Sim, PlaysAStageAndReportsTheOutcome) {
    TestGame game;
    game.block(cell(5, 5), 7).ground(cell(5, 7), 15).ground(cell(0, 0), 7).ground(cell(0, 1), 2).target(9);
    game.load("stage3.txt");
    game.stage = Stage{};
    game.block(cell(1, 1), 7).comment("next").target(200);
    game.load("stage4.txt");
    ToolRun run = runSim(game.stageFile("stage3.txt") + " --step-try --keys RRZ --program-dir " + game.dir.path().string());
    ASSERT_EQ(run.status, 0) << run.output;
    auto json = nlohmann::json::parse(run.output);
    EXPECT_EQ(json["stage"], "stage4.txt");
    EXPECT_EQ(json["clears"], 1);
    EXPECT_EQ(json["progress"][2], 2);
    EXPECT_EQ(json["player"], cell(1, 1));
    EXPECT_EQ(json["counter"], "200");
    EXPECT_EQ(json["command1"], "再挑戦");
    EXPECT_EQ(json["lost"], false);
    EXPECT_EQ(json["ground"].size(), 225u);
    EXPECT_EQ(json["blocks"][0], (nlohmann::json{cell(1, 1), cell(1, 1), 7}));
    EXPECT_EQ(json["ticks"], 9);
    // The clear was written into the named program folder, as the game writes it.
    std::ifstream written(game.dir.file("data.nrl"), std::ios::binary);
    std::string progress(std::istreambuf_iterator<char>(written), {});
    EXPECT_EQ(progress.substr(0, 6), "0,0,2,");
}

// Without --program-dir the progress is made up: the file beside the simulator
// (the one a player of this copy keeps) is left exactly as it was.
TEST(Sim, WritesNoProgressUnlessAProgramFolderIsNamed) {
    TestGame game;
    game.block(cell(5, 5), 7).ground(cell(5, 6), 15).load("stage7.txt");
    const std::filesystem::path beside = std::filesystem::path(NERILO_SIM).parent_path() / "data.nrl";
    auto contents = [&] {
        std::ifstream in(beside, std::ios::binary);
        return in ? std::string(std::istreambuf_iterator<char>(in), {}) : std::string("(none)");
    };
    const std::string before = contents();
    ToolRun run = runSim(game.stageFile("stage7.txt") + " --keys RZ");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(nlohmann::json::parse(run.output)["clears"], 1);
    EXPECT_EQ(contents(), before);
}

TEST(Sim, ShowsPowerMarksAndLosses) {
    TestGame game;
    game.block(cell(5, 5), 7).ground(cell(0, 0), 7).ground(cell(0, 1), 2).ground(cell(1, 0), 18).ground(cell(5, 6), 28);
    game.load();
    ToolRun run = runSim(game.stageFile("test.txt") + " --keys R");
    ASSERT_EQ(run.status, 0) << run.output;
    auto json = nlohmann::json::parse(run.output);
    EXPECT_EQ(json["power"][1], "ビリリ");
    EXPECT_EQ(json["power"][15], "ビリリ");
    EXPECT_EQ(json["power"][2], "");
    EXPECT_EQ(json["marks"][0], cell(2, 0));
    EXPECT_EQ(json["lost"], false);
    EXPECT_EQ(json["player"], cell(5, 14));

    ToolRun stone = runSim(game.stageFile("test.txt") + " --no-start --keys SX");
    auto restarted = nlohmann::json::parse(stone.output);
    EXPECT_EQ(restarted["player"], cell(5, 5));
    EXPECT_EQ(restarted["input_lock"], 0);
}

TEST(Sim, RefusesBadFilesAndOptions) {
    TestGame game;
    game.load();
    EXPECT_EQ(runSim(game.dir.file("missing.txt")).status, 2);
    EXPECT_EQ(runSim(game.stageFile("test.txt") + " --keys RW").status, 2);
    EXPECT_EQ(runSim(game.stageFile("test.txt") + " --progress 1,2,3").status, 2);
    EXPECT_EQ(runSim(game.stageFile("test.txt") + " --block-mode --super-mode").status, 2);
    ToolRun ok = runSim(game.stageFile("test.txt") + " --no-start");
    EXPECT_EQ(ok.status, 0);
    EXPECT_EQ(nlohmann::json::parse(ok.output)["command1"], "開始");
}

// An empty --keys= once took the stage file for the key string.
TEST(Sim, AnEmptyKeyStringMeansNoKeys) {
    TestGame game;
    game.block(cell(5, 5), 7);
    game.load();
    for (const std::string& arguments : {"--keys= " + game.stageFile("test.txt"), game.stageFile("test.txt") + " --keys="}) {
        ToolRun run = runSim(arguments);
        ASSERT_EQ(run.status, 0) << arguments << ": " << run.output;
        auto json = nlohmann::json::parse(run.output);
        EXPECT_EQ(json["player"], cell(5, 5));
        EXPECT_EQ(json["ticks"], 0);
    }
}

TEST(Sim, UndoAndRedoLettersAndTheirDepths) {
    TestGame game;
    game.block(cell(5, 5), 7).ground(cell(4, 5), 1);
    game.load();
    struct Case { const char* keys; int player, undo, redo; };
    for (const Case& c : {Case{"", cell(5, 5), 0, 0}, Case{"RUB", cell(5, 6), 1, 1}, Case{"RUBBF", cell(5, 6), 1, 1},
                          Case{"RUBBD", cell(6, 5), 1, 0}, Case{"UBF", cell(5, 5), 0, 0}}) {
        ToolRun run = runSim(game.stageFile("test.txt") + " --keys=" + c.keys);
        ASSERT_EQ(run.status, 0) << run.output;
        auto json = nlohmann::json::parse(run.output);
        EXPECT_EQ(json["player"], c.player) << c.keys;
        EXPECT_EQ(json["undo_depth"], c.undo) << c.keys;
        EXPECT_EQ(json["redo_depth"], c.redo) << c.keys;
    }
}

TEST(Sim, ProgressOptionRunsTheStartUpCheckAndTheCapSetsStuck) {
    TestGame game;
    game.block(cell(2, 0), 7);
    for (int c = 0; c < BoardSide; ++c) game.ground(cell(2, c), 1);
    game.ground(cell(2, 1), 4);
    game.load();
    std::string all2 = "2";
    for (int i = 1; i < 30; ++i) all2 += ",2";
    ToolRun run = runSim(game.stageFile("test.txt") + " --progress " + all2 + " --keys R --max-ticks 50");
    auto json = nlohmann::json::parse(run.output);
    EXPECT_EQ(json["mode_level"], 2);
    EXPECT_EQ(json["endings"], 0);
    EXPECT_EQ(json["stuck"], true);
    EXPECT_EQ(json["ticks"], 50);
}

}  // namespace
}  // namespace nerilo::test
