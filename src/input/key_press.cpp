// The keyboard: a key press becomes a recorded move request; the world tick
// carries it out.
#include "board/blocks_on_cell.h"
#include "board/game.h"

namespace nerilo {
namespace {
// The block picture a block shows, or -1 for a player frame or no picture:
// pushes are decided by what the player sees.
int shownBlock(const BlockPiece& piece) {
    return piece.picture.palette == Palette::Block ? piece.picture.index : -1;
}
}  // namespace

// A key from the keyboard. Any key stops a solution being shown, and Escape
// ends test play: both bring the editor back. The editor itself takes only
// Delete, which goes back to the stage file.
void Game::pressKey(Key key, Modifiers modifiers) {
    if (playingSolution() || (key == Key::Escape && state_.testPlaying)) {
        endTestPlay();
        return;
    }
    if (state_.editing) {
        if (key == Key::Delete) revertEdits();
        return;
    }
    deliverKey(key, modifiers);
    if (testCleared_) endTestPlay();
}

void Game::deliverKey(Key key, Modifiers modifiers) {
    GameState& s = state_;
    if (s.inputLocked) {
        if (key == Key::Delete) retryRound();
        return;
    }
    beginPress(key, modifiers);
    s.awaitingFirstKey = false;
    const int p = s.blockCell[s.playerBlock];
    raiseBlock(s.playerBlock);

    const bool arrow = key <= Key::Down;
    const int d = static_cast<int>(key);
    if (arrow) {
        requestMove(d, p);
    } else if (key == Key::Delete) {
        if (s.roundCommand == RoundCommand::Retry) runRoundCommand();
    } else if (key == Key::Action) {
        useActionKey(p);
    }

    if (arrow && modifiers == ShiftModifier && hasNeighbour(p, d)) actOnCell(neighbourOf(p, d));
    s.movingBlock = s.playerBlock;
    settlePress();
}

void Game::requestMove(int d, int p) {
    GameState& s = state_;
    if (!hasNeighbour(p, d)) return;
    const int t = neighbourOf(p, d);
    bool refused = !groundTraits(s.ground[t].code).step;
    if (!refused) {
        // Every block on the target cell is looked at; a later match overrides an earlier one.
        forEachBlockOn(s, t, [&](int j) {
            const int shown = shownBlock(s.blocks[j]);
            if (shown < 0) return true;
            if (blockTraits(static_cast<uint8_t>(shown)).pushed) {
                bool allowed = hasNeighbour(t, d);
                if (allowed) {
                    const int u = neighbourOf(t, d);
                    allowed = groundTraits(s.ground[u].code).pushOnto;
                    if (allowed) {
                        forEachBlockOn(s, u, [&](int k) {
                            const int there = shownBlock(s.blocks[k]);
                            allowed = there < 0 || !blockTraits(static_cast<uint8_t>(there)).blocksPush;
                            return allowed;
                        });
                    }
                }
                refused = !allowed;
                if (allowed) {
                    s.moveKind = MoveKind::Push;
                    s.pushedBlock = static_cast<uint8_t>(j);
                }
            } else if (shown == block::OliveBall) {
                refused = !hasNeighbour(t, d);
                if (!refused) {
                    s.moveKind = MoveKind::Kick;
                    s.pushedBlock = static_cast<uint8_t>(j);
                }
            }
            return true;
        });
    }
    if (refused) {
        // A refused move only turns the player.
        s.blocks[s.playerBlock].picture = playerPicture(RestFrame[d]);
        s.moveKind = MoveKind::Walk;
        return;
    }
    if (s.stepTry) countStep();
    s.inputLocked = true;
    s.stepPhase[d] = 1;
}

}  // namespace nerilo
