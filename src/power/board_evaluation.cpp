// The board evaluation: what power does to tiles and blocks, beams and blasts.
#include "board/form1.h"

namespace nerilo {
namespace {

// The eight cells around a blast, in the order they are marked: {row, column} offsets
// for +1, -1, +15, -15, +14, -14, +16, -16.
constexpr int BlastOffsets[8][2] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}, {1, -1}, {-1, 1}, {1, 1}, {-1, -1}};

}  // namespace

// One pass over the board, block slot i just before ground cell i. Returns
// after GAMEOVER when a blast reaches the player; runs propagation again when a
// crossed box burnt or a skull ball exploded.
void Form1::CHANGE() {
    // How many beam-stopping blocks stand on each cell; kept up to date when a
    // skull ball explodes, so beams fired later in the pass see it gone.
    std::array<uint8_t, CellCount> beamStoppers{};
    for (int k = 0; k < CellCount; ++k)
        if (blockTraits(Block[k].code).stopsBeam) ++beamStoppers[BlockCell[k]];

    bool rerun = false;
    for (int i = 0; i < CellCount; ++i) {
        BlockControl& control = Block[i];
        const int c = BlockCell[i];
        if (Ji[c].power == Power::Full) {
            if (control.code == block::SkullBall) {
                if (!detonate(i, c, beamStoppers)) return;
                rerun = true;
            } else if (blockTraits(control.code).litForm != NoForm) {
                control.code = blockTraits(control.code).litForm;
                control.picture = Btip(control.code);
            }
        } else if (blockTraits(control.code).unlitForm != NoForm) {
            control.code = blockTraits(control.code).unlitForm;
            control.picture = Btip(control.code);
        }

        GroundCell& cell = Ji[i];
        const GroundTraits& traits = groundTraits(cell.code);
        if (cell.power == Power::Full) {
            if (cell.code == ground::CrossedBox) rerun = true;
            if (traits.beam != NoDirection) fireBeam(i, traits.beam, beamStoppers);
            if (traits.litForm != NoForm) cell.code = traits.litForm;
        } else if (traits.unlitForm != NoForm) {
            cell.code = traits.unlitForm;
        }
    }
    if (rerun) Suman();
}

// Returns false when the blast reached the player and the game is lost.
bool Form1::detonate(int ballSlot, int cell, std::array<uint8_t, CellCount>& beamStoppers) {
    Block[ballSlot].code = block::Empty;
    Block[ballSlot].picture = NoPicture;
    --beamStoppers[cell];
    BeemPic[cell].marked = true;
    raiseBeam(cell);
    const int row = rowOf(cell), column = columnOf(cell);
    for (const auto& offset : BlastOffsets) {
        const int r = row + offset[0], col = column + offset[1];
        if (r >= 0 && r < BoardSide && col >= 0 && col < BoardSide) BeemPic[r * BoardSide + col].marked = true;
    }
    // The mark may come from this blast or from a beam fired earlier in the pass.
    if (BeemPic[BlockCell[PlayerBlock]].marked) {
        GAMEOVER();
        return false;
    }
    clearOverlays();
    return true;
}

// A beam marks the cells from the emitter's neighbour to the edge, and ends
// short of the first cell whose ground or block stops it.
void Form1::fireBeam(int emitterCell, int d, const std::array<uint8_t, CellCount>& beamStoppers) {
    int k = emitterCell;
    while (hasNeighbour(k, d)) {
        k = neighbourOf(k, d);
        if (groundTraits(Ji[k].code).stopsBeam || beamStoppers[k] != 0) return;
        BeemPic[k].marked = true;
    }
}

}  // namespace nerilo
