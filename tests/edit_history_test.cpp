// Undo and redo in the editor: a stroke is one step, and so is a new stage,
// a comment, a target and going back to the file.
#include <gtest/gtest.h>

#include "game_fixture.h"

namespace nerilo::test {
namespace {

struct Editor {
    Editor() {
        game.block(cell(5, 5), block::Player).comment("first").target(30).load();
        game.engine.toggleEditor();
    }
    Game& f() { return game.engine; }
    TestGame game;
};

TEST(EditHistory, AStrokeIsOneStepHoweverManyCellsItCrosses) {
    Editor e;
    Game& f = e.f();
    const Stage drawn = f.editedStage();
    f.chooseGroundBrush(ground::Wall);
    f.beginStroke();
    for (int column = 2; column <= 9; ++column) f.paintCell(cell(3, column));
    f.paintCell(cell(3, 9));  // crossing a cell twice changes nothing more
    f.endStroke();
    const Stage stroked = f.editedStage();
    EXPECT_TRUE(f.canUndoEdit());
    EXPECT_FALSE(f.canRedoEdit());

    f.undoEdit();
    EXPECT_EQ(f.editedStage(), drawn);
    EXPECT_FALSE(f.canUndoEdit());
    EXPECT_TRUE(f.canRedoEdit());
    f.redoEdit();
    EXPECT_EQ(f.editedStage(), stroked);
    f.undoEdit();
    f.undoEdit();  // nothing left: nothing happens
    EXPECT_EQ(f.editedStage(), drawn);
}

TEST(EditHistory, StrokesThatChangeNothingAreNoStep) {
    Editor e;
    Game& f = e.f();
    f.beginStroke();
    f.pickBrushAt(cell(5, 5));
    f.endStroke();
    f.chooseGroundBrush(ground::Floor);
    f.paintCell(cell(0, 0));  // floor on floor
    EXPECT_FALSE(f.canUndoEdit());
}

TEST(EditHistory, BlocksComeBackWithTheirPictures) {
    Editor e;
    Game& f = e.f();
    f.chooseBlockBrush(block::SkullBall);
    f.paintCell(cell(5, 5));  // over the player: a cell painted outside a stroke is one step
    f.paintCell(cell(2, 2));
    f.undoEdit();
    EXPECT_EQ(f.world().state().blocks[cell(2, 2)].code, block::Empty);
    EXPECT_EQ(pictureOf(f.world().state(), f.world().drawing(), cell(2, 2)), blockPicture(block::Empty));
    f.undoEdit();
    EXPECT_EQ(f.world().state().blocks[cell(5, 5)].code, block::Player);
    EXPECT_EQ(pictureOf(f.world().state(), f.world().drawing(), cell(5, 5)), blockPicture(block::Player));
}

TEST(EditHistory, NewStageCommentAndTargetAreStepsAndANewEditDropsRedo) {
    Editor e;
    Game& f = e.f();
    TestGame& game = e.game;
    game.platform.textAnswers.push_back("second");
    f.editComment();
    game.platform.inputAnswers.push_back("45");
    f.editStepTarget();
    game.platform.messageAnswers.push_back(MsgResult::Ok);
    f.newStage();
    EXPECT_EQ(f.world().state().blocks[cell(5, 5)].code, block::Empty);

    f.undoEdit();
    EXPECT_EQ(f.world().state().blocks[cell(5, 5)].code, block::Player);
    EXPECT_EQ(f.world().state().stepTarget, 45);
    EXPECT_EQ(viewOf(f.world().state(), f.session()).stageTitle.japanese(), "新規") << "undo brings the board back, not the file";
    f.undoEdit();
    EXPECT_EQ(f.world().state().stepTarget, 30);
    EXPECT_EQ(f.world().state().stepsLeft, 30) << "the counter shows the target in the editor";
    EXPECT_EQ(f.session().comment, "second");
    f.undoEdit();
    EXPECT_EQ(f.session().comment, "first");

    f.redoEdit();
    EXPECT_EQ(f.session().comment, "second");
    f.chooseGroundBrush(ground::Wall);
    f.paintCell(cell(0, 0));
    EXPECT_FALSE(f.canRedoEdit()) << "a new edit drops what could be redone";
    f.undoEdit();
    f.undoEdit();
    EXPECT_EQ(f.session().comment, "first");
}

TEST(EditHistory, KeepsTheLatestFiveHundredSteps) {
    Editor e;
    Game& f = e.f();
    for (int i = 0; i < 501; ++i) {
        f.chooseGroundBrush(i % 2 ? ground::Wall : ground::Stairs);
        f.paintCell(cell(0, 0));
    }
    int undone = 0;
    while (f.canUndoEdit()) {
        f.undoEdit();
        ++undone;
    }
    EXPECT_EQ(undone, 500);
    EXPECT_EQ(f.world().state().ground[cell(0, 0)].code, ground::Stairs) << "the first stroke is forgotten";
}

TEST(EditHistory, StartsAfreshInEveryEditorAndWithEveryOpenedStage) {
    Editor e;
    Game& f = e.f();
    TestGame& game = e.game;
    f.chooseGroundBrush(ground::Wall);
    f.paintCell(cell(0, 0));
    game.platform.messageAnswers.push_back(MsgResult::No);
    f.toggleEditor();
    EXPECT_FALSE(f.canUndoEdit());
    f.undoEdit();
    f.toggleEditor();
    EXPECT_FALSE(f.canUndoEdit());

    f.paintCell(cell(0, 0));
    game.platform.messageAnswers.push_back(MsgResult::Ok);  // discard the unsaved wall
    game.platform.fileAnswers.push_back(game.stageFile("test.txt"));
    f.openStage();
    EXPECT_FALSE(f.canUndoEdit());
    EXPECT_FALSE(offered(f, "undoEdit").enabled);
}

}  // namespace
}  // namespace nerilo::test
