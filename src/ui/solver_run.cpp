#include "ui/solver_run.h"

namespace nerilo::ui {

SolverRun::SolverRun(QObject* parent) : QObject(parent) {}

SolverRun::~SolverRun() { cancel(); }

void SolverRun::start(const WorldState& from, const solver::Options& options) {
    cancel();
    stop_ = false;
    running_ = true;
    const unsigned generation = ++generation_;
    worker_ = std::thread([this, from, options, generation] {
        const auto progress = [this, generation](const solver::Progress& p) {
            QMetaObject::invokeMethod(
                this,
                [this, generation, p] {
                    if (generation == generation_ && running_) emit progressed(p);
                },
                Qt::QueuedConnection);
        };
        solver::Result result = solver::solve(from, options, progress, &stop_);
        QMetaObject::invokeMethod(
            this,
            [this, generation, result = std::move(result)] {
                if (generation != generation_ || !running_) return;
                if (worker_.joinable()) worker_.join();
                running_ = false;
                result_ = result;
                emit finished();
            },
            Qt::QueuedConnection);
    });
}

void SolverRun::cancel() {
    ++generation_;
    running_ = false;
    stop_ = true;
    if (worker_.joinable()) worker_.join();
}

}  // namespace nerilo::ui
