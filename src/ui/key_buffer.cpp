#include "ui/key_buffer.h"

namespace nerilo::ui {
namespace {
bool moving(const GameState& state) { return state.ticking && state.inputLocked && !state.editing; }
}  // namespace

void KeyBuffer::setEnabled(bool on) {
    enabled_ = on;
    if (!on) forget();
}

bool KeyBuffer::keep(const GameState& state, Key key, Modifiers modifiers) {
    const bool kept = key <= Key::Down || key == Key::Action;
    if (!enabled_ || !kept || !moving(state)) return false;
    kept_ = Press{key, modifiers};
    return true;
}

void KeyBuffer::deliver(Game& game) {
    if (!kept_) return;
    if (atRest(game.state())) {
        const Press press = *kept_;
        forget();
        game.pressKey(press.key, press.modifiers);
    } else if (!game.state().ticking) {
        forget();
    }
}

}  // namespace nerilo::ui
