#include "fuzz_checks.h"

#include <cstdlib>
#include <string>

#include "game/background_work.h"
#include "game/game.h"
#include "game_set_up.h"
#include "model/progress_file.h"
#include "model/stage_code.h"
#include "model/stage_file.h"
#include "game/key_script.h"
#include "model/progress_store.h"
#include "records/records_file.h"
#include "records/records_store.h"
#include "tools/scripted_platform.h"

namespace nerilo::fuzz {

void checkJobBytes(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const std::optional<Job> job = decodeJob(bytes)) {
        const std::optional<Job> again = decodeJob(encodeJob(*job));
        if (!again || encodeJob(*again) != encodeJob(*job)) std::abort();
    }
    if (const std::optional<JobResult> result = decodeResult(bytes)) {
        const std::string encoded = encodeResult(*result);
        const std::optional<JobResult> again = decodeResult(encoded);
        if (!again || encodeResult(*again) != encoded || again->stage != result->stage) std::abort();
    }
}

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

namespace {
// Two files in one input: the bytes before the first NUL and those after it.
std::pair<std::string_view, std::string_view> twoFiles(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const size_t nul = bytes.find('\0');
    if (nul == std::string_view::npos) return {bytes, {}};
    return {bytes.substr(0, nul), bytes.substr(nul + 1)};
}

// A stage's clear in one mode after a merge on the same fingerprint: the
// shorter of the two, the first side's when they are as long, none only when
// neither side had one.
bool shorterClear(const std::string& merged, const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return merged == (a.empty() ? b : a);
    return merged == (b.size() < a.size() ? b : a);
}
}  // namespace

void checkProgressMerge(const uint8_t* data, size_t size) {
    const auto [first, second] = twoFiles(data, size);
    const Progress a = parseProgress(first).progress, b = parseProgress(second).progress;
    const Progress merged = mergeProgress(a, b);
    if (mergeProgress(b, a) != merged || mergeProgress(merged, merged) != merged || mergeProgress(a, a) != a ||
        mergeProgress(a, Progress{}) != a || mergeProgress(merged, a) != merged)
        std::abort();
    for (size_t i = 0; i < merged.size(); ++i)
        if (merged[i] < a[i] || merged[i] < b[i] || (merged[i] != a[i] && merged[i] != b[i])) std::abort();
    if (parseProgress(formatProgress(merged)).progress != merged) std::abort();
}

void checkRecordsMerge(const uint8_t* data, size_t size) {
    const auto [first, second] = twoFiles(data, size);
    const Records a = parseRecords(first).records, b = parseRecords(second).records;
    const Records merged = mergeRecords(a, b), swapped = mergeRecords(b, a);
    for (size_t i = 0; i < merged.size(); ++i) {
        const StageRecord &m = merged[i], &x = a[i], &y = b[i];
        // A side with nothing changes nothing; the stage as it is now (the
        // fresh side's fingerprint) replaces records of the stage as it was.
        if (y.empty()) {
            if (m != x) std::abort();
            continue;
        }
        if (x.empty() || x.fingerprint != y.fingerprint) {
            if (m != y) std::abort();
            continue;
        }
        // The same stage: never worse than either side, and the order of the
        // two sides changes no length and no count.
        if (m.fingerprint != x.fingerprint || !shorterClear(m.normal, x.normal, y.normal) ||
            !shorterClear(m.stepTry, x.stepTry, y.stepTry))
            std::abort();
        if (m.deadEnds != std::min<uint64_t>(MaxDeadEnds, uint64_t{x.deadEnds} + y.deadEnds)) std::abort();
        const StageRecord& s = swapped[i];
        if (s.normal.size() != m.normal.size() || s.stepTry.size() != m.stepTry.size() || s.deadEnds != m.deadEnds)
            std::abort();
    }
    // Merged again with clears only (no counts), nothing changes.
    Records clears = merged;
    for (StageRecord& record : clears) record.deadEnds = 0;
    for (size_t i = 0; i < clears.size(); ++i)
        if (clears[i].normal.empty() && clears[i].stepTry.empty()) clears[i] = {};
    if (mergeRecords(merged, clears) != merged) std::abort();
    const RecordsRead again = parseRecords(formatRecords(merged));
    if (!again.ok() || again.records != merged) std::abort();
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
    const size_t steps = game.round().history().undoDepth(), undone = game.round().history().redoDepth();
    for (size_t i = 0; i < steps; ++i) game.round().undo();
    if (game.round().canUndo() || !sameGame(game.world().state(), start.world)) std::abort();
    for (size_t i = 0; i < steps; ++i) game.round().redo();
    if (game.round().history().redoDepth() != undone || !(game.snapshot() == end)) std::abort();
}

}  // namespace nerilo::fuzz
