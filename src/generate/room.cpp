#include "generate/room.h"

#include <algorithm>

namespace nerilo::generate {
namespace {

constexpr int at(int row, int column) { return row * BoardSide + column; }

// The cells a corridor needs below it to stay usable: where a wheel enters it
// and where the player stands to push the wheel in.
bool kept(const Room& room, int cell) {
    return std::any_of(room.corridors.begin(), room.corridors.end(), [&](int column) {
        return cell == at(room.top, column) || cell == at(room.top + 1, column);
    });
}

// A cell of the room drawn from those that `fits` allows, or -1 when none does.
template <class Fits>
int anyCell(const Room& room, SeededRandom& random, Fits fits) {
    std::vector<int> cells;
    for (int cell : roomCells(room))
        if (fits(cell)) cells.push_back(cell);
    return cells.empty() ? -1 : cells[static_cast<size_t>(random.below(static_cast<int>(cells.size())))];
}

// Free floor: where a block or a tile may be put.
int freeFloor(const Room& room, SeededRandom& random) {
    return anyCell(room, random, [&](int cell) {
        return room.stage.ground[cell] == ground::Floor && room.stage.blocks[cell] == block::Empty;
    });
}

void put(Room& room, SeededRandom& random, uint8_t code) {
    const int cell = freeFloor(room, random);
    if (cell >= 0) room.stage.blocks[cell] = code;
}

std::vector<int> cellsWith(const std::array<uint8_t, CellCount>& layer, auto which) {
    std::vector<int> cells;
    for (int cell = 0; cell < CellCount; ++cell)
        if (which(layer[cell])) cells.push_back(cell);
    return cells;
}

int pick(const std::vector<int>& cells, SeededRandom& random) {
    return cells[static_cast<size_t>(random.below(static_cast<int>(cells.size())))];
}

bool isArrow(uint8_t code) { return code >= ground::ArrowDown && code <= ground::ArrowLeft; }
bool movesOn(uint8_t code) { return isArrow(code) || (code >= ground::LowSpring && code <= ground::HighSpring); }

// Whether an arrow or a spring lies within two cells of `cell`. A block sent
// by one onto another may be sent back for ever (two springs two cells apart,
// two arrows face to face): every press onto them then runs to the tick cap,
// a thousand times the cost of a press, and the room takes far longer to
// judge than its positions say.
bool nearMover(const Room& room, int cell) {
    for (int row = rowOf(cell) - 2; row <= rowOf(cell) + 2; ++row)
        for (int column = columnOf(cell) - 2; column <= columnOf(cell) + 2; ++column)
            if (row >= 0 && row < BoardSide && column >= 0 && column < BoardSide &&
                movesOn(room.stage.ground[at(row, column)]))
                return true;
    return false;
}

// A key in the room and its lock in a corridor, which neither the player nor
// a wheel passes before the key opens it.
void addKeyAndLock(Room& room, SeededRandom& random) {
    const int column = pick(room.corridors, random);
    const int lowest = column == room.corridors.back() ? 3 : 2;  // the stairs' corridor keeps its top free
    if (room.top - 1 < lowest) return;
    room.stage.ground[at(random.between(lowest, room.top - 1), column)] = ground::WhiteKeyPlate;
    put(room, random, block::Key);
}

void toggleWall(Room& room, SeededRandom& random) {
    const int cell = anyCell(room, random, [&](int c) { return !kept(room, c) && room.stage.blocks[c] == block::Empty; });
    if (cell < 0) return;
    uint8_t& tile = room.stage.ground[cell];
    tile = tile == ground::Wall ? ground::Floor : ground::Wall;
}

void moveBlock(Room& room, SeededRandom& random) {
    const std::vector<int> blocks = cellsWith(room.stage.blocks, [](uint8_t code) { return code != block::Empty; });
    const int from = pick(blocks, random);
    const int to = freeFloor(room, random);
    if (to < 0) return;
    std::swap(room.stage.blocks[from], room.stage.blocks[to]);
}

void addOrRemoveBall(Room& room, SeededRandom& random) {
    const std::vector<int> balls = cellsWith(room.stage.blocks, [](uint8_t code) { return code == block::BlackBall; });
    if (!balls.empty() && random.oneIn(2)) room.stage.blocks[pick(balls, random)] = block::Empty;
    else put(room, random, block::BlackBall);
}

// An arrow or a spring on free floor, or one of them back to floor.
void addOrRemoveTile(Room& room, SeededRandom& random) {
    const bool arrow = random.oneIn(2);
    const std::vector<int> tiles = cellsWith(room.stage.ground, [&](uint8_t code) {
        return arrow ? isArrow(code) : code == ground::LowSpring;
    });
    if (!tiles.empty() && random.oneIn(2)) {
        room.stage.ground[pick(tiles, random)] = ground::Floor;
        return;
    }
    // An arrow below a corridor would carry a wheel up it in one press.
    const int cell = anyCell(room, random, [&](int c) {
        const bool belowCorridor =
            std::find(room.corridors.begin(), room.corridors.end(), columnOf(c)) != room.corridors.end();
        return !kept(room, c) && !(arrow && belowCorridor) && !nearMover(room, c) &&
               room.stage.ground[c] == ground::Floor && room.stage.blocks[c] == block::Empty;
    });
    if (cell < 0) return;
    room.stage.ground[cell] = arrow ? static_cast<uint8_t>(ground::ArrowDown + random.below(4)) : ground::LowSpring;
}

void changeKeyAndLock(Room& room, SeededRandom& random) {
    const std::vector<int> locks = cellsWith(room.stage.ground, [](uint8_t code) { return code == ground::WhiteKeyPlate; });
    const std::vector<int> keys = cellsWith(room.stage.blocks, [](uint8_t code) { return code == block::Key; });
    if (locks.empty()) {
        addKeyAndLock(room, random);
    } else if (random.oneIn(2)) {
        for (int cell : locks) room.stage.ground[cell] = ground::Floor;
        for (int cell : keys) room.stage.blocks[cell] = block::Empty;
    } else if (!keys.empty()) {
        const int to = freeFloor(room, random);
        if (to >= 0) std::swap(room.stage.blocks[pick(keys, random)], room.stage.blocks[to]);
    }
}

}  // namespace

std::vector<int> roomCells(const Room& room) {
    std::vector<int> cells;
    for (int row = room.top; row <= room.bottom; ++row)
        for (int column = room.left; column <= room.right; ++column) cells.push_back(at(row, column));
    return cells;
}

Room seededRoom(SeededRandom& random) {
    Room room;
    Stage& stage = room.stage;
    stage.ground.fill(ground::Wall);
    stage.blocks.fill(block::Empty);

    // Two or three gaps, a wall between neighbouring corridors, the stairs'
    // corridor last with the fuse and the stairs right of it.
    const int gaps = random.oneIn(5) ? 3 : 2;
    int column = 0;
    for (int i = 0; i < gaps; ++i) {
        column += 2 + random.below(3);
        room.corridors.push_back(column);
    }
    if (room.corridors.back() > BoardSide - 4) room.corridors = {2 + random.below(3), 7 + random.below(5)};
    // Corridors of four to six cells; a room of three or four rows, no wider
    // than the corridors need and a little more, so that a candidate stays
    // small enough to judge in a blink.
    room.top = 6 + random.below(3);
    room.bottom = room.top + 2 + random.below(2);
    room.left = std::max(1, room.corridors.front() - 1 - random.below(2));
    room.right = std::min(BoardSide - 2, room.corridors.back() + 1 + random.below(3));

    const int last = room.corridors.back();
    stage.ground[at(1, 1)] = ground::Target;
    for (int c = 2; c <= last + 1; ++c) stage.ground[at(1, c)] = ground::BlueButton;
    for (int c : room.corridors) {
        stage.ground[at(1, c)] = ground::Floor;
        for (int row = 2; row < room.top; ++row) stage.ground[at(row, c)] = ground::Floor;
    }
    stage.ground[at(2, last + 1)] = ground::CrossedBox;
    stage.ground[at(2, last + 2)] = ground::Stairs;

    for (int cell : roomCells(room)) stage.ground[cell] = !kept(room, cell) && random.oneIn(5) ? ground::Wall : ground::Floor;
    // The wheels start in the lower half, far from the corridors' feet.
    for (size_t i = 0; i < room.corridors.size(); ++i) {
        const int cell = anyCell(room, random, [&](int c) {
            return rowOf(c) > room.top && stage.ground[c] == ground::Floor && stage.blocks[c] == block::Empty;
        });
        if (cell >= 0) stage.blocks[cell] = block::BlueWheel;
    }
    put(room, random, block::Player);
    put(room, random, block::BlackBall);
    if (random.oneIn(3)) addOrRemoveTile(room, random);
    if (random.oneIn(2)) addKeyAndLock(room, random);
    return room;
}

Room mutated(const Room& room, SeededRandom& random) {
    Room next = room;
    switch (random.below(7)) {
    case 0:
    case 1: toggleWall(next, random); break;
    case 2:
    case 3: moveBlock(next, random); break;
    case 4: addOrRemoveBall(next, random); break;
    case 5: addOrRemoveTile(next, random); break;
    default: changeKeyAndLock(next, random); break;
    }
    return next;
}

}  // namespace nerilo::generate
