#pragma once
// A tiny stage built in code, loaded through the Open command into a real
// Game on a scripted platform, and played with the key letters.
#include <filesystem>
#include <string>
#include <string_view>

#include "game/commands.h"
#include "game/game.h"
#include "game_set_up.h"
#include "view/presentation.h"
#include "model/stage_file.h"
#include "game/key_script.h"
#include "tools/scripted_platform.h"

namespace nerilo::test {

constexpr int cell(int row, int column) { return row * BoardSide + column; }

// A command of the table as the menus offer it now.
inline CommandState offered(const Game& game, std::string_view id) { return commandState(game, *findCommand(id)); }
inline CommandState offered(const WorldState& world, const SessionState& session, std::string_view id) {
    return findCommand(id)->state({world, session});
}

// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string file(std::string_view name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

class TestGame {
public:
    TestGame();

    TestGame& ground(int at, uint8_t code);
    TestGame& block(int at, uint8_t code);
    TestGame& comment(std::string text);
    TestGame& target(long long steps);

    // Writes the stage as name in the program folder's "stage" folder and
    // opens it with the Open command.
    void load(const std::string& name = "test.txt");
    // load() followed by Start.
    void start(const std::string& name = "test.txt");
    Replay play(std::string_view keys, long long maxTicks = 2000);
    // Ticks until the keyboard is free or the game has stopped.
    void settle();

    int player() const { return engine.playerCell(); }
    World& world() { return GameSetUp::world(engine); }
    const World& world() const { return engine.world(); }
    SessionState& session() { return GameSetUp::session(engine); }
    const SessionState& session() const { return engine.session(); }
    Progress& progress() { return GameSetUp::progress(engine); }
    const Progress& progress() const { return engine.playerData().progress(); }
    RecordBook& records() { return GameSetUp::records(engine); }
    GameSnapshot snapshot() const { return engine.snapshot(); }
    // The block holding `code` that stands on `at`, or -1.
    int blockOn(int at, uint8_t code) const;
    std::string stageFile(const std::string& name) const;

    TempDir dir;
    ScriptedPlatform platform;
    Game engine;
    Stage stage;
};

// A walled corridor: stairs two cells left of the player, an arrow to the right
// that carries him away for good, and a powered yellow plate above the cell in between.
void trapStage(TestGame& game);

}  // namespace nerilo::test
