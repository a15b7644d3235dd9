#include "view/drawing_order.h"

#include <algorithm>

namespace nerilo {

std::vector<DrawItem> drawingOrder(const WorldState& state) {
    struct Layered {
        uint32_t z;
        DrawItem item;
    };
    std::vector<Layered> layered;
    layered.reserve(2 * CellCount);
    for (int k = 0; k < CellCount; ++k) {
        const BlockPiece& b = state.blocks[k];
        const Picture picture = pictureOf(state, k);
        const bool empty = picture == blockPicture(block::Empty);
        if (!empty) layered.push_back({b.z, {picture, b.left, b.top}});
    }
    for (int c = 0; c < CellCount; ++c)
        if (state.overlays[c].marked)
            layered.push_back({state.overlays[c].z, {blockPicture(block::Stipple), cellLeft(c), cellTop(c)}});
    std::sort(layered.begin(), layered.end(), [](const Layered& a, const Layered& b) { return a.z < b.z; });
    std::vector<DrawItem> items;
    items.reserve(layered.size());
    for (const Layered& l : layered) items.push_back(l.item);
    return items;
}

}  // namespace nerilo
