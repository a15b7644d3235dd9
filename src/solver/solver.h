#pragma once
// The solver: a breadth-first search over key presses on the rules themselves (World). It
// finds a shortest clear from any game state at rest, or proves there is none,
// and can explore everything reachable to tell how a stage can be ruined.
//
// A press is one of the key letters L R U D l r u d Z, delivered as nerilo-sim
// delivers it: the key, then ticks until the game is at rest. A press that
// loses ends its branch; a press that clears the stage is a goal. The search
// runs in the caller's thread (use a worker thread to keep a window
// responsive), reports progress through a callback and stops soon after
// `cancel` is set.
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "model/stage_file.h"
#include "rules/world_state.h"
#include "model/text.h"

namespace nerilo::solver {

// The presses the search tries, in this order.
constexpr std::string_view Presses = "LRUDlrudZ";

struct Options {
    uint64_t maxStates = 20'000'000;  // positions stored before the search gives up
    int threads = 1;
    bool analyse = false;             // explore everything, not only up to the first clear
    // Positions known to lead to a clear. A search for any clear, not the
    // shortest, may stop at the first of them it meets (not with analyse).
    std::span<const WorldState> leadsToClear;
};

struct Progress {
    uint64_t expanded = 0;
    uint64_t stored = 0;
    int depth = 0;
    double seconds = 0;
};

enum class Outcome {
    Solved,        // keys hold a shortest clear
    Unsolvable,    // every reachable position was explored and none clears
    LimitReached,  // maxStates positions were stored first
    Cancelled,
    Refused,       // the state cannot be searched (super mode draws random tiles; not at rest)
};

// How far ahead a player following a clear is taken to look for a wrong turn.
constexpr int QuietReach = 5;

// What --analyse finds out about everything reachable from the start.
struct Analysis {
    uint64_t reachable = 0;      // positions at rest, neither lost nor cleared
    uint64_t deadEnds = 0;       // of those, positions from which no clear can be reached
    uint64_t losingPresses = 0;  // presses from reachable positions that lose at once
    int firstDeadEndDepth = -1;  // fewest presses from the start to a dead end; -1: none
    // Positions along the shortest clear found (the start included, the clear
    // not) from which some press leads into a dead end or loses at once: the
    // moments a player following that clear can go wrong. 0 when unsolved.
    int decisions = 0;
    // The longest run of positions along that clear with no way to go wrong
    // within QuietReach presses: pushing a wheel up a long corridor, walking
    // a long way round. 0 when unsolved.
    int longestQuiet = 0;
    bool operator==(const Analysis&) const = default;
};

struct Result {
    Outcome outcome = Outcome::Unsolvable;
    std::string keys;        // a shortest clear, when solved
    // When solved by meeting a position of Options::leadsToClear: its index,
    // and `keys` lead there instead of clearing. -1 otherwise.
    int through = -1;
    std::string refusal;     // why the state was refused
    uint64_t expanded = 0;
    uint64_t stored = 0;
    uint64_t storedBytes = 0;  // what the stored positions took: keys, visited set, paths back
    double seconds = 0;
    std::optional<Analysis> analysis;  // with Options::analyse, unless cancelled or limited
};

// Searches from `start`, which must be at rest (a round running, the keyboard
// free). Step-try mode and block mode are taken from the state; step-try mode
// makes the step counter part of every position and running out a loss.
Result solve(const WorldState& start, const Options& options = {},
             const std::function<void(const Progress&)>& progress = {}, const std::atomic<bool>* cancel = nullptr);

// The same search, given up after `seconds` (then Cancelled): the checks on
// Save and a stage code's proof may take a moment, never long. The clock is
// read where the search reports its progress, a few times a second.
Result solveWithin(const WorldState& start, const Options& options, double seconds);

// The start of a round on a stage file: loaded and started as Open and Start
// do, with the given modes. `error` holds the reader's message when the file is bad.
struct StageStart {
    std::optional<WorldState> state;
    Text error;
};
StageStart stageStart(const std::string& path, bool stepTry = false, bool blockMode = false);
// The start of a round on a stage read whole and good.
WorldState roundStart(const Stage& stage, bool stepTry = false, bool blockMode = false);

}  // namespace nerilo::solver
