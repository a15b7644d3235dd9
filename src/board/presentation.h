#pragma once
// What the window shows of a game: captions, colours, enabled and checked
// states and the window's height, all derived from the game state. The window
// and nerilo-sim both read them here, so a caption has one spelling; the
// captions are Japanese texts, which the window translates as it shows them.
#include <string>

#include "board/game_state.h"
#include "board/platform.h"
#include "board/text.h"

namespace nerilo {

// The main window's outer height in board units, while playing and while editing.
constexpr int PlayingHeight = 7900;
constexpr int EditingHeight = 9600;

struct ButtonView {
    Text caption;
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
    bool editorMenuVisible = false;
    Picture groundBrush, blockBrush;
    int height = PlayingHeight;
};

Text roundCommandCaption(RoundCommand command);
Text paintLayerCaption(PaintLayer layer);

WindowView viewOf(const GameState& state);

}  // namespace nerilo
