#pragma once
// What the board shows, back to front: the ground cells, then the blocks and
// the overlays in their drawing order.
#include <vector>

#include "rules/world.h"

namespace nerilo {

struct DrawItem {
    Picture picture;
    int left = 0;  // board units
    int top = 0;
};

// Blocks and marked overlays in front of the ground, back to front.
// An empty block and an unmarked overlay draw nothing and are left out.
std::vector<DrawItem> drawingOrder(const WorldState& state, const Drawing& drawing);

// The editor's circuit preview: the board as a round would start on it
// (`started`, from the `edited` board), with the reach of every skull ball the
// circuit blew up marked, though the round clears those marks once the blast is over.
WorldState circuitPreview(const WorldState& edited, const WorldState& started);

class Game;
// The board a front end draws now: the world as it stands or, in the editor
// with the circuit preview on, the preview of the edited board.
struct ShownBoard {
    WorldState state;
    Drawing drawing;
};
ShownBoard shownBoard(const Game& game, bool circuitPreview);

}  // namespace nerilo
