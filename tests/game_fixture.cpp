#include "game_fixture.h"

#include <random>
#include <stdexcept>

namespace nerilo::test {

TempDir::TempDir() {
    std::random_device seed;
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = std::filesystem::temp_directory_path() / ("nerilo-test-" + std::to_string(seed()));
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("no temporary folder");
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

TestGame::TestGame() : platform(dir.path().string()), engine(platform) {
    std::filesystem::create_directory(dir.path() / "stage");
    engine.seedRandom(1);
    stage.stepTarget = 200;
}

TestGame& TestGame::ground(int at, uint8_t code) {
    stage.ground[at] = code;
    return *this;
}

TestGame& TestGame::block(int at, uint8_t code) {
    stage.blocks[at] = code;
    return *this;
}

TestGame& TestGame::comment(std::string text) {
    stage.comment = std::move(text);
    return *this;
}

TestGame& TestGame::target(long long steps) {
    stage.stepTarget = steps;
    return *this;
}

std::string TestGame::stageFile(const std::string& name) const { return (dir.path() / "stage" / name).string(); }

void TestGame::load(const std::string& name) {
    const std::string path = stageFile(name);
    if (!writeStageFile(path, stage).empty()) throw std::runtime_error("cannot write " + path);
    platform.fileAnswers.push_back(path);
    engine.stages().open();
    if (engine.session().stagePath != path) throw std::runtime_error("cannot load " + path);
}

void TestGame::start(const std::string& name) {
    load(name);
    engine.startRound();
}

Replay TestGame::play(std::string_view keys, long long maxTicks) {
    Replay replay;
    if (!playKeys(engine, keys, maxTicks, replay)) throw std::runtime_error("unknown key letter");
    return replay;
}

void TestGame::settle() {
    for (int i = 0; i < 1000 && engine.world().state().ticking && engine.world().state().inputLocked; ++i) engine.tick();
}

int TestGame::blockOn(int at, uint8_t code) const {
    for (int k = 0; k < CellCount; ++k)
        if (engine.world().state().blockCell[k] == at && engine.world().state().blocks[k].code == code) return k;
    return -1;
}

void trapStage(TestGame& game) {
    for (int c = 2; c <= 9; ++c) game.ground(cell(4, c), ground::Wall).ground(cell(6, c), ground::Wall);
    game.ground(cell(5, 2), ground::Wall).ground(cell(5, 9), ground::Wall);
    game.ground(cell(5, 3), ground::Stairs).ground(cell(5, 6), ground::ArrowRight);
    game.ground(cell(4, 4), ground::YellowPlate).ground(cell(3, 4), ground::Target);
    game.block(cell(5, 5), block::Player);
}

}  // namespace nerilo::test
