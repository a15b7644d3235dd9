#pragma once
// The editor's undo and redo: the stage as it was before each change. A stage
// is a few hundred bytes, so whole copies are simpler than differences.
#include <cstddef>
#include <deque>
#include <optional>
#include <vector>

#include "model/stage_file.h"

namespace nerilo {

class EditHistory {
public:
    // Steps kept; the oldest are forgotten first.
    static constexpr size_t Depth = 500;

    // Notes the stage as it was before a change; the steps that could be redone are dropped.
    void record(Stage before);
    // The stage to show instead of `current`, which is kept for the other direction.
    std::optional<Stage> undo(Stage current);
    std::optional<Stage> redo(Stage current);
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    void clear();

private:
    std::deque<Stage> undo_;
    std::vector<Stage> redo_;
};

}  // namespace nerilo
