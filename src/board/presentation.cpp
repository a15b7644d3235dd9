#include "board/presentation.h"

#include "board/fields.h"
#include "board/game.h"

namespace nerilo {

std::string roundCommandCaption(RoundCommand command) { return command == RoundCommand::Start ? "開始" : "再挑戦"; }

std::string paintLayerCaption(PaintLayer layer) { return layer == PaintLayer::Ground ? "↑切り替え" : "↓切り替え"; }

std::vector<std::string> keysAfterALoss() { return {"Delete でリトライ", "Backspace で一手戻す"}; }

// The states in the order they take precedence: the editor stops the game, a
// lost game stays lost until Retry, a loaded stage waits for Start, and a stage
// left stopped after its clear had no next stage to go on to.
StatusView statusOf(const GameState& state) {
    if (state.editing) return {"エディト中", White, {"F8 で終了"}};
    if (isLost(state)) return {"ミス！", Red, keysAfterALoss()};
    if (!state.roundStarted) return {"F1 で開始", White, {}};
    if (state.ticking) return {"プレイ中", Silver, {}};
    const bool allCleared = state.progressLevel == ProgressLevel::AllCleared ||
                            state.progressLevel == ProgressLevel::AllClearedStepTry;
    return {allCleared ? "全ステージクリア！" : "クリア！", allCleared ? Yellow : Green, {"F3 でステージ選択"}};
}

WindowView viewOf(const GameState& state, UndoView undo) {
    WindowView view;
    view.stepsLeft = decimalText(state.stepsLeft);
    view.stepsLeftTip = state.stepTry ? "歩数：歩数トライ中は一歩ごとに 1 減り、0 になるとミス"
                                      : "歩数：歩数トライ（F5）のときだけ数えます";
    view.stageTitle = state.stageTitle;
    view.keysHeld = std::to_string(state.keysHeld);
    // A round cannot be started or retried on a board that is being edited.
    view.roundButton = {roundCommandCaption(state.roundCommand), !state.editing};
    view.openButton = {"開く"};
    view.commentButton = {"コメント"};
    view.stepTryButton = {"歩数トライ", true, state.stepTry ? Yellow : White};
    view.layerButton = {paintLayerCaption(state.paintLayer), state.editing};
    view.start = {!state.roundStarted && !state.editing, false};
    view.retry = {!state.editing, false};
    view.stepTry = {true, state.stepTry};
    view.blockMode = {state.blockModeUnlocked, state.extraMode == ExtraMode::Block};
    view.superMode = {state.superModeUnlocked, state.extraMode == ExtraMode::Super};
    view.editor = {true, state.editing};
    view.editorMenuVisible = state.editing;
    view.status = statusOf(state);
    view.undo = {undo.canUndo, false};
    view.redo = {undo.canRedo, false};
    // The editor opens its stages with its own 開く.
    view.stageList = {!state.editing, false};
    view.stageListButton = {"ステージ一覧", !state.editing};
    view.groundBrush = groundPicture(state.groundBrush);
    view.blockBrush = blockPicture(state.blockBrush);
    view.height = state.editing ? EditingHeight : PlayingHeight;
    return view;
}

}  // namespace nerilo
