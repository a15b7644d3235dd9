// The action keys: clearing a stage on the stairs, changing to the next stage,
// and picking up keys.
#include "board/form1.h"

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

void Form1::actionKey(int p) {
    if (Ji[p].code == ground::Stairs) stageChange();
    pickUpKeys();
}

void Form1::pickUpKeys() {
    const int cell = BlockCell[PlayerBlock];
    for (int i = 0; i < CellCount; ++i) {
        if (BlockCell[i] == cell && Block[i].code == block::Key) {
            setKeyCount(KeyCount + 1);
            Block[i].code = block::Empty;
            Block[i].picture = Btip(block::Empty);
        }
    }
}

void Form1::stageChange() {
    ClearBanner banner = Tokein.checked ? ClearBanner{{"G", "R", "E", "A", "T"}, Red}
                                        : ClearBanner{{"C", "L", "E", "A", "R"}, Green};
    platform_.showStageClear(banner);
    Timer1Enabled = false;
    InputLock = -1;

    // A stage number outside the progress table records nothing and changes nothing.
    const int n = stageNumber(StagePath);
    if (n == 0 || n > StageCount) return;
    std::string nextPath = StagePath;
    std::string nextName = StageName.caption;
    if (n > 0) {
        StageProgress[n - 1] = Tokein.checked ? 2 : 1;
        nextPath = MyPath() + "stage/stage" + std::to_string(n + 1) + ".txt";
        nextName = "stage" + std::to_string(n + 1) + ".txt";
    }
    MGCheck();

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

    enterLoadedState(nextPath, nextName, stage);
    kaisi_Click();
}

}  // namespace nerilo
