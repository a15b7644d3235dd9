#pragma once
// A search in a worker thread while the window goes on: the hint and the
// editor's search window both run theirs here. The worker reaches the window
// only through queued calls, made in the window's thread.
#include <QObject>
#include <atomic>
#include <thread>

#include "rules/world_state.h"
#include "solver/solver.h"

namespace nerilo::ui {

class SolverRun : public QObject {
    Q_OBJECT
public:
    explicit SolverRun(QObject* parent = nullptr);
    // Stops a search still running and waits for its worker.
    ~SolverRun() override;

    bool running() const { return running_; }
    // Starts a search from `from`, which must be at rest; a search still running is dropped first.
    void start(const WorldState& from, const solver::Options& options);
    // Asks the search to stop; it still finishes, as Cancelled.
    void requestStop() { stop_ = true; }
    // Stops the search and waits for its worker; nothing is reported.
    void cancel();
    const solver::Result& result() const { return result_; }

signals:
    // A few times a second while it searches.
    void progressed(const solver::Progress& progress);
    // The search ended (cancelled only after requestStop); result() holds what it found.
    void finished();

private:
    std::thread worker_;
    std::atomic<bool> stop_{false};
    solver::Result result_;
    bool running_ = false;
    unsigned generation_ = 0;  // calls queued by a dropped search are ignored
};

}  // namespace nerilo::ui
