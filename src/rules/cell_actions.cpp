// Cell actions with Shift+arrow: opening key plates, switching slots, turning bars.
#include "rules/world.h"

namespace nerilo {

void World::actOnCell(int target) {
    WorldState& s = state_;
    GroundCell& cell = s.ground[target];
    if (s.keysHeld != 0 && (cell.code == ground::YellowKeyPlate || cell.code == ground::WhiteKeyPlate)) {
        --s.keysHeld;
        events_.note(WorldEvent::KeyPlate);
        cell.code = ground::Floor;
        evaluateCircuit();
    } else if (groundTraits(cell.code).turned != NoForm) {
        events_.note(WorldEvent::Switch);
        cell.code = groundTraits(cell.code).turned;
        evaluateCircuit();
    }
}

}  // namespace nerilo
