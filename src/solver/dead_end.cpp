#include "solver/dead_end.h"

#include "rules/key_letters.h"
#include "solver/press_trial.h"

namespace nerilo::solver {

PositionAfter positionAfter(const WorldState& start, std::string_view presses) {
    PositionAfter after;
    if (!atRest(start)) {
        after.error = "the round's start is not at rest";
        return after;
    }
    WorldState position = start;
    PressTrial trial;
    for (size_t i = 0; i < presses.size(); ++i) {
        const char press = presses[i];
        const std::string where = "press " + std::to_string(i + 1) + " '" + std::string(1, press) + "'";
        if (Presses.find(press) == std::string_view::npos) {
            after.error = where + " is not one of " + std::string(Presses);
            return after;
        }
        switch (trial.press(position, press)) {
        case PressOutcome::Position: position = trial.state(); break;
        case PressOutcome::Lost: after.error = where + " loses the round"; return after;
        case PressOutcome::Cleared: after.error = where + " clears the stage"; return after;
        case PressOutcome::NeverAtRest: after.error = where + " never comes to rest"; return after;
        case PressOutcome::Cancelled: after.error = where + " was cancelled"; return after;
        }
    }
    after.state = position;
    return after;
}

Verdict verdictOf(const Result& result) {
    switch (result.outcome) {
    case Outcome::Solved: return Verdict::Clearable;
    case Outcome::Unsolvable: return Verdict::DeadEnd;
    default: return Verdict::Unknown;
    }
}

// Enough for every shipped stage with its stairs taken away (stage 27, the
// largest, reaches 339 thousand positions), so a dead end walked into early is
// proven there too; about 36 MB at most. A user's huge stage reaches the bound
// and the warning stays silent.
Options deadEndOptions() {
    Options options;
    options.maxStates = 1'000'000;
    return options;
}

Verdict deadEndVerdict(const WorldState& from, const std::atomic<bool>* cancel) {
    return verdictOf(deadEndSearch(from, nullptr, {}, cancel));
}

namespace {

// The positions along `known` before each of its presses, or none when its
// presses do not clear from where it starts.
std::vector<WorldState> positionsAlong(const KnownClear& known) {
    std::vector<WorldState> positions;
    if (!atRest(known.from)) return {};
    WorldState position = known.from;
    PressTrial trial;
    for (size_t i = 0; i < known.keys.size(); ++i) {
        const std::optional<KeyPress> press = pressOf(known.keys[i]);
        if (!press) return {};
        positions.push_back(position);
        switch (trial.press(position, *press)) {
        case PressOutcome::Position: position = trial.state(); break;
        case PressOutcome::Cleared: return i + 1 == known.keys.size() ? positions : std::vector<WorldState>{};
        default: return {};
        }
    }
    return {};
}

}  // namespace

Result deadEndSearch(const WorldState& from, const KnownClear* known,
                     const std::function<void(const Progress&)>& progress, const std::atomic<bool>* cancel) {
    const std::vector<WorldState> along = known ? positionsAlong(*known) : std::vector<WorldState>{};
    Options options = deadEndOptions();
    options.leadsToClear = along;
    Result result = solve(from, options, progress, cancel);
    if (result.through >= 0) {
        result.keys += known->keys.substr(static_cast<size_t>(result.through));
        result.through = -1;
    }
    return result;
}

// The zero-width space marks where a narrow panel may break the line between
// クリア and できません, which nothing else tells apart (ui/phrase_label.h).
Text deadEndText() { return NERILO_TEXT("hint", "詰み：ここからはクリア\u200bできません。Backspace で戻せます"); }

}  // namespace nerilo::solver
