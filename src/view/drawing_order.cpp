#include "view/drawing_order.h"

#include <algorithm>

#include "game/game.h"

namespace nerilo {

WorldState circuitPreview(const WorldState& edited, const WorldState& started) {
    WorldState preview = started;
    for (int k = 0; k < CellCount; ++k) {
        if (edited.blocks[k].code != block::SkullBall || started.blocks[k].code != block::Empty) continue;
        for (const int cell : blastCells(edited.blockCell[k])) preview.overlays[cell].marked = true;
    }
    return preview;
}

ShownBoard shownBoard(const Game& game, bool preview) {
    if (!preview || !game.session().editing()) return {game.world().state(), game.world().drawing()};
    const World start = game.editor().plainTestWorld();
    return {circuitPreview(game.world().state(), start.state()), start.drawing()};
}

std::vector<DrawItem> drawingOrder(const WorldState& state, const Drawing& drawing) {
    struct Layered {
        uint32_t z;
        DrawItem item;
    };
    std::vector<Layered> layered;
    layered.reserve(2 * CellCount);
    for (int k = 0; k < CellCount; ++k) {
        const Picture picture = pictureOf(state, drawing, k);
        const bool empty = picture == blockPicture(block::Empty);
        if (!empty) layered.push_back({drawing.blockOrder[k], {picture, drawing.left[k], drawing.top[k]}});
    }
    for (int c = 0; c < CellCount; ++c)
        if (state.overlays[c].marked)
            layered.push_back({drawing.overlayOrder[c], {blockPicture(block::Stipple), cellLeft(c), cellTop(c)}});
    std::sort(layered.begin(), layered.end(), [](const Layered& a, const Layered& b) { return a.z < b.z; });
    std::vector<DrawItem> items;
    items.reserve(layered.size());
    for (const Layered& l : layered) items.push_back(l.item);
    return items;
}

}  // namespace nerilo
