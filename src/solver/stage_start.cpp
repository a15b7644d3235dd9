#include "model/stage_file.h"
#include "rules/world.h"
#include "solver/solver.h"

namespace nerilo::solver {

StageStart stageStart(const std::string& path, bool stepTry, bool blockMode) {
    StageStart start;
    StageRead read = readStageFile(path);
    if (!read.ok()) {
        start.error = read.error;
        return start;
    }
    start.state = roundStart(read.stage, stepTry, blockMode);
    return start;
}

WorldState roundStart(const Stage& stage, bool stepTry, bool blockMode) {
    World world(Watched::No);
    world.setModes(stepTry, blockMode ? ExtraMode::Block : ExtraMode::None);
    world.load(stage);
    world.startRound();
    return world.state();
}

}  // namespace nerilo::solver
