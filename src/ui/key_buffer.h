#pragma once
// 先行入力: an arrow or action key pressed while the player is moving, which the
// game would drop, is kept (the last one wins) and delivered the moment the
// game is at rest. Delete is never kept: it acts at once, as always. While the
// buffer is off nothing is kept and the game behaves as it always has.
#include <optional>

#include "game/game.h"

namespace nerilo::ui {

class KeyBuffer {
public:
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);

    // Keeps the key when the game would drop it now; true when it was kept.
    bool keep(const Game& game, PlayerKey key, Modifiers modifiers);
    // After every tick: hands the kept key to the game once it is at rest, and
    // forgets it once the game has stopped (lost, cleared).
    void deliver(Game& game);
    // Any other command (Retry, Open, 中止, …) makes a kept key meaningless.
    void forget() { kept_.reset(); }
    bool holdsKey() const { return kept_.has_value(); }

private:
    struct Press {
        PlayerKey key;
        Modifiers modifiers;
    };
    bool enabled_ = false;
    std::optional<Press> kept_;
};

}  // namespace nerilo::ui
