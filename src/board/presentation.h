#pragma once
// What the window shows of a game: captions, colours, enabled and checked
// states and the window's height, all derived from the game state. The window
// and nerilo-sim both read them here, so a caption has one spelling.
#include <string>

#include "board/game_state.h"
#include "board/platform.h"

namespace nerilo {

// The main window's outer height in board units, while playing and while editing.
constexpr int PlayingHeight = 7900;
constexpr int EditingHeight = 9600;

struct ButtonView {
    std::string caption;
    bool enabled = true;
    Rgb colour = White;
};

struct MenuEntryView {
    bool enabled = true;
    bool checked = false;
};

struct WindowView {
    std::string stepsLeft;
    std::string stageTitle;
    std::string keysHeld;
    ButtonView roundButton, openButton, commentButton, stepTryButton, layerButton;
    MenuEntryView start, retry, stepTry, blockMode, superMode, editor;
    // Opening a stage and starting over, which test play refuses; the editor's
    // own commands (新規, 開く, 保存, 歩数設定, コメント設定, 解を探す); test play; undo and redo.
    MenuEntryView openStage, startOver, editCommand, testPlay, undoEdit, redoEdit;
    bool editorMenuVisible = false;
    bool palettesEnabled = false;
    Picture groundBrush, blockBrush;
    int height = PlayingHeight;
};

std::string roundCommandCaption(RoundCommand command);
std::string paintLayerCaption(PaintLayer layer);

class Game;

WindowView viewOf(const GameState& state);
// With undo and redo, which the editor keeps outside the state.
WindowView viewOf(const Game& game);

}  // namespace nerilo
