// Cell actions with Shift+arrow: opening key plates, switching slots, turning bars.
#include "board/form1.h"

namespace nerilo {

void Form1::SORRY() {
    GroundCell& cell = Ji[ActCell];
    if (KeyCount != 0 && (cell.code == ground::YellowKeyPlate || cell.code == ground::WhiteKeyPlate)) {
        setKeyCount(KeyCount - 1);
        cell.code = ground::Floor;
        Suman();
    } else if (groundTraits(cell.code).turned != NoForm) {
        cell.code = groundTraits(cell.code).turned;
        Suman();
    }
}

}  // namespace nerilo
