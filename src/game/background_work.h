#pragma once
// The session's searches in the background: the hint, the dead-end warning,
// the editor's analysis and search window, the stage list's shortest clears,
// the generation of the stage of the day, and the searches a command waits
// for (the checks on Save, a stage code's proof). A job is a plain value (what to search and from where); the front
// end's Runner runs it away from the window (threads on the desktop, a worker
// in the page), always through runJob, and hands the result back to the
// session in the window's own thread (Game::jobDone). Without a runner (the
// tools) jobs never run.
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/stage_file.h"
#include "rules/world_state.h"
#include "solver/dead_end.h"
#include "solver/solver.h"
#include "solver/stage_checks.h"

namespace nerilo {

enum class JobKind : uint8_t { Hint, DeadEnd, Analysis, FullSearch, ShortestClear, Generate, SaveCheck, Proof };
constexpr int JobKinds = static_cast<int>(JobKind::Proof) + 1;

struct Job {
    uint64_t id = 0;
    JobKind kind = JobKind::Hint;
    WorldState start{};
    uint64_t maxStates = 0;  // 0: the kind's own bound; Generate: positions judged in all
    // How long the runner waits before it starts: a stroke in the editor paints
    // several cells in a row, and only the last board is worth a search.
    int pauseMs = 0;
    uint64_t seed = 0;  // Generate: the stage's seed (`start` is not used)
    // DeadEnd: the clear the last verdict found, for the search to meet.
    std::optional<solver::KnownClear> known = std::nullopt;
};

struct JobResult {
    uint64_t id = 0;
    JobKind kind = JobKind::Hint;
    // The search gave up on something other than its bound (no more memory):
    // told as a search that found nothing.
    bool failed = false;
    solver::Result search;
    // Generate: the stage, when one inside the bands was found within the
    // budget; `search` holds the positions judged as expanded.
    std::optional<Stage> stage;
    // SaveCheck: what is wrong with the stage, or nothing.
    std::vector<solver::StageProblem> problems;
};

// A job whose search could not run or ended on something other than its
// bound (no more memory, a worker that did not start).
JobResult failedJob(uint64_t id);

// The job's search, in the caller's thread; stops soon after `stop` is set.
// Never throws: whatever the search throws ends it as a failed one. A
// generation reports after every room it judged, as a search would: the
// positions judged as expanded, the rooms as depth.
JobResult runJob(const Job& job, const std::function<void(const solver::Progress&)>& progress = {},
                 const std::atomic<bool>* stop = nullptr);

// Jobs and results as bytes, for a runner that hands them to another copy of
// the engine (the page's worker).
std::string encodeJob(const Job& job);
std::optional<Job> decodeJob(std::string_view bytes);
std::string encodeResult(const JobResult& result);
std::optional<JobResult> decodeResult(std::string_view bytes);

// Provided by the front end. A started job reports through the session once,
// unless it is cancelled first; a cancelled job never reports.
class Runner {
public:
    virtual ~Runner() = default;
    virtual void start(const Job& job) = 0;
    virtual void cancel(uint64_t id) = 0;
};

}  // namespace nerilo
