#include "game/events.h"

namespace nerilo {

const char* eventName(Event event) {
    static constexpr const char* Names[EventKindCount] = {
        "step", "push", "kick", "stop", "spring", "land", "slide", "key", "key_plate",
        "switch", "beam_on", "beam_off", "blast", "lost", "clear", "all_clear", "unlock", "undo",
    };
    return Names[static_cast<int>(event)];
}

}  // namespace nerilo
