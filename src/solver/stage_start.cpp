#include "board/file_io.h"
#include "board/game.h"
#include "board/stage_file.h"
#include "solver/quiet_platform.h"
#include "solver/solver.h"

namespace nerilo::solver {

StageStart stageStart(const std::string& path, bool stepTry, bool blockMode) {
    StageStart start;
    StageRead read = readStageFile(path);
    if (!read.ok()) {
        start.error = read.error;
        return start;
    }
    QuietPlatform platform;
    Game game(platform);
    game.state().stepTry = stepTry;
    game.state().extraMode = blockMode ? ExtraMode::Block : ExtraMode::None;
    game.enterLoadedState(path, read.stage);
    game.startRound();
    start.state = game.snapshot();
    return start;
}

}  // namespace nerilo::solver
