#pragma once
// The presses of one round: what undo and redo go back and forth over, the
// key letters of the path that leads to the present (a clear's record), and
// the hints taken. It holds game states but is not part of one: undo never
// undoes the history itself.
#include <optional>
#include <string>

#include "board/game_state.h"
#include "history/snapshot_stack.h"

namespace nerilo {

class History {
public:
    // A new round: every press and hint is forgotten.
    void clear();

    // A press begins at rest; `letter` is its key letter (L R U D l r u d Z).
    void beginPress(const GameState& before, char letter);
    bool pressPending() const { return pending_.has_value(); }
    // The pending press has come to rest or lost: it becomes an undo step when
    // it changed the game, and then nothing is left to redo.
    void endPress(const GameState& after);

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    size_t undoDepth() const { return undo_.size(); }
    size_t redoDepth() const { return redo_.size(); }
    // The state before the last press; `now` is kept for redo.
    GameState undo(const GameState& now);
    // The state the last undo left; `now` is kept for undo.
    GameState redo(const GameState& now);

    // The letters of the presses that led to the present, undone ones left out.
    const std::string& path() const { return path_; }

    int hintsUsed() const { return hintsUsed_; }
    void countHint() { ++hintsUsed_; }

    // The memory the history holds, in bytes.
    size_t bytes() const;

private:
    struct PendingPress {
        GameState before;
        char letter;
    };
    SnapshotStack undo_, redo_;
    std::string path_;
    std::string undone_;  // the letters of the undone presses, the last undone at the back
    std::optional<PendingPress> pending_;
    int hintsUsed_ = 0;
};

// Whether two states at rest are the same game: the drawing order, the way
// the player faces, what moved last and whether a key was pressed yet do not
// count, so a press that only turned the player changed nothing.
bool sameGame(const GameState& a, const GameState& b);

}  // namespace nerilo
