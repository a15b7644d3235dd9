#pragma once
// The key letters played on a whole game, as nerilo-sim, the tests and the
// replays deliver them: the presses go to the world through the session, and
// the commands S T B F Q are the session's Start, Retry, undo, redo and 中止.
#include <string_view>

#include "game/game.h"
#include "rules/key_letters.h"

namespace nerilo {

struct Replay {
    long long ticks = 0;
    bool stuck = false;  // some letter reached the tick cap
};

// The id in the command table (game/commands.h) of a command's letter, or
// nothing for a press, '.' and a letter outside the notation.
std::string_view commandOfLetter(char letter);
// Delivers the key or command of one letter, without ticking; returns false
// for '.' and for a letter outside the notation.
bool pressLetter(Game& game, char letter);
// Delivers one letter; returns false for a letter outside the notation.
bool playLetter(Game& game, char letter, long long maxTicks, Replay& replay);
// Delivers every letter of keys; returns false at the first unknown letter.
bool playKeys(Game& game, std::string_view keys, long long maxTicks, Replay& replay);

}  // namespace nerilo
