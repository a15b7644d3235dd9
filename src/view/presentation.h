#pragma once
// What the window shows of a game: captions, colours, the buttons' states and
// the window's height, all derived from the world and the session (the menus'
// entries are the command table's, game/commands.h). The window
// and nerilo-sim both read them here, so a caption has one spelling; the
// captions are Japanese texts, which the window translates as it shows them.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/session_state.h"
#include "rules/world_state.h"
#include "game/platform.h"
#include "model/text.h"

namespace nerilo {

// The main window's outer height in board units, while playing and while editing.
constexpr int PlayingHeight = 7900;
constexpr int EditingHeight = 9600;

struct ButtonView {
    Text caption;
    bool enabled = true;
    Rgb colour = White;
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
    Text stageTitle;  // the file name, or 新規 for a stage that has none yet
    std::string keysHeld;
    ButtonView roundButton, openButton, commentButton, stepTryButton, layerButton;
    ButtonView stageListButton;
    bool editorMenuVisible = false;
    StatusView status;
    bool palettesEnabled = false;
    Picture groundBrush, blockBrush;
    int height = PlayingHeight;
};

Text roundCommandCaption(RoundCommand command);
// The panel's title for a stage opened from a code (it has no file name): クリア確認済み
// when its proof cleared it, else コード; nothing for any other stage.
std::optional<Text> codeStageTitle(const SessionState& state, bool proven);
Text paintLayerCaption(PaintLayer layer);

// Every key that helps after a lost game, one line each.
std::vector<Text> keysAfterALoss();
StatusView statusOf(const WorldState& world, const SessionState& session);

WindowView viewOf(const WorldState& world, const SessionState& session);

// The board in words, for a reader that cannot see it: the stage, the
// player's cell and what stands or lies next to him each way, the keys he
// holds and the steps left.
Text boardDescription(const WorldState& world, const Text& stageTitle);
class Game;
WindowView viewOf(const Game& game);

}  // namespace nerilo
