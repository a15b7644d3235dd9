#include "generate/bands.h"

#include <algorithm>

#include "solver/walking.h"

namespace nerilo::generate {

Figures measure(const Stage& stage, uint64_t maxStates, const std::atomic<bool>* cancel) {
    const WorldState start = solver::roundStart(stage);
    solver::Options options;
    options.analyse = true;
    options.maxStates = maxStates;
    const solver::Result result = solver::solve(start, options, {}, cancel);
    Figures figures;
    figures.outcome = result.outcome;
    figures.expanded = result.expanded;
    if (result.analysis) figures.analysis = *result.analysis;
    if (result.outcome == solver::Outcome::Solved) {
        figures.keys = result.keys;
        figures.shortest = static_cast<int>(result.keys.size());
        figures.walking = solver::plainWalkingPresses(start, result.keys).value_or(figures.shortest);
    }
    return figures;
}

long long shortfall(const Figures& figures, const Bands& bands) {
    switch (figures.outcome) {
    case solver::Outcome::Solved: break;
    case solver::Outcome::Unsolvable: return 5000;
    case solver::Outcome::LimitReached: return 4000;
    default: return 6000;
    }
    const solver::Analysis& a = figures.analysis;
    const long long reachable = static_cast<long long>(a.reachable);
    const long long dead = static_cast<long long>(a.deadEnds);
    // Rounded up, so that a room a hair outside a band is never taken for inside it.
    auto over = [](long long amount, long long divisor) { return (std::max(0LL, amount) + divisor - 1) / divisor; };
    long long out = 0;
    out += std::max(0, bands.shortest - figures.shortest) * 40;
    out += over(static_cast<long long>(bands.reachable) - reachable, 25);
    out += over((reachable * bands.deadPercent - dead * 100) * 5, std::max(1LL, reachable));
    out += a.firstDeadEndDepth < 0 ? 300 : std::max(0, a.firstDeadEndDepth - bands.firstDeadEnd) * 40;
    out += std::max(0, figures.walking * 100 - figures.shortest * bands.walkingPercent) / 5;
    out += std::max(0, a.longestQuiet - bands.longestQuiet) * 40;
    return out;
}

std::string mechanicName(Mechanic mechanic) {
    switch (mechanic) {
    case Mechanic::Balls: return "balls";
    case Mechanic::Wheels: return "wheels";
    case Mechanic::Springs: return "springs";
    case Mechanic::Arrows: return "arrows";
    case Mechanic::KeysAndLocks: return "keys and locks";
    case Mechanic::Circuit: return "circuit";
    }
    return {};
}

std::optional<Stage> without(const Stage& stage, Mechanic mechanic) {
    auto isBlock = [&](uint8_t code) {
        switch (mechanic) {
        case Mechanic::Balls: return code == block::BlackBall;
        case Mechanic::Wheels: return code == block::BlueWheel || code == block::RedWheel;
        case Mechanic::KeysAndLocks: return code == block::Key;
        default: return false;
        }
    };
    auto isTile = [&](uint8_t code) {
        switch (mechanic) {
        case Mechanic::Springs: return code >= ground::LowSpring && code <= ground::HighSpring;
        case Mechanic::Arrows: return code >= ground::ArrowDown && code <= ground::ArrowLeft;
        case Mechanic::KeysAndLocks: return code == ground::YellowKeyPlate || code == ground::WhiteKeyPlate;
        case Mechanic::Circuit: return code == ground::CrossedBox;
        default: return false;
        }
    };
    Stage out = stage;
    bool found = false;
    for (int cell = 0; cell < CellCount; ++cell) {
        if (isBlock(out.blocks[cell])) out.blocks[cell] = block::Empty, found = true;
        if (isTile(out.ground[cell])) out.ground[cell] = ground::Floor, found = true;
    }
    if (!found) return std::nullopt;
    return out;
}

std::vector<Mechanic> mechanicsThatMatter(const Stage& stage, int shortest, uint64_t maxStates, uint64_t& expanded,
                                          const std::atomic<bool>* cancel) {
    std::vector<Mechanic> matter;
    for (Mechanic mechanic : {Mechanic::Balls, Mechanic::Wheels, Mechanic::Springs, Mechanic::Arrows,
                              Mechanic::KeysAndLocks, Mechanic::Circuit}) {
        const std::optional<Stage> less = without(stage, mechanic);
        if (!less) continue;
        solver::Options options;
        options.maxStates = maxStates;
        const solver::Result result = solver::solve(solver::roundStart(*less), options, {}, cancel);
        expanded += result.expanded;
        const bool changed = result.outcome == solver::Outcome::Unsolvable ||
                             (result.outcome == solver::Outcome::Solved && static_cast<int>(result.keys.size()) != shortest);
        if (changed) matter.push_back(mechanic);
    }
    return matter;
}

}  // namespace nerilo::generate
