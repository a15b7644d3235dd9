#pragma once
// The numbered stages as their author writes them: one block per stage with
// its comment, its step target and two 15 x 15 character maps, one for the
// ground and one for the blocks.
//
//   == 7
//   comment: 回路の基本。
//   target: 40
//   ground:
//   ###############      (15 lines)
//   blocks:
//   ......@........      (15 lines)
//
// Ground: . floor  # wall  w white plate  y yellow plate  s m h springs (low,
// middle, high)  T target  b blue star  r red star  x crossed box  K yellow key
// plate  k white key plate  n blue button  N red button  E stairs  u upper slot
// l lower slot  v ^ > < emitters (down, up, right, left)  - \ | / bars
// (horizontal, backslash, vertical, slash)  D U R L arrows.
// Blocks: . none  o black ball  c blue wheel  C red wheel  X skull ball
// O olive ball  k key  @ player  : stipple.
#include <map>
#include <string>
#include <string_view>

#include "model/stage_file.h"

namespace nerilo {

struct StageDesigns {
    std::map<int, Stage> stages;  // by stage number
    std::string error;            // the first problem found, with its line
    bool ok() const { return error.empty(); }
};

StageDesigns parseStageDesigns(std::string_view text);

}  // namespace nerilo
