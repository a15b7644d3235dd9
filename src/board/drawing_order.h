#pragma once
// What the board shows, back to front: the ground cells, then the block
// controls and the overlay cells in their drawing order.
#include <vector>

#include "board/form1_model.h"

namespace nerilo {

struct DrawItem {
    Picture picture;
    int left = 0;  // twips
    int top = 0;
};

// Block controls and marked overlays in front of the ground, back to front.
// A block with no picture and an unmarked overlay draw nothing and are left out.
std::vector<DrawItem> drawingOrder(const Form1Model& model);

}  // namespace nerilo
