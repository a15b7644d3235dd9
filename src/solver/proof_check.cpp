#include "solver/proof_check.h"

#include "board/game.h"
#include "input/key_letters.h"
#include "solver/quiet_platform.h"
#include "solver/solver.h"

namespace nerilo::solver {

bool proofClears(const Stage& stage, std::string_view keys) {
    QuietPlatform platform;
    Game game(platform);
    game.keepHistory(false);
    game.enterLoadedState({}, stage);
    game.startRound();
    for (size_t i = 0; i < keys.size(); ++i) {
        if (Presses.find(keys[i]) == std::string_view::npos) return false;
        Replay replay;
        playLetter(game, keys[i], PressTickCap, replay);
        if (platform.cleared) return i + 1 == keys.size();
        if (game.isLost() || replay.stuck) return false;
    }
    return false;
}

}  // namespace nerilo::solver
