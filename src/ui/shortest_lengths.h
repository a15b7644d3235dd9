#pragma once
// The shortest clear of each stage for the stage list, found in a worker
// thread so the list never waits, and kept for the program's run by the
// stage's fingerprint: a stage whose file changes is solved again.
#include <QObject>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

#include "model/stage_file.h"

namespace nerilo::ui {

class ShortestLengths : public QObject {
    Q_OBJECT
public:
    explicit ShortestLengths(QObject* parent = nullptr);
    ~ShortestLengths() override;

    struct Length {
        bool searching = true;
        std::optional<int> presses;  // when found
    };
    // What is known of the stage with this fingerprint; the first time it is
    // asked, the search for it is queued. The stage is the one the list read
    // and fingerprinted, not its file read again, which may have changed since.
    Length lengthOf(uint64_t fingerprint, const Stage& stage);

signals:
    // A search has ended, with or without a length.
    void searched(quint64 fingerprint);

private:
    void work();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::pair<uint64_t, Stage>> queue_;
    std::map<uint64_t, Length> lengths_;
    std::atomic<bool> cancel_{false};
    std::thread worker_;
};

}  // namespace nerilo::ui
