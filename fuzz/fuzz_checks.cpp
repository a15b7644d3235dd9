#include "fuzz_checks.h"

#include <cstdlib>
#include <string>

#include "game/game.h"
#include "game_set_up.h"
#include "model/progress_file.h"
#include "model/stage_code.h"
#include "model/stage_file.h"
#include "game/key_script.h"
#include "records/records_file.h"
#include "tools/scripted_platform.h"

namespace nerilo::fuzz {

void checkStageReader(const uint8_t* data, size_t size) {
    const StageRead read = parseStageBytes({reinterpret_cast<const char*>(data), size});
    if (!read.ok()) return;
    for (int i = 0; i < CellCount; ++i)
        if (read.stage.ground[i] >= GroundCodeCount || read.stage.blocks[i] >= BlockCodeCount) std::abort();
    const StageRead again = parseStage(formatStage(read.stage));
    if (!again.ok() || again.stage.ground != read.stage.ground || again.stage.blocks != read.stage.blocks ||
        again.stage.stepTarget != read.stage.stepTarget)
        std::abort();
}

void checkStageCodeReader(const uint8_t* data, size_t size) {
    const StageCodeRead read = parseStageCode({reinterpret_cast<const char*>(data), size});
    if (!read.ok()) {
        if (read.error.empty() || !(read.stage == Stage()) || !read.proof.empty()) std::abort();
        return;
    }
    for (int i = 0; i < CellCount; ++i)
        if (read.stage.ground[i] >= GroundCodeCount || read.stage.blocks[i] >= BlockCodeCount) std::abort();
    if (read.proof.find_first_not_of(ProofLetters) != std::string::npos) std::abort();
    const StageCodeRead again = parseStageCode(formatStageCode(read.stage, read.proof));
    if (!again.ok() || !(again.stage == read.stage) || again.proof != read.proof) std::abort();
}

void checkProgressReader(const uint8_t* data, size_t size) {
    const ProgressRead read = parseProgress({reinterpret_cast<const char*>(data), size});
    if (!read.ok() && read.progress != Progress{}) std::abort();
    if (read.ok() && parseProgress(formatProgress(read.progress)).progress != read.progress) std::abort();
}

void checkRecordsReader(const uint8_t* data, size_t size) {
    const RecordsRead read = parseRecords({reinterpret_cast<const char*>(data), size});
    if (!read.ok() && read.records != Records{}) std::abort();
    if (!read.ok()) return;
    const RecordsRead again = parseRecords(formatRecords(read.records));
    if (!again.ok() || again.records != read.records) std::abort();
}

void checkPlay(const uint8_t* data, size_t size) {
    constexpr size_t Board = 2 * CellCount;
    if (size < Board) return;
    ScriptedPlatform platform("/nonexistent");
    Game game(platform);
    game.seedRandom(7);
    for (int i = 0; i < CellCount; ++i) {
        GameSetUp::state(game).ground[i].code = data[i] % GroundCodeCount;
        const uint8_t b = data[CellCount + i] % 16;
        GameSetUp::state(game).blocks[i].code = b < BlockCodeCount ? b : 0;
    }
    GameSetUp::world(game).showAsPlaced();
    std::string keys;
    for (size_t i = Board; i < size && keys.size() < 64; ++i) {
        if (data[i] == 0xFF) game.toggleSuperMode();
        else if (data[i] == 0xFE) game.toggleBlockMode();
        else keys += KeyLetters[data[i] % KeyLetters.size()];
    }
    game.startRound();
    // The world may move before any key: a player on an arrow slides, one in a
    // beam is lost at the first tick. Undo goes back to where that ends.
    for (int i = 0; i < 300 && game.world().state().ticking && (i == 0 || game.world().state().inputLocked); ++i) game.tick();
    const bool settled = !game.world().state().inputLocked || game.isLost();
    const GameSnapshot start = game.snapshot();
    Replay replay;
    playKeys(game, keys, 300, replay);
    for (int k = 0; k < CellCount; ++k)
        if (game.world().state().blockCell[k] >= CellCount) std::abort();

    // Within one round that came to rest, undo leads back to its start and redo
    // to where it ended. Delete, Start, Retry and a clear begin a new round.
    if (!settled || replay.stuck || !platform.clears.empty() || keys.find_first_of("XST") != std::string::npos) return;
    const GameSnapshot end = game.snapshot();
    const size_t steps = game.history().undoDepth(), undone = game.history().redoDepth();
    for (size_t i = 0; i < steps; ++i) game.undo();
    if (game.canUndo() || !sameGame(game.world().state(), start.world)) std::abort();
    for (size_t i = 0; i < steps; ++i) game.redo();
    if (game.history().redoDepth() != undone || !(game.snapshot() == end)) std::abort();
}

}  // namespace nerilo::fuzz
