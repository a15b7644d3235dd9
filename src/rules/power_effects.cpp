// The board evaluation: what power does to tiles and blocks, beams and blasts.
#include "rules/world.h"

namespace nerilo {
namespace {

// The eight cells around a blast, in the order they are marked: {row, column} offsets
// for +1, -1, +15, -15, +14, -14, +16, -16.
constexpr int BlastOffsets[8][2] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}, {1, -1}, {-1, 1}, {1, 1}, {-1, -1}};

}  // namespace

std::vector<int> blastCells(int cell) {
    std::vector<int> cells{cell};
    const int row = rowOf(cell), column = columnOf(cell);
    for (const auto& offset : BlastOffsets) {
        const int r = row + offset[0], col = column + offset[1];
        if (r >= 0 && r < BoardSide && col >= 0 && col < BoardSide) cells.push_back(r * BoardSide + col);
    }
    return cells;
}

// One pass over the board, block i just before ground cell i: a wheel changes
// colour before the plate under cell i does. Returns after a lost game when a
// blast reaches the player; evaluates the circuit again when a crossed box
// burnt or a skull ball exploded.
void World::applyPowerEffects() {
    WorldState& s = state_;
    // How many beam-stopping blocks stand on each cell; kept up to date when a
    // skull ball explodes, so beams fired later in the pass see it gone.
    std::array<uint8_t, CellCount> beamStoppers{};
    for (int i = 0; i < s.liveBlockCount; ++i) {
        const int k = s.liveBlocks[i];
        if (blockTraits(s.blocks[k].code).stopsBeam) ++beamStoppers[s.blockCell[k]];
    }

    bool rerun = false;
    for (int r = 0; r < s.reactiveCount; ++r) {
        const int i = s.reactive[r];
        BlockPiece& piece = s.blocks[i];
        const int c = s.blockCell[i];
        if (s.ground[c].power == Power::Full) {
            if (piece.code == block::SkullBall) {
                if (!detonate(i, c, beamStoppers)) return;
                rerun = true;
            } else if (blockTraits(piece.code).litForm != NoForm) {
                piece.code = blockTraits(piece.code).litForm;
            }
        } else if (blockTraits(piece.code).unlitForm != NoForm) {
            piece.code = blockTraits(piece.code).unlitForm;
        }

        GroundCell& cell = s.ground[i];
        const GroundTraits& traits = groundTraits(cell.code);
        if (cell.power == Power::Full) {
            if (cell.code == ground::CrossedBox) rerun = true;
            if (traits.beam != NoDirection) fireBeam(i, traits.beam, beamStoppers);
            if (traits.litForm != NoForm) cell.code = traits.litForm;
        } else if (traits.unlitForm != NoForm) {
            cell.code = traits.unlitForm;
        }
    }
    if (rerun) evaluateCircuit();
}

// Returns false when the blast reached the player and the game is lost.
bool World::detonate(int ballBlock, int cell, std::array<uint8_t, CellCount>& beamStoppers) {
    WorldState& s = state_;
    events_.note(WorldEvent::Blast);
    s.blocks[ballBlock].code = block::Empty;
    --beamStoppers[cell];
    s.overlays[cell].marked = true;
    raiseOverlay(cell);
    for (const int marked : blastCells(cell)) s.overlays[marked].marked = true;
    // The mark may come from this blast or from a beam fired earlier in the pass.
    if (s.overlays[s.blockCell[s.playerBlock]].marked) {
        loseGame();
        return false;
    }
    clearOverlays();
    return true;
}

// A beam marks the cells from the emitter's neighbour to the edge, and ends
// short of the first cell whose ground or block stops it.
void World::fireBeam(int emitterCell, int d, const std::array<uint8_t, CellCount>& beamStoppers) {
    int k = emitterCell;
    while (hasNeighbour(k, d)) {
        k = neighbourOf(k, d);
        if (groundTraits(state_.ground[k].code).stopsBeam || beamStoppers[k] != 0) return;
        state_.overlays[k].marked = true;
    }
}

}  // namespace nerilo
