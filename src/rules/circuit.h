#pragma once
// How power spreads over the ground layer: every target is a source, and power
// crosses from a live cell into a conductive neighbour through their shared side.
#include <array>

#include "rules/world_state.h"

namespace nerilo {

using GroundLayer = std::array<GroundCell, CellCount>;

// The side of a cell that power enters by.
enum class Side : uint8_t { Left, Right, Top, Bottom };

// Powers a conductive cell through one of its sides. A diagonal bar powers the
// half that owns the side, and is fully powered once both halves are.
void powerThroughSide(GroundCell& cell, Side side);

// Spreads power from the live cells of a freshly initialised layer to its fixed point.
void spreadPower(GroundLayer& ground);
using PowerSpreader = void (*)(GroundLayer&);

}  // namespace nerilo
