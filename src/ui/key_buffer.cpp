#include "ui/key_buffer.h"

namespace nerilo::ui {
namespace {
bool moving(const Game& game) {
    const WorldState& w = game.world().state();
    return w.ticking && w.inputLocked && !game.session().editing();
}
}  // namespace

void KeyBuffer::setEnabled(bool on) {
    enabled_ = on;
    if (!on) forget();
}

bool KeyBuffer::keep(const Game& game, PlayerKey key, Modifiers modifiers) {
    const bool kept = key <= PlayerKey::Down || key == PlayerKey::Action;
    if (!enabled_ || !kept || !moving(game)) return false;
    kept_ = Press{key, modifiers};
    return true;
}

void KeyBuffer::deliver(Game& game) {
    if (!kept_) return;
    if (game.atRest()) {
        const Press press = *kept_;
        forget();
        game.pressKey(press.key, press.modifiers);
    } else if (!game.world().state().ticking) {
        forget();
    }
}

}  // namespace nerilo::ui
