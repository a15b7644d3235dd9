// nerilo-sim: plays a stage with the game's own engine, without a window, and
// prints what came of it as one JSON object.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <nlohmann/json.hpp>
#include <unistd.h>

#include "game/game.h"
#include "model/fields.h"
#include "view/presentation.h"
#include "model/progress_file.h"
#include "game/key_script.h"
#include "tools/scripted_platform.h"

namespace {

using nerilo::CellCount;
using nlohmann::json;

std::string executableFolder() {
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : exe.parent_path().string();
}

json report(const nerilo::Game& game, const nerilo::ScriptedPlatform& platform, const nerilo::Replay& replay) {
    const nerilo::WorldState& s = game.world().state();
    const nerilo::SessionState& session = game.session();
    json ground = json::array(), blocks = json::array(), power = json::array(), marks = json::array();
    for (int i = 0; i < CellCount; ++i) {
        ground.push_back(s.ground[i].code);
        power.push_back(std::string(nerilo::powerText(s.ground[i].power)));
        if (s.blocks[i].code != 0) blocks.push_back({i, s.blockCell[i], s.blocks[i].code});
        if (s.overlays[i].marked) marks.push_back(i);
    }
    json messages = json::array();
    for (const auto& message : platform.messages) messages.push_back(message.text);
    // Flags print as the numbers -1 (set) and 0, as they always have.
    auto flag = [](bool set) { return set ? -1 : 0; };
    return {
        {"stage", stageTitle(session)},
        {"ticks", replay.ticks},
        {"clears", platform.clears.size()},
        {"endings", platform.endings.size()},
        {"lost", game.isLost()},
        {"stuck", replay.stuck},
        {"timer", s.ticking},
        {"input_lock", flag(s.inputLocked)},
        {"move_kind", static_cast<int>(s.moveKind)},
        {"kick_active", flag(s.kickInProgress)},
        {"counter", nerilo::decimalText(s.stepsLeft)},
        {"target", nerilo::decimalText(s.stepTarget)},
        {"keys", s.keysHeld},
        {"player", s.blockCell[s.playerBlock]},
        {"player_block", s.playerBlock},
        {"moving_block", s.movingBlock},
        {"command1", nerilo::roundCommandCaption(session.roundCommand).japanese()},
        {"ground", ground},
        {"blocks", blocks},
        {"power", power},
        {"marks", marks},
        {"progress", game.playerData().progress()},
        {"mode_level", static_cast<int>(session.progressLevel)},
        {"messages", messages},
        {"undo_depth", game.round().history().undoDepth()},
        {"redo_depth", game.round().history().redoDepth()},
    };
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Plays a Nerilo stage without a window and prints the outcome as JSON."};
    std::string stageFile, keys, progress, programDir = executableFolder();
    bool noStart = false, stepTry = false, blockMode = false, superMode = false, events = false;
    long long maxTicks = nerilo::PressTickCap;
    std::optional<uint32_t> seed;
    app.add_option("STAGE_FILE", stageFile, "stage file to load")->required();
    // An empty value (--keys=) means no keys, not "take the next argument".
    app.add_option("--keys", keys, "key letters to deliver: L R U D, l r u d (Shift), Z E _ X S T, B (undo) F (redo) Q (start over), .")->expected(0, 1);
    app.add_flag("--no-start", noStart, "do not run the Start command after loading");
    app.add_flag("--step-try", stepTry, "step-try mode on before loading");
    auto* block = app.add_flag("--block-mode", blockMode, "block mode on before loading");
    app.add_flag("--super-mode", superMode, "super mode on before loading")->excludes(block);
    app.add_option("--seed", seed, "seed of the random generator (super mode)");
    app.add_option("--progress", progress, "30 comma-separated stage records");
    auto* folder = app.add_option("--program-dir", programDir,
                                  "the program folder, holding stage/ for the next stages; clears write its data.nrl");
    app.add_flag("--events", events, "add \"events\": the names of what happened, in order");
    app.add_option("--max-ticks", maxTicks, "tick cap per letter")->check(CLI::PositiveNumber);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        int code = app.exit(e);
        return code == 0 ? 0 : 2;
    }
    for (char letter : keys) {
        if (!nerilo::isKeyLetter(letter)) {
            std::cerr << "nerilo-sim: unknown key letter '" << letter << "'\n";
            return 2;
        }
    }

    nerilo::ScriptedPlatform platform(programDir);
    // One run writes once: a clear given up on at a busy lock would be lost,
    // and a tool has no window to keep alive while it waits.
    platform.patience = std::chrono::minutes(1);
    // The progress played here is made up: it is written only into a folder the
    // caller named, never over the progress of a player of the installed game.
    platform.keepsFiles = folder->count() > 0;
    nerilo::Game game(platform);
    // Its clears are records there too, merged into the folder's records file.
    if (folder->count() > 0) game.openRecords();
    game.seedRandom(seed ? *seed : static_cast<uint32_t>(::getpid() ^ ::time(nullptr)));
    nerilo::Progress assumed{};
    if (!progress.empty()) {
        // The list has the progress file's own form, so its reader checks it.
        const nerilo::ProgressRead read = nerilo::parseProgress(progress);
        if (!read.ok()) {
            std::cerr << "nerilo-sim: --progress needs 30 comma-separated numbers from 0 to 255\n";
            return 2;
        }
        assumed = read.progress;
    }
    game.assumeProgress(assumed);
    game.assumeModes(stepTry, superMode   ? nerilo::ExtraMode::Super
                              : blockMode ? nerilo::ExtraMode::Block
                                          : nerilo::ExtraMode::None);

    std::error_code error;
    const std::string path = std::filesystem::absolute(stageFile, error).string();
    platform.fileAnswers.push_back(path);
    game.stages().open();
    if (game.session().stagePath != path) {
        std::cerr << "nerilo-sim: " << (platform.messages.empty() ? "cannot load " + stageFile : platform.messages.back().text)
                  << "\n";
        return 2;
    }
    nerilo::Replay replay;
    if (!noStart) game.startRound();
    nerilo::playKeys(game, keys, maxTicks, replay);
    json result = report(game, platform, replay);
    // Only on request: without it the output stays as it always was.
    if (events) {
        json names = json::array();
        for (nerilo::Event event : platform.events) names.push_back(nerilo::eventName(event));
        result["events"] = names;
    }
    std::cout << result.dump() << "\n";
    return 0;
}
