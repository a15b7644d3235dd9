#include "board/presentation.h"

#include "board/fields.h"

namespace nerilo {

std::string roundCommandCaption(RoundCommand command) { return command == RoundCommand::Start ? "開始" : "再挑戦"; }

std::string paintLayerCaption(PaintLayer layer) { return layer == PaintLayer::Ground ? "↑切り替え" : "↓切り替え"; }

WindowView viewOf(const GameState& state, UndoView undo) {
    WindowView view;
    view.stepsLeft = decimalText(state.stepsLeft);
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
