// Block mode and super mode: unlocked by progress, they transform the cell the
// player walks off.
#include <random>

#include "board/form1.h"

namespace nerilo {
namespace {
// Super mode's tile for a draw r in 0..13: a low spring 4 times in 14, each
// arrow and plain floor twice.
constexpr uint8_t SuperTile[14] = {ground::LowSpring,  ground::ArrowDown, ground::ArrowUp,   ground::ArrowRight,
                                   ground::ArrowLeft,  ground::Floor,     ground::LowSpring, ground::ArrowDown,
                                   ground::ArrowUp,    ground::ArrowRight, ground::ArrowLeft, ground::LowSpring,
                                   ground::LowSpring,  ground::Floor};

// 0 when some stage is not cleared, 1 when all are and at least one without
// step-try mode, 2 when every stage was cleared in step-try mode.
int progressLevel(const std::array<uint8_t, StageCount>& progress) {
    int level = 2;
    for (uint8_t record : progress) {
        if (level == 2 && record == 1) level = 1;
        else if (record == 0) level = 0;
    }
    return level;
}
}  // namespace

void Form1::MGCheck() {
    switch (progressLevel(StageProgress)) {
    case 2:
        if (ModeLevel < 2) platform_.showEnding(true);
        ModeLevel = 2;
        Minigame2.enabled = true;
        Minigame.enabled = true;
        break;
    case 1:
        if (ModeLevel == 0) platform_.showEnding(false);
        ModeLevel = 1;
        Minigame.enabled = true;
        break;
    default:
        ModeLevel = 0;
        break;
    }
}

void Form1::Minigame_Click() {
    Minigame.checked = !Minigame.checked;
    if (Minigame.checked && Minigame2.checked) Minigame2.checked = false;
}

void Form1::Minigame2_Click() {
    Minigame2.checked = !Minigame2.checked;
    if (Minigame.checked && Minigame2.checked) Minigame.checked = false;
}

// Called just before the moving object's cell changes: BlockCell(MovingBlock)
// still names the cell being left. A kicked ball transforms nothing.
void Form1::MinG() {
    const int cell = BlockCell[MovingBlock];
    const bool player = Block[MovingBlock].code == block::Player;
    if (Minigame.checked) {
        if (!player) return;
        Ji[cell].code = ground::Wall;
        Suman();
    } else if (Minigame2.checked) {
        if (!player) return;
        const int r = static_cast<int>(std::uniform_real_distribution<double>(0.0, 1.0)(random_) * 14);
        Ji[cell].code = SuperTile[r];
        Suman();
    }
}

}  // namespace nerilo
