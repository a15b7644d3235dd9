// Cell actions with Shift+arrow: opening key plates, switching slots, turning bars.
#include "board/game.h"

namespace nerilo {

void Game::actOnCell(int target) {
    GameState& s = state_;
    GroundCell& cell = s.ground[target];
    if (s.keysHeld != 0 && (cell.code == ground::YellowKeyPlate || cell.code == ground::WhiteKeyPlate)) {
        --s.keysHeld;
        cell.code = ground::Floor;
        evaluateCircuit();
    } else if (groundTraits(cell.code).turned != NoForm) {
        cell.code = groundTraits(cell.code).turned;
        evaluateCircuit();
    }
}

}  // namespace nerilo
