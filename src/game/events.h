#pragma once
// What a front end hears of a press or a tick, in order, as it happened: the
// world's events (rules/world_events.h), with the same names and numbers,
// and the session's own after them.
#include <cstdint>
#include <span>

#include "rules/world_events.h"

namespace nerilo {

enum class Event : uint8_t {
    Step, Push, Kick, Stop, Spring, Land, Slide, Key, KeyPlate, Switch, BeamOn, BeamOff, Blast, Lost,
    // The session's.
    Clear,
    AllClear,  // the last stage was cleared: the ending
    Unlock,    // a mode became available
    Undo,      // undo or redo
};
constexpr int EventKindCount = static_cast<int>(Event::Undo) + 1;

static_assert(static_cast<int>(Event::Lost) == static_cast<int>(WorldEvent::Lost));
constexpr Event eventOf(WorldEvent event) { return static_cast<Event>(event); }

// The name nerilo-sim prints and the sound files are named after: "key_plate".
const char* eventName(Event event);

}  // namespace nerilo
