#include "ui/thread_runner.h"

#include <QTimer>

namespace nerilo::ui {

ThreadRunner::ThreadRunner(Game& game) : game_(game) {}

ThreadRunner::~ThreadRunner() {
    while (!jobs_.empty()) cancel(jobs_.begin()->first);
}

// A job with a pause starts when it is over, unless it was cancelled by then.
void ThreadRunner::start(const Job& job) {
    auto running = std::make_unique<Running>();
    running->job = job;
    jobs_[job.id] = std::move(running);
    if (job.pauseMs > 0) QTimer::singleShot(job.pauseMs, this, [this, id = job.id] { launch(id); });
    else launch(job.id);
}

// Calls queued by a job since cancelled find it gone and are ignored.
void ThreadRunner::launch(uint64_t id) {
    const auto found = jobs_.find(id);
    if (found == jobs_.end()) return;
    Running& running = *found->second;
    running.thread = std::thread([this, id, job = running.job, stop = &running.stop] {
        // Only the search window and the stage of the day show how far they have come.
        std::function<void(const solver::Progress&)> progress;
        if (job.kind == JobKind::FullSearch || job.kind == JobKind::Generate) progress = [this, id](const solver::Progress& p) {
            QMetaObject::invokeMethod(
                this,
                [this, id, p] {
                    if (!jobs_.count(id)) return;
                    game_.searches().jobProgress(id, p);
                    emit reported();
                },
                Qt::QueuedConnection);
        };
        JobResult result = runJob(job, progress, stop);
        QMetaObject::invokeMethod(this, [this, id, result = std::move(result)] { finish(id, result); },
                                  Qt::QueuedConnection);
    });
}

void ThreadRunner::finish(uint64_t id, const JobResult& result) {
    const auto found = jobs_.find(id);
    if (found == jobs_.end()) return;
    found->second->thread.join();
    // Gone before the session hears of it: the session may start or drop jobs in turn.
    jobs_.erase(found);
    game_.searches().jobDone(result);
    emit reported();
}

void ThreadRunner::cancel(uint64_t id) {
    const auto found = jobs_.find(id);
    if (found == jobs_.end()) return;
    std::unique_ptr<Running> running = std::move(found->second);
    jobs_.erase(found);
    running->stop = true;
    if (running->thread.joinable()) running->thread.join();
}

}  // namespace nerilo::ui
