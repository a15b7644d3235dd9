#include "game/commands.h"
#include "game/searches.h"

#include "game/game.h"

namespace nerilo {
namespace {

using Context = CommandContext;

// A round cannot be started or retried on a board that is being edited. Test
// play keeps the editor's menu in sight, but only the round's commands and
// the test play entry work.
CommandState start(const Context& c) { return {!c.session.roundStarted && !c.session.editing()}; }
CommandState retry(const Context& c) { return {!c.session.editing()}; }
CommandState undo(const Context& c) { return {c.canUndo}; }
CommandState redo(const Context& c) { return {c.canRedo}; }
CommandState hint(const Context& c) { return {mayStartSearch(c.world, c.session, c.playbackRunning)}; }
CommandState notInTestPlay(const Context& c) { return {!c.session.testPlaying()}; }
// The editor opens its stages with its own 開く.
CommandState stageList(const Context& c) { return {!c.session.editing() && !c.session.testPlaying()}; }
CommandState always(const Context&) { return {}; }
CommandState stepTry(const Context& c) { return {!c.session.testPlaying(), c.world.stepTry}; }
CommandState blockMode(const Context& c) {
    return {c.session.blockModeUnlocked && !c.session.testPlaying(), c.world.extraMode == ExtraMode::Block};
}
CommandState superMode(const Context& c) {
    return {c.session.superModeUnlocked && !c.session.testPlaying(), c.world.extraMode == ExtraMode::Super};
}
CommandState editor(const Context& c) { return {!c.session.testPlaying(), c.session.editing()}; }
CommandState editing(const Context& c) { return {c.session.editing()}; }
// Ctrl+Z and Ctrl+Y undo painting only in the editor itself; in a round they undo presses.
CommandState undoEdit(const Context& c) { return {c.canUndoEdit}; }
CommandState redoEdit(const Context& c) { return {c.canRedoEdit}; }
CommandState testPlay(const Context& c) {
    return {c.session.editing() || c.session.testPlaying(), c.session.testPlaying()};
}

constexpr Shortcut F(std::string_view key) { return {key}; }
constexpr Shortcut Ctrl(std::string_view key) { return {key, ControlModifier}; }

constexpr Shortcut StartKeys[] = {F("F1")}, RetryKeys[] = {F("F2")}, OpenKeys[] = {F("F3")},
                   QuitKeys[] = {F("F4")}, StepTryKeys[] = {F("F5"), Ctrl("M")}, BlockModeKeys[] = {F("F6")},
                   SuperModeKeys[] = {F("F7")}, EditorKeys[] = {F("F8")}, StageListKeys[] = {F("F9")},
                   TestPlayKeys[] = {F("F10")}, FindSolutionKeys[] = {F("F11")}, HintKeys[] = {Ctrl("H")},
                   StartOverKeys[] = {Ctrl("T")}, UndoEditKeys[] = {Ctrl("Z")}, RedoEditKeys[] = {Ctrl("Y")};
// Step-try mode has a second key for the page, where F5 reloads.
// Ctrl+Z undoes: it no longer reaches the game as the action key.
constexpr Shortcut UndoKeys[] = {F("Backspace"), Ctrl("Z")};
constexpr Shortcut RedoKeys[] = {Ctrl("Y"), {"Z", ControlModifier | ShiftModifier}};

using M = CommandMenu;

std::span<const Command> table() {
    static const Command table[] = {
        {"start", NERILO_TEXT("commands", "開始(&K)"), M::Game, StartKeys, false, false, start,
         [](Game& g) { g.startRound(); }},
        {"retry", NERILO_TEXT("commands", "リトライ(&R)"), M::Game, RetryKeys, false, false, retry,
         [](Game& g) { g.retryRound(); }},
        {"undo", NERILO_TEXT("commands", "元に戻す(&U)"), M::Game, UndoKeys, false, false, undo,
         [](Game& g) { g.round().undo(); }},
        {"redo", NERILO_TEXT("commands", "やり直し(&Y)"), M::Game, RedoKeys, false, false, redo,
         [](Game& g) { g.round().redo(); }},
        {"hint", NERILO_TEXT("commands", "ヒント(&H)"), M::Game, HintKeys, false, false, hint, nullptr},
        {"openStage", NERILO_TEXT("commands", "ステージ選択(&S)"), M::Game, OpenKeys, false, false, notInTestPlay,
         [](Game& g) { g.stages().open(); }},
        {"copyStageCode", NERILO_TEXT("commands", "コードをコピー(&D)"), M::Game, {}, false, false, notInTestPlay,
         [](Game& g) { g.stages().copyCode(); }},
        {"openStageCode", NERILO_TEXT("commands", "コードから開く(&P)"), M::Game, {}, false, false, notInTestPlay,
         nullptr},
        {"dailyStage", NERILO_TEXT("commands", "今日のステージ(&G)"), M::Game, {}, false, false, stageList,
         [](Game& g) { g.daily().open(); }},
        {"stageList", NERILO_TEXT("commands", "ステージ一覧(&L)"), M::Game, StageListKeys, false, false, stageList,
         nullptr},
        {"startOver", NERILO_TEXT("commands", "中止(&T)"), M::Game, StartOverKeys, false, false, notInTestPlay,
         [](Game& g) { g.startOver(); }},
        {"quit", NERILO_TEXT("commands", "終了(&X)"), M::Game, QuitKeys, false, true, always,
         [](Game& g) { g.quit(); }},
        {"stepTry", NERILO_TEXT("commands", "歩数トライ(&T)"), M::Options, StepTryKeys, true, false, stepTry,
         [](Game& g) { g.toggleStepTry(); }},
        {"blockMode", NERILO_TEXT("commands", "ブロックモード(&M)"), M::Options, BlockModeKeys, true, false, blockMode,
         [](Game& g) { g.toggleBlockMode(); }},
        {"superMode", NERILO_TEXT("commands", "スーパーモード(&N)"), M::Options, SuperModeKeys, true, false, superMode,
         [](Game& g) { g.toggleSuperMode(); }},
        {"editor", NERILO_TEXT("commands", "エディトモード(&E)"), M::Options, EditorKeys, true, true, editor,
         [](Game& g) { g.editor().toggle(); }},
        {"comment", NERILO_TEXT("commands", "コメント(&C)"), M::Bar, {}, false, false, always,
         [](Game& g) { g.stages().showComment(); }},
        {"newStage", NERILO_TEXT("commands", "新規(&N)"), M::Editor, {}, false, false, editing,
         [](Game& g) { g.editor().newStage(); }},
        {"openInEditor", NERILO_TEXT("commands", "開く(&O)"), M::Editor, {}, false, false, editing,
         [](Game& g) { g.stages().open(); }},
        {"saveStage", NERILO_TEXT("commands", "保存(&S)"), M::Editor, {}, false, false, editing,
         [](Game& g) { g.stages().save(); }},
        {"copyStageCodeInEditor", NERILO_TEXT("commands", "コードをコピー(&D)"), M::Editor, {}, false, false, editing,
         [](Game& g) { g.stages().copyCode(); }},
        {"undoEdit", NERILO_TEXT("commands", "元に戻す(&U)"), M::Editor, UndoEditKeys, false, true, undoEdit,
         [](Game& g) { g.editor().undo(); }},
        {"redoEdit", NERILO_TEXT("commands", "やり直す(&R)"), M::Editor, RedoEditKeys, false, false, redoEdit,
         [](Game& g) { g.editor().redo(); }},
        {"editStepTarget", NERILO_TEXT("commands", "歩数設定(&T)"), M::Editor, {}, false, true, editing,
         [](Game& g) { g.editor().editStepTarget(); }},
        {"editComment", NERILO_TEXT("commands", "コメント設定(&C)"), M::Editor, {}, false, false, editing,
         [](Game& g) { g.editor().editComment(); }},
        {"testPlay", NERILO_TEXT("commands", "テストプレイ(&P)"), M::Editor, TestPlayKeys, true, true, testPlay,
         [](Game& g) { g.editor().toggleTestPlay(); }},
        {"findSolution", NERILO_TEXT("commands", "解を探す(&F)"), M::Editor, FindSolutionKeys, false, false, editing,
         nullptr},
    };
    return table;
}

}  // namespace

Text menuCaption(CommandMenu menu) {
    switch (menu) {
    case CommandMenu::Game: return NERILO_TEXT("commands", "メニュー(&M)");
    case CommandMenu::Options: return NERILO_TEXT("commands", "設定(&O)");
    case CommandMenu::Editor: return NERILO_TEXT("commands", "エディトモード(&E)");
    case CommandMenu::Bar: break;
    }
    return {};
}

CommandContext commandContext(const Game& game) {
    return {game.world().state(), game.session(),     game.round().canUndo(),         game.round().canRedo(),
            game.editor().canUndo(), game.editor().canRedo(), game.round().playbackRunning()};
}

std::span<const Command> commands() { return table(); }

const Command* findCommand(std::string_view id) {
    for (const Command& command : table())
        if (command.id == id) return &command;
    return nullptr;
}

// None is offered while a command waits for its search.
CommandState commandState(const Game& game, const Command& command) {
    CommandState state = command.state(commandContext(game));
    if (game.searches().awaiting()) state.enabled = false;
    return state;
}

bool runCommand(Game& game, std::string_view id) {
    const Command* command = findCommand(id);
    if (!command || !command->run) return false;
    command->run(game);
    return true;
}

}  // namespace nerilo
