// The action keys: clearing a stage on the stairs, changing to the next stage,
// and picking up keys.
#include <utility>

#include "board/blocks_on_cell.h"
#include "board/file_io.h"
#include "board/game.h"
#include "board/numbered_stages.h"

namespace nerilo {
namespace {
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The stage number of a path named like "*stage#.txt" or "*stage##.txt"
// (case-sensitive), or -1 for a file with another name.
int stageNumber(const std::string& path) {
    if (!endsWith(path, ".txt")) return -1;
    const std::string stem = path.substr(0, path.size() - 4);
    if (stem.size() >= 6 && isDigit(stem.back()) && endsWith(stem.substr(0, stem.size() - 1), "stage"))
        return stem.back() - '0';
    if (stem.size() >= 7 && isDigit(stem.back()) && isDigit(stem[stem.size() - 2]) &&
        endsWith(stem.substr(0, stem.size() - 2), "stage"))
        return (stem[stem.size() - 2] - '0') * 10 + (stem.back() - '0');
    return -1;
}
}  // namespace

void Game::useActionKey(int p) {
    if (state_.ground[p].code == ground::Stairs) clearStage();
    pickUpKeys();
}

void Game::pickUpKeys() {
    GameState& s = state_;
    const int cell = s.blockCell[s.playerBlock];
    forEachBlockOn(s, cell, [&](int i) {
        if (s.blocks[i].code == block::Key) {
            ++s.keysHeld;
            s.blocks[i].code = block::Empty;
            s.blocks[i].picture = blockPicture(block::Empty);
        }
        return true;
    });
}

void Game::clearStage() {
    GameState& s = state_;
    // A replay shows its clear and ends: it sets no record and no progress.
    std::optional<Playback> replay = std::exchange(playback_, std::nullopt);
    // The clear is recorded and written at once, before the celebration, so that
    // neither 中止 (which reads the file again) nor a crash can lose it.
    const int n = stageNumber(s.stagePath);
    const bool numbered = n > 0 && n <= StageCount;
    if (numbered && !replay && !s.testPlaying) {
        s.progress[n - 1] = s.stepTry ? 2 : 1;
        writeProgress();
    }
    ClearBanner banner = s.stepTry ? ClearBanner{{"G", "R", "E", "A", "T"}, Red}
                                   : ClearBanner{{"C", "L", "E", "A", "R"}, Green};
    // Test play records no progress and loads no stage: the clear ends it once
    // the key is done. The tick stops before the window opens, as the timer
    // keeps running under a modal window.
    if (s.testPlaying) {
        s.ticking = false;
        s.inputLocked = true;
        platform_.showStageClear(banner);
        testCleared_ = true;
        return;
    }
    platform_.showStageClear(banner);
    s.ticking = false;
    s.inputLocked = true;
    if (replay) {
        endPlayback(*replay);
        return;
    }
    recordClear();
    // A clear cannot be undone.
    history_.clear();

    // A stage number outside the progress table records nothing and changes nothing.
    if (n == 0 || n > StageCount) return;
    const std::string nextPath = numbered ? numberedStagePath(programFolder(), n + 1) : s.stagePath;
    updateUnlocks();

    // The next stage is read before the board is touched: when it cannot be read
    // the cleared board stays as it was, with the keyboard locked and the tick
    // stopped. After the last stage there is no next file, and nothing to report.
    Stage stage;
    if (n == StageCount) {
        StageRead read = readStageFile(nextPath);
        if (!read.ok()) return;
        stage = std::move(read.stage);
    } else if (!readStage(nextPath, stage)) {
        return;
    }

    enterLoadedState(nextPath, stage);
    startRound();
}

}  // namespace nerilo
