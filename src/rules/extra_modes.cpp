// Block mode and super mode transform the cell the player walks off.
#include <random>

#include "rules/world.h"

namespace nerilo {
namespace {
// Super mode's tile for a draw r in 0..13: a low spring 4 times in 14, each
// arrow and plain floor twice.
constexpr uint8_t SuperTile[14] = {ground::LowSpring,  ground::ArrowDown, ground::ArrowUp,   ground::ArrowRight,
                                   ground::ArrowLeft,  ground::Floor,     ground::LowSpring, ground::ArrowDown,
                                   ground::ArrowUp,    ground::ArrowRight, ground::ArrowLeft, ground::LowSpring,
                                   ground::LowSpring,  ground::Floor};

}  // namespace

// Called just before the moving object's cell changes: blockCell[movingBlock]
// still names the cell being left. A kicked ball transforms nothing.
void World::transformVacatedCell() {
    WorldState& s = state_;
    if (s.extraMode == ExtraMode::None) return;
    const int cell = s.blockCell[s.movingBlock];
    if (s.blocks[s.movingBlock].code != block::Player) return;
    if (s.extraMode == ExtraMode::Block) {
        s.ground[cell].code = ground::Wall;
    } else {
        const int r = static_cast<int>(std::uniform_real_distribution<double>(0.0, 1.0)(random_) * 14);
        s.ground[cell].code = SuperTile[r];
    }
    evaluateCircuit();
}

}  // namespace nerilo
