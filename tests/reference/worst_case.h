#pragma once
#include "model/stage_file.h"

namespace nerilo {

// One conductor filling the whole board and snaking up from a target in the
// bottom-right corner, every other row against the index order: horizontal
// bars for the rows, diagonal bars for the bends, emitters and skull balls in
// the top row, where the power arrives last. Spreading pass by pass needs
// about one pass per cell of the rows that run leftwards.
Stage serpentineStage();

}  // namespace nerilo
