// nerilo-solve as a stage author runs it: answers, exit statuses and JSON.
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "game_fixture.h"
#include "stage_solutions.h"
#include "tool_run.h"

namespace nerilo::test {
namespace {

TEST(SolveTool, AnswersWithExitStatusAndJson) {
    ToolRun solved = runTool(NERILO_SOLVE, "--json " + shippedStage(4));
    ASSERT_EQ(solved.status, 0) << solved.output;
    auto json = nlohmann::json::parse(solved.output);
    EXPECT_EQ(json["solvable"], true);
    EXPECT_EQ(json["length"], storedSolutions().at(4).size());
    EXPECT_EQ(json["keys"].get<std::string>().size(), storedSolutions().at(4).size());
    EXPECT_GT(json["expanded"], 0);
    EXPECT_FALSE(json.contains("reachable"));

    TestGame noStairs;
    noStairs.block(cell(5, 5), block::Player);
    noStairs.load();
    ToolRun unsolvable = runTool(NERILO_SOLVE, "--json --analyse " + noStairs.stageFile("test.txt"));
    EXPECT_EQ(unsolvable.status, 1) << unsolvable.output;
    json = nlohmann::json::parse(unsolvable.output);
    EXPECT_EQ(json["solvable"], false);
    EXPECT_TRUE(json["length"].is_null());
    EXPECT_EQ(json["reachable"], 225) << "every cell of an empty board, the edges wrapping";
    EXPECT_EQ(json["dead_ends"], 225);
    EXPECT_EQ(json["first_dead_end_depth"], 0);
    EXPECT_EQ(json["decisions"], 0) << "no clear to walk";

    ToolRun limited = runTool(NERILO_SOLVE, "--json --max-states 20 " + shippedStage(26));
    EXPECT_EQ(limited.status, 3) << limited.output;
    EXPECT_TRUE(nlohmann::json::parse(limited.output)["solvable"].is_null());

    ToolRun text = runTool(NERILO_SOLVE, shippedStage(1));
    EXPECT_EQ(text.status, 0);
    const std::string stage1 = storedSolutions().at(1);
    EXPECT_NE(text.output.find(stage1 + "\n" + std::to_string(stage1.size()) + " presses"), std::string::npos)
        << text.output;
}

TEST(SolveTool, RefusesBadFilesAndOptions) {
    TestGame game;
    game.load();
    std::ofstream(game.stageFile("bad.txt")) << "not a stage";
    ToolRun bad = runTool(NERILO_SOLVE, game.stageFile("bad.txt"));
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.output.find("nerilo-solve: "), std::string::npos) << bad.output;
    EXPECT_EQ(runTool(NERILO_SOLVE, game.dir.file("missing.txt")).status, 2);
    EXPECT_EQ(runTool(NERILO_SOLVE, "--threads 0 " + shippedStage(1)).status, 2);
    EXPECT_EQ(runTool(NERILO_SOLVE, "--max-states -5 " + shippedStage(1)).status, 2);
    EXPECT_EQ(runTool(NERILO_SOLVE, "").status, 2);
}

}  // namespace
}  // namespace nerilo::test
