#pragma once
// Looks for a hint in a worker thread: the game goes on while it searches, and
// any command stops it.
#include <QObject>
#include <atomic>
#include <thread>

#include "board/game_state.h"
#include "solver/solver.h"

namespace nerilo::ui {

class HintSearch : public QObject {
    Q_OBJECT
public:
    explicit HintSearch(QObject* parent = nullptr);
    ~HintSearch() override;

    bool running() const { return running_; }
    // Starts a search from `from`, which must be at rest; a search still running is stopped first.
    void start(const GameState& from);
    // Stops the search and waits for its worker; nothing is reported.
    void cancel();
    const solver::Result& result() const { return result_; }

signals:
    // The search ended on its own; result() holds what it found.
    void finished();

private:
    std::thread worker_;
    std::atomic<bool> stop_{false};
    solver::Result result_;
    bool running_ = false;
    unsigned generation_ = 0;  // a finish queued by an earlier search is ignored
};

}  // namespace nerilo::ui
