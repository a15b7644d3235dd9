#pragma once
// The generator: a new stage from a seed, proven deep by the solver. It
// searches over rooms (generate/room.h) by small changes, judging each
// candidate with the solver's analysis, and keeps the first room inside the
// bands (generate/bands.h). The same seed gives the same stage on every
// machine: the chance is the generator's own, the search runs on one thread
// and its budget is counted in positions judged, never in time.
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>

#include "generate/bands.h"
#include "model/stage_file.h"
#include "model/text.h"

namespace nerilo::generate {

struct GenerateBudget {
    uint64_t positions = 150'000'000;  // positions judged in all, before giving up
    uint64_t positionsPerRoom = 150'000;  // a candidate that needs more is too large to judge
    int patience = 80;  // candidates without a better room before starting from a new one
    // Positions judged on one climb from a seeded room before starting from a
    // new one: a climb that creeps towards the bands by small steps keeps its
    // patience and would otherwise take the whole budget.
    uint64_t positionsPerClimb = 2'000'000;
};

struct GenerateProgress {
    uint64_t positions = 0;  // judged so far, of GenerateBudget::positions
    uint64_t budget = 0;
    int candidates = 0;      // rooms judged
    long long shortfall = 0; // the last room's distance from the bands (0: inside)
};

// The stage of `seed`, or nothing when no room inside the bands was found
// within the budget or `cancel` was set. Runs in the caller's thread; calls
// `progress` after every candidate.
std::optional<Stage> generateStage(uint64_t seed, const GenerateBudget& budget = {},
                                   const std::function<void(const GenerateProgress&)>& progress = {},
                                   const std::atomic<bool>* cancel = nullptr);

// "生成されたステージ（シード 20261208）": the generated stage's comment.
Text generatedComment(uint64_t seed);

}  // namespace nerilo::generate
