// nerilo-sim: plays a stage with the game's own engine, without a window, and
// prints what came of it as one JSON object.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <nlohmann/json.hpp>
#include <unistd.h>

#include "board/form1.h"
#include "board/progress_file.h"
#include "input/key_letters.h"
#include "tools/scripted_platform.h"

namespace {

using nerilo::CellCount;
using nlohmann::json;

std::string executableFolder() {
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : exe.parent_path().string();
}

json report(const nerilo::Form1& form, const nerilo::ScriptedPlatform& platform, const nerilo::Replay& replay) {
    json ground = json::array(), blocks = json::array(), power = json::array(), marks = json::array();
    for (int i = 0; i < CellCount; ++i) {
        ground.push_back(form.Ji[i].code);
        power.push_back(std::string(nerilo::powerText(form.Ji[i].power)));
        if (form.Block[i].code != 0) blocks.push_back({i, form.BlockCell[i], form.Block[i].code});
        if (form.BeemPic[i].marked) marks.push_back(i);
    }
    json messages = json::array();
    for (const auto& message : platform.messages) messages.push_back(message.text);
    return {
        {"stage", form.StageName.caption},
        {"ticks", replay.ticks},
        {"clears", platform.clears.size()},
        {"endings", platform.endings.size()},
        {"lost", form.isLost()},
        {"stuck", replay.stuck},
        {"timer", form.Timer1Enabled},
        {"input_lock", form.InputLock},
        {"move_kind", form.MoveKind},
        {"kick_active", form.KickActive},
        {"counter", form.Label1.caption},
        {"target", form.Label1.tag},
        {"keys", form.KeyCount},
        {"player", form.BlockCell[form.PlayerBlock]},
        {"player_block", form.PlayerBlock},
        {"moving_block", form.MovingBlock},
        {"command1", form.Command1.caption},
        {"ground", ground},
        {"blocks", blocks},
        {"power", power},
        {"marks", marks},
        {"progress", form.StageProgress},
        {"mode_level", form.ModeLevel},
        {"messages", messages},
    };
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Plays a Nerilo stage without a window and prints the outcome as JSON."};
    std::string stageFile, keys, progress, programDir = executableFolder();
    bool noStart = false, stepTry = false, blockMode = false, superMode = false;
    long long maxTicks = 10000;
    std::optional<uint32_t> seed;
    app.add_option("STAGE_FILE", stageFile, "stage file to load")->required();
    app.add_option("--keys", keys, "key letters to deliver: L R U D, l r u d (Shift), Z E _ X S T .");
    app.add_flag("--no-start", noStart, "do not run the Start command after loading");
    app.add_flag("--step-try", stepTry, "step-try mode on before loading");
    auto* block = app.add_flag("--block-mode", blockMode, "block mode on before loading");
    app.add_flag("--super-mode", superMode, "super mode on before loading")->excludes(block);
    app.add_option("--seed", seed, "seed of the random generator (super mode)");
    app.add_option("--progress", progress, "30 comma-separated stage records");
    app.add_option("--program-dir", programDir, "the program folder, holding stage/ for the next stages");
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
    nerilo::Form1 form(platform);
    form.seedRandom(seed ? *seed : static_cast<uint32_t>(::getpid() ^ ::time(nullptr)));
    if (!progress.empty()) {
        // The list has the progress file's own form, so its reader checks it.
        const nerilo::ProgressRead read = nerilo::parseProgress(progress);
        if (!read.ok()) {
            std::cerr << "nerilo-sim: --progress needs 30 comma-separated numbers from 0 to 255\n";
            return 2;
        }
        form.StageProgress = read.progress;
    }
    form.ModeLevel = 3;
    form.MGCheck();
    if (stepTry) {
        form.Tokein.checked = true;
        form.Check2.foreColor = nerilo::Yellow;
    }
    form.Minigame.checked = blockMode;
    form.Minigame2.checked = superMode;

    std::error_code error;
    const std::string path = std::filesystem::absolute(stageFile, error).string();
    platform.fileAnswers.push_back(path);
    form.hiraku_Click();
    if (form.StagePath != path) {
        std::cerr << "nerilo-sim: " << (platform.messages.empty() ? "cannot load " + stageFile : platform.messages.back().text)
                  << "\n";
        return 2;
    }
    nerilo::Replay replay;
    if (!noStart) form.kaisi_Click();
    nerilo::playKeys(form, keys, maxTicks, replay);
    std::cout << report(form, platform, replay).dump() << "\n";
    return 0;
}
