#pragma once
// A runner that only notes the jobs the session starts and cancels; a test
// hands their results back itself, when it chooses.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "game/background_work.h"
#include "game/game.h"

namespace nerilo::test {

class FakeRunner : public Runner {
public:
    void start(const Job& job) override { started.push_back(job); }
    void cancel(uint64_t id) override { cancelled.push_back(id); }
    bool live(uint64_t id) const { return id != 0 && std::find(cancelled.begin(), cancelled.end(), id) == cancelled.end(); }
    // Runs the job started `back` jobs ago and hands its result to the game,
    // even when it was cancelled: a result that comes anyway.
    void finish(Game& game, size_t back = 0) { game.searches().jobDone(runJob(started.at(started.size() - 1 - back))); }
    std::vector<Job> started;
    std::vector<uint64_t> cancelled;
};

// A runner that runs each job at once, inside start, as the checks on Save
// and a code's proof ran before they went to the background.
class ImmediateRunner : public Runner {
public:
    explicit ImmediateRunner(Game& game) : game_(game) {}
    void start(const Job& job) override { game_.searches().jobDone(runJob(job)); }
    void cancel(uint64_t) override {}

private:
    Game& game_;
};

}  // namespace nerilo::test
