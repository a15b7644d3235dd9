#include "ui/hint_search.h"

namespace nerilo::ui {

HintSearch::HintSearch(QObject* parent) : QObject(parent) {}

HintSearch::~HintSearch() { cancel(); }

void HintSearch::start(const GameState& from) {
    cancel();
    stop_ = false;
    running_ = true;
    const unsigned generation = ++generation_;
    worker_ = std::thread([this, from, generation] {
        // Bounded: a hint on a huge user-made stage must not fill the memory.
        solver::Options options;
        options.maxStates = 4'000'000;
        solver::Result result = solver::solve(from, options, {}, &stop_);
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

void HintSearch::cancel() {
    ++generation_;
    running_ = false;
    stop_ = true;
    if (worker_.joinable()) worker_.join();
}

}  // namespace nerilo::ui
