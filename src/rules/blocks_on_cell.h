#pragma once
// The blocks standing on a cell. Pushes, landings, slides and pickups ask this
// several times a tick, and the solver millions of times a second, so the
// cells of the 225 blocks are compared four at a time in one 64-bit word.
#include <bit>
#include <cstring>

#include "rules/world_state.h"

namespace nerilo {

// Calls visit(k) for every block k on `cell`, in block order: where several
// stand on one cell, a later one may override what an earlier one decided.
// Stops early when visit returns false.
template <class Visit>
void forEachBlockOn(const WorldState& state, int cell, Visit visit) {
    static_assert(std::endian::native == std::endian::little);
    constexpr uint64_t LowBits = 0x0001000100010001ULL, HighBits = 0x8000800080008000ULL;
    const uint64_t pattern = LowBits * static_cast<uint16_t>(cell);
    int k = 0;
    for (; k + 4 <= CellCount; k += 4) {
        uint64_t cells;
        std::memcpy(&cells, &state.blockCell[k], sizeof cells);
        const uint64_t difference = cells ^ pattern;
        // A lane holding the cell becomes zero and flags its high bit; the
        // borrow can also flag the lanes above one, so each flag is checked.
        for (uint64_t flags = (difference - LowBits) & ~difference & HighBits; flags != 0; flags &= flags - 1) {
            const int block = k + std::countr_zero(flags) / 16;
            if (state.blockCell[block] == cell && !visit(block)) return;
        }
    }
    for (; k < CellCount; ++k)
        if (state.blockCell[k] == cell && !visit(k)) return;
}

}  // namespace nerilo
