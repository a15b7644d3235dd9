#pragma once
// The key letters: one notation for the simulator, tests and stored solutions.
//   L R U D   arrows          l r u d   Shift+arrows
//   Z E _     action keys Z, Enter, Space
//   X         Delete          S Start   T Retry
//   B         undo            F redo
//   .         one world tick (when the game ticks)
// After every letter but '.', the world ticks once (when the game ticks) and
// then as long as the game ticks and the keyboard is locked: a player who waits
// until everything is at rest.
#include <optional>
#include <string_view>

#include "board/game.h"

namespace nerilo {

constexpr std::string_view KeyLetters = "LRUDlrudZE_XSTBF.";

// The ticks one letter may take before a run counts as never coming to rest:
// far more than the longest slide or chain of blasts on a 15 x 15 board.
constexpr long long PressTickCap = 10000;

struct Replay {
    long long ticks = 0;
    bool stuck = false;  // some letter reached the tick cap
};

bool isKeyLetter(char letter);
// The letter of an arrow (Shift+arrow in lower case) or of the action key.
char keyLetter(Key key, Modifiers modifiers);

struct KeyPress {
    Key key;
    Modifiers modifiers = NoModifiers;
};
// The key a letter stands for; nothing for the commands (S T B F) and '.'.
std::optional<KeyPress> pressOf(char letter);
// Delivers the key or command of one letter, without ticking; returns false
// for '.' and for a letter outside the notation.
bool pressLetter(Game& game, char letter);
// Delivers one letter; returns false for a letter outside the notation.
bool playLetter(Game& game, char letter, long long maxTicks, Replay& replay);
// Delivers every letter of keys; returns false at the first unknown letter.
bool playKeys(Game& game, std::string_view keys, long long maxTicks, Replay& replay);

}  // namespace nerilo
