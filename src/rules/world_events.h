#pragma once
// What happened in one press or tick, in order, for a front end to sound or
// show. The rules note what they do as they do it; the session hands the list
// on with its own events among them (game/events.h). Nothing here is part of
// WorldState: a position the solver copies carries no events.
#include <array>
#include <cstdint>
#include <span>

#include "model/codes.h"

namespace nerilo {

enum class WorldEvent : uint8_t {
    Step,      // the player walks one cell
    Push,
    Kick,
    Stop,      // a kicked ball stops rolling
    Spring,    // a spring throws whoever stands on it
    Land,      // the end of a jump
    Slide,     // an arrow starts carrying an object
    Key,       // the player picks up a key
    KeyPlate,  // a key opens a key plate
    Switch,    // a slot or a bar is turned
    BeamOn,    // an emitter gained power
    BeamOff,   // an emitter lost it
    Blast,     // a skull ball exploded
    Lost,
};

// The events of one press or tick: a fixed array and a count, no allocation.
// A list nobody listens to takes nothing, at the cost of one comparison per
// note: the solver plays millions of presses and never reads one. What does
// not fit is dropped.
class EventList {
public:
    static constexpr int Capacity = 32;

    void listen(bool on) { limit_ = on ? Capacity : 0; count_ = 0; }
    bool listening() const { return limit_ != 0; }
    void note(WorldEvent event) {
        if (count_ < limit_) events_[count_++] = event;
    }
    std::span<const WorldEvent> events() const { return {events_.data(), count_}; }
    bool empty() const { return count_ == 0; }
    void clear() { count_ = 0; }

private:
    std::array<WorldEvent, Capacity> events_{};
    uint8_t count_ = 0;
    uint8_t limit_ = 0;
};

}  // namespace nerilo
