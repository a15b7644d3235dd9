#include "history/history.h"

namespace nerilo {
namespace {

// The state with everything sameGame ignores set to one value.
GameState withoutDrawingAndFacing(GameState state) {
    for (BlockPiece& piece : state.blocks) piece.z = 0;
    for (Overlay& overlay : state.overlays) overlay.z = 0;
    state.lastRaise = 0;
    Picture& player = state.blocks[state.playerBlock].picture;
    if (player != playerPicture(StoneFrame)) player = NoPicture;
    state.movingBlock = 0;
    state.pushedBlock = 0;
    state.moveKind = MoveKind::Walk;
    state.awaitingFirstKey = false;
    return state;
}

}  // namespace

bool sameGame(const GameState& a, const GameState& b) { return withoutDrawingAndFacing(a) == withoutDrawingAndFacing(b); }

void History::clear() {
    undo_.clear();
    redo_.clear();
    path_.clear();
    undone_.clear();
    pending_.reset();
    hintsUsed_ = 0;
}

void History::beginPress(const GameState& before, char letter) { pending_ = PendingPress{before, letter}; }

void History::endPress(const GameState& after) {
    if (!pending_) return;
    if (!sameGame(pending_->before, after)) {
        undo_.push(pending_->before);
        path_ += pending_->letter;
        redo_.clear();
        undone_.clear();
    }
    pending_.reset();
}

GameState History::undo(const GameState& now) {
    pending_.reset();
    redo_.push(now);
    undone_ += path_.back();
    path_.pop_back();
    return undo_.pop();
}

GameState History::redo(const GameState& now) {
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
