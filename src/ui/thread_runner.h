#pragma once
// The desktop's runner of the session's background searches: each job in a
// thread of its own, which reaches the window only through queued calls, made
// in the window's thread; there the result goes to the session.
#include <QObject>
#include <atomic>
#include <map>
#include <memory>
#include <thread>

#include "game/game.h"

namespace nerilo::ui {

class ThreadRunner : public QObject, public Runner {
    Q_OBJECT
public:
    explicit ThreadRunner(Game& game);
    // Stops every job and waits for its thread.
    ~ThreadRunner() override;
    void start(const Job& job) override;
    // Stops the job and waits for its thread; nothing is reported.
    void cancel(uint64_t id) override;
    // Jobs started and not yet reported, waiting for their pause or searching.
    bool busy() const { return !jobs_.empty(); }

signals:
    // The session has taken a result or a search's progress: the window shows it.
    void reported();

private:
    struct Running {
        Job job;
        std::thread thread;
        std::atomic<bool> stop{false};
    };
    void launch(uint64_t id);
    void finish(uint64_t id, const JobResult& result);

    Game& game_;
    std::map<uint64_t, std::unique_ptr<Running>> jobs_;
};

}  // namespace nerilo::ui
