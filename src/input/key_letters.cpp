#include "input/key_letters.h"

namespace nerilo {
namespace {
constexpr std::string_view Arrows = "LRUD";
}  // namespace

bool isKeyLetter(char letter) { return KeyLetters.find(letter) != std::string_view::npos; }

char keyLetter(Key key, Modifiers modifiers) {
    if (key > Key::Down) return 'Z';
    const char letter = Arrows[static_cast<int>(key)];
    return modifiers == ShiftModifier ? static_cast<char>(letter - 'A' + 'a') : letter;
}

std::optional<KeyPress> pressOf(char letter) {
    switch (letter) {
    case 'L': case 'R': case 'U': case 'D': return KeyPress{static_cast<Key>(Arrows.find(letter))};
    case 'l': case 'r': case 'u': case 'd':
        return KeyPress{static_cast<Key>(Arrows.find(static_cast<char>(letter - 'a' + 'A'))), ShiftModifier};
    case 'Z': case 'E': case '_': return KeyPress{Key::Action};
    case 'X': return KeyPress{Key::Delete};
    default: return std::nullopt;
    }
}

bool pressLetter(Game& game, char letter) {
    if (std::optional<KeyPress> press = pressOf(letter)) {
        game.pressKey(press->key, press->modifiers);
        return true;
    }
    switch (letter) {
    case 'S': game.startRound(); return true;
    case 'T': game.retryRound(); return true;
    case 'B': game.undo(); return true;
    case 'F': game.redo(); return true;
    default: return false;
    }
}

bool playLetter(Game& game, char letter, long long maxTicks, Replay& replay) {
    if (letter == '.') {
        if (game.state().ticking) {
            game.tick();
            ++replay.ticks;
        }
        return true;
    }
    if (!pressLetter(game, letter)) return false;
    long long ticks = 0;
    if (!game.state().ticking) return true;
    do {
        if (ticks == maxTicks) {
            replay.stuck = true;
            break;
        }
        game.tick();
        ++ticks;
    } while (game.state().ticking && game.state().inputLocked);
    replay.ticks += ticks;
    return true;
}

bool playKeys(Game& game, std::string_view keys, long long maxTicks, Replay& replay) {
    for (char letter : keys)
        if (!playLetter(game, letter, maxTicks, replay)) return false;
    return true;
}

}  // namespace nerilo
