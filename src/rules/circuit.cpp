// Power propagation: every target feeds the conductive cells it reaches.
#include <array>

#include "rules/world.h"
#include "rules/circuit.h"

namespace nerilo {
namespace {

bool isDiagonal(uint8_t code) { return code == ground::BackslashBar || code == ground::SlashBar; }

// The half of a diagonal bar that owns a side: a backslash bar's upper half owns
// the top and right sides, a slash bar's upper half the top and left sides.
Power halfOwning(uint8_t code, Side side) {
    if (side == Side::Top) return Power::UpperHalf;
    if (side == Side::Bottom) return Power::LowerHalf;
    const bool upper = code == ground::BackslashBar ? side == Side::Right : side == Side::Left;
    return upper ? Power::UpperHalf : Power::LowerHalf;
}

// The side power leaves a cell by when it goes in direction d, and the side it
// enters the neighbour by.
constexpr Side LeavingSide[DirectionCount] = {Side::Left, Side::Right, Side::Top, Side::Bottom};
constexpr Side EnteringSide[DirectionCount] = {Side::Right, Side::Left, Side::Bottom, Side::Top};

// Whether power leaves live cell i by its side towards direction d into
// neighbour n: n must still take power, a straight bar conducts along its own
// axis only, and a diagonal source needs the half that owns the side.
inline bool crosses(const GroundLayer& ground, int i, int n, int d) {
    const Power target = ground[n].power;
    if (target == Power::Inert || target == Power::Full) return false;
    const uint8_t gi = ground[i].code;
    const uint8_t crossBar = d == Left || d == Right ? ground::VerticalBar : ground::HorizontalBar;
    if (gi == crossBar || ground[n].code == crossBar) return false;
    if (isDiagonal(gi)) {
        const Power source = ground[i].power;
        return source == Power::Full || source == halfOwning(gi, LeavingSide[d]);
    }
    return true;
}

// Every target is a source; the other conductive cells wait for power.
constexpr std::array<Power, GroundCodeCount> PowerBeforeSpreading = [] {
    std::array<Power, GroundCodeCount> power{};
    for (int code = 0; code < GroundCodeCount; ++code)
        power[code] = code == ground::Target ? Power::Full : GroundTable[code].conducts ? Power::Unpowered : Power::Inert;
    return power;
}();

}  // namespace

void powerThroughSide(GroundCell& cell, Side side) {
    if (!isDiagonal(cell.code)) {
        cell.power = Power::Full;
        return;
    }
    const Power half = halfOwning(cell.code, side);
    const Power other = half == Power::UpperHalf ? Power::LowerHalf : Power::UpperHalf;
    if (cell.power == other) cell.power = Power::Full;
    else if (cell.power == Power::Unpowered) cell.power = half;
}

// Each cell's state can only rise (unpowered, a half, full), so a work list that
// spreads again from a cell whenever its state rises visits every cell at most
// three times and reaches the same fixed point as repeated passes over the board.
void spreadPower(GroundLayer& ground) {
    std::array<uint8_t, 3 * CellCount> queue;
    size_t head = 0, tail = 0;
    for (int c = 0; c < CellCount; ++c)
        if (isLive(ground[c].power)) queue[tail++] = static_cast<uint8_t>(c);

    auto feed = [&](int i, int n, int d) {
        if (!crosses(ground, i, n, d)) return;
        const Power before = ground[n].power;
        powerThroughSide(ground[n], EnteringSide[d]);
        if (ground[n].power != before) queue[tail++] = static_cast<uint8_t>(n);
    };
    while (head < tail) {
        const int i = queue[head++];
        const int column = columnOf(i);
        if (column != BoardSide - 1) feed(i, i + 1, Right);
        if (column != 0) feed(i, i - 1, Left);
        if (i < CellCount - BoardSide) feed(i, i + BoardSide, Down);
        if (i >= BoardSide) feed(i, i - BoardSide, Up);
    }
}

void World::evaluateCircuit() {
    WorldState& s = state_;
    // A rolling ball is still on its way; the circuit is evaluated when it stops.
    if (s.kickInProgress) return;
    for (int c = 0; c < CellCount; ++c) s.ground[c].power = PowerBeforeSpreading[s.ground[c].code];
    s.overlays.fill(Overlay{});
    // A conductive block makes its cell conductive, even a target, which then loses its power.
    for (int i = 0; i < s.liveBlockCount; ++i) {
        const int k = s.liveBlocks[i];
        if (blockTraits(s.blocks[k].code).conducts) s.ground[s.blockCell[k]].power = Power::Unpowered;
    }
    spreader_(s.ground);
    applyPowerEffects();
}

}  // namespace nerilo
