#include "rules/key_letters.h"

namespace nerilo {
namespace {
constexpr std::string_view Arrows = "LRUD";
}  // namespace

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
    default: return std::nullopt;
    }
}

// The world ticks at least once after a press, as the window's clock would:
// a player at rest on an arrow he cannot follow is carried into its wall by
// the next tick. A clear ends the press at once: the stairs move nothing, and
// what follows is the session's.
PressRun playPress(World& world, KeyPress press, long long maxTicks, const std::atomic<bool>* cancel) {
    PressRun run;
    world.press(press.key, press.modifiers);
    run.outcome = world.outcome();
    if (run.outcome != Outcome::Moving && run.outcome != Outcome::AtRest) return run;
    do {
        if (run.ticks == maxTicks) {
            run.stuck = true;
            break;
        }
        if (cancel && run.ticks % CancelTicks == CancelTicks - 1 && cancel->load(std::memory_order_relaxed)) {
            run.cancelled = true;
            break;
        }
        world.tick();
        ++run.ticks;
        run.outcome = world.outcome();
    } while (run.outcome == Outcome::Moving);
    return run;
}

}  // namespace nerilo
