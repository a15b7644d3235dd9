#include "solver/walking.h"

#include "rules/key_letters.h"
#include "rules/world.h"

namespace nerilo::solver {
namespace {

// Everything a press can change besides where the player stands.
bool sameBoardBesidesPlayer(const WorldState& a, const WorldState& b) {
    if (a.keysHeld != b.keysHeld || a.playerBlock != b.playerBlock) return false;
    for (int c = 0; c < CellCount; ++c) {
        if (a.ground[c].code != b.ground[c].code || a.ground[c].power != b.ground[c].power) return false;
        if (a.overlays[c].marked != b.overlays[c].marked) return false;
        if (a.blocks[c].code != b.blocks[c].code) return false;
        if (c != a.playerBlock && a.blockCell[c] != b.blockCell[c]) return false;
    }
    return true;
}

}  // namespace

std::optional<int> plainWalkingPresses(const WorldState& start, std::string_view keys) {
    World world(Watched::No);
    world.restore(start);
    int plain = 0;
    for (char letter : keys) {
        const std::optional<KeyPress> press = pressOf(letter);
        if (!press || world.outcome() != Outcome::AtRest) return std::nullopt;
        const WorldState before = world.state();
        const PressRun run = playPress(world, *press);
        if (run.stuck) return std::nullopt;
        if (run.outcome == Outcome::Cleared) continue;
        const WorldState& after = world.state();
        const bool moved = before.blockCell[before.playerBlock] != after.blockCell[after.playerBlock];
        if (moved && sameBoardBesidesPlayer(before, after)) ++plain;
    }
    if (world.outcome() != Outcome::Cleared) return std::nullopt;
    return plain;
}

}  // namespace nerilo::solver
