#pragma once
// The presses of one round: what undo and redo go back and forth over, the
// key letters of the path that leads to the present (a clear's record), and
// the hints taken. It holds world snapshots, never the session's state:
// undo goes back in the round, not in the player's choices.
#include <optional>
#include <string>

#include "rules/world.h"
#include "history/snapshot_stack.h"

namespace nerilo {

class History {
public:
    // A new round: every press and hint is forgotten.
    void clear();

    // A press begins at rest; `letter` is its key letter (L R U D l r u d Z).
    void beginPress(const WorldSnapshot& before, char letter);
    bool pressPending() const { return pending_.has_value(); }
    // The pending press has come to rest or lost: it becomes an undo step when
    // it changed the game, and then nothing is left to redo. Returns whether it did.
    bool endPress(const WorldSnapshot& after);
    // The pending press cleared the stage: it ends there, with no undo step,
    // and the path that led to the clear is returned, the press included.
    std::string endPressAtClear();

    // The undone presses can no longer be redone.
    void forgetUndone();
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    size_t undoDepth() const { return undo_.size(); }
    size_t redoDepth() const { return redo_.size(); }
    // The state before the last press; `now` is kept for redo.
    WorldSnapshot undo(const WorldSnapshot& now);
    // The state the last undo left; `now` is kept for undo.
    WorldSnapshot redo(const WorldSnapshot& now);

    // The letters of the presses that led to the present, undone ones left out.
    const std::string& path() const { return path_; }

    int hintsUsed() const { return hintsUsed_; }
    void countHint() { ++hintsUsed_; }

    // The memory the history holds, in bytes.
    size_t bytes() const;

private:
    struct PendingPress {
        WorldSnapshot before;
        char letter;
    };
    SnapshotStack undo_, redo_;
    std::string path_;
    std::string undone_;  // the letters of the undone presses, the last undone at the back
    std::optional<PendingPress> pending_;
    int hintsUsed_ = 0;
};

// Whether two snapshots at rest are the same game (sameGame of rules/world.h)
// with the same random tiles still to come.
bool sameGame(const WorldSnapshot& a, const WorldSnapshot& b);

}  // namespace nerilo
