// Power propagation: every target feeds the conductive cells it reaches.
#include <array>

#include "board/form1.h"

namespace nerilo {
namespace {

enum Side { LeftSide, RightSide, TopSide, BottomSide };

bool isDiagonal(uint8_t code) { return code == ground::BackslashBar || code == ground::SlashBar; }

// The half of a diagonal bar that owns a side: a backslash bar's upper half owns
// the top and right sides, a slash bar's upper half the top and left sides.
Power halfOwning(uint8_t code, int side) {
    if (side == TopSide) return Power::UpperHalf;
    if (side == BottomSide) return Power::LowerHalf;
    const bool upper = code == ground::BackslashBar ? side == RightSide : side == LeftSide;
    return upper ? Power::UpperHalf : Power::LowerHalf;
}

// The side of the source that power leaves by, per direction.
constexpr int SourceSide[DirectionCount] = {LeftSide, RightSide, TopSide, BottomSide};

// Whether power leaves live cell i by its side towards direction d into
// neighbour n: n must still take power, a straight bar conducts along its own
// axis only, and a diagonal source needs the half that owns the side.
inline bool crosses(const Form1& form, int i, int n, int d) {
    const Power target = form.Ji[n].power;
    if (target == Power::Inert || target == Power::Full) return false;
    const uint8_t gi = form.Ji[i].code;
    const uint8_t crossBar = d == Left || d == Right ? ground::VerticalBar : ground::HorizontalBar;
    if (gi == crossBar || form.Ji[n].code == crossBar) return false;
    if (isDiagonal(gi)) {
        const Power source = form.Ji[i].power;
        return source == Power::Full || source == halfOwning(gi, SourceSide[d]);
    }
    return true;
}

}  // namespace

// Each cell's state can only rise (Denkai, a half, Full), so a work list that
// spreads again from a cell whenever its state rises visits every cell at most
// three times and reaches the same fixed point as repeated passes over the board.
void spreadPower(Form1& form) {
    std::array<uint8_t, 3 * CellCount> queue;
    size_t head = 0, tail = 0;
    for (int c = 0; c < CellCount; ++c)
        if (isLive(form.Ji[c].power)) queue[tail++] = static_cast<uint8_t>(c);

    // The neighbour to the right receives power through its left side, and so on.
    auto feed = [&](int i, int n, int d) {
        if (!crosses(form, i, n, d)) return;
        const Power before = form.Ji[n].power;
        form.FlowCell = static_cast<int16_t>(n);
        switch (d) {
        case Right: form.Check2325_1(); break;
        case Left: form.Check2325_2(); break;
        case Down: form.Check2325_3(); break;
        default: form.Check2325_4(); break;
        }
        if (form.Ji[n].power != before) queue[tail++] = static_cast<uint8_t>(n);
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

// Powers FlowCell through one of its sides. A diagonal bar powers the half that
// owns the side, and becomes fully powered when its other half already is.
void Form1::powerThroughSide(int side) {
    GroundCell& cell = Ji[FlowCell];
    if (!isDiagonal(cell.code)) {
        cell.power = Power::Full;
        return;
    }
    const Power half = halfOwning(cell.code, side);
    const Power other = half == Power::UpperHalf ? Power::LowerHalf : Power::UpperHalf;
    if (cell.power == other) cell.power = Power::Full;
    else if (cell.power == Power::Denkai) cell.power = half;
}

void Form1::Check2325_1() { powerThroughSide(LeftSide); }
void Form1::Check2325_2() { powerThroughSide(RightSide); }
void Form1::Check2325_3() { powerThroughSide(TopSide); }
void Form1::Check2325_4() { powerThroughSide(BottomSide); }

void Form1::Suman() {
    if (KickActive != 0) return;
    for (int c = 0; c < CellCount; ++c) {
        Ji[c].power = groundTraits(Ji[c].code).conducts ? Power::Denkai : Power::Inert;
        BeemPic[c].marked = false;
        if (Ji[c].code == ground::Target) Ji[c].power = Power::Full;
    }
    // A conductive block makes its cell conductive, even a target, which then loses its power.
    for (int k = 0; k < CellCount; ++k)
        if (blockTraits(Block[k].code).conducts) Ji[BlockCell[k]].power = Power::Denkai;
    spreader_(*this);
    CHANGE();
}

}  // namespace nerilo
