// The checks on Save: players, stairs, a player boxed in, a stage proven
// unsolvable; the warning, and Save going on or stopping on its answer.
#include <gtest/gtest.h>

#include <filesystem>

#include "fake_runner.h"
#include "game_fixture.h"
#include "game/commands.h"
#include "solver/proof_check.h"
#include "solver/stage_checks.h"

namespace nerilo::test {
namespace {

using solver::Problem;

// The start of a round on the test game's stage as the editor draws it.
WorldState startOf(TestGame& game) {
    game.load();
    game.engine.editor().toggle();
    return game.engine.editor().plainTestStart();
}

std::vector<Problem> kinds(const std::vector<solver::StageProblem>& problems) {
    std::vector<Problem> out;
    for (const solver::StageProblem& problem : problems) out.push_back(problem.kind);
    return out;
}

TEST(StageChecks, AGoodStageHasNoProblem) {
    TestGame game;
    game.block(cell(5, 5), block::Player).ground(cell(5, 9), ground::Stairs);
    EXPECT_TRUE(solver::stageProblems(startOf(game)).empty());
}

TEST(StageChecks, PlayersAndStairs) {
    TestGame none;
    none.ground(cell(5, 9), ground::Stairs);
    const auto noPlayer = solver::stageProblems(startOf(none));
    ASSERT_EQ(kinds(noPlayer), std::vector<Problem>{Problem::NoPlayer});
    EXPECT_EQ(noPlayer[0].text().japanese(), "プレイヤーがいません。");

    TestGame three;
    three.block(cell(1, 1), block::Player).block(cell(3, 3), block::Player).block(cell(5, 5), block::Player);
    three.ground(cell(5, 9), ground::Stairs);
    const auto several = solver::stageProblems(startOf(three));
    ASSERT_EQ(kinds(several), std::vector<Problem>{Problem::SeveralPlayers});
    EXPECT_NE(several[0].text().japanese().find("3 人"), std::string::npos) << several[0].text();

    TestGame noStairs;
    noStairs.block(cell(5, 5), block::Player);
    const auto withoutStairs = solver::stageProblems(startOf(noStairs));
    ASSERT_EQ(kinds(withoutStairs), std::vector<Problem>{Problem::NoStairs}) << "no search is needed to know it";
    EXPECT_EQ(withoutStairs[0].text().japanese(), "階段がありません。");

    TestGame empty;
    EXPECT_EQ(kinds(solver::stageProblems(startOf(empty))), (std::vector<Problem>{Problem::NoPlayer, Problem::NoStairs}));
}

// Boxed in: no press moves, pushes, kicks, acts on a cell, loses or clears.
TEST(StageChecks, BoxedInMeansNoPressChangesAnything) {
    struct Case {
        const char* what;
        std::function<void(TestGame&)> draw;
        bool boxed;
    };
    const int p = cell(5, 5);
    auto wallsAround = [p](TestGame& game) {
        for (int d = 0; d < DirectionCount; ++d) game.ground(neighbourOf(p, d), ground::Wall);
    };
    const Case cases[] = {
        {"walls on every side", wallsAround, true},
        {"open to the right", [&](TestGame& g) { wallsAround(g); g.ground(cell(5, 6), ground::Floor); }, false},
        {"a ball against a wall", [&](TestGame& g) {
             wallsAround(g);
             g.ground(cell(5, 6), ground::Floor).block(cell(5, 6), block::BlackBall).ground(cell(5, 7), ground::Wall);
         }, true},
        {"a ball with room behind", [&](TestGame& g) {
             wallsAround(g);
             g.ground(cell(5, 6), ground::Floor).block(cell(5, 6), block::BlackBall);
         }, false},
        {"an olive ball to kick", [&](TestGame& g) {
             wallsAround(g);
             g.ground(cell(5, 6), ground::Floor).block(cell(5, 6), block::OliveBall);
         }, false},
        {"an olive ball kicked against a wall", [&](TestGame& g) {
             wallsAround(g);
             g.ground(cell(5, 6), ground::Floor).block(cell(5, 6), block::OliveBall).ground(cell(5, 7), ground::Wall);
         }, true},
        {"a slot to switch", [&](TestGame& g) { wallsAround(g); g.ground(cell(5, 6), ground::UpperSlot); }, false},
        {"a key plate and no key", [&](TestGame& g) { wallsAround(g); g.ground(cell(5, 6), ground::YellowKeyPlate); }, true},
        {"standing on the stairs", [&](TestGame& g) { wallsAround(g); g.ground(p, ground::Stairs); }, false},
        {"a step into a beam loses", [&](TestGame& g) {
             wallsAround(g);
             g.ground(cell(5, 6), ground::Floor).ground(cell(0, 6), ground::Target).ground(cell(1, 6), ground::EmitterDown);
         }, false},
    };
    for (const Case& c : cases) {
        TestGame game;
        game.block(p, block::Player).ground(cell(12, 12), ground::Stairs);
        c.draw(game);
        const WorldState start = startOf(game);
        EXPECT_EQ(solver::boxedIn(start), c.boxed) << c.what;
        const auto problems = kinds(solver::layoutProblems(start));
        EXPECT_EQ(std::count(problems.begin(), problems.end(), Problem::BoxedIn), c.boxed ? 1 : 0) << c.what;
    }
    // The edge of the board is no way out: a step never starts off it.
    TestGame corner;
    corner.block(cell(0, 0), block::Player).ground(cell(0, 1), ground::Wall).ground(cell(1, 0), ground::Wall);
    EXPECT_TRUE(solver::boxedIn(startOf(corner)));
}

TEST(StageChecks, UnsolvableOnlyWhenTheSearchFinished) {
    // Stairs walled off: the search explores the open board and finds no way.
    TestGame walled;
    walled.block(cell(5, 5), block::Player).ground(cell(12, 12), ground::Stairs);
    for (int d = 0; d < DirectionCount; ++d) walled.ground(neighbourOf(cell(12, 12), d), ground::Wall);
    const WorldState start = startOf(walled);
    EXPECT_TRUE(solver::provenUnsolvable(start));
    const auto problems = solver::stageProblems(start);
    ASSERT_EQ(kinds(problems), std::vector<Problem>{Problem::Unsolvable});
    EXPECT_EQ(problems[0].text().japanese(), "どう動いてもクリアできません。");
    EXPECT_FALSE(solver::provenUnsolvable(start, {10, 3})) << "a search that hit its bound proves nothing";
    EXPECT_TRUE(solver::stageProblems(start, {10, 3}).empty());

    TestGame fine;
    fine.block(cell(5, 5), block::Player).ground(cell(5, 9), ground::Stairs);
    EXPECT_FALSE(solver::provenUnsolvable(startOf(fine)));
}

// Four steps to the stairs: the step that brings the counter to 0 loses, so
// step-try mode needs a target of five. A clear that wastes steps proves
// nothing by itself, and what is enough is counted on the clear given.
TEST(StageChecks, AStepTargetTooLowForStepTryMode) {
    const auto fourSteps = [](int target) {
        TestGame game;
        game.block(cell(5, 5), block::Player).ground(cell(5, 9), ground::Stairs).target(target);
        return startOf(game);
    };
    EXPECT_TRUE(solver::stageProblems(fourSteps(5)).empty());
    EXPECT_EQ(kinds(solver::stageProblems(fourSteps(0))), std::vector<Problem>{Problem::StepTargetTooLow});
    EXPECT_EQ(solver::enoughStepTarget(fourSteps(4), "RRRRZ"), 5);
    EXPECT_EQ(solver::enoughStepTarget(fourSteps(5), "RLRRRRZ"), std::nullopt);
    EXPECT_EQ(solver::enoughStepTarget(fourSteps(4), "RLRRRRZ"), 7);
}

TEST(StageChecks, TheWarningNamesEveryProblemAndAsksToSave) {
    EXPECT_TRUE(solver::saveWarning({}).empty());
    const std::string text = solver::saveWarning({{Problem::NoPlayer}, {Problem::NoStairs}})
                                 .japanese();
    EXPECT_EQ(text, "このステージには問題があります。\n\n・プレイヤーがいません。\n・階段がありません。\n\nこのまま保存しますか？");
}

// Save with the checks the window hands in: a warning titled Nerilo with
// 保存する / キャンセル; Cancel writes nothing and asks for no file.
struct CheckedEditor {
    explicit CheckedEditor(bool stairs) {
        game.block(cell(5, 5), block::Player);
        if (stairs) game.ground(cell(5, 9), ground::Stairs);
        game.load("stage3.txt");
        game.engine.searches().setRunner(&runner);
        game.engine.editor().toggle();
        game.engine.editor().chooseBlockBrush(block::BlackBall);
        game.engine.editor().paintCell(cell(1, 1));
    }
    TestGame game;
    ImmediateRunner runner{game.engine};
};

TEST(StageChecks, AFineStageSavesAsBefore) {
    CheckedEditor editor(true);
    const std::string path = editor.game.stageFile("fine.txt");
    editor.game.platform.fileAnswers.push_back(path);
    EXPECT_TRUE(editor.game.engine.stages().save());
    EXPECT_TRUE(editor.game.platform.messages.empty());
    EXPECT_TRUE(readStageFile(path).ok());
}

TEST(StageChecks, AWarnedSaveStopsOnCancelAndGoesOnWithSave) {
    CheckedEditor editor(false);
    TestGame& game = editor.game;
    const std::string path = game.stageFile("warned.txt");
    game.platform.messageAnswers.push_back(MsgResult::Cancel);
    game.platform.fileAnswers.push_back(path);
    game.platform.dialogs.clear();
    EXPECT_FALSE(game.engine.stages().save());
    ASSERT_EQ(game.platform.messages.size(), 1u);
    const ShownMessage& warning = game.platform.messages[0];
    EXPECT_EQ(warning.title, "Nerilo");
    EXPECT_EQ(warning.buttons, MsgButtons::SaveCancel);
    EXPECT_NE(warning.text.find("階段がありません。"), std::string::npos);
    EXPECT_TRUE(game.platform.dialogs.empty()) << "no file is asked for";
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(stageTitle(game.session()), "stage3.txt");

    // Leaving the editor with "save" and then Cancel on the warning keeps the editor and the work.
    game.platform.messageAnswers = {MsgResult::Yes, MsgResult::Cancel};
    game.engine.editor().toggle();
    EXPECT_TRUE(game.session().editing());
    EXPECT_EQ(game.world().state().blocks[cell(1, 1)].code, block::BlackBall);

    game.platform.messageAnswers.push_back(MsgResult::Save);
    EXPECT_TRUE(game.engine.stages().save());
    EXPECT_EQ(readStageFile(path).stage.blocks[cell(1, 1)], block::BlackBall);
    EXPECT_EQ(stageTitle(game.session()), "warned.txt");
}


// The checks on Save and a code's proof are searches in the background that
// the command waits for: meanwhile no paint, key or command is taken, and the
// result, whenever it comes, lets the command go on where it stopped.
TEST(StageChecks, ACommandWaitsForItsSearchAndGoesOnWithItsResult) {
    CheckedEditor unsolvable(false), solvable(true);
    FakeRunner runner;
    Game& game = unsolvable.game.engine;
    game.searches().setRunner(&runner);
    const std::string path = unsolvable.game.stageFile("waited.txt");
    unsolvable.game.platform.messageAnswers.push_back(MsgResult::Save);
    unsolvable.game.platform.fileAnswers.push_back(path);
    const GameSnapshot before = game.snapshot();
    EXPECT_FALSE(game.stages().save());
    ASSERT_EQ(runner.started.back().kind, JobKind::SaveCheck);
    EXPECT_FALSE(game.perform([&] { game.editor().togglePaintLayer(); }));
    game.editor().paintCell(cell(2, 3));
    game.pressKey(PlayerKey::Right);
    EXPECT_FALSE(commandState(game, *findCommand("saveStage")).enabled);
    EXPECT_TRUE(game.snapshot() == before);
    EXPECT_TRUE(unsolvable.game.platform.messages.empty() && !std::filesystem::exists(path));
    runner.finish(game);
    EXPECT_EQ(unsolvable.game.platform.messages.size(), 1u) << "the warning, answered Save";
    EXPECT_TRUE(readStageFile(path).ok());
    EXPECT_FALSE(game.searches().awaiting());

    Game& shared = solvable.game.engine;
    shared.searches().setRunner(&runner);
    std::optional<std::string> proof;
    shared.stages().setCodeTools({}, [&](const Stage&, std::string_view keys) {
        proof = keys;
        return std::string("code");
    });
    shared.stages().copyCode();
    ASSERT_EQ(runner.started.back().kind, JobKind::Proof);
    EXPECT_FALSE(proof) << "no code before its proof is known";
    runner.finish(shared);
    ASSERT_TRUE(proof);
    EXPECT_TRUE(solver::clearsFrom(shared.editor().plainTestStart(), *proof)) << *proof;
}

}  // namespace
}  // namespace nerilo::test
