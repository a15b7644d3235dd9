#pragma once
// The world as one plain value: the three board layers, what stands where,
// what is moving, the step counter and the modes the rules obey. Copying it
// snapshots a position; undo, the solver and the tests rely on that. It holds
// no texts, no paths and nothing of the session (the stage file, progress,
// records, the editor). Where things are drawn on their way between cells is
// the Drawing beside it, which the rules write but never read.
#include <array>
#include <cstdint>
#include <type_traits>

#include "model/codes.h"
#include "model/picture.h"
#include "model/power_state.h"

namespace nerilo {

// Positions are kept in board units: 480 to a cell, 15 to a pixel at the
// window's natural size. A step moves a quarter of a cell per tick.
constexpr int CellPitch = 480;
constexpr int QuarterStep = 120;

struct GroundCell {
    uint8_t code = 0;
    Power power = Power::Inert;  // kept by the circuit evaluation
    friend bool operator==(const GroundCell&, const GroundCell&) = default;
};

// One of the 225 blocks. Block k starts every stage on cell k; `blockCell[k]`
// says where it stands now.
struct BlockPiece {
    uint8_t code = 0;
    friend bool operator==(const BlockPiece&, const BlockPiece&) = default;
};

// The yellow stipple of a beam or a blast over one cell.
struct Overlay {
    bool marked = false;
    friend bool operator==(const Overlay&, const Overlay&) = default;
};

// What the world tick is carrying out. The numbers are those nerilo-sim prints.
enum class MoveKind : uint8_t {
    Walk = 0,
    Push = 1,
    Kick = 2,  // the next tick hands the move to the kicked ball
    Jump = 4,
    SlideDown = 5,
    SlideUp = 6,
    SlideRight = 7,
    SlideLeft = 8,
};

constexpr bool isSlide(MoveKind kind) { return kind >= MoveKind::SlideDown && kind <= MoveKind::SlideLeft; }
constexpr MoveKind slideTowards(int direction) {
    constexpr MoveKind slides[DirectionCount] = {MoveKind::SlideLeft, MoveKind::SlideRight, MoveKind::SlideUp,
                                                 MoveKind::SlideDown};
    return slides[direction];
}
constexpr int slideDirection(MoveKind kind) {
    constexpr int directions[4] = {Down, Up, Right, Left};
    return directions[static_cast<int>(kind) - static_cast<int>(MoveKind::SlideDown)];
}

// The two modes that unlock with progress; at most one is on.
enum class ExtraMode : uint8_t { None, Block, Super };

// The player's pose: the frame of the walking figure he shows, or none yet
// while he still stands as the stage placed him.
constexpr uint8_t NoPose = 0;

struct WorldState {
    // Board layers.
    std::array<GroundCell, CellCount> ground{};
    std::array<BlockPiece, CellCount> blocks{};
    std::array<Overlay, CellCount> overlays{};

    // What stands where and what moves.
    std::array<uint8_t, CellCount> blockCell{};
    // The blocks that are not empty when the round starts, in block order:
    // blocks only ever vanish during a round, so no other block can stand in
    // anybody's way (noteLiveBlocks).
    std::array<uint8_t, CellCount> liveBlocks{};
    uint8_t liveBlockCount = 0;
    // The indices i where power can change block i or ground cell i, in
    // order: codes only leave the families that power changes (a burnt
    // crossed box, an exploded skull ball), never join them.
    std::array<uint8_t, CellCount> reactive{};
    uint8_t reactiveCount = 0;
    uint8_t playerBlock = 0;
    uint8_t movingBlock = 0;
    uint8_t pushedBlock = 0;
    MoveKind moveKind = MoveKind::Walk;
    std::array<uint8_t, DirectionCount> stepPhase{};  // 0 idle, 1..4 the quarter steps
    bool inputLocked = false;
    bool kickInProgress = false;
    bool awaitingFirstKey = false;
    bool ticking = false;  // the world tick runs: a round is under way
    bool caught = false;   // a hazard caught the player: he stands as stone until he moves again
    bool cleared = false;  // the player used the stairs
    uint8_t keysHeld = 0;

    // The step counter and the modes the round is played in.
    int32_t stepsLeft = 200;
    int32_t stepTarget = 200;
    bool stepTry = false;
    ExtraMode extraMode = ExtraMode::None;

    friend bool operator==(const WorldState&, const WorldState&) = default;
};

// Undo stores worlds as raw bytes and the solver copies them by the million.
static_assert(std::is_trivially_copyable_v<WorldState>);
static_assert(CellCount <= 256, "blockCell holds a cell in a byte");

// The animation the world tick plays: where each block is drawn on its way
// between cells (in board units; a few cells beyond the board at most, in
// mid-jump), the drawing order (higher is in front) and the player's pose.
struct Drawing {
    std::array<int16_t, CellCount> left{};
    std::array<int16_t, CellCount> top{};
    std::array<uint32_t, CellCount> blockOrder{};
    std::array<uint32_t, CellCount> overlayOrder{};
    uint32_t lastRaise = 0;  // the highest drawing order handed out so far
    uint8_t playerPose = NoPose;
    friend bool operator==(const Drawing&, const Drawing&) = default;
};

// A round under way with nothing moving: a key press is taken at once, and a
// search can start from here.
inline bool atRest(const WorldState& s) { return s.ticking && !s.inputLocked && !s.cleared; }

// Whether power can change a block or a ground cell of this code.
constexpr std::array<bool, BlockCodeCount> BlockReacts = [] {
    std::array<bool, BlockCodeCount> reacts{};
    for (int code = 0; code < BlockCodeCount; ++code)
        reacts[code] = code == block::SkullBall || BlockTable[code].litForm != NoForm || BlockTable[code].unlitForm != NoForm;
    return reacts;
}();
constexpr std::array<bool, GroundCodeCount> GroundReacts = [] {
    std::array<bool, GroundCodeCount> reacts{};
    for (int code = 0; code < GroundCodeCount; ++code) {
        const GroundTraits& t = GroundTable[code];
        reacts[code] = code == ground::CrossedBox || t.beam != NoDirection || t.litForm != NoForm || t.unlitForm != NoForm;
    }
    return reacts;
}();

// Lists the blocks that are not empty and the indices power can change, for
// a round about to start.
inline void noteLiveBlocks(WorldState& s) {
    s.liveBlockCount = 0;
    s.reactiveCount = 0;
    for (int k = 0; k < CellCount; ++k) {
        if (s.blocks[k].code != block::Empty) s.liveBlocks[s.liveBlockCount++] = static_cast<uint8_t>(k);
        if (BlockReacts[s.blocks[k].code] || GroundReacts[s.ground[k].code]) s.reactive[s.reactiveCount++] = static_cast<uint8_t>(k);
    }
}

// Lost: caught, the tick stopped and the keyboard locked.
inline bool isLost(const WorldState& s) { return s.caught && !s.ticking && s.inputLocked; }

// The picture block k shows: the player as stone or in his pose, any other
// block as its code.
inline Picture pictureOf(const WorldState& s, const Drawing& drawing, int k) {
    if (k == s.playerBlock && s.caught) return playerPicture(StoneFrame);
    if (k == s.playerBlock && drawing.playerPose != NoPose) return playerPicture(drawing.playerPose);
    return blockPicture(s.blocks[k].code);
}

// Where block k stands when it is at home on cell k, and where overlay k is drawn.
constexpr int cellLeft(int cell) { return columnOf(cell) * CellPitch; }
constexpr int cellTop(int cell) { return rowOf(cell) * CellPitch; }

}  // namespace nerilo
