#include "ui/shortest_lengths.h"

#include "ui/stage_list_solver.h"

namespace nerilo::ui {

ShortestLengths::ShortestLengths(QObject* parent) : QObject(parent) {}

ShortestLengths::~ShortestLengths() {
    {
        std::lock_guard lock(mutex_);
        cancel_ = true;
    }
    wake_.notify_all();
    if (worker_.joinable()) worker_.join();
}

ShortestLengths::Length ShortestLengths::lengthOf(uint64_t fingerprint, const Stage& stage) {
    {
        std::lock_guard lock(mutex_);
        if (auto known = lengths_.find(fingerprint); known != lengths_.end()) return known->second;
        lengths_[fingerprint] = Length{};
        queue_.emplace_back(fingerprint, stage);
    }
    if (!worker_.joinable()) worker_ = std::thread([this] { work(); });
    wake_.notify_one();
    return Length{};
}

// One stage at a time, in the order the list asked for them.
void ShortestLengths::work() {
    for (;;) {
        std::pair<uint64_t, Stage> next;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return cancel_ || !queue_.empty(); });
            if (cancel_) return;
            next = std::move(queue_.front());
            queue_.pop_front();
        }
        const std::optional<int> presses = shortestClear(next.second, cancel_);
        {
            std::lock_guard lock(mutex_);
            if (cancel_) return;
            lengths_[next.first] = Length{false, presses};
        }
        const quint64 fingerprint = next.first;
        QMetaObject::invokeMethod(this, [this, fingerprint] { emit searched(fingerprint); }, Qt::QueuedConnection);
    }
}

}  // namespace nerilo::ui
