// Test play: a round on the edited board inside the editor, and the editor
// brought back exactly; a solution shown on the board at the game's speed.
#include <functional>

#include <gtest/gtest.h>

#include <filesystem>

#include "model/file_io.h"
#include "game_fixture.h"
#include "solver/solver.h"

namespace nerilo::test {
namespace {

// A stage saved as stage5.txt, opened and taken into the editor, then drawn
// on without saving: stairs two cells right of the player, a ball below him
// and a key on his way.
struct EditedStage {
    EditedStage() {
        game.block(cell(5, 5), block::Player).comment("saved").target(40);
        game.start("stage5.txt");
        game.engine.editor().toggle();
        Game& f = game.engine;
        f.editor().chooseGroundBrush(ground::Stairs);
        f.editor().paintCell(cell(5, 7));
        f.editor().chooseBlockBrush(block::Key);
        f.editor().paintCell(cell(5, 6));
        f.editor().chooseBlockBrush(block::BlackBall);
        f.editor().paintCell(cell(6, 5));
        game.platform.textAnswers.push_back("edited");
        f.editor().editComment();
        game.platform.inputAnswers.push_back("25");
        f.editor().editStepTarget();
        f.editor().chooseGroundBrush(ground::Wall);
    }
    TestGame game;
};

TEST(TestPlay, PlaysTheEditedBoardAndEscapeBringsTheEditorBackExactly) {
    EditedStage edited;
    TestGame& game = edited.game;
    game.world().setUp().stepTry = true;
    const GameSnapshot before = game.engine.snapshot();

    game.engine.editor().toggleTestPlay();
    EXPECT_TRUE(game.session().testPlaying());
    EXPECT_FALSE(game.session().editing());
    EXPECT_TRUE(game.world().state().ticking);
    EXPECT_EQ(game.world().state().stepsLeft, 25) << "the edited target, not the file's";
    game.play("DUR");  // pushes the painted ball down, then walks onto the painted key
    EXPECT_EQ(game.player(), cell(5, 6));
    EXPECT_EQ(game.world().state().stepsLeft, 22);
    EXPECT_NE(game.blockOn(cell(7, 5), block::BlackBall), -1);

    game.engine.pressKey(PlayerKey::Escape);
    EXPECT_TRUE(game.snapshot() == before);

    // The menu entry ends it the same way, and so does the clear.
    game.engine.editor().toggleTestPlay();
    game.play("RR");
    game.engine.editor().toggleTestPlay();
    EXPECT_TRUE(game.snapshot() == before);
    EXPECT_TRUE(game.platform.messages.empty());
}

TEST(TestPlay, AClearShowsTheWindowRecordsNothingLoadsNothingAndEndsTestPlay) {
    EditedStage edited;
    TestGame& game = edited.game;
    Stage next;
    next.comment = "six";
    ASSERT_TRUE(writeStageFile(game.stageFile("stage6.txt"), next).empty());  // what a real clear would load
    const GameSnapshot before = game.engine.snapshot();
    const std::string stageBytes = readWholeFile(game.stageFile("stage5.txt"), 1 << 20).bytes;

    game.engine.editor().startTestPlay();
    game.play("RRZ");
    ASSERT_EQ(game.platform.clears.size(), 1u);
    EXPECT_EQ(game.platform.clears[0].background, Green);
    EXPECT_TRUE(game.snapshot() == before);
    EXPECT_EQ(game.progress(), Progress{});
    EXPECT_EQ(stageTitle(game.session()), "stage5.txt");
    EXPECT_EQ(readWholeFile(game.stageFile("stage5.txt"), 1 << 20).bytes, stageBytes);
    EXPECT_FALSE(std::filesystem::exists(game.dir.file("data.nrl")));
    EXPECT_TRUE(game.platform.messages.empty());
}

TEST(TestPlay, RetryAndDeleteStartAgainFromTheEditedBoardNeverFromTheFile) {
    EditedStage edited;
    TestGame& game = edited.game;
    game.engine.editor().startTestPlay();
    const GameSnapshot start = game.engine.snapshot();
    game.play("RR");
    game.engine.retryRound();
    EXPECT_TRUE(game.snapshot() == start);
    game.play("RD");
    game.engine.pressKey(PlayerKey::Delete);
    EXPECT_TRUE(game.snapshot() == start);
    EXPECT_NE(game.blockOn(cell(5, 6), block::Key), -1) << "the key painted, which the file does not hold";

    // Lost in test play (run out of steps): Delete starts it again.
    game.world().setUp().stepsLeft = 1;
    game.world().setUp().stepTry = true;
    game.play("D");
    ASSERT_TRUE(game.engine.isLost());
    game.play("X");
    EXPECT_FALSE(game.engine.isLost());
    EXPECT_TRUE(game.session().testPlaying());
    EXPECT_EQ(game.player(), cell(5, 5));
}

// Retry in test play starts the round again in the modes the editor had, as
// the first start did, never as a plain round.
TEST(TestPlay, RetryAndDeleteKeepTheEditorsModes) {
    const std::pair<const char*, std::function<void(TestGame&)>> restarts[] = {
        {"Retry", [](TestGame& g) { g.engine.retryRound(); }},
        {"Delete", [](TestGame& g) { g.engine.pressKey(PlayerKey::Delete); }},
    };
    for (const auto& [what, restart] : restarts) {
        EditedStage edited;
        TestGame& game = edited.game;
        game.world().setUp().stepTry = true;
        game.world().setUp().extraMode = ExtraMode::Block;
        game.engine.editor().startTestPlay();
        game.play("D");
        restart(game);
        EXPECT_EQ(game.player(), cell(5, 5)) << what;
        EXPECT_TRUE(game.world().state().stepTry) << what;
        EXPECT_EQ(game.world().state().extraMode, ExtraMode::Block) << what;
    }
}

// Nothing in test play touches a file or leaves the editor's work behind.
TEST(TestPlay, CommandsThatWouldLeaveOrChangeTheStageAreRefused) {
    EditedStage edited;
    TestGame& game = edited.game;
    Game& f = game.engine;
    game.session().blockModeUnlocked = game.session().superModeUnlocked = true;
    f.editor().startTestPlay();
    const GameSnapshot playing = f.snapshot();
    game.platform.dialogs.clear();
    game.platform.fileAnswers.push_back(game.stageFile("stage5.txt"));
    f.stages().open();
    f.stages().save();
    f.editor().toggle();
    f.startOver();
    f.editor().newStage();
    f.editor().editComment();
    f.editor().editStepTarget();
    f.toggleStepTry();
    f.toggleBlockMode();
    f.toggleSuperMode();
    f.editor().paintCell(cell(0, 0));
    f.editor().undo();
    EXPECT_TRUE(f.snapshot() == playing);
    EXPECT_TRUE(game.platform.messages.empty() && game.platform.dialogs.empty() && game.platform.inputs.size() == 2);

    const WindowView view = viewOf(f);
    EXPECT_TRUE(offered(f, "testPlay").enabled && offered(f, "testPlay").checked);
    EXPECT_TRUE(view.editorMenuVisible);
    EXPECT_EQ(view.height, EditingHeight);
    EXPECT_FALSE(view.palettesEnabled || view.layerButton.enabled || offered(f, "newStage").enabled);
    EXPECT_FALSE(offered(f, "undoEdit").enabled || offered(f, "redoEdit").enabled);
    EXPECT_FALSE(offered(f, "openStage").enabled || view.openButton.enabled || offered(f, "startOver").enabled ||
                 offered(f, "editor").enabled);
    EXPECT_FALSE(offered(f, "stepTry").enabled || view.stepTryButton.enabled || offered(f, "blockMode").enabled ||
                 offered(f, "superMode").enabled);
    EXPECT_TRUE(offered(f, "retry").enabled && view.roundButton.enabled);
    EXPECT_EQ(view.roundButton.caption.japanese(), "再挑戦");

    f.editor().endTestPlay();
    const WindowView editing = viewOf(f);
    EXPECT_TRUE(offered(f, "testPlay").enabled && !offered(f, "testPlay").checked);
    EXPECT_TRUE(editing.palettesEnabled && offered(f, "newStage").enabled && offered(f, "editor").enabled);
    EXPECT_TRUE(offered(f, "undoEdit").enabled);
    EXPECT_FALSE(offered(WorldState{}, SessionState{}, "testPlay").enabled) << "test play is offered in the editor only";
}

TEST(TestPlay, ClosingInTestPlayAsksAboutTheEditedStage) {
    EditedStage edited;
    TestGame& game = edited.game;
    game.engine.editor().startTestPlay();
    game.play("R");
    game.platform.messageAnswers.push_back(MsgResult::Cancel);
    game.engine.quit();
    EXPECT_FALSE(game.platform.closed);
    EXPECT_EQ(game.platform.messages.back().text, "終了します。\n保存しますか？");
    EXPECT_TRUE(game.session().editing());
    EXPECT_FALSE(game.session().testPlaying());
    EXPECT_EQ(game.session().comment, "edited");
}

TEST(TestPlay, TheEditHistorySurvivesTestPlay) {
    EditedStage edited;
    Game& f = edited.game.engine;
    f.editor().startTestPlay();
    edited.game.play("RRZ");
    EXPECT_TRUE(f.session().editing());
    f.editor().undo();  // the target
    EXPECT_EQ(f.world().state().stepTarget, 40);
    f.editor().undo();  // the comment
    EXPECT_EQ(f.session().comment, "saved");
    f.editor().undo();  // the ball
    EXPECT_EQ(f.world().state().blocks[cell(6, 5)].code, block::Empty);
    f.editor().redo();
    EXPECT_EQ(f.world().state().blocks[cell(6, 5)].code, block::BlackBall);
}

TEST(TestPlay, TheSolverStartIsARoundWithoutModesOnTheEditedBoard) {
    EditedStage edited;
    TestGame& game = edited.game;
    game.world().setUp().stepTry = true;
    game.world().setUp().extraMode = ExtraMode::Super;
    const GameSnapshot before = game.engine.snapshot();
    const WorldState start = game.engine.editor().plainTestStart();
    EXPECT_TRUE(game.snapshot() == before) << "the editor is left alone";
    EXPECT_FALSE(start.stepTry);
    EXPECT_EQ(start.extraMode, ExtraMode::None);
    EXPECT_TRUE(start.ticking && !start.inputLocked);
    EXPECT_EQ(start.blocks[cell(5, 6)].code, block::Key);
    const solver::Result result = solver::solve(start);
    ASSERT_EQ(result.outcome, solver::Outcome::Solved);
    EXPECT_EQ(result.keys, "RRZ");
}

TEST(TestPlay, ASolutionPlaysOnePressAtRestAndTheClearBringsTheEditorBack) {
    EditedStage edited;
    TestGame& game = edited.game;
    game.world().setUp().extraMode = ExtraMode::Block;  // the solution is played without it, as it was found
    const GameSnapshot before = game.engine.snapshot();
    game.engine.editor().playSolution("RRZ");
    EXPECT_TRUE(game.engine.editor().playingSolution());
    EXPECT_EQ(game.world().state().extraMode, ExtraMode::None);

    // The first tick presses R; the step takes four more ticks, then the next press comes.
    game.engine.tick();
    EXPECT_TRUE(game.world().state().inputLocked);
    EXPECT_EQ(game.world().state().stepPhase[Right], 2);
    int ticks = 1;
    while (game.session().testPlaying() && ticks < 100) {
        game.engine.tick();
        ++ticks;
    }
    EXPECT_EQ(ticks, 9) << "two steps of four ticks, the next press in the tick after each, and the clear";
    EXPECT_EQ(game.platform.clears.size(), 1u);
    EXPECT_TRUE(game.snapshot() == before);
    EXPECT_FALSE(game.engine.editor().playingSolution());
}

TEST(TestPlay, AnyKeyStopsASolutionAndTheBoardReturns) {
    for (PlayerKey key : {PlayerKey::Left, PlayerKey::Other, PlayerKey::Escape, PlayerKey::Delete}) {
        EditedStage edited;
        TestGame& game = edited.game;
        const GameSnapshot before = game.engine.snapshot();
        game.engine.editor().playSolution("RRZ");
        for (int i = 0; i < 6; ++i) game.engine.tick();
        game.engine.pressKey(key);
        EXPECT_TRUE(game.snapshot() == before) << static_cast<int>(key);
        EXPECT_TRUE(game.platform.clears.empty());
    }
    // Retry, undo and redo stop it too rather than acting on the round under it.
    const std::function<void(Game&)> commands[] = {&Game::retryRound, [](Game& g) { g.round().undo(); },
                                                   [](Game& g) { g.round().redo(); }};
    for (const auto& command : commands) {
        EditedStage edited;
        const GameSnapshot before = edited.game.engine.snapshot();
        edited.game.engine.editor().playSolution("RRZ");
        for (int i = 0; i < 6; ++i) edited.game.engine.tick();
        command(edited.game.engine);
        EXPECT_TRUE(edited.game.snapshot() == before);
        EXPECT_FALSE(edited.game.engine.editor().playingSolution());
    }
}

// The presses of test play end with it: undo in the editor or after leaving
// it never brings back a round of test play with no editor to return to.
TEST(TestPlay, ItsPressesCannotBeUndoneOnceItEnds) {
    for (const bool byClear : {false, true}) {
        EditedStage edited;
        TestGame& game = edited.game;
        game.engine.editor().toggleTestPlay();
        game.play(byClear ? "RRZ" : "RD");
        if (!byClear) game.engine.pressKey(PlayerKey::Escape);
        ASSERT_TRUE(game.session().editing());
        EXPECT_FALSE(game.engine.round().history().canUndo()) << byClear;
        // Leaving the editor when stage 1 cannot be read keeps the board; undo
        // then has nothing of test play to go back to.
        game.platform.messageAnswers.push_back(MsgResult::No);
        game.engine.editor().toggle();
        game.engine.round().undo();
        EXPECT_FALSE(game.session().testPlaying()) << byClear;
        EXPECT_FALSE(game.session().editing()) << byClear;
    }
}

TEST(TestPlay, EscapeOutsideTestPlayIsAnyOtherKey) {
    TestGame game;
    game.block(cell(5, 5), block::Player).start();
    EXPECT_TRUE(game.world().state().awaitingFirstKey);
    const GameSnapshot before = game.engine.snapshot();
    game.engine.pressKey(PlayerKey::Escape);
    EXPECT_FALSE(game.world().state().awaitingFirstKey);
    EXPECT_EQ(game.world().state().ticking, before.world.ticking);
    EXPECT_EQ(game.player(), cell(5, 5));
}

}  // namespace
}  // namespace nerilo::test
