// What the window shows, derived from the game state: the Japanese captions and
// colours players see, and which commands are offered when.
#include <gtest/gtest.h>

#include "board/presentation.h"

namespace nerilo::test {
namespace {

TEST(Presentation, CaptionsAndColours) {
    GameState state;
    WindowView view = viewOf(state);
    EXPECT_EQ(view.roundButton.caption, "開始");
    EXPECT_EQ(view.openButton.caption, "開く");
    EXPECT_EQ(view.commentButton.caption, "コメント");
    EXPECT_EQ(view.stepTryButton.caption, "歩数トライ");
    EXPECT_EQ(view.stepTryButton.colour, White);
    EXPECT_EQ(view.layerButton.caption, "↑切り替え");
    EXPECT_EQ(view.stepsLeft, "200");

    state.roundCommand = RoundCommand::Retry;
    state.paintLayer = PaintLayer::Blocks;
    state.stepTry = true;
    state.stepsLeft = -3;
    state.keysHeld = 2;
    view = viewOf(state);
    EXPECT_EQ(view.roundButton.caption, "再挑戦");
    EXPECT_EQ(view.layerButton.caption, "↓切り替え");
    EXPECT_EQ(view.stepTryButton.colour, Yellow);
    EXPECT_EQ(view.stepsLeft, "-3");
    EXPECT_EQ(view.keysHeld, "2");
}

TEST(Presentation, CommandsOfferedWhilePlayingAndEditing) {
    GameState state;
    WindowView view = viewOf(state);
    EXPECT_TRUE(view.start.enabled && view.retry.enabled && view.roundButton.enabled);
    EXPECT_FALSE(view.layerButton.enabled || view.editorMenuVisible || view.editor.checked);
    EXPECT_FALSE(view.blockMode.enabled || view.superMode.enabled);
    EXPECT_EQ(view.height, PlayingHeight);

    state.roundStarted = true;
    state.blockModeUnlocked = true;
    state.extraMode = ExtraMode::Block;
    view = viewOf(state);
    EXPECT_FALSE(view.start.enabled) << "a started round is retried, not started";
    EXPECT_TRUE(view.blockMode.enabled && view.blockMode.checked);
    EXPECT_FALSE(view.superMode.enabled || view.superMode.checked);

    state.roundStarted = false;
    state.editing = true;
    view = viewOf(state);
    EXPECT_FALSE(view.start.enabled || view.retry.enabled || view.roundButton.enabled);
    EXPECT_TRUE(view.layerButton.enabled && view.editorMenuVisible && view.editor.checked);
    EXPECT_EQ(view.height, EditingHeight);
    EXPECT_EQ(view.blockBrush, blockPicture(block::BlackBall));
    EXPECT_FALSE(view.stageList.enabled || view.stageListButton.enabled);
}

TEST(Presentation, UndoRedoAndTheStageList) {
    GameState state;
    WindowView view = viewOf(state);
    EXPECT_FALSE(view.undo.enabled || view.redo.enabled);
    EXPECT_TRUE(view.stageList.enabled && view.stageListButton.enabled);
    EXPECT_EQ(view.stageListButton.caption, "ステージ一覧");
    view = viewOf(state, {true, false});
    EXPECT_TRUE(view.undo.enabled);
    EXPECT_FALSE(view.redo.enabled);
    view = viewOf(state, {false, true});
    EXPECT_FALSE(view.undo.enabled);
    EXPECT_TRUE(view.redo.enabled);
}

}  // namespace
}  // namespace nerilo::test
