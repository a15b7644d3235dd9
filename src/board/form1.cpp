#include "board/form1.h"

namespace nerilo {

Form1::Form1(Platform& platform, PowerSpreader spreader) : platform_(platform), spreader_(spreader) {
    // Design order: the ground, then the block controls, then the overlay cells.
    for (int i = 0; i < CellCount; ++i) {
        BlockCell[i] = static_cast<int16_t>(i);
        Block[i].left = cellLeft(i);
        Block[i].top = cellTop(i);
        Block[i].z = static_cast<uint32_t>(1 + i);
        BeemPic[i].z = static_cast<uint32_t>(1 + CellCount + i);
    }
    ZCounter = 2 * CellCount;
}

void Form1::raiseBlock(int k) { Block[k].z = ++ZCounter; }
void Form1::raiseBeam(int cell) { BeemPic[cell].z = ++ZCounter; }

void Form1::moveBlockToCell(int k, int cell) {
    Block[k].left = cellLeft(cell);
    Block[k].top = cellTop(cell);
}

void Form1::putBlocksHome() {
    for (int i = 0; i < CellCount; ++i) {
        BlockCell[i] = static_cast<int16_t>(i);
        moveBlockToCell(i, i);
    }
}

void Form1::clearOverlays() {
    for (auto& beam : BeemPic) beam.marked = false;
}

void Form1::PaintBoard() {
    for (int i = 0; i < CellCount; ++i) {
        Block[i].picture = Btip(Block[i].code);
        BeemPic[i].marked = false;
        if (Block[i].code == block::OliveBall) raiseBlock(i);
    }
}

// Finding the player after a stage load: the last block of code 7 wins and is
// drawn in front of everything.
void Form1::findPlayer() {
    for (int k = 0; k < CellCount; ++k) {
        if (Block[k].code == block::Player) {
            raiseBlock(k);
            PlayerBlock = static_cast<uint8_t>(k);
        }
    }
}

void Form1::setKeyCount(int count) { KeyCount = static_cast<uint8_t>(count); }

void Form1::enableGameCommands(bool enabled) {
    kaisi.enabled = enabled;
    retry.enabled = enabled;
    Command1.enabled = enabled;
}

bool Form1::isLost() const {
    return !Timer1Enabled && InputLock == -1 && Block[PlayerBlock].picture == Ptip(StoneFrame);
}

}  // namespace nerilo
