#pragma once
// Tile codes and their behaviour, one row per code. Every rule that depends on
// "which kind of tile is this" reads these tables instead of listing codes.
#include <array>
#include <cstdint>

namespace nerilo {

constexpr int BoardSide = 15;
constexpr int CellCount = BoardSide * BoardSide;
constexpr int GroundCodeCount = 30;
constexpr int BlockCodeCount = 9;
constexpr int PlayerFrameCount = 14;

namespace ground {
constexpr uint8_t Floor = 0, Wall = 1, WhitePlate = 2, YellowPlate = 3, LowSpring = 4,
                  MiddleSpring = 5, HighSpring = 6, Target = 7, BlueStar = 8, RedStar = 9,
                  CrossedBox = 10, YellowKeyPlate = 11, WhiteKeyPlate = 12, BlueButton = 13,
                  RedButton = 14, Stairs = 15, UpperSlot = 16, LowerSlot = 17, EmitterDown = 18,
                  EmitterUp = 19, EmitterRight = 20, EmitterLeft = 21, HorizontalBar = 22,
                  BackslashBar = 23, VerticalBar = 24, SlashBar = 25, ArrowDown = 26, ArrowUp = 27,
                  ArrowRight = 28, ArrowLeft = 29;
}

namespace block {
constexpr uint8_t Empty = 0, BlackBall = 1, BlueWheel = 2, RedWheel = 3, SkullBall = 4,
                  OliveBall = 5, Key = 6, Player = 7, Stipple = 8;
}

// Directions in the order the step phases are kept: 0 Left, 1 Right, 2 Up, 3 Down.
enum Direction : uint8_t { Left = 0, Right = 1, Up = 2, Down = 3 };
constexpr int DirectionCount = 4;

// What an object arriving on a cell does there (a step, a jump or a slide).
enum class Landing : uint8_t {
    PassOver,  // cannot stop: steps one cell on (stops a slide)
    Spring,    // jumps two cells on
    StandOn,   // stops (a slide enters and goes on)
};

constexpr uint8_t NoForm = 0xFF;
constexpr int8_t NoDirection = -1;

struct GroundTraits {
    const char* name;
    bool step;         // the player may step onto it
    bool pushOnto;     // a pushed block may land on it
    bool stopsBeam;
    bool conducts;
    Landing landing;
    uint8_t litForm;   // code when powered, or NoForm
    uint8_t unlitForm; // code when unpowered, or NoForm
    int8_t beam;       // direction an emitter fires when powered
    int8_t slide;      // direction an arrow carries an object at rest
    uint8_t turned;    // code after the cell action (slots, bars), or NoForm
};

constexpr std::array<GroundTraits, GroundCodeCount> GroundTable{{
    // name              step   push   stops  cond   landing             lit      unlit    beam         slide        turned
    {"floor",            true,  true,  false, false, Landing::StandOn,  NoForm, NoForm, NoDirection, NoDirection, NoForm},
    {"wall",             false, false, true,  false, Landing::PassOver, NoForm, NoForm, NoDirection, NoDirection, NoForm},
    {"white plate",      true,  true,  false, true,  Landing::StandOn,  3,      NoForm, NoDirection, NoDirection, NoForm},
    {"yellow plate",     true,  true,  false, true,  Landing::StandOn,  NoForm, 2,      NoDirection, NoDirection, NoForm},
    {"low spring",       true,  false, true,  false, Landing::Spring,   NoForm, NoForm, NoDirection, NoDirection, NoForm},
    {"middle spring",    true,  false, true,  false, Landing::Spring,   NoForm, NoForm, NoDirection, NoDirection, NoForm},
    {"high spring",      true,  false, true,  false, Landing::Spring,   NoForm, NoForm, NoDirection, NoDirection, NoForm},
    {"target",           false, false, true,  false, Landing::PassOver, NoForm, NoForm, NoDirection, NoDirection, NoForm},
    {"blue star",        true,  true,  false, true,  Landing::StandOn,  9,      NoForm, NoDirection, NoDirection, NoForm},
    {"red star",         true,  true,  false, true,  Landing::StandOn,  NoForm, 8,      NoDirection, NoDirection, NoForm},
    {"crossed box",      false, false, true,  true,  Landing::PassOver, 0,      NoForm, NoDirection, NoDirection, NoForm},
    {"yellow key plate", false, false, true,  true,  Landing::PassOver, NoForm, NoForm, NoDirection, NoDirection, NoForm},
    {"white key plate",  false, false, true,  false, Landing::PassOver, NoForm, NoForm, NoDirection, NoDirection, NoForm},
    {"blue button",      false, false, true,  true,  Landing::PassOver, 14,     NoForm, NoDirection, NoDirection, NoForm},
    {"red button",       false, false, true,  true,  Landing::PassOver, NoForm, 13,     NoDirection, NoDirection, NoForm},
    {"stairs",           true,  false, false, false, Landing::StandOn,  NoForm, NoForm, NoDirection, NoDirection, NoForm},
    {"upper slot",       false, false, true,  false, Landing::PassOver, NoForm, NoForm, NoDirection, NoDirection, 17},
    {"lower slot",       false, false, true,  true,  Landing::PassOver, NoForm, NoForm, NoDirection, NoDirection, 16},
    {"emitter down",     false, false, true,  true,  Landing::PassOver, NoForm, NoForm, Down,        NoDirection, NoForm},
    {"emitter up",       false, false, true,  true,  Landing::PassOver, NoForm, NoForm, Up,          NoDirection, NoForm},
    {"emitter right",    false, false, true,  true,  Landing::PassOver, NoForm, NoForm, Right,       NoDirection, NoForm},
    {"emitter left",     false, false, true,  true,  Landing::PassOver, NoForm, NoForm, Left,        NoDirection, NoForm},
    {"horizontal bar",   false, false, true,  true,  Landing::PassOver, NoForm, NoForm, NoDirection, NoDirection, 24},
    {"backslash bar",    false, false, true,  true,  Landing::PassOver, NoForm, NoForm, NoDirection, NoDirection, 25},
    {"vertical bar",     false, false, true,  true,  Landing::PassOver, NoForm, NoForm, NoDirection, NoDirection, 22},
    {"slash bar",        false, false, true,  true,  Landing::PassOver, NoForm, NoForm, NoDirection, NoDirection, 23},
    {"arrow down",       true,  true,  false, false, Landing::StandOn,  NoForm, NoForm, NoDirection, Down,        NoForm},
    {"arrow up",         true,  true,  false, false, Landing::StandOn,  NoForm, NoForm, NoDirection, Up,          NoForm},
    {"arrow right",      true,  true,  false, false, Landing::StandOn,  NoForm, NoForm, NoDirection, Right,       NoForm},
    {"arrow left",       true,  true,  false, false, Landing::StandOn,  NoForm, NoForm, NoDirection, Left,        NoForm},
}};

struct BlockTraits {
    const char* name;
    bool pushed;          // the player pushes it one cell
    bool blocksPush;      // a pushed block cannot land on its cell
    bool occupies;        // an arriving object cannot stop on its cell
    bool stopsSlide;
    bool stopsBeam;
    bool conducts;
    uint8_t litForm;      // code on a powered cell, or NoForm
    uint8_t unlitForm;    // code on an unpowered cell, or NoForm
};

constexpr std::array<BlockTraits, BlockCodeCount> BlockTable{{
    // name          pushed blocksPush occupies stopsSlide stopsBeam conducts lit     unlit
    {"empty",        false, false,     false,   false,     false,    false,   NoForm, NoForm},
    {"black ball",   true,  true,      true,    true,      true,     false,   NoForm, NoForm},
    {"blue wheel",   true,  true,      true,    true,      true,     true,    3,      NoForm},
    {"red wheel",    true,  true,      true,    true,      true,     true,    NoForm, 2},
    {"skull ball",   true,  true,      true,    true,      true,     true,    NoForm, NoForm},
    {"olive ball",   false, true,      true,    true,      true,     true,    NoForm, NoForm},
    {"key",          false, true,      false,   false,     false,    false,   NoForm, NoForm},
    {"player",       false, false,     false,   true,      false,    false,   NoForm, NoForm},
    {"stipple",      false, false,     false,   false,     false,    false,   NoForm, NoForm},
}};

inline const GroundTraits& groundTraits(uint8_t code) { return GroundTable[code]; }
inline const BlockTraits& blockTraits(uint8_t code) { return BlockTable[code]; }

// Cell geometry: row-major indexes 0..224.
constexpr int columnOf(int cell) { return cell % BoardSide; }
constexpr int rowOf(int cell) { return cell / BoardSide; }

// Whether cell has a neighbour in direction d, and which.
constexpr bool hasNeighbour(int cell, int d) {
    switch (d) {
    case Left: return columnOf(cell) != 0;
    case Right: return columnOf(cell) != BoardSide - 1;
    case Up: return cell > BoardSide - 1;
    default: return cell < CellCount - BoardSide;
    }
}
constexpr int cellOffset(int d) {
    constexpr int offsets[DirectionCount] = {-1, 1, -BoardSide, BoardSide};
    return offsets[d];
}
constexpr int neighbourOf(int cell, int d) { return cell + cellOffset(d); }

}  // namespace nerilo
