#include "game/key_script.h"

#include "game/commands.h"

namespace nerilo {

bool isKeyLetter(char letter) { return KeyLetters.find(letter) != std::string_view::npos; }

std::string_view commandOfLetter(char letter) {
    switch (letter) {
    case 'S': return "start";
    case 'T': return "retry";
    case 'B': return "undo";
    case 'F': return "redo";
    case 'Q': return "startOver";
    default: return {};
    }
}

bool pressLetter(Game& game, char letter) {
    if (std::optional<KeyPress> press = pressOf(letter)) {
        game.pressKey(playerKeyOf(press->key), press->modifiers);
        return true;
    }
    if (letter == 'X') {
        game.pressKey(PlayerKey::Delete);
        return true;
    }
    return runCommand(game, commandOfLetter(letter));
}

bool playLetter(Game& game, char letter, long long maxTicks, Replay& replay) {
    const WorldState& w = game.world().state();
    if (letter == '.') {
        if (w.ticking) {
            game.tick();
            ++replay.ticks;
        }
        return true;
    }
    if (!pressLetter(game, letter)) return false;
    long long ticks = 0;
    if (!w.ticking) return true;
    do {
        if (ticks == maxTicks) {
            replay.stuck = true;
            break;
        }
        game.tick();
        ++ticks;
    } while (w.ticking && w.inputLocked);
    replay.ticks += ticks;
    return true;
}

bool playKeys(Game& game, std::string_view keys, long long maxTicks, Replay& replay) {
    for (char letter : keys)
        if (!playLetter(game, letter, maxTicks, replay)) return false;
    return true;
}

}  // namespace nerilo
