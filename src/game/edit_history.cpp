#include "game/edit_history.h"

namespace nerilo {

void EditHistory::record(Stage before) {
    undo_.push_back(std::move(before));
    if (undo_.size() > Depth) undo_.pop_front();
    redo_.clear();
}

std::optional<Stage> EditHistory::undo(Stage current) {
    if (undo_.empty()) return std::nullopt;
    Stage earlier = std::move(undo_.back());
    undo_.pop_back();
    redo_.push_back(std::move(current));
    return earlier;
}

std::optional<Stage> EditHistory::redo(Stage current) {
    if (redo_.empty()) return std::nullopt;
    Stage later = std::move(redo_.back());
    redo_.pop_back();
    undo_.push_back(std::move(current));
    return later;
}

void EditHistory::clear() {
    undo_.clear();
    redo_.clear();
}

}  // namespace nerilo
