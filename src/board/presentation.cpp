#include "board/presentation.h"

#include "board/fields.h"

namespace nerilo {

Text roundCommandCaption(RoundCommand command) {
    return command == RoundCommand::Start ? NERILO_TEXT("panel", "開始") : NERILO_TEXT("panel", "再挑戦");
}

Text paintLayerCaption(PaintLayer layer) {
    return layer == PaintLayer::Ground ? NERILO_TEXT("panel", "↑切り替え") : NERILO_TEXT("panel", "↓切り替え");
}

WindowView viewOf(const GameState& state) {
    WindowView view;
    view.stepsLeft = decimalText(state.stepsLeft);
    view.stageTitle = state.stageTitle;
    view.keysHeld = std::to_string(state.keysHeld);
    // A round cannot be started or retried on a board that is being edited.
    view.roundButton = {roundCommandCaption(state.roundCommand), !state.editing};
    view.openButton = {NERILO_TEXT("panel", "開く")};
    view.commentButton = {NERILO_TEXT("panel", "コメント")};
    view.stepTryButton = {NERILO_TEXT("panel", "歩数トライ"), true, state.stepTry ? Yellow : White};
    view.layerButton = {paintLayerCaption(state.paintLayer), state.editing};
    view.start = {!state.roundStarted && !state.editing, false};
    view.retry = {!state.editing, false};
    view.stepTry = {true, state.stepTry};
    view.blockMode = {state.blockModeUnlocked, state.extraMode == ExtraMode::Block};
    view.superMode = {state.superModeUnlocked, state.extraMode == ExtraMode::Super};
    view.editor = {true, state.editing};
    view.editorMenuVisible = state.editing;
    view.groundBrush = groundPicture(state.groundBrush);
    view.blockBrush = blockPicture(state.blockBrush);
    view.height = state.editing ? EditingHeight : PlayingHeight;
    return view;
}

}  // namespace nerilo
