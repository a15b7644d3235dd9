// Palettes, brushes, the layer button and painting with the mouse.
#include "board/form1.h"

namespace nerilo {
namespace {
constexpr const char* GroundLayer = "↑切り替え";
constexpr const char* BlockLayer = "↓切り替え";
constexpr int RightButton = 2;
}  // namespace

void Form1::Jtip_Click(int index) {
    Maptip = {Jtip(index), static_cast<uint8_t>(index)};
    Check1.caption = GroundLayer;
}

void Form1::Btip_Click(int index) {
    Blocktip = {Btip(index), static_cast<uint8_t>(index)};
    Check1.caption = BlockLayer;
}

void Form1::Blocktip_Click() { Blocktip = {Btip(block::Empty), block::Empty}; }

void Form1::Check1_Click() { Check1.caption = Check1.caption != GroundLayer ? GroundLayer : BlockLayer; }

// In edit mode block control i stands on cell i, so the control clicked is the cell painted.
void Form1::Block_MouseDown(int index, int button, int) {
    if (!Editcheck.checked) return;
    const bool blockLayer = Check1.caption == BlockLayer;
    if (button == RightButton) {
        if (blockLayer) Blocktip = {Block[index].picture, Block[index].code};
        else Maptip = {Jtip(Ji[index].code), Ji[index].code};
    } else if (blockLayer) {
        Block[index].code = Blocktip.tag;
        Block[index].picture = Blocktip.picture;
    } else {
        Ji[index].code = Maptip.tag;
    }
}

}  // namespace nerilo
