// The session's background searches: which start and which drop, and what a
// result means once it is back. The front end's runner only runs them.
#include "game/game.h"
#include "solver/dead_end.h"
#include "solver/stage_checks.h"

namespace nerilo {

void Game::setRunner(Runner* runner) { runner_ = runner; }

uint64_t Game::startJob(JobKind kind, const WorldState& start, uint64_t maxStates, int pauseMs) {
    if (!runner_) return 0;
    const Job job{++lastJob_, kind, start, maxStates, pauseMs};
    runner_->start(job);
    return job.id;
}

// A job dropped is never heard of again.
void Game::dropJob(uint64_t& job) {
    if (job != 0 && runner_) runner_->cancel(job);
    job = 0;
}

// Super mode draws random tiles, which no search can plan ahead for.
bool mayStartSearch(const WorldState& world, const SessionState& session, bool playbackRunning) {
    return !session.editing() && atRest(world) && world.extraMode != ExtraMode::Super && !playbackRunning;
}

bool Game::searchable() const { return mayStartSearch(world_.state(), session_, playbackRunning()); }

void Game::followSearches() {
    followHint();
    followDeadEnd();
    followAnalysis();
}

// After every press that comes to rest; a round that moves, ends or leaves
// drops the search and its warning.
void Game::followDeadEnd() {
    DeadEndSearch& d = searches_.deadEnd;
    const WorldState& state = world_.state();
    if (!d.enabled || !runner_ || !searchable() || isLost()) {
        forgetDeadEnd();
        return;
    }
    if (d.watched && *d.watched == state) return;
    forgetDeadEnd();
    d.watched = state;
    d.job = startJob(JobKind::DeadEnd, state);
}

void Game::forgetDeadEnd() {
    DeadEndSearch& d = searches_.deadEnd;
    dropJob(d.job);
    d.watched.reset();
    d.warning = false;
}

void Game::setDeadEndWarning(bool on) {
    searches_.deadEnd.enabled = on;
    followDeadEnd();
}

// A changed board drops the search under way; the figures wait for the
// runner's pause after the stroke.
void Game::followAnalysis() {
    AnalysisSearch& a = searches_.analysis;
    if (!session_.editing() || !runner_) return;
    const WorldState start = editor_.plainTestStart();
    if (a.analysed && *a.analysed == start) return;
    dropJob(a.job);
    a.analysed = start;
    a.result.reset();
    a.job = startJob(JobKind::Analysis, start, 0, AnalysisPauseMs);
}

// Asking again while a hint is searched stops the search.
void Game::askForHint() {
    if (searches_.hint.job != 0) {
        dropHint();
        return;
    }
    dropHint();
    if (!searchable()) return;
    searches_.hint.askedAt = world_.state();
    searches_.hint.job = startJob(JobKind::Hint, world_.state());
}

// A hint holds for the position it was asked in.
void Game::followHint() {
    const HintSearch& h = searches_.hint;
    if (h.askedAt && !(searchable() && *h.askedAt == world_.state())) dropHint();
}

void Game::dropHint() {
    dropJob(searches_.hint.job);
    searches_.hint = {};
}

// Without a player there is nothing to search: refused at once.
void Game::startFullSearch(uint64_t maxStates) {
    closeFullSearch();
    const WorldState start = editor_.plainTestStart();
    for (const solver::StageProblem& problem : solver::layoutProblems(start)) {
        if (problem.kind != solver::Problem::NoPlayer) continue;
        searches_.full.result = solver::Result{};
        searches_.full.result->outcome = solver::Outcome::Refused;
        return;
    }
    searches_.full.job = startJob(JobKind::FullSearch, start, maxStates);
}

void Game::stopFullSearch() {
    if (searches_.full.job == 0) return;
    dropJob(searches_.full.job);
    searches_.full.result = solver::Result{};
    searches_.full.result->outcome = solver::Outcome::Cancelled;
}

void Game::closeFullSearch() {
    dropJob(searches_.full.job);
    searches_.full = {};
}

ShortestLength Game::shortestLength(uint64_t fingerprint, const Stage& stage) {
    ShortestLengths& l = searches_.lengths;
    if (const auto known = l.known.find(fingerprint); known != l.known.end()) return known->second;
    if (!runner_) return {false, std::nullopt};
    l.known[fingerprint] = {};
    l.waiting.emplace_back(fingerprint, solver::roundStart(stage));
    startNextLength();
    return {};
}

void Game::startNextLength() {
    ShortestLengths& l = searches_.lengths;
    if (l.job != 0 || l.waiting.empty()) return;
    l.searched = l.waiting.front().first;
    l.job = startJob(JobKind::ShortestClear, l.waiting.front().second);
    l.waiting.pop_front();
}

void Game::jobProgress(uint64_t job, const solver::Progress& progress) {
    if (job != 0 && job == searches_.full.job) searches_.full.progress = progress;
}

// A result whose job was dropped (its position is no longer in play) is ignored.
void Game::jobDone(const JobResult& done) {
    if (done.id == 0) return;
    const solver::Result& result = done.search;
    if (done.id == searches_.hint.job) {
        searches_.hint.job = 0;
        showHint(result);
    } else if (done.id == searches_.deadEnd.job) {
        searches_.deadEnd.job = 0;
        const solver::Verdict verdict = solver::verdictOf(result);
        if (verdict == solver::Verdict::Unknown) return;
        searches_.deadEnd.warning = verdict == solver::Verdict::DeadEnd;
        noteDeadEndVerdict(*searches_.deadEnd.watched, searches_.deadEnd.warning);
    } else if (done.id == searches_.analysis.job) {
        searches_.analysis.job = 0;
        searches_.analysis.result = result;
    } else if (done.id == searches_.full.job) {
        searches_.full.job = 0;
        searches_.full.result = result;
    } else if (done.id == searches_.lengths.job) {
        ShortestLengths& l = searches_.lengths;
        l.job = 0;
        l.known[l.searched] = {false, result.outcome == solver::Outcome::Solved
                                          ? std::optional<int>(static_cast<int>(result.keys.size()))
                                          : std::nullopt};
        startNextLength();
    }
}

// A hint found is counted; a search that proved no clear can be reached says so.
void Game::showHint(const solver::Result& result) {
    if (const std::optional<solver::Hint> hint = solver::hintOf(result)) {
        countHint();
        searches_.hint.shown = hint;
        searches_.hint.cell = playerCell();
    } else if (result.outcome == solver::Outcome::Unsolvable) {
        tell(solver::noClearText(), MsgIcon::Information);
    } else {
        searches_.hint.notFound = true;
    }
}

}  // namespace nerilo
