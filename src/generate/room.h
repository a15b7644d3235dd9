#pragma once
// The rooms the generator searches over. A room is a stage of one shape: a
// power line along the top from a target to a fuse that guards the stairs,
// broken by gaps that only a wheel pushed up a corridor from the room below
// can close; the room itself, its walls, blocks and tiles, is what the search
// changes. The shape keeps every candidate a puzzle of the game's own kind;
// what makes it deep is left to the search and proven by the solver.
#include <vector>

#include "generate/seeded_random.h"
#include "model/stage_file.h"

namespace nerilo::generate {

struct Room {
    Stage stage;
    int top = 0;                // first and last row of the room below the corridors
    int bottom = 0;
    int left = 0;               // first and last column of the room
    int right = 0;
    std::vector<int> corridors; // columns, left to right; the last one leads to the stairs
};

// A new room drawn from `random`: the power line, the corridors, a room with
// a few walls, a wheel for every gap, the player, balls and now and then an
// arrow, a spring or a key with its lock.
Room seededRoom(SeededRandom& random);

// `room` with one change: a wall put up or taken down, a block moved, a ball,
// an arrow, a spring or a key and its lock added or taken away. The power
// line and the corridors stay; the stage keeps one player and a wheel per gap.
Room mutated(const Room& room, SeededRandom& random);

// Cells of the room proper (not the line or the corridors), row by row.
std::vector<int> roomCells(const Room& room);

}  // namespace nerilo::generate
