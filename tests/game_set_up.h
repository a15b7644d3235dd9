#pragma once
// A test's, a benchmark's or a fuzz target's way into a Game, to set up a
// position or a player's files the way a test needs them.
#include "game/game.h"

namespace nerilo {

struct GameSetUp {
    static World& world(Game& game) { return game.world_; }
    static WorldState& state(Game& game) { return game.world_.setUp(); }
    static SessionState& session(Game& game) { return game.session_; }
    static Progress& progress(Game& game) { return game.player_.progress_; }
    static RecordBook& records(Game& game) { return game.player_.records_; }
    // What the front end's commands and clock ticks do after them.
    static void followSearches(Game& game) { game.searches_.follow(); }
    // A dead end entered, as a new press into one counts it.
    static void countDeadEnd(Game& game) { game.countDeadEnd(); }
    // Rules that a test drives one at a time.
    static void loseGame(World& world) { world.loseGame(); }
    static void transformVacatedCell(World& world) { world.transformVacatedCell(); }
};

}  // namespace nerilo
