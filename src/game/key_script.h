#pragma once
// The key letters played on a whole game, as nerilo-sim, the tests and the
// replays deliver them: the press letters (rules/key_letters.h) go to the
// world through the session, and the rest are the session's own.
//   L R U D   arrows          l r u d   Shift+arrows
//   Z E _     action keys Z, Enter, Space
//   X         Delete          S Start   T Retry
//   B         undo            F redo
//   Q         中止: start over from the splash and the first uncleared stage
//   .         one world tick (when the game ticks)
// After every letter but '.', the world ticks once (when the game ticks) and
// then as long as the game ticks and the keyboard is locked: a player who waits
// until everything is at rest.
#include <string_view>

#include "game/game.h"
#include "rules/key_letters.h"

namespace nerilo {

constexpr std::string_view KeyLetters = "LRUDlrudZE_XSTBFQ.";
bool isKeyLetter(char letter);

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
