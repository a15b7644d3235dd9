#pragma once
// Power spreading exactly as the rules describe it: passes over the board in
// index order, each spreading once from every live cell not yet spread, until
// a pass changes nothing. Slow on long wires against the index order; kept as
// the reference that the engine's work-list spreading must match.
#include "rules/circuit.h"

namespace nerilo {
void spreadPowerLiteral(GroundLayer& ground);
}  // namespace nerilo
