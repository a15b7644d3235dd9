#include "solver/proof_check.h"

#include "rules/key_letters.h"
#include "solver/solver.h"

namespace nerilo::solver {

// The proof is played as the solver plays: from the round's start in plain
// play, each press waited out; it must clear with its last press.
bool proofClears(const Stage& stage, std::string_view keys) { return clearsFrom(roundStart(stage), keys); }

bool clearsFrom(const WorldState& start, std::string_view keys) {
    World world(Watched::No);
    world.restore(start);
    for (size_t i = 0; i < keys.size(); ++i) {
        if (Presses.find(keys[i]) == std::string_view::npos) return false;
        const PressRun run = playPress(world, *pressOf(keys[i]));
        if (run.outcome == nerilo::Outcome::Cleared) return i + 1 == keys.size();
        if (run.outcome == nerilo::Outcome::Lost || run.stuck) return false;
    }
    return false;
}

}  // namespace nerilo::solver
