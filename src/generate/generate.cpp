#include "generate/generate.h"

#include <algorithm>

#include "generate/room.h"

namespace nerilo::generate {
namespace {

struct Judged {
    Room room;
    Figures figures;
    long long shortfall = 0;
};

// The step target of the numbered stages: the clear's presses, a quarter more
// (rounded up) and one.
long long stepTarget(int presses) { return presses + (presses + 3) / 4 + 1; }

}  // namespace

Text generatedComment(uint64_t seed) {
    return NERILO_TEXT("generate", "生成されたステージ（シード %1）").arg(std::to_string(seed));
}

std::optional<Stage> generateStage(uint64_t seed, const GenerateBudget& budget,
                                   const std::function<void(const GenerateProgress&)>& progress,
                                   const std::atomic<bool>* cancel) {
    SeededRandom random(seed);
    GenerateProgress done;
    done.budget = budget.positions;
    const Bands bands;

    // Judges a room: its figures, and the mechanics only once the figures are
    // inside their bands, as that takes a search per mechanic.
    auto judge = [&](Room room) {
        Judged judged{std::move(room), {}, 0};
        judged.figures = measure(judged.room.stage, budget.positionsPerRoom, cancel);
        done.positions += judged.figures.expanded;
        judged.shortfall = shortfall(judged.figures, bands);
        if (judged.shortfall == 0) {
            const auto matter = mechanicsThatMatter(judged.room.stage, judged.figures.shortest,
                                                    budget.positionsPerRoom, done.positions, cancel);
            judged.shortfall = std::max(0, bands.mechanics - static_cast<int>(matter.size())) * 100;
        }
        ++done.candidates;
        done.shortfall = judged.shortfall;
        if (progress) progress(done);
        return judged;
    };

    while (done.positions < budget.positions) {
        if (cancel && cancel->load()) return std::nullopt;
        Judged current = judge(seededRoom(random));
        // A room too large to judge, or with no clear, is no place to start from.
        if (current.figures.outcome != solver::Outcome::Solved) continue;
        const uint64_t climbEnd = std::min(budget.positions, done.positions + budget.positionsPerClimb);
        int sinceBetter = 0;
        while (current.shortfall > 0 && sinceBetter < budget.patience && done.positions < climbEnd) {
            if (cancel && cancel->load()) return std::nullopt;
            Room next = mutated(current.room, random);
            if (random.oneIn(2)) next = mutated(next, random);
            Judged candidate = judge(std::move(next));
            ++sinceBetter;
            if (candidate.shortfall < current.shortfall) sinceBetter = 0;
            // Equal rooms are taken too, so that the search wanders across a plateau.
            if (candidate.shortfall <= current.shortfall) current = std::move(candidate);
        }
        if (cancel && cancel->load()) return std::nullopt;
        if (current.shortfall == 0) {
            Stage stage = current.room.stage;
            stage.comment = generatedComment(seed).japanese();
            stage.stepTarget = stepTarget(current.figures.shortest);
            return stage;
        }
    }
    return std::nullopt;
}

}  // namespace nerilo::generate
