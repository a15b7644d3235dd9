// A stage opened from a code has no file: it waits for Start, Retry and the
// clear take it again from memory, it leaves the progress and records alone,
// and the editor saves it only where the author says.
#include <gtest/gtest.h>

#include "game_fixture.h"
#include "model/stage_code.h"

namespace nerilo::test {

TEST(StageWithoutFile, PlaysAgainFromMemoryAndIsSavedWhereTheAuthorSays) {
    TestGame game;
    game.block(cell(0, 0), block::Player).ground(cell(0, 3), ground::Stairs).comment("コードの面").target(9);
    const Stage opened = game.stage;
    game.ground(cell(0, 3), ground::Floor).ground(cell(5, 5), ground::Stairs);
    game.load("stage1.txt");  // a numbered stage, so that a clear of it would count
    game.engine.startRound();

    ASSERT_TRUE(game.engine.stages().openWithoutFile(opened));
    EXPECT_TRUE(game.session().stagePath.empty());
    EXPECT_FALSE(game.session().roundStarted) << "waits for Start";
    EXPECT_EQ(game.session().comment, "コードの面");
    game.engine.startRound();
    game.play("RR");
    EXPECT_EQ(game.player(), cell(0, 2));
    game.play("T");
    EXPECT_EQ(game.player(), cell(0, 0)) << "Retry starts the same stage again";
    game.play("RRRZ");
    EXPECT_EQ(game.platform.clears.size(), 1u);
    EXPECT_EQ(game.player(), cell(0, 0)) << "the clear starts it again";
    EXPECT_TRUE(game.world().state().ticking);
    EXPECT_TRUE(game.platform.messages.empty()) << game.platform.messages.front().text;
    EXPECT_EQ(game.progress(), Progress{}) << "a stage without a file is no numbered stage";

    game.engine.editor().toggle();
    game.platform.fileAnswers.push_back(game.stageFile("shared.txt"));
    const size_t dialogs = game.platform.dialogs.size();
    ASSERT_TRUE(game.engine.stages().save());
    ASSERT_EQ(game.platform.dialogs.size(), dialogs + 1);
    EXPECT_EQ(game.platform.dialogs.back().fileName, "") << "no file to offer";
    EXPECT_EQ(readStageFile(game.stageFile("shared.txt")).stage, opened);
}

// コードから開く: the typed code is read, its proof played before the stage
// opens, and the panel says クリア確認済み only while a cleared stage is in play.
TEST(StageWithoutFile, ATypedCodeOpensProvenOnlyWhenItsProofClears) {
    TestGame shared;
    shared.block(cell(0, 0), block::Player).ground(cell(0, 3), ground::Stairs);
    struct Case {
        const char* name;
        std::string typed;
        bool opened, proven;
        size_t messages;
    };
    const Case cases[] = {
        {"a cleared proof", formatStageCode(shared.stage, "RRRZ"), true, true, 0},
        {"a false proof", formatStageCode(shared.stage, "LZ"), true, false, 1},
        {"no proof", formatStageCode(shared.stage), true, false, 0},
        {"a spoiled code", "NRL1-spoiled", false, false, 1},
        {"cancelled", "", false, false, 0},
    };
    for (const Case& c : cases) {
        TestGame game;
        game.block(cell(5, 5), block::Player);
        game.load("stage1.txt");
        game.engine.stages().setCodeTools([](std::string_view text) { return parseStageCode(text); }, {});
        game.platform.inputAnswers.push_back(c.typed);
        game.engine.stages().askForCode("");
        EXPECT_EQ(game.session().stagePath.empty(), c.opened) << c.name;
        EXPECT_EQ(game.engine.stages().proofInPlay() != nullptr, c.proven) << c.name;
        EXPECT_EQ(viewOf(game.engine).stageTitle.japanese() == "クリア確認済み", c.proven) << c.name;
        EXPECT_EQ(game.platform.messages.size(), c.messages) << c.name;
        if (!c.proven) continue;
        game.engine.editor().toggle();
        EXPECT_EQ(game.engine.stages().proofInPlay(), nullptr) << "the editor's board is another stage";
    }
}

}  // namespace nerilo::test
