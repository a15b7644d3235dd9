#pragma once
// What the session knows of its background searches, for the view to show:
// each is the job running (0 for none) and what the last one found.
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <utility>

#include "game/background_work.h"
#include "game/coroutine.h"
#include "game/session_state.h"
#include "rules/world_state.h"
#include "solver/hint.h"
#include "solver/solver.h"

namespace nerilo {

// The one rule for when a search (a hint, the dead-end warning) may start from
// the position in play: a round at rest, not in super mode (its tiles are
// random), and no replay running. A search under way may also go on while
// the round moves between presses.
enum class WhileMoving : bool { No, Yes };
bool mayStartSearch(const WorldState& world, const SessionState& session, bool playbackRunning,
                    WhileMoving moving = WhileMoving::No);

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
    // The clear the last verdict found, which the next search may meet.
    std::optional<solver::KnownClear> known;
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
    // The clear found, from the round's start, which the dead-end warning may meet.
    std::optional<solver::KnownClear> clear = std::nullopt;
};

// The stage list's shortest clears, kept for the program's run by the
// stage's fingerprint (a stage whose file changes is solved again) and
// searched one at a time, in the order the list asked for them.
struct ShortestLengths {
    std::map<uint64_t, ShortestLength> known;
    std::deque<std::pair<uint64_t, WorldState>> waiting;
    uint64_t job = 0;
    uint64_t searched = 0;  // the fingerprint of the stage being searched
    WorldState searchedStart{};
};

struct Searches {
    HintSearch hint;
    DeadEndSearch deadEnd;
    AnalysisSearch analysis;
    FullSearch full;
    ShortestLengths lengths;
};

class Game;

// The session's background searches: which start and which drop as the game
// goes on, and what a result means once it is back. The front end's runner
// only runs them, and hands each result back with jobDone() in its own thread.
class BackgroundSearches {
public:
    explicit BackgroundSearches(Game& game) : game_(game) {}

    // None run without a runner; with one, those the game calls for now start.
    void setRunner(Runner* runner) {
        runner_ = runner;
        follow();
    }
    void jobDone(const JobResult& done);
    void jobProgress(uint64_t job, const solver::Progress& progress);
    const Searches& state() const { return state_; }

    // At rest in a round no search is kept from: the hint may be asked.
    bool searchable() const;
    void askForHint();
    void dropHint();
    void setDeadEndWarning(bool on);
    // The editor's search window: a search of the plain test start to the end.
    void startFullSearch(uint64_t maxStates);
    void stopFullSearch();
    void closeFullSearch();
    // What is known of the shortest clear of a stage the stage list shows;
    // the first time it is asked, its search is queued.
    ShortestLength shortestLength(uint64_t fingerprint, const Stage& stage);
    // The stage of the day's generation (game/daily.h), which hears its result.
    uint64_t startGeneration(uint64_t seed, uint64_t budget);
    // A search a command waits for, as it waits for an answer (the checks on
    // Save, a stage code's proof): `co_await searches.awaitJob(...)` runs it on
    // the runner and gives its result; keys and commands wait meanwhile, the
    // world goes on ticking and the window painting. Without a runner it
    // gives nothing at once.
    class Awaited;
    Awaited awaitJob(JobKind kind, const WorldState& start, uint64_t maxStates = 0);
    // A command waits for one: the front end shows that it is busy.
    bool awaiting() const { return awaited_.job != 0; }

    // How long the editor's analysis waits after a change.
    static constexpr int AnalysisPauseMs = 150;

private:
    friend class Game;
    friend struct GameSetUp;
    // After every command, answer and clock tick.
    void follow();
    uint64_t startJob(JobKind kind, const WorldState& start, uint64_t maxStates = 0, int pauseMs = 0);
    uint64_t startJob(Job job);
    void dropJob(uint64_t& job);
    void followHint();
    void followDeadEnd();
    void forgetDeadEnd();
    void followAnalysis();
    void startNextLength();
    void showHint(const solver::Result& result);

    Game& game_;
    Runner* runner_ = nullptr;
    Searches state_;
    uint64_t lastJob_ = 0;
    struct AwaitedJob {
        uint64_t job = 0;
        std::optional<JobResult> result;
    };
    AwaitedJob awaited_;
};

class BackgroundSearches::Awaited {
public:
    Awaited(BackgroundSearches& searches, Job job) : searches_(searches), job_(job) {}
    bool await_ready() const { return searches_.runner_ == nullptr; }
    bool await_suspend(coro::coroutine_handle<> command);
    std::optional<JobResult> await_resume();

private:
    BackgroundSearches& searches_;
    Job job_;
};

}  // namespace nerilo
