// Undo and redo in the editor: a stroke is one step, and so is a new stage,
// a comment, a target and going back to the file.
#include <gtest/gtest.h>

#include "game_fixture.h"

namespace nerilo::test {
namespace {

struct Editor {
    Editor() {
        game.block(cell(5, 5), block::Player).comment("first").target(30).load();
        game.engine.editor().toggle();
    }
    Game& f() { return game.engine; }
    TestGame game;
};

TEST(EditHistory, AStrokeIsOneStepHoweverManyCellsItCrosses) {
    Editor e;
    Game& f = e.f();
    const Stage drawn = f.editor().editedStage();
    f.editor().chooseGroundBrush(ground::Wall);
    f.editor().beginStroke();
    for (int column = 2; column <= 9; ++column) f.editor().paintCell(cell(3, column));
    f.editor().paintCell(cell(3, 9));  // crossing a cell twice changes nothing more
    f.editor().endStroke();
    const Stage stroked = f.editor().editedStage();
    EXPECT_TRUE(f.editor().canUndo());
    EXPECT_FALSE(f.editor().canRedo());

    f.editor().undo();
    EXPECT_EQ(f.editor().editedStage(), drawn);
    EXPECT_FALSE(f.editor().canUndo());
    EXPECT_TRUE(f.editor().canRedo());
    f.editor().redo();
    EXPECT_EQ(f.editor().editedStage(), stroked);
    f.editor().undo();
    f.editor().undo();  // nothing left: nothing happens
    EXPECT_EQ(f.editor().editedStage(), drawn);
}

TEST(EditHistory, StrokesThatChangeNothingAreNoStep) {
    Editor e;
    Game& f = e.f();
    f.editor().beginStroke();
    f.editor().pickBrushAt(cell(5, 5));
    f.editor().endStroke();
    f.editor().chooseGroundBrush(ground::Floor);
    f.editor().paintCell(cell(0, 0));  // floor on floor
    EXPECT_FALSE(f.editor().canUndo());
}

TEST(EditHistory, BlocksComeBackWithTheirPictures) {
    Editor e;
    Game& f = e.f();
    f.editor().chooseBlockBrush(block::SkullBall);
    f.editor().paintCell(cell(5, 5));  // over the player: a cell painted outside a stroke is one step
    f.editor().paintCell(cell(2, 2));
    f.editor().undo();
    EXPECT_EQ(f.world().state().blocks[cell(2, 2)].code, block::Empty);
    EXPECT_EQ(pictureOf(f.world().state(), f.world().drawing(), cell(2, 2)), blockPicture(block::Empty));
    f.editor().undo();
    EXPECT_EQ(f.world().state().blocks[cell(5, 5)].code, block::Player);
    EXPECT_EQ(pictureOf(f.world().state(), f.world().drawing(), cell(5, 5)), blockPicture(block::Player));
}

TEST(EditHistory, NewStageCommentAndTargetAreStepsAndANewEditDropsRedo) {
    Editor e;
    Game& f = e.f();
    TestGame& game = e.game;
    game.platform.textAnswers.push_back("second");
    f.editor().editComment();
    game.platform.inputAnswers.push_back("45");
    f.editor().editStepTarget();
    game.platform.messageAnswers.push_back(MsgResult::Ok);
    f.editor().newStage();
    EXPECT_EQ(f.world().state().blocks[cell(5, 5)].code, block::Empty);

    f.editor().undo();
    EXPECT_EQ(f.world().state().blocks[cell(5, 5)].code, block::Player);
    EXPECT_EQ(f.world().state().stepTarget, 45);
    EXPECT_EQ(viewOf(f.world().state(), f.session()).stageTitle.japanese(), "新規") << "undo brings the board back, not the file";
    f.editor().undo();
    EXPECT_EQ(f.world().state().stepTarget, 30);
    EXPECT_EQ(f.world().state().stepsLeft, 30) << "the counter shows the target in the editor";
    EXPECT_EQ(f.session().comment, "second");
    f.editor().undo();
    EXPECT_EQ(f.session().comment, "first");

    f.editor().redo();
    EXPECT_EQ(f.session().comment, "second");
    f.editor().chooseGroundBrush(ground::Wall);
    f.editor().paintCell(cell(0, 0));
    EXPECT_FALSE(f.editor().canRedo()) << "a new edit drops what could be redone";
    f.editor().undo();
    f.editor().undo();
    EXPECT_EQ(f.session().comment, "first");
}

TEST(EditHistory, KeepsTheLatestFiveHundredSteps) {
    Editor e;
    Game& f = e.f();
    for (int i = 0; i < 501; ++i) {
        f.editor().chooseGroundBrush(i % 2 ? ground::Wall : ground::Stairs);
        f.editor().paintCell(cell(0, 0));
    }
    int undone = 0;
    while (f.editor().canUndo()) {
        f.editor().undo();
        ++undone;
    }
    EXPECT_EQ(undone, 500);
    EXPECT_EQ(f.world().state().ground[cell(0, 0)].code, ground::Stairs) << "the first stroke is forgotten";
}

TEST(EditHistory, StartsAfreshInEveryEditorAndWithEveryOpenedStage) {
    Editor e;
    Game& f = e.f();
    TestGame& game = e.game;
    f.editor().chooseGroundBrush(ground::Wall);
    f.editor().paintCell(cell(0, 0));
    game.platform.messageAnswers.push_back(MsgResult::No);
    f.editor().toggle();
    EXPECT_FALSE(f.editor().canUndo());
    f.editor().undo();
    f.editor().toggle();
    EXPECT_FALSE(f.editor().canUndo());

    f.editor().paintCell(cell(0, 0));
    game.platform.messageAnswers.push_back(MsgResult::Ok);  // discard the unsaved wall
    game.platform.fileAnswers.push_back(game.stageFile("test.txt"));
    f.stages().open();
    EXPECT_FALSE(f.editor().canUndo());
    EXPECT_FALSE(offered(f, "undoEdit").enabled);
}

}  // namespace
}  // namespace nerilo::test
