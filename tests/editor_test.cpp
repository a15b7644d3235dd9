// The stage editor's commands on the engine.
#include <gtest/gtest.h>

#include "game_fixture.h"

namespace nerilo::test {
namespace {

TEST(Editor, EnteringEditModeStopsTheGameAndPutsEveryBlockHome) {
    TestGame game;
    game.block(cell(5, 5), 7).block(cell(5, 6), 1);
    game.start();
    game.play("R");
    game.engine.pressKey(Key::Down);
    game.engine.tick();
    game.engine.toggleEditor();
    const Game& f = game.engine;
    EXPECT_TRUE(f.state().editing);
    EXPECT_TRUE(f.state().inputLocked);
    EXPECT_EQ(f.state().stepPhase, (std::array<uint8_t, 4>{}));
    EXPECT_TRUE(viewOf(f.state()).editorMenuVisible);
    EXPECT_TRUE(viewOf(f.state()).layerButton.enabled);
    EXPECT_FALSE(viewOf(f.state()).start.enabled || viewOf(f.state()).retry.enabled || viewOf(f.state()).roundButton.enabled);
    EXPECT_FALSE(f.state().ticking);
    EXPECT_EQ(viewOf(f.state()).height, EditingHeight);
    for (int i = 0; i < CellCount; ++i) {
        EXPECT_EQ(f.state().blockCell[i], i);
        EXPECT_EQ(f.state().blocks[i].left, cellLeft(i));
        EXPECT_EQ(f.state().blocks[i].top, cellTop(i));
        EXPECT_EQ(f.state().blocks[i].picture, blockPicture(f.state().blocks[i].code));
    }
    // Delete restarts the tick on the edited board, which then moves nothing.
    game.play("X");
    EXPECT_TRUE(f.state().ticking);
    game.engine.pressKey(Key::Right);
    for (int i = 0; i < 8; ++i) game.engine.tick();
    EXPECT_EQ(f.state().blockCell[cell(5, 5)], cell(5, 5));
}

TEST(Editor, PalettesBrushesAndTheLayerButton) {
    TestGame game;
    game.load();
    Game& f = game.engine;
    f.toggleEditor();
    f.chooseBlockBrush(4);
    EXPECT_EQ(f.state().paintLayer, PaintLayer::Blocks);
    f.chooseGroundBrush(12);
    EXPECT_EQ(f.state().paintLayer, PaintLayer::Ground);
    EXPECT_EQ(f.state().groundBrush, 12);
    f.paintCell(cell(2, 2));
    EXPECT_EQ(f.state().ground[cell(2, 2)].code, 12);
    f.togglePaintLayer();
    EXPECT_EQ(f.state().paintLayer, PaintLayer::Blocks);
    f.paintCell(cell(2, 2));
    EXPECT_EQ(f.state().blocks[cell(2, 2)].code, 4);
    EXPECT_EQ(f.state().blocks[cell(2, 2)].picture, blockPicture(4));
    f.chooseEraser();
    EXPECT_EQ(f.state().paintLayer, PaintLayer::Blocks) << "the eraser keeps the layer";
    EXPECT_EQ(f.state().blockBrush, 0);
}

TEST(Editor, RightClickPicksAndAPickedEmptyBlockErases) {
    TestGame game;
    game.block(cell(3, 3), 1).load();
    Game& f = game.engine;
    f.toggleEditor();
    f.chooseBlockBrush(2);
    f.pickBrushAt(cell(9, 9));  // pick an empty cell
    EXPECT_EQ(f.state().blockBrush, 0);
    f.paintCell(cell(3, 3));
    EXPECT_EQ(f.state().blocks[cell(3, 3)].code, 0);
    f.togglePaintLayer();
    f.pickBrushAt(cell(3, 3));
    EXPECT_EQ(f.state().groundBrush, 0);
}

TEST(Editor, ClicksOutsideEditModeDoNothing) {
    TestGame game;
    game.start();
    game.engine.paintCell(cell(1, 1));
    EXPECT_EQ(game.state().blocks[cell(1, 1)].code, 0);
    EXPECT_EQ(game.state().ground[cell(1, 1)].code, 0);
}

TEST(Editor, LeavingAsksAndCancelKeepsEditMode) {
    TestGame game;
    game.block(cell(1, 1), 7).load("stage1.txt");
    Game& f = game.engine;
    f.toggleEditor();
    f.chooseGroundBrush(1);
    f.paintCell(cell(0, 0));
    game.platform.messageAnswers.push_back(MsgResult::Cancel);
    f.toggleEditor();
    EXPECT_TRUE(f.state().editing);
    EXPECT_EQ(f.state().ground[cell(0, 0)].code, 1);
    EXPECT_EQ(game.platform.messages.back().text, "エディトモードを終了します。\n保存しますか？");

    game.platform.messageAnswers.push_back(MsgResult::No);
    f.toggleEditor();
    EXPECT_FALSE(f.state().editing);
    EXPECT_EQ(f.state().ground[cell(0, 0)].code, 0) << "stage 1 is loaded again";
    EXPECT_EQ(f.state().stageTitle, "stage1.txt");
    EXPECT_FALSE(viewOf(f.state()).editorMenuVisible);
    EXPECT_TRUE(viewOf(f.state()).start.enabled && viewOf(f.state()).retry.enabled && viewOf(f.state()).roundButton.enabled);
    EXPECT_FALSE(viewOf(f.state()).layerButton.enabled);
    EXPECT_EQ(viewOf(f.state()).height, PlayingHeight);
    EXPECT_TRUE(f.state().inputLocked);
}

TEST(Editor, ADrawnStageSavedAndReopenedIsTheSameStage) {
    TestGame game;
    game.load();
    Game& f = game.engine;
    f.toggleEditor();
    game.platform.messageAnswers.push_back(MsgResult::Ok);
    f.newStage();
    f.chooseGroundBrush(15);
    f.paintCell(cell(4, 9));
    f.chooseBlockBrush(7);
    f.paintCell(cell(4, 2));
    game.platform.inputAnswers = {"階段へ行こう", "150"};
    f.editComment();
    f.editStepTarget();
    const std::string path = game.stageFile("drawn.txt");
    game.platform.fileAnswers.push_back(path);
    f.saveStage();

    StageRead read = readStageFile(path);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.stage.ground[cell(4, 9)], 15);
    EXPECT_EQ(read.stage.blocks[cell(4, 2)], 7);
    EXPECT_EQ(read.stage.comment, "階段へ行こう");
    EXPECT_EQ(read.stage.stepTarget, 150);

    TestGame player;
    player.stage = read.stage;
    player.engine.state().stepTry = true;
    player.start();
    player.play("RRRRRRR");
    EXPECT_EQ(player.state().stepsLeft, 143);
    player.play("Z");
    EXPECT_EQ(player.platform.clears.size(), 1u);
}

TEST(Editor, NewStageAsksAndKeepsTheTarget) {
    TestGame game;
    game.ground(0, 1).comment("old").target(55).load();
    game.engine.toggleEditor();
    game.platform.messageAnswers.push_back(MsgResult::Cancel);
    game.engine.newStage();
    EXPECT_EQ(game.state().ground[0].code, 1);
    game.engine.newStage();
    EXPECT_EQ(game.state().ground[0].code, 0);
    EXPECT_EQ(game.state().comment, "");
    EXPECT_EQ(game.engine.fileDialogName(), "");
    EXPECT_EQ(game.state().stepTarget, 55);
    EXPECT_EQ(game.platform.messages[0].text, "クリアします。\n保存をしていない場合はキャンセルを押してください");
}

TEST(Editor, AStepTargetSetInTheEditorIsUsedByTheNextGame) {
    TestGame game;
    game.block(cell(5, 5), 7).target(20).load();
    game.platform.inputAnswers.push_back("150");
    game.engine.editStepTarget();
    game.state().stepsLeft = 3;
    game.engine.startRound();
    EXPECT_EQ(game.state().stepsLeft, 150);
    game.play("RX");
    EXPECT_EQ(game.state().stepsLeft, 150);
}

TEST(Editor, StepTargetAnswers) {
    struct Case { std::string answer; int32_t target; };
    const Case cases[] = {{"150", 150}, {"0", 77}, {"", 77}, {"00", 0}, {"abc", 0}, {"-5", -5},
                          {"12 steps", 12}, {"1e40", 77}};
    for (const Case& c : cases) {
        TestGame game;
        game.target(77).load();
        game.platform.inputAnswers.push_back(c.answer);
        game.engine.editStepTarget();
        EXPECT_EQ(game.state().stepTarget, c.target) << c.answer;
        EXPECT_EQ(game.state().stepsLeft, c.target) << c.answer;
    }
}

TEST(Editor, CommentAnswers) {
    TestGame game;
    game.comment("old").load();
    game.platform.inputAnswers = {"", "new, with commas", "絵文字😀"};
    game.engine.editComment();
    EXPECT_EQ(game.state().comment, "old");
    game.engine.editComment();
    EXPECT_EQ(game.state().comment, "new, with commas");
    game.engine.editComment();
    EXPECT_EQ(game.state().comment, "new, with commas");
    EXPECT_EQ(game.platform.messages.size(), 1u);
    game.engine.showComment();
    EXPECT_EQ(game.platform.messages.back().text, "new, with commas");
    EXPECT_EQ(game.platform.messages.back().icon, MsgIcon::Information);
}

}  // namespace
}  // namespace nerilo::test
