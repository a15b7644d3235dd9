// The keyboard handler: a key press becomes a recorded move request; the world
// tick carries it out.
#include "board/form1.h"

namespace nerilo {
namespace {
int arrowDirection(int key) {
    switch (key) {
    case vk::Left: return Left;
    case vk::Right: return Right;
    case vk::Up: return Up;
    case vk::Down: return Down;
    default: return -1;
    }
}

// Picture k of the block palette, or -1 for a player frame or no picture.
int shownBlock(const BlockControl& control) {
    return control.picture.palette == Palette::Btip ? control.picture.index : -1;
}
}  // namespace

void Form1::Form_KeyDown(int key, int shift) {
    if (InputLock != 0) {
        if (key == vk::Delete) retry_Click();
        return;
    }
    FreshRound = 0;
    const int p = BlockCell[PlayerBlock];
    raiseBlock(PlayerBlock);

    const int d = arrowDirection(key);
    if (d >= 0) {
        requestMove(d, p);
    } else if (key == vk::Delete) {
        if (Command1.caption == "再挑戦") Command1_Click();
    } else if (key == vk::Z || key == vk::Return || key == vk::Space) {
        actionKey(p);
    }

    if (d >= 0 && shift == ShiftMask && hasNeighbour(p, d)) {
        ActCell = static_cast<uint8_t>(neighbourOf(p, d));
        SORRY();
    }
    MovingBlock = PlayerBlock;
}

void Form1::requestMove(int d, int p) {
    if (!hasNeighbour(p, d)) return;
    const int t = neighbourOf(p, d);
    bool refused = !groundTraits(Ji[t].code).step;
    if (!refused) {
        // Every block on the target cell is looked at; a later match overrides an earlier one.
        for (int j = 0; j < CellCount; ++j) {
            if (BlockCell[j] != t) continue;
            const int shown = shownBlock(Block[j]);
            if (shown < 0) continue;
            if (blockTraits(static_cast<uint8_t>(shown)).pushed) {
                bool allowed = hasNeighbour(t, d);
                if (allowed) {
                    const int u = neighbourOf(t, d);
                    allowed = groundTraits(Ji[u].code).pushOnto;
                    for (int k = 0; allowed && k < CellCount; ++k) {
                        const int there = shownBlock(Block[k]);
                        if (BlockCell[k] == u && there >= 0 && blockTraits(static_cast<uint8_t>(there)).blocksPush)
                            allowed = false;
                    }
                }
                refused = !allowed;
                if (allowed) {
                    MoveKind = 1;
                    PushedBlock = static_cast<uint8_t>(j);
                }
            } else if (shown == block::OliveBall) {
                refused = !hasNeighbour(t, d);
                if (!refused) {
                    MoveKind = 2;
                    PushedBlock = static_cast<uint8_t>(j);
                }
            }
        }
    }
    if (refused) {
        MoveKind = 3;
        Block[PlayerBlock].picture = Ptip(RestFrame[d]);
        MoveKind = 0;
        return;
    }
    if (Tokein.checked) CountStep();
    InputLock = -1;
    StepPhase[d] = 1;
}

}  // namespace nerilo
