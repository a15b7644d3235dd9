// The stage editor's commands on the engine.
#include <gtest/gtest.h>

#include <fstream>

#include "model/file_io.h"
#include "game_fixture.h"

namespace nerilo::test {
namespace {

TEST(Editor, EnteringEditModeStopsTheGameAndPutsEveryBlockHome) {
    TestGame game;
    game.block(cell(5, 5), 7).block(cell(5, 6), 1);
    game.start();
    game.play("R");
    game.engine.pressKey(PlayerKey::Down);
    game.engine.tick();
    game.engine.editor().toggle();
    const Game& f = game.engine;
    EXPECT_TRUE(f.session().editing());
    EXPECT_TRUE(f.world().state().inputLocked);
    EXPECT_EQ(f.world().state().stepPhase, (std::array<uint8_t, 4>{}));
    EXPECT_TRUE(viewOf(f.world().state(), f.session()).editorMenuVisible);
    EXPECT_TRUE(viewOf(f.world().state(), f.session()).layerButton.enabled);
    EXPECT_FALSE(offered(f, "start").enabled || offered(f, "retry").enabled || viewOf(f.world().state(), f.session()).roundButton.enabled);
    EXPECT_FALSE(f.world().state().ticking);
    EXPECT_EQ(viewOf(f.world().state(), f.session()).height, EditingHeight);
    for (int i = 0; i < CellCount; ++i) {
        EXPECT_EQ(f.world().state().blockCell[i], i);
        EXPECT_EQ(f.world().drawing().left[i], cellLeft(i));
        EXPECT_EQ(f.world().drawing().top[i], cellTop(i));
        EXPECT_EQ(pictureOf(f.world().state(), f.world().drawing(), i), blockPicture(f.world().state().blocks[i].code));
    }
    // The board is still the file's: Delete asks nothing and changes nothing,
    // and neither Delete nor an arrow starts the tick on the edited board.
    const GameSnapshot before = f.snapshot();
    game.play("X");
    game.engine.pressKey(PlayerKey::Right);
    game.engine.tick();
    EXPECT_TRUE(f.snapshot() == before);
    EXPECT_TRUE(game.platform.messages.empty());
}

TEST(Editor, PalettesBrushesAndTheLayerButton) {
    TestGame game;
    game.load();
    Game& f = game.engine;
    f.editor().toggle();
    f.editor().chooseBlockBrush(4);
    EXPECT_EQ(f.session().paintLayer, PaintLayer::Blocks);
    f.editor().chooseGroundBrush(12);
    EXPECT_EQ(f.session().paintLayer, PaintLayer::Ground);
    EXPECT_EQ(f.session().groundBrush, 12);
    f.editor().paintCell(cell(2, 2));
    EXPECT_EQ(f.world().state().ground[cell(2, 2)].code, 12);
    f.editor().togglePaintLayer();
    EXPECT_EQ(f.session().paintLayer, PaintLayer::Blocks);
    f.editor().paintCell(cell(2, 2));
    EXPECT_EQ(f.world().state().blocks[cell(2, 2)].code, 4);
    EXPECT_EQ(pictureOf(f.world().state(), f.world().drawing(), cell(2, 2)), blockPicture(4));
    f.editor().chooseEraser();
    EXPECT_EQ(f.session().paintLayer, PaintLayer::Blocks) << "the eraser keeps the layer";
    EXPECT_EQ(f.session().blockBrush, 0);
}

TEST(Editor, RightClickPicksAndAPickedEmptyBlockErases) {
    TestGame game;
    game.block(cell(3, 3), 1).load();
    Game& f = game.engine;
    f.editor().toggle();
    f.editor().chooseBlockBrush(2);
    f.editor().pickBrushAt(cell(9, 9));  // pick an empty cell
    EXPECT_EQ(f.session().blockBrush, 0);
    f.editor().paintCell(cell(3, 3));
    EXPECT_EQ(f.world().state().blocks[cell(3, 3)].code, 0);
    f.editor().togglePaintLayer();
    f.editor().pickBrushAt(cell(3, 3));
    EXPECT_EQ(f.session().groundBrush, 0);
}

TEST(Editor, ClicksOutsideEditModeDoNothing) {
    TestGame game;
    game.start();
    game.engine.editor().paintCell(cell(1, 1));
    EXPECT_EQ(game.world().state().blocks[cell(1, 1)].code, 0);
    EXPECT_EQ(game.world().state().ground[cell(1, 1)].code, 0);
}

TEST(Editor, LeavingAsksAndCancelKeepsEditMode) {
    TestGame game;
    game.block(cell(1, 1), 7).load("stage1.txt");
    Game& f = game.engine;
    f.editor().toggle();
    f.editor().chooseGroundBrush(1);
    f.editor().paintCell(cell(0, 0));
    game.platform.messageAnswers.push_back(MsgResult::Cancel);
    f.editor().toggle();
    EXPECT_TRUE(f.session().editing());
    EXPECT_EQ(f.world().state().ground[cell(0, 0)].code, 1);
    EXPECT_EQ(game.platform.messages.back().text, "エディトモードを終了します。\n保存しますか？");

    game.platform.messageAnswers.push_back(MsgResult::No);
    f.editor().toggle();
    EXPECT_FALSE(f.session().editing());
    EXPECT_EQ(f.world().state().ground[cell(0, 0)].code, 0) << "stage 1 is loaded again";
    EXPECT_EQ(stageTitle(f.session()), "stage1.txt");
    EXPECT_FALSE(viewOf(f.world().state(), f.session()).editorMenuVisible);
    EXPECT_TRUE(offered(f, "start").enabled && offered(f, "retry").enabled && viewOf(f.world().state(), f.session()).roundButton.enabled);
    EXPECT_FALSE(viewOf(f.world().state(), f.session()).layerButton.enabled);
    EXPECT_EQ(viewOf(f.world().state(), f.session()).height, PlayingHeight);
    EXPECT_TRUE(f.world().state().inputLocked);
}

TEST(Editor, ADrawnStageSavedAndReopenedIsTheSameStage) {
    TestGame game;
    game.load();
    Game& f = game.engine;
    f.editor().toggle();
    game.platform.messageAnswers.push_back(MsgResult::Ok);
    f.editor().newStage();
    f.editor().chooseGroundBrush(15);
    f.editor().paintCell(cell(4, 9));
    f.editor().chooseBlockBrush(7);
    f.editor().paintCell(cell(4, 2));
    game.platform.textAnswers = {"階段へ行こう"};
    game.platform.inputAnswers = {"150"};
    f.editor().editComment();
    f.editor().editStepTarget();
    const std::string path = game.stageFile("drawn.txt");
    game.platform.fileAnswers.push_back(path);
    f.stages().save();

    StageRead read = readStageFile(path);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.stage.ground[cell(4, 9)], 15);
    EXPECT_EQ(read.stage.blocks[cell(4, 2)], 7);
    EXPECT_EQ(read.stage.comment, "階段へ行こう");
    EXPECT_EQ(read.stage.stepTarget, 150);

    TestGame player;
    player.stage = read.stage;
    player.world().setUp().stepTry = true;
    player.start();
    player.play("RRRRRRR");
    EXPECT_EQ(player.world().state().stepsLeft, 143);
    player.play("Z");
    EXPECT_EQ(player.platform.clears.size(), 1u);
}

TEST(Editor, NewStageAsksAndKeepsTheTarget) {
    TestGame game;
    game.ground(0, 1).comment("old").target(55).load();
    game.engine.editor().toggle();
    game.engine.editor().newStage();  // Enter: the safe answer, keep the board
    EXPECT_EQ(game.world().state().ground[0].code, 1);
    EXPECT_EQ(game.platform.messages[0].onEnter, MsgResult::Cancel);
    game.platform.messageAnswers.push_back(MsgResult::Cancel);
    game.engine.editor().newStage();
    EXPECT_EQ(game.world().state().ground[0].code, 1);
    game.platform.messageAnswers.push_back(MsgResult::Ok);
    game.engine.editor().newStage();
    EXPECT_EQ(game.world().state().ground[0].code, 0);
    EXPECT_EQ(game.session().comment, "");
    EXPECT_EQ(game.engine.stages().fileDialogName(), "");
    EXPECT_EQ(game.world().state().stepTarget, 55);
    EXPECT_EQ(game.platform.messages[0].text, "クリアします。\n保存をしていない場合はキャンセルを押してください");
}

TEST(Editor, AStepTargetSetInTheEditorIsUsedByTheNextGame) {
    TestGame game;
    game.block(cell(5, 5), 7).target(20).load();
    game.platform.inputAnswers.push_back("150");
    game.engine.editor().editStepTarget();
    game.world().setUp().stepsLeft = 3;
    game.engine.startRound();
    EXPECT_EQ(game.world().state().stepsLeft, 150);
    game.play("RX");
    EXPECT_EQ(game.world().state().stepsLeft, 150);
}

TEST(Editor, StepTargetAnswers) {
    struct Case { std::string answer; int32_t target; };
    const Case cases[] = {{"150", 150}, {"0", 77}, {"", 77}, {"00", 0}, {"abc", 0}, {"-5", -5},
                          {"12 steps", 12}, {"1e40", 77}};
    for (const Case& c : cases) {
        TestGame game;
        game.target(77).load();
        game.platform.inputAnswers.push_back(c.answer);
        game.engine.editor().editStepTarget();
        EXPECT_EQ(game.world().state().stepTarget, c.target) << c.answer;
        EXPECT_EQ(game.world().state().stepsLeft, c.target) << c.answer;
    }
}

// Cancel keeps the comment, text the stage file cannot hold is refused with a
// message, and an empty answer clears it.
TEST(Editor, CommentAnswers) {
    TestGame game;
    game.comment("old").load();
    game.platform.textAnswers = {std::nullopt, "new, with commas", "絵文字😀", ""};
    game.engine.editor().editComment();
    EXPECT_EQ(game.session().comment, "old");
    EXPECT_EQ(game.platform.inputs.back().defaultText, "old");
    EXPECT_EQ(game.platform.inputs.back().title, "Nerilo(コメント設定)");
    game.engine.editor().editComment();
    EXPECT_EQ(game.session().comment, "new, with commas");
    game.engine.editor().editComment();
    EXPECT_EQ(game.session().comment, "new, with commas");
    EXPECT_EQ(game.platform.messages.size(), 1u);
    game.engine.stages().showComment();
    EXPECT_EQ(game.platform.messages.back().text, "new, with commas");
    EXPECT_EQ(game.platform.messages.back().icon, MsgIcon::Information);
    game.engine.editor().editComment();
    EXPECT_EQ(game.session().comment, "");
}

}  // namespace
}  // namespace nerilo::test

namespace nerilo::test {
namespace {

// A step-try game interrupted by the editor: the counter is below the target.
struct InterruptedGame {
    InterruptedGame() {
        game.block(cell(5, 5), block::Player).ground(cell(5, 9), ground::Stairs).comment("c").target(77);
        game.world().setUp().stepTry = true;
        game.start("stage4.txt");
        game.play("RRL");
        game.engine.editor().toggle();
    }
    TestGame game;
};

TEST(EditorMends, SaveWritesTheTargetAndTheTargetBoxOffersIt) {
    InterruptedGame interrupted;
    TestGame& game = interrupted.game;
    EXPECT_EQ(game.world().state().stepsLeft, 77) << "the counter shows the target while editing";
    game.platform.inputAnswers.push_back("");
    game.engine.editor().editStepTarget();
    EXPECT_EQ(game.platform.inputs.back().defaultText, "77");
    EXPECT_EQ(game.platform.inputs.back().title, "Nerilo(タイマー設定)");

    const std::string path = game.stageFile("copy.txt");
    game.platform.fileAnswers.push_back(path);
    ASSERT_TRUE(game.engine.stages().save());
    EXPECT_EQ(readStageFile(path).stage.stepTarget, 77);

    // The target is written even when the counter was never reset.
    game.world().setUp().stepsLeft = 3;
    game.platform.fileAnswers.push_back(path);
    game.engine.stages().save();
    EXPECT_EQ(readStageFile(path).stage.stepTarget, 77);
}

TEST(EditorMends, TheStageNameFollowsSaveAndNewStage) {
    InterruptedGame interrupted;
    TestGame& game = interrupted.game;
    game.platform.fileAnswers.push_back(game.stageFile("mine.txt"));
    game.engine.stages().save();
    EXPECT_EQ(stageTitle(game.session()), "mine.txt");
    EXPECT_EQ(viewOf(game.world().state(), game.session()).stageTitle.japanese(), "mine.txt");

    game.platform.messageAnswers.push_back(MsgResult::Ok);
    game.engine.editor().newStage();
    EXPECT_EQ(viewOf(game.world().state(), game.session()).stageTitle.japanese(), "新規");
    EXPECT_EQ(game.session().stagePath, "");
    game.engine.stages().save();  // cancelled
    EXPECT_EQ(game.platform.dialogs.back().fileName, "") << "a new stage offers no name";
    EXPECT_EQ(game.platform.dialogs.back().initialFolder, game.dir.path().string() + "/stage");
}

// The file last chosen in a dialog is stage 2; the game went on to stage 3 by a clear.
TEST(EditorMends, SaveOffersTheStageBeingEditedNotTheFileLastOpened) {
    TestGame game;
    game.block(cell(5, 5), block::Player).ground(cell(5, 6), ground::Stairs);
    game.load("stage3.txt");
    game.start("stage2.txt");
    game.play("RZ");
    ASSERT_EQ(stageTitle(game.session()), "stage3.txt");
    game.engine.editor().toggle();
    game.engine.stages().save();
    EXPECT_EQ(game.platform.dialogs.back().title.japanese(), "保存");
    EXPECT_EQ(game.platform.dialogs.back().fileName, game.stageFile("stage3.txt"));
}

TEST(EditorMends, DeleteAsksBeforeDiscardingEditsAndDoesNothingWhenNothingWouldBeLost) {
    TestGame game;
    game.block(cell(5, 5), block::Player).comment("file").target(50).load();
    Game& f = game.engine;
    f.editor().toggle();
    const GameSnapshot unchanged = f.snapshot();
    f.pressKey(PlayerKey::Delete);
    EXPECT_TRUE(f.snapshot() == unchanged);
    EXPECT_TRUE(game.platform.messages.empty());

    f.editor().chooseGroundBrush(ground::Wall);
    f.editor().paintCell(cell(1, 1));
    game.platform.textAnswers.push_back("edited");
    f.editor().editComment();
    const Stage edited = f.editor().editedStage();
    game.platform.messageAnswers.push_back(MsgResult::Cancel);
    f.pressKey(PlayerKey::Delete);
    ASSERT_EQ(game.platform.messages.size(), 1u);
    EXPECT_EQ(game.platform.messages[0].title, "Nerilo");
    EXPECT_EQ(game.platform.messages[0].buttons, MsgButtons::OkCancel);
    EXPECT_NE(game.platform.messages[0].text.find("保存していない変更"), std::string::npos);
    EXPECT_EQ(f.editor().editedStage(), edited);

    game.platform.messageAnswers.push_back(MsgResult::Ok);
    f.pressKey(PlayerKey::Delete);  // the file comes back, board, comment and target
    EXPECT_EQ(f.world().state().ground[cell(1, 1)].code, ground::Floor);
    EXPECT_EQ(f.session().comment, "file");
    EXPECT_TRUE(f.session().editing() && !f.world().state().ticking && f.world().state().inputLocked);
    f.editor().undo();
    EXPECT_EQ(f.editor().editedStage(), edited) << "undo brings the edits back";

    // A comment that saves to the same text ("" and ＂) is nothing lost.
    game.stage.comment = "say ＂hi＂";
    game.platform.messageAnswers.push_back(MsgResult::Ok);  // the undone edits go
    game.load();
    GameSetUp::session(f).comment = "say \"hi\"";
    const size_t asked = game.platform.messages.size();
    f.pressKey(PlayerKey::Delete);
    EXPECT_EQ(game.platform.messages.size(), asked);
    EXPECT_EQ(f.session().comment, "say \"hi\"");
}

TEST(EditorMends, DeleteWithoutAFileOrWithADamagedOne) {
    TestGame game;
    game.block(cell(5, 5), block::Player).load();
    Game& f = game.engine;
    f.editor().toggle();
    game.platform.messageAnswers.push_back(MsgResult::Ok);
    f.editor().newStage();
    f.editor().chooseGroundBrush(ground::Wall);
    f.editor().paintCell(cell(1, 1));
    f.pressKey(PlayerKey::Delete);
    EXPECT_EQ(f.world().state().ground[cell(1, 1)].code, ground::Wall) << "a new stage has no file to go back to";

    game.platform.fileAnswers.push_back(game.stageFile("test.txt"));
    game.platform.messageAnswers.push_back(MsgResult::Ok);  // discard the new stage for the file
    f.stages().open();
    f.editor().paintCell(cell(1, 1));
    std::ofstream(game.stageFile("test.txt"), std::ios::binary) << "\"99\"";
    game.platform.messages.clear();
    f.pressKey(PlayerKey::Delete);
    ASSERT_EQ(game.platform.messages.size(), 1u);
    EXPECT_NE(game.platform.messages[0].text.find("test.txt"), std::string::npos);
    EXPECT_EQ(f.world().state().ground[cell(1, 1)].code, ground::Wall);
}

TEST(EditorMends, OpenInTheEditorAsksBeforeDiscardingEdits) {
    TestGame game;
    game.block(cell(5, 5), block::Player).load();
    Game& f = game.engine;
    f.editor().toggle();
    game.platform.dialogs.clear();
    game.platform.fileAnswers.push_back(game.stageFile("test.txt"));
    f.stages().open();  // nothing to lose: no question
    EXPECT_TRUE(game.platform.messages.empty());
    EXPECT_EQ(game.platform.dialogs.size(), 1u);

    f.editor().chooseGroundBrush(ground::Wall);
    f.editor().paintCell(cell(1, 1));
    game.platform.messageAnswers.push_back(MsgResult::Cancel);
    f.stages().open();
    EXPECT_EQ(game.platform.messages.size(), 1u);
    EXPECT_EQ(game.platform.dialogs.size(), 1u) << "Cancel opens no dialog";
    EXPECT_EQ(f.world().state().ground[cell(1, 1)].code, ground::Wall);
}

// 中止 reloads the start stage under the editor: it asks first, as Open does,
// and undo cannot bring the other stage's board back under stage1.txt's name.
TEST(EditorMends, StartOverInTheEditorAsksAndLeavesNoUndoIntoTheOldStage) {
    TestGame game;
    game.block(cell(5, 5), block::Player).load("stage1.txt");
    game.ground(cell(2, 2), ground::Wall).load("stage2.txt");
    Game& f = game.engine;
    f.editor().toggle();
    f.editor().chooseGroundBrush(ground::Wall);
    f.editor().paintCell(cell(1, 1));
    game.platform.messageAnswers.push_back(MsgResult::Cancel);
    f.startOver();
    ASSERT_EQ(game.platform.messages.size(), 1u);
    EXPECT_NE(game.platform.messages[0].text.find("保存していない変更"), std::string::npos);
    EXPECT_EQ(stageTitle(f.session()), "stage2.txt");
    EXPECT_EQ(f.world().state().ground[cell(1, 1)].code, ground::Wall) << "Cancel keeps the edits";

    game.platform.messageAnswers.push_back(MsgResult::Ok);
    f.startOver();
    EXPECT_EQ(stageTitle(f.session()), "stage1.txt");
    EXPECT_EQ(f.world().state().ground[cell(2, 2)].code, ground::Floor);
    EXPECT_FALSE(f.editor().canUndo());
    f.editor().undo();
    EXPECT_EQ(f.world().state().ground[cell(2, 2)].code, ground::Floor);
}

TEST(EditorMends, ASaveThatDidNotHappenKeepsTheEditorAndTheWindow) {
    TestGame game;
    game.block(cell(5, 5), block::Player).load();
    Game& f = game.engine;
    f.editor().toggle();
    f.editor().chooseGroundBrush(ground::Wall);
    f.editor().paintCell(cell(1, 1));
    game.platform.messageAnswers.push_back(MsgResult::Yes);  // save, then cancel the file dialog
    f.editor().toggle();
    EXPECT_TRUE(f.session().editing());
    EXPECT_EQ(f.world().state().ground[cell(1, 1)].code, ground::Wall);
    game.platform.messageAnswers.push_back(MsgResult::Yes);
    f.quit();
    EXPECT_FALSE(game.platform.closed);
}

TEST(EditorMends, ACommentOfSeveralLinesIsSavedWithCrLfAndReadBack) {
    TestGame game;
    game.block(cell(5, 5), block::Player).load();
    game.engine.editor().toggle();
    game.platform.textAnswers.push_back("一行目\n二行目\n\n四行目");
    game.engine.editor().editComment();
    const std::string path = game.stageFile("lines.txt");
    game.platform.fileAnswers.push_back(path);
    game.engine.stages().save();
    const std::string bytes = readWholeFile(path, 1 << 20).bytes;
    EXPECT_NE(bytes.find("\r\n\x93\xF1\x8D\x73\x96\xDA\r\n\r\n"), std::string::npos) << "CR LF between the lines";
    EXPECT_EQ(readStageFile(path).stage.comment, "一行目\n二行目\n\n四行目");
    EXPECT_EQ(storableComment("a\r\nb\rc\nd\"e"), "a\r\nb\r\nc\r\nd＂e");
}

}  // namespace
}  // namespace nerilo::test
