// The session's background searches: which start and which drop, and what a
// result means once it is back. The front end's runner only runs them.
#include "game/searches.h"

#include "game/game.h"
#include "solver/dead_end.h"
#include "solver/stage_checks.h"

namespace nerilo {

uint64_t BackgroundSearches::startJob(JobKind kind, const WorldState& start, uint64_t maxStates, int pauseMs) {
    return startJob(Job{.kind = kind, .start = start, .maxStates = maxStates, .pauseMs = pauseMs});
}

uint64_t BackgroundSearches::startJob(Job job) {
    if (!runner_) return 0;
    job.id = ++lastJob_;
    runner_->start(job);
    return job.id;
}

// A job dropped is never heard of again.
void BackgroundSearches::dropJob(uint64_t& job) {
    if (job != 0 && runner_) runner_->cancel(job);
    job = 0;
}

// Super mode draws random tiles, which no search can plan ahead for.
bool mayStartSearch(const WorldState& world, const SessionState& session, bool playbackRunning, WhileMoving moving) {
    return !session.editing() && (atRest(world) || (moving == WhileMoving::Yes && world.ticking)) &&
           world.extraMode != ExtraMode::Super && !playbackRunning;
}

bool BackgroundSearches::searchable() const { return mayStartSearch(game_.world_.state(), game_.session_, game_.round_.playbackRunning()); }

void BackgroundSearches::follow() {
    followHint();
    followDeadEnd();
    followAnalysis();
}

// After every press that comes to rest; a round that moves, ends or leaves
// drops the search and its warning. A search that knows no clear yet is let
// finish while the round goes on, its warning put away: the clear it finds
// makes every verdict after it quick, and begun again from the next position
// it would take as long, again and again for a player who presses quickly.
void BackgroundSearches::followDeadEnd() {
    DeadEndSearch& d = state_.deadEnd;
    const WorldState& state = game_.world_.state();
    const bool inRound = d.enabled && runner_ && !game_.isLost() &&
                         mayStartSearch(state, game_.session_, game_.round_.playbackRunning(), WhileMoving::Yes);
    if (!inRound || (!atRest(state) && (d.known || d.job == 0))) {
        forgetDeadEnd();
        return;
    }
    if (d.watched && *d.watched == state) return;
    // The stage list's search of this stage found a clear from its start.
    if (const auto length = state_.lengths.known.find(game_.session_.stageFingerprint);
        !d.known && length != state_.lengths.known.end())
        d.known = length->second.clear;
    if (d.job != 0 && !d.known) {
        d.warning = false;
        return;
    }
    forgetDeadEnd();
    d.watched = state;
    d.job = startJob(Job{.kind = JobKind::DeadEnd, .start = state, .known = d.known});
}

void BackgroundSearches::forgetDeadEnd() {
    DeadEndSearch& d = state_.deadEnd;
    dropJob(d.job);
    d.watched.reset();
    d.warning = false;
}

void BackgroundSearches::setDeadEndWarning(bool on) {
    state_.deadEnd.enabled = on;
    followDeadEnd();
}

// A changed board drops the search under way; the figures wait for the
// runner's pause after the stroke.
void BackgroundSearches::followAnalysis() {
    AnalysisSearch& a = state_.analysis;
    if (!game_.session_.editing() || !runner_) return;
    const WorldState start = game_.editor_.plainTestStart();
    if (a.analysed && *a.analysed == start) return;
    dropJob(a.job);
    a.analysed = start;
    a.result.reset();
    a.job = startJob(JobKind::Analysis, start, 0, AnalysisPauseMs);
}

// Asking again while a hint is searched stops the search.
void BackgroundSearches::askForHint() {
    if (state_.hint.job != 0) {
        dropHint();
        return;
    }
    dropHint();
    if (!searchable()) return;
    state_.hint.askedAt = game_.world_.state();
    state_.hint.job = startJob(JobKind::Hint, game_.world_.state());
}

// A hint holds for the position it was asked in.
void BackgroundSearches::followHint() {
    const HintSearch& h = state_.hint;
    if (h.askedAt && !(searchable() && *h.askedAt == game_.world_.state())) dropHint();
}

void BackgroundSearches::dropHint() {
    dropJob(state_.hint.job);
    state_.hint = {};
}

// Without a player there is nothing to search: refused at once.
void BackgroundSearches::startFullSearch(uint64_t maxStates) {
    closeFullSearch();
    const WorldState start = game_.editor_.plainTestStart();
    for (const solver::StageProblem& problem : solver::layoutProblems(start)) {
        if (problem.kind != solver::Problem::NoPlayer) continue;
        state_.full.result = solver::Result{};
        state_.full.result->outcome = solver::Outcome::Refused;
        return;
    }
    state_.full.job = startJob(JobKind::FullSearch, start, maxStates);
}

void BackgroundSearches::stopFullSearch() {
    if (state_.full.job == 0) return;
    dropJob(state_.full.job);
    state_.full.result = solver::Result{};
    state_.full.result->outcome = solver::Outcome::Cancelled;
}

void BackgroundSearches::closeFullSearch() {
    dropJob(state_.full.job);
    state_.full = {};
}

ShortestLength BackgroundSearches::shortestLength(uint64_t fingerprint, const Stage& stage) {
    ShortestLengths& l = state_.lengths;
    if (const auto known = l.known.find(fingerprint); known != l.known.end()) return known->second;
    if (!runner_) return {false, std::nullopt};
    l.known[fingerprint] = {};
    l.waiting.emplace_back(fingerprint, solver::roundStart(stage));
    startNextLength();
    return {};
}

void BackgroundSearches::startNextLength() {
    ShortestLengths& l = state_.lengths;
    if (l.job != 0 || l.waiting.empty()) return;
    l.searched = l.waiting.front().first;
    l.searchedStart = l.waiting.front().second;
    l.job = startJob(JobKind::ShortestClear, l.searchedStart);
    l.waiting.pop_front();
}

uint64_t BackgroundSearches::startGeneration(uint64_t seed, uint64_t budget) {
    return startJob(Job{.kind = JobKind::Generate, .maxStates = budget, .seed = seed});
}

BackgroundSearches::Awaited BackgroundSearches::awaitJob(JobKind kind, const WorldState& start, uint64_t maxStates) {
    return Awaited(*this, Job{.kind = kind, .start = start, .maxStates = maxStates});
}

// A runner may answer inside start (a test's): the command then goes on
// without stopping.
bool BackgroundSearches::Awaited::await_suspend(coro::coroutine_handle<> command) {
    AwaitedJob& a = searches_.awaited_;
    job_.id = ++searches_.lastJob_;
    a = {job_.id, std::nullopt};
    searches_.runner_->start(job_);
    if (a.result) return false;
    searches_.game_.conversation_.waitForSearch(command);
    return true;
}

std::optional<JobResult> BackgroundSearches::Awaited::await_resume() {
    if (!searches_.runner_) return std::nullopt;
    return std::exchange(searches_.awaited_, {}).result;
}

void BackgroundSearches::jobProgress(uint64_t job, const solver::Progress& progress) {
    if (job == 0) return;
    if (job == state_.full.job) state_.full.progress = progress;
    if (job == game_.daily_.generation().job) game_.daily_.progress(progress);
}

// A result whose job was dropped (its position is no longer in play) is ignored.
void BackgroundSearches::jobDone(const JobResult& done) {
    if (done.id == 0) return;
    const solver::Result& result = done.search;
    if (done.id == awaited_.job) {
        awaited_.job = 0;
        awaited_.result = done;
        // Answered inside start, the command has not stopped: the conversation is not waiting.
        game_.conversation_.goOn();
    } else if (done.id == state_.hint.job) {
        state_.hint.job = 0;
        if (result.outcome == solver::Outcome::Solved) state_.deadEnd.known = solver::KnownClear{*state_.hint.askedAt, result.keys};
        showHint(result);
    } else if (done.id == state_.deadEnd.job) {
        state_.deadEnd.job = 0;
        const solver::Verdict verdict = solver::verdictOf(result);
        if (verdict == solver::Verdict::Clearable) state_.deadEnd.known = solver::KnownClear{*state_.deadEnd.watched, result.keys};
        // A search let finish after the player moved on: the next follow searches where he is.
        if (verdict == solver::Verdict::Unknown || !(*state_.deadEnd.watched == game_.world_.state())) return;
        state_.deadEnd.warning = verdict == solver::Verdict::DeadEnd;
        game_.round_.noteDeadEndVerdict(*state_.deadEnd.watched, state_.deadEnd.warning);
    } else if (done.id == state_.analysis.job) {
        state_.analysis.job = 0;
        state_.analysis.result = result;
    } else if (done.id == state_.full.job) {
        state_.full.job = 0;
        state_.full.result = result;
    } else if (done.id == game_.daily_.generation().job) {
        game_.daily_.generated(done);
    } else if (done.id == state_.lengths.job) {
        ShortestLengths& l = state_.lengths;
        l.job = 0;
        ShortestLength& length = l.known[l.searched];
        length = {false, std::nullopt, std::nullopt};
        if (result.outcome == solver::Outcome::Solved) {
            length.presses = static_cast<int>(result.keys.size());
            length.clear = solver::KnownClear{l.searchedStart, result.keys};
        }
        startNextLength();
    }
}

// A hint found is counted; a search that proved no clear can be reached says so.
void BackgroundSearches::showHint(const solver::Result& result) {
    if (const std::optional<solver::Hint> hint = solver::hintOf(result)) {
        game_.round_.countHint();
        state_.hint.shown = hint;
        state_.hint.cell = game_.playerCell();
    } else if (result.outcome == solver::Outcome::Unsolvable) {
        game_.tell(solver::noClearText(), MsgIcon::Information);
    } else {
        state_.hint.notFound = true;
    }
}

}  // namespace nerilo
