#include "history/history.h"

namespace nerilo {

bool sameGame(const WorldSnapshot& a, const WorldSnapshot& b) { return sameGame(a.state, b.state) && a.random == b.random; }

void History::clear() {
    undo_.clear();
    redo_.clear();
    path_.clear();
    undone_.clear();
    pending_.reset();
    hintsUsed_ = 0;
}

void History::beginPress(const WorldSnapshot& before, char letter) { pending_ = PendingPress{before, letter}; }

bool History::endPress(const WorldSnapshot& after) {
    if (!pending_) return false;
    const bool changed = !sameGame(pending_->before, after);
    if (changed) {
        undo_.push(pending_->before);
        path_ += pending_->letter;
        redo_.clear();
        undone_.clear();
    }
    pending_.reset();
    return changed;
}

std::string History::endPressAtClear() {
    std::string path = path_;
    if (pending_) path += pending_->letter;
    pending_.reset();
    return path;
}

void History::forgetUndone() {
    redo_.clear();
    undone_.clear();
}

WorldSnapshot History::undo(const WorldSnapshot& now) {
    pending_.reset();
    redo_.push(now);
    undone_ += path_.back();
    path_.pop_back();
    return undo_.pop();
}

WorldSnapshot History::redo(const WorldSnapshot& now) {
    pending_.reset();
    undo_.push(now);
    path_ += undone_.back();
    undone_.pop_back();
    return redo_.pop();
}

size_t History::bytes() const {
    return sizeof(*this) + undo_.bytes() + redo_.bytes() + path_.capacity() + undone_.capacity();
}

}  // namespace nerilo
