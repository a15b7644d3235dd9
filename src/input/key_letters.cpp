#include "input/key_letters.h"

#include <string>

#include "board/game.h"

namespace nerilo {
namespace {
constexpr std::string_view Letters = "LRUDlrudZE_XST.";

Key arrowKey(char upper) {
    switch (upper) {
    case 'L': return Key::Left;
    case 'R': return Key::Right;
    case 'U': return Key::Up;
    default: return Key::Down;
    }
}
}  // namespace

bool isKeyLetter(char letter) { return Letters.find(letter) != std::string_view::npos; }

std::optional<KeyPress> pressOf(char letter) {
    switch (letter) {
    case 'L': case 'R': case 'U': case 'D': return KeyPress{arrowKey(letter)};
    case 'l': case 'r': case 'u': case 'd': return KeyPress{arrowKey(static_cast<char>(letter - 32)), ShiftModifier};
    case 'Z': case 'E': case '_': return KeyPress{Key::Action};
    case 'X': return KeyPress{Key::Delete};
    default: return std::nullopt;
    }
}

bool playLetter(Game& game, char letter, long long maxTicks, Replay& replay) {
    if (std::optional<KeyPress> press = pressOf(letter)) {
        game.pressKey(press->key, press->modifiers);
    } else {
        switch (letter) {
        case 'S': game.startRound(); break;
        case 'T': game.retryRound(); break;
        case '.':
            if (game.state().ticking) {
                game.tick();
                ++replay.ticks;
            }
            return true;
        default: return false;
        }
    }
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
