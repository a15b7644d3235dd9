#pragma once
// The keys a player presses, as the session hears them: the rules' keys, and
// Delete (Retry, or back to the stage file in the editor) and Escape (the end
// of test play), which are the session's. The world hears those two as any
// other key: the round's first press.
#include <cstdint>

#include "rules/world.h"

namespace nerilo {

enum class PlayerKey : uint8_t { Left, Right, Up, Down, Action, Other, Delete, Escape };

constexpr Key ruleKeyOf(PlayerKey key) {
    return key >= PlayerKey::Other ? Key::Other : static_cast<Key>(key);
}
constexpr PlayerKey playerKeyOf(Key key) { return static_cast<PlayerKey>(key); }

}  // namespace nerilo
