#pragma once
// The key letters: one notation for the simulator, tests and stored solutions.
//   L R U D   arrows          l r u d   Shift+arrows
//   Z E _     action keys Z, Enter, Space
//   X         Delete          S Start   T Retry
//   .         one world tick (when the timer runs)
// After every letter but '.', the world ticks once (when the timer runs) and
// then as long as the timer runs and the keyboard is locked: a player who waits
// until everything is at rest.
#include <string_view>

namespace nerilo {

class Form1;

struct Replay {
    long long ticks = 0;
    bool stuck = false;  // some letter reached the tick cap
};

bool isKeyLetter(char letter);
// Delivers one letter; returns false for a letter outside the notation.
bool playLetter(Form1& form, char letter, long long maxTicks, Replay& replay);
// Delivers every letter of keys; returns false at the first unknown letter.
bool playKeys(Form1& form, std::string_view keys, long long maxTicks, Replay& replay);

}  // namespace nerilo
