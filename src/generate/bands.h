#pragma once
// What makes a generated room worth playing, told by the solver: the bands a
// room must lie inside, its figures, and which of its mechanics matter.
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/stage_file.h"
#include "solver/solver.h"

namespace nerilo::generate {

struct Bands {
    int shortest = 25;            // presses of a shortest clear, at least
    uint64_t reachable = 10'000;  // positions at rest reachable from the start, at least
    int deadPercent = 50;         // of those, dead ends, at least this share
    int firstDeadEnd = 6;         // a dead end within so many presses
    int mechanics = 3;            // mechanics that matter, at least
    int walkingPercent = 50;      // plain walking presses of the shortest clear, at most
    // Presses in a row along the clear with no way to go wrong within a few
    // presses, at most: a wheel pushed up a long corridor and the walk back
    // are not walking, yet play as busywork. The longest of a shipped stage
    // is 24 (stage 22).
    int longestQuiet = 24;
};

// The solver's figures of a room: one search to the end with its analysis,
// and the plain walking presses of the clear it found.
struct Figures {
    solver::Outcome outcome = solver::Outcome::Unsolvable;
    int shortest = 0;
    int walking = 0;
    solver::Analysis analysis;
    std::string keys;
    uint64_t expanded = 0;  // positions the search judged
};
Figures measure(const Stage& stage, uint64_t maxStates, const std::atomic<bool>* cancel = nullptr);

// How far the figures lie outside the bands, mechanics aside: 0 inside them,
// more the further out. Whole numbers, so that every machine compares alike.
long long shortfall(const Figures& figures, const Bands& bands = {});

// The mechanics a room may have. Taking one out: its blocks gone, its tiles
// floor; the circuit's fuses burnt from the start.
enum class Mechanic { Balls, Wheels, Springs, Arrows, KeysAndLocks, Circuit };
std::string mechanicName(Mechanic mechanic);
// `stage` without `mechanic`, or nothing when the stage has none of it.
std::optional<Stage> without(const Stage& stage, Mechanic mechanic);

// The mechanics whose removal changes the shortest clear (`shortest` presses)
// or leaves no clear at all. A search that reaches `maxStates` proves nothing
// and the mechanic is not counted. `expanded` grows by the positions judged.
std::vector<Mechanic> mechanicsThatMatter(const Stage& stage, int shortest, uint64_t maxStates, uint64_t& expanded,
                                          const std::atomic<bool>* cancel = nullptr);

}  // namespace nerilo::generate
