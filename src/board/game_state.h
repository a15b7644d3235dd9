#pragma once
// The whole game as one plain value: the three board layers, what is moving,
// the round, the modes, the progress and the editor's brushes. Copying it
// snapshots a game; undo, the solver and the tests rely on that. What the
// window shows is derived from it (board/presentation.h), never stored here.
#include <array>
#include <cstdint>
#include <random>
#include <string>

#include "board/codes.h"
#include "board/file_io.h"
#include "board/picture.h"
#include "board/power_state.h"
#include "board/progress_file.h"

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
// says where it stands now, and left/top where it is drawn (in mid-step, between cells).
struct BlockPiece {
    uint8_t code = 0;
    Picture picture;
    int16_t left = 0;  // a few cells beyond the board at most, in mid-jump
    int16_t top = 0;
    uint32_t z = 0;  // drawing order: higher is in front
    friend bool operator==(const BlockPiece&, const BlockPiece&) = default;
};

// The yellow stipple of a beam or a blast over one cell.
struct Overlay {
    bool marked = false;
    uint32_t z = 0;
    friend bool operator==(const Overlay&, const Overlay&) = default;
};

// The Mersenne Twister of std::mt19937, with the same numbers, kept in 32-bit
// words: half the size, and the state is copied with every snapshot.
using SuperModeRandom = std::mersenne_twister_engine<uint32_t, 32, 624, 397, 31, 0x9908b0df, 11, 0xffffffff, 7,
                                                     0x9d2c5680, 15, 0xefc60000, 18, 1812433253>;

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

// What the panel's round button does next.
enum class RoundCommand : uint8_t { Start, Retry };
// Which layer the editor paints.
enum class PaintLayer : uint8_t { Ground, Blocks };
// The two modes that unlock with progress; at most one is on.
enum class ExtraMode : uint8_t { None, Block, Super };
// How far the progress goes, as last checked; the numbers are those nerilo-sim prints.
enum class ProgressLevel : uint8_t {
    Incomplete = 0,        // some stage is not cleared
    AllCleared = 1,        // all are, at least one without step-try mode
    AllClearedStepTry = 2, // every stage was cleared in step-try mode
    NotChecked = 3,        // before the start-up check, which shows no ending
};

struct GameState {
    // Board layers.
    std::array<GroundCell, CellCount> ground{};
    std::array<BlockPiece, CellCount> blocks{};
    std::array<Overlay, CellCount> overlays{};
    uint32_t lastRaise = 0;  // the highest drawing order handed out so far

    // What stands where and what moves.
    std::array<int16_t, CellCount> blockCell{};
    uint8_t playerBlock = 0;
    uint8_t movingBlock = 0;
    uint8_t pushedBlock = 0;
    MoveKind moveKind = MoveKind::Walk;
    std::array<uint8_t, DirectionCount> stepPhase{};  // 0 idle, 1..4 the quarter steps
    bool inputLocked = false;
    bool kickInProgress = false;
    bool awaitingFirstKey = false;
    bool ticking = false;
    uint8_t keysHeld = 0;

    // The round and the stage.
    RoundCommand roundCommand = RoundCommand::Start;
    bool roundStarted = false;  // Start or Retry ran since the stage was loaded
    int32_t stepsLeft = 200;
    int32_t stepTarget = 200;
    std::string comment;
    std::string stagePath;  // empty for a stage with no file yet
    uint64_t stageFingerprint = 0;  // of the board and step target read from the stage file (records are kept by it)

    // Progress and modes.
    Progress progress{};  // stage n at [n - 1]
    ProgressLevel progressLevel = ProgressLevel::Incomplete;
    bool blockModeUnlocked = false;
    bool superModeUnlocked = false;
    bool stepTry = false;
    ExtraMode extraMode = ExtraMode::None;
    SuperModeRandom random;  // super mode's tiles

    // The editor. Test play runs a round on the edited board with `editing`
    // off; the editor as it was waits outside the state (Game::endTestPlay).
    bool editing = false;
    bool testPlaying = false;
    PaintLayer paintLayer = PaintLayer::Ground;
    uint8_t groundBrush = ground::Floor;
    uint8_t blockBrush = block::BlackBall;

    friend bool operator==(const GameState&, const GameState&) = default;
};

// A round under way with nothing moving: a key press is taken at once, and a
// search can start from here.
inline bool atRest(const GameState& s) { return s.ticking && !s.inputLocked && !s.editing; }

// The current stage's file name without its folder; empty for a stage with no file yet.
inline std::string stageTitle(const GameState& s) { return fileTitle(s.stagePath); }

// Where block k stands when it is at home on cell k, and where overlay k is drawn.
constexpr int cellLeft(int cell) { return columnOf(cell) * CellPitch; }
constexpr int cellTop(int cell) { return rowOf(cell) * CellPitch; }

}  // namespace nerilo
