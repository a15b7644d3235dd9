// What the window shows, derived from the game state: the Japanese captions and
// colours players see, and which commands are offered when.
#include <gtest/gtest.h>

#include "board/presentation.h"

namespace nerilo::test {
namespace {

TEST(Presentation, CaptionsAndColours) {
    GameState state;
    WindowView view = viewOf(state);
    EXPECT_EQ(view.roundButton.caption.japanese(), "開始");
    EXPECT_EQ(view.openButton.caption.japanese(), "開く");
    EXPECT_EQ(view.commentButton.caption.japanese(), "コメント");
    EXPECT_EQ(view.stepTryButton.caption.japanese(), "歩数トライ");
    EXPECT_EQ(view.stepTryButton.colour, White);
    EXPECT_EQ(view.layerButton.caption.japanese(), "↑切り替え");
    EXPECT_EQ(view.stepsLeft, "200");

    state.roundCommand = RoundCommand::Retry;
    state.paintLayer = PaintLayer::Blocks;
    state.stepTry = true;
    state.stepsLeft = -3;
    state.keysHeld = 2;
    view = viewOf(state);
    EXPECT_EQ(view.roundButton.caption.japanese(), "再挑戦");
    EXPECT_EQ(view.layerButton.caption.japanese(), "↓切り替え");
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
}

}  // namespace
}  // namespace nerilo::test
