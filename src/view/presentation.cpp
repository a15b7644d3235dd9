#include "view/presentation.h"

#include "game/game.h"
#include "model/fields.h"
#include "model/tile_names.h"

namespace nerilo {

Text roundCommandCaption(RoundCommand command) {
    return command == RoundCommand::Start ? NERILO_TEXT("panel", "開始") : NERILO_TEXT("panel", "再挑戦");
}

std::optional<Text> codeStageTitle(const SessionState& state, bool proven) {
    // In the editor a stage without a file is a new one, and says 新規.
    if (!state.stagePath.empty() || state.editing() || state.testPlaying()) return std::nullopt;
    if (proven) return NERILO_TEXT("codes", "クリア確認済み");
    return NERILO_TEXT("codes", "コード");
}

Text paintLayerCaption(PaintLayer layer) {
    return layer == PaintLayer::Ground ? NERILO_TEXT("panel", "↑切り替え") : NERILO_TEXT("panel", "↓切り替え");
}

std::vector<Text> keysAfterALoss() {
    return {NERILO_TEXT("panel", "Delete でリトライ"), NERILO_TEXT("panel", "Backspace で一手戻す")};
}

// The states in the order they take precedence: the editor stops the game, a
// lost game stays lost until Retry, test play says so (and, lost too, how to
// go back to the editor), a loaded stage waits for Start, and a stage left
// stopped after its clear had no next stage to go on to.
StatusView statusOf(const WorldState& world, const SessionState& state) {
    if (state.editing()) return {NERILO_TEXT("panel", "エディト中"), White, {NERILO_TEXT("panel", "F8 で終了")}};
    const Text backToTheEditor = NERILO_TEXT("panel", "Esc で編集に戻る");
    if (isLost(world)) {
        std::vector<Text> keys = keysAfterALoss();
        if (state.testPlaying()) keys.push_back(backToTheEditor);
        return {NERILO_TEXT("panel", "ミス！"), Red, keys};
    }
    if (state.testPlaying()) return {NERILO_TEXT("panel", "テストプレイ中"), Silver, {backToTheEditor}};
    if (!state.roundStarted) return {NERILO_TEXT("panel", "F1 で開始"), White, {}};
    if (world.ticking) return {NERILO_TEXT("panel", "プレイ中"), Silver, {}};
    const bool allCleared = state.progressLevel == ProgressLevel::AllCleared ||
                            state.progressLevel == ProgressLevel::AllClearedStepTry;
    return {allCleared ? NERILO_TEXT("panel", "全ステージクリア！") : NERILO_TEXT("panel", "クリア！"),
            allCleared ? Yellow : Green, {NERILO_TEXT("panel", "F3 でステージ選択")}};
}

WindowView viewOf(const WorldState& world, const SessionState& state) {
    WindowView view;
    view.stepsLeft = decimalText(world.stepsLeft);
    view.stepsLeftTip = world.stepTry ? NERILO_TEXT("panel", "歩数：歩数トライ中は一歩ごとに 1 減り、0 になるとミス")
                                      : NERILO_TEXT("panel", "歩数：歩数トライ（F5）のときだけ数えます");
    view.stageTitle = state.stagePath.empty() ? NERILO_TEXT("panel", "新規") : Text::words(stageTitle(state));
    view.keysHeld = std::to_string(world.keysHeld);
    // A round cannot be started or retried on a board that is being edited.
    // Test play keeps the editor's menu and palettes in sight, but only the
    // round's commands and the test play entry work.
    const bool testing = state.testPlaying();
    view.roundButton = {roundCommandCaption(state.roundCommand), !state.editing()};
    view.openButton = {NERILO_TEXT("panel", "開く"), !testing};
    view.commentButton = {NERILO_TEXT("panel", "コメント")};
    view.stepTryButton = {NERILO_TEXT("panel", "歩数トライ"), !testing, world.stepTry ? Yellow : White};
    view.layerButton = {paintLayerCaption(state.paintLayer), state.editing()};
    view.editorMenuVisible = state.editing() || testing;
    view.palettesEnabled = state.editing();
    view.status = statusOf(world, state);
    // The editor opens its stages with its own 開く.
    view.stageListButton = {NERILO_TEXT("panel", "ステージ一覧"), !state.editing() && !testing};
    view.groundBrush = groundPicture(state.groundBrush);
    view.blockBrush = blockPicture(state.blockBrush);
    view.height = state.editing() || testing ? EditingHeight : PlayingHeight;
    return view;
}

namespace {

// What a cell shows on top: a block that stands there (an empty one and the
// stipple are no blocks to a reader), else its ground.
Text cellName(const WorldState& world, int cell) {
    for (int k = 0; k < CellCount; ++k)
        if (world.blockCell[k] == cell && k != world.playerBlock && world.blocks[k].code != block::Empty &&
            world.blocks[k].code != block::Stipple)
            return blockName(world.blocks[k].code);
    return groundName(world.ground[cell].code);
}

}  // namespace

Text boardDescription(const WorldState& world, const Text& stageTitle) {
    const int cell = world.blockCell[world.playerBlock];
    Text around = NERILO_TEXT("board", "左は%1、右は%2、上は%3、下は%4");
    for (int d = 0; d < DirectionCount; ++d)
        around = around.arg(hasNeighbour(cell, d) ? cellName(world, neighbourOf(cell, d)) : NERILO_TEXT("board", "盤の外"));
    return NERILO_TEXT("board", "%1。プレイヤーは %2 列 %3 行、%4の上。%5。鍵 %6 個、歩数 %7")
        .arg(stageTitle)
        .arg(std::to_string(columnOf(cell) + 1))
        .arg(std::to_string(rowOf(cell) + 1))
        .arg(groundName(world.ground[cell].code))
        .arg(around)
        .arg(std::to_string(world.keysHeld))
        .arg(decimalText(world.stepsLeft));
}

WindowView viewOf(const Game& game) {
    WindowView view = viewOf(game.world().state(), game.session());
    if (std::optional<Text> title = codeStageTitle(game.session(), game.stages().proofInPlay() != nullptr)) view.stageTitle = *title;
    return view;
}

}  // namespace nerilo
