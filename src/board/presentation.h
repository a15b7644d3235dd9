#pragma once
// What the window shows of a game: captions, colours, enabled and checked
// states and the window's height, all derived from the game state. The window
// and nerilo-sim both read them here, so a caption has one spelling; the
// captions are Japanese texts, which the window translates as it shows them.
#include <string>
#include <vector>

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

constexpr Rgb Silver{192, 192, 192};

// The panel's word on the state of the game, and the keys that help there.
struct StatusView {
    Text headline;
    Rgb colour = White;
    std::vector<Text> hints;  // one line each
    friend bool operator==(const StatusView&, const StatusView&) = default;
};

struct WindowView {
    std::string stepsLeft;
    Text stepsLeftTip;
    std::string stageTitle;
    std::string keysHeld;
    ButtonView roundButton, openButton, commentButton, stepTryButton, layerButton;
    MenuEntryView start, retry, stepTry, blockMode, superMode, editor;
    MenuEntryView undo, redo, stageList;
    ButtonView stageListButton;
    bool editorMenuVisible = false;
    StatusView status;
    Picture groundBrush, blockBrush;
    int height = PlayingHeight;
};

Text roundCommandCaption(RoundCommand command);
Text paintLayerCaption(PaintLayer layer);

// Every key that helps after a lost game, one line each.
std::vector<Text> keysAfterALoss();
StatusView statusOf(const GameState& state);

// Whether there is something to undo and to redo: the history is kept beside
// the game state, not in it (Game::canUndo, Game::canRedo).
struct UndoView {
    bool canUndo = false;
    bool canRedo = false;
};

WindowView viewOf(const GameState& state, UndoView undo = {});

}  // namespace nerilo
