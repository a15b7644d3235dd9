#pragma once
// What the session knows of its background searches, for the view to show:
// each is the job running (0 for none) and what the last one found.
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <utility>

#include "game/session_state.h"
#include "rules/world_state.h"
#include "solver/hint.h"
#include "solver/solver.h"

namespace nerilo {

// The one rule for when a search (a hint, the dead-end warning) may start from
// the position in play: a round at rest, not in super mode (its tiles are
// random), and no replay running.
bool mayStartSearch(const WorldState& world, const SessionState& session, bool playbackRunning);

// Asked at rest; it holds for the position it was asked in, as any command ends it.
struct HintSearch {
    uint64_t job = 0;
    std::optional<WorldState> askedAt;
    std::optional<solver::Hint> shown;
    int cell = 0;           // the player's cell when it was found: the arrow starts there
    bool notFound = false;  // the search reached its bound first
};

// 詰みを知らせる: each position at rest is searched once; a proven dead end is warned of.
struct DeadEndSearch {
    bool enabled = false;
    uint64_t job = 0;
    std::optional<WorldState> watched;
    bool warning = false;
};

// The editor's panel: the board as a round would start on it.
struct AnalysisSearch {
    uint64_t job = 0;
    std::optional<WorldState> analysed;  // the start searched last, or being searched
    std::optional<solver::Result> result;
};

// The editor's search window (解を探す).
struct FullSearch {
    uint64_t job = 0;
    std::optional<solver::Progress> progress;
    std::optional<solver::Result> result;
};

struct ShortestLength {
    bool searching = true;
    std::optional<int> presses;  // when found
};

// The stage list's shortest clears, kept for the program's run by the
// stage's fingerprint (a stage whose file changes is solved again) and
// searched one at a time, in the order the list asked for them.
struct ShortestLengths {
    std::map<uint64_t, ShortestLength> known;
    std::deque<std::pair<uint64_t, WorldState>> waiting;
    uint64_t job = 0;
    uint64_t searched = 0;  // the fingerprint of the stage being searched
};

struct Searches {
    HintSearch hint;
    DeadEndSearch deadEnd;
    AnalysisSearch analysis;
    FullSearch full;
    ShortestLengths lengths;
};

}  // namespace nerilo
