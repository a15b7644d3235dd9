// A key press becomes a move request, which the world tick carries out; the
// action key uses the stairs and picks up keys.
#include "rules/blocks_on_cell.h"
#include "rules/world.h"

namespace nerilo {

// The keyboard is free: the key is taken at once. Other keys change nothing
// here but count as the round's first key press.
void World::press(Key key, Modifiers modifiers) {
    WorldState& s = state_;
    if (s.inputLocked) return;
    const BeamWatch beams(*this);
    s.awaitingFirstKey = false;
    const int p = s.blockCell[s.playerBlock];
    raiseBlock(s.playerBlock);

    const bool arrow = key <= Key::Down;
    const int d = static_cast<int>(key);
    if (arrow) requestMove(d, p);
    else if (key == Key::Action) useActionKey(p);

    if (arrow && modifiers == ShiftModifier && hasNeighbour(p, d)) actOnCell(neighbourOf(p, d));
    s.movingBlock = s.playerBlock;
}

void World::requestMove(int d, int p) {
    WorldState& s = state_;
    if (!hasNeighbour(p, d)) return;
    const int t = neighbourOf(p, d);
    bool refused = !groundTraits(s.ground[t].code).step;
    if (!refused) {
        // Every block on the target cell is looked at; a later match overrides an earlier one.
        forEachBlockOn(s, t, [&](int j) {
            const uint8_t code = s.blocks[j].code;
            if (blockTraits(code).pushed) {
                bool allowed = hasNeighbour(t, d);
                if (allowed) {
                    const int u = neighbourOf(t, d);
                    allowed = groundTraits(s.ground[u].code).pushOnto;
                    if (allowed) {
                        forEachBlockOn(s, u, [&](int k) {
                            allowed = !blockTraits(s.blocks[k].code).blocksPush;
                            return allowed;
                        });
                    }
                }
                refused = !allowed;
                if (allowed) {
                    s.moveKind = MoveKind::Push;
                    s.pushedBlock = static_cast<uint8_t>(j);
                }
            } else if (code == block::OliveBall) {
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
        setPose(RestFrame[d]);
        s.moveKind = MoveKind::Walk;
        return;
    }
    if (s.stepTry) countStep();
    if (s.ticking)
        events_.note(s.moveKind == MoveKind::Push   ? WorldEvent::Push
                     : s.moveKind == MoveKind::Kick ? WorldEvent::Kick
                                                    : WorldEvent::Step);
    s.inputLocked = true;
    s.stepPhase[d] = 1;
}

// The stairs clear the stage; the session shows it and goes on to the next.
// Keys are picked up in every case.
void World::useActionKey(int p) {
    if (state_.ground[p].code == ground::Stairs) state_.cleared = true;
    pickUpKeys();
}

void World::pickUpKeys() {
    WorldState& s = state_;
    const int cell = s.blockCell[s.playerBlock];
    forEachBlockOn(s, cell, [&](int i) {
        if (s.blocks[i].code == block::Key) {
            ++s.keysHeld;
            events_.note(WorldEvent::Key);
            s.blocks[i].code = block::Empty;
        }
        return true;
    });
}

}  // namespace nerilo
