#include "board/presentation.h"

#include "board/fields.h"
#include "board/game.h"

namespace nerilo {

std::string roundCommandCaption(RoundCommand command) { return command == RoundCommand::Start ? "開始" : "再挑戦"; }

std::string paintLayerCaption(PaintLayer layer) { return layer == PaintLayer::Ground ? "↑切り替え" : "↓切り替え"; }

WindowView viewOf(const GameState& state) {
    WindowView view;
    view.stepsLeft = decimalText(state.stepsLeft);
    view.stageTitle = state.stageTitle;
    view.keysHeld = std::to_string(state.keysHeld);
    // A round cannot be started or retried on a board that is being edited.
    // Test play keeps the editor's menu and palettes in sight, but only the
    // round's commands and the test play entry work.
    const bool testing = state.testPlaying;
    view.roundButton = {roundCommandCaption(state.roundCommand), !state.editing};
    view.openButton = {"開く", !testing};
    view.commentButton = {"コメント"};
    view.stepTryButton = {"歩数トライ", !testing, state.stepTry ? Yellow : White};
    view.layerButton = {paintLayerCaption(state.paintLayer), state.editing};
    view.start = {!state.roundStarted && !state.editing, false};
    view.retry = {!state.editing, false};
    view.stepTry = {!testing, state.stepTry};
    view.blockMode = {state.blockModeUnlocked && !testing, state.extraMode == ExtraMode::Block};
    view.superMode = {state.superModeUnlocked && !testing, state.extraMode == ExtraMode::Super};
    view.editor = {!testing, state.editing};
    view.openStage = {!testing, false};
    view.startOver = {!testing, false};
    view.editCommand = {state.editing, false};
    view.testPlay = {state.editing || testing, testing};
    view.undoEdit = view.redoEdit = {false, false};
    view.editorMenuVisible = state.editing || testing;
    view.palettesEnabled = state.editing;
    view.groundBrush = groundPicture(state.groundBrush);
    view.blockBrush = blockPicture(state.blockBrush);
    view.height = state.editing || testing ? EditingHeight : PlayingHeight;
    return view;
}

WindowView viewOf(const Game& game) {
    WindowView view = viewOf(game.state());
    view.undoEdit.enabled = game.canUndoEdit();
    view.redoEdit.enabled = game.canRedoEdit();
    return view;
}

}  // namespace nerilo
