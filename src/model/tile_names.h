#pragma once
// The names of the tiles as the editor's palettes show them when the pointer
// rests on one.
#include <cstdint>

#include "model/text.h"

namespace nerilo {

Text groundName(uint8_t code);
Text blockName(uint8_t code);

}  // namespace nerilo
