#pragma once
// The game: one GameState and every rule that changes it. The procedures are
// defined in the subsystem folders (board, input, tick, power, modes, editor,
// history, records); everything the rules need from the desktop goes through the Platform.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "board/game_state.h"
#include "board/platform.h"
#include "board/stage_file.h"
#include "editor/edit_history.h"
#include "history/history.h"
#include "power/circuit.h"
#include "records/playback.h"
#include "records/record_book.h"

namespace nerilo {

// The keys the game reacts to. Z, Enter and Space are all the action key;
// Escape ends test play; any other key still counts as the round's first key press.
enum class Key : uint8_t { Left, Right, Up, Down, Delete, Action, Other, Escape };
using Modifiers = uint8_t;
constexpr Modifiers NoModifiers = 0, ShiftModifier = 1, ControlModifier = 2, AltModifier = 4;

// Lost: the tick stopped, the keyboard locked and the stone player shown.
bool isLost(const GameState& state);

class Game {
public:
    explicit Game(Platform& platform, PowerSpreader spreader = spreadPower);

    const GameState& state() const { return state_; }
    GameState& state() { return state_; }
    GameState snapshot() const { return state_; }
    // A restored state starts a new history: the presses before it led elsewhere.
    void restore(const GameState& state) {
        state_ = state;
        history_.clear();
    }

    // Start-up, closing and stage files.
    void startUp();
    // Asks to save an edited stage and writes the progress; false when the player cancels.
    bool prepareToClose();
    // Writes the progress file; a failure is reported and the game goes on.
    void writeProgress();
    void quit();
    void startOver();
    std::string programFolder();
    bool loadCurrentStage();
    void openStage();
    // Opens a stage file as Open does: read whole, then waiting for Start; a
    // damaged file is reported and changes nothing. False when it was not opened.
    bool openStageFile(const std::string& path);
    // Opens a stage that has no file (one read from a stage code) as Open opens
    // a file: waiting for Start. Retry and the clear take it again from here,
    // and Save asks for a file. False when it was not opened.
    bool openStageWithoutFile(const Stage& stage);
    const std::optional<Stage>& stageWithoutFile() const { return stageWithoutFile_; }
    // Checks the stage, asks for a file and writes it; false when nothing was written.
    bool saveStage();
    void showComment();
    void resetBlockPictures();
    void findPlayer();
    // Makes a stage read whole and good the current one, waiting for Start.
    void enterLoadedState(const std::string& path, const Stage& stage);
    // What the file dialogs' name field last held; not part of the game, so undo leaves it.
    const std::string& fileDialogName() const { return fileDialogName_; }

    // Rounds and the keyboard.
    void startRound();
    void retryRound();
    void runRoundCommand();
    void countStep();
    void pressKey(Key key, Modifiers modifiers = NoModifiers);

    // The world tick, ten times a second while the game runs.
    void tick();

    // Undo and redo (history/): every press that changed the game is one step,
    // back to the start of the round. Both are refused while something moves.
    void undo();
    void redo();
    bool canUndo() const;
    bool canRedo() const;
    const History& history() const { return history_; }
    void countHint() { history_.countHint(); }
    // A search that plays millions of presses on one game keeps no history.
    void keepHistory(bool kept);

    // Records and replays (records/): the best clear of each numbered stage,
    // read at start-up and written whenever one is beaten.
    const RecordBook& records() const { return records_; }
    RecordBook& records() { return records_; }
    // Replays the best clear of numbered stage n from its start (its step-try
    // record with stepTry); false when there is none or the file is bad.
    bool startPlayback(int n, bool stepTry);
    // Plays the replay's next press when the game is at rest; the window calls
    // it once a tick, so the replay runs at the game's own speed.
    void advancePlayback();
    // Ends the replay: the stage waits for Start again, the player's modes come back.
    void stopPlayback();
    bool playbackRunning() const { return playback_.has_value(); }

    // The circuit, hazards and cell actions.
    void evaluateCircuit();
    void applyPowerEffects();
    void checkMoverCell();
    void loseGame();
    void actOnCell(int cell);

    // Modes.
    void updateUnlocks();
    void transformVacatedCell();
    void toggleBlockMode();
    void toggleSuperMode();
    void toggleStepTry();
    void seedRandom(uint32_t seed) { state_.random.seed(seed); }

    // The stage editor.
    void toggleEditor();
    void chooseGroundBrush(int code);
    void chooseBlockBrush(int code);
    void chooseEraser();
    void togglePaintLayer();
    void paintCell(int cell);
    void pickBrushAt(int cell);
    void newStage();
    void editComment();
    void editStepTarget();
    // The stage being edited, as Save writes it.
    Stage editedStage() const;

    // Undo and redo in the editor: one step per stroke (press, drag, release),
    // new stage, comment, target and reverting to the file.
    void beginStroke();
    void endStroke();
    void undoEdit();
    void redoEdit();
    bool canUndoEdit() const { return state_.editing && editHistory_.canUndo(); }
    bool canRedoEdit() const { return state_.editing && editHistory_.canRedo(); }

    // Test play: a round on the edited board, from its own start; ending it
    // (the same command, Escape, or a clear) brings the editor back exactly.
    void toggleTestPlay();
    void startTestPlay();
    void endTestPlay();
    // The start of a round on the edited board without the extra modes or
    // step-try mode, as the solver and the checks on Save take it.
    GameState plainTestStart() const;
    // Plays a solution's key letters in test play at the game's speed: one press
    // each time the game is at rest. Any key stops it and ends test play.
    void playSolution(std::string keys);
    bool playingSolution() const { return state_.testPlaying && !solution_.empty(); }

    // What Save shows before it asks for a file: the problems of the stage
    // starting as `plainTestStart()` gives it, or empty text when it is fine.
    // The checks search with the solver, which is built above the engine, so
    // the program hands them in; without them Save checks nothing.
    using SaveCheck = std::function<Text(const GameState& start)>;
    void setSaveCheck(SaveCheck check) { saveCheck_ = std::move(check); }

    int playerCell() const { return state_.blockCell[state_.playerBlock]; }
    bool isLost() const { return nerilo::isLost(state_); }

private:
    void raiseBlock(int k);
    void raiseOverlay(int cell);
    void putBlocksHome();
    void applyStage(const Stage& stage, bool withCommentAndTarget);
    bool readStage(const std::string& path, Stage& stage);
    void clearOverlays();
    void moveBlockToCell(int k, int cell);

    // Keyboard.
    void deliverKey(Key key, Modifiers modifiers);
    void requestMove(int direction, int playerCell);
    void useActionKey(int playerCell);
    void clearStage();
    void pickUpKeys();

    // Tick.
    void moveWorld();
    void startKick();
    void runStepPhase(int direction);
    void arrive(int direction);
    void land(int direction);
    bool slideStep();
    void finishSlide();
    void moveBlockBy(int k, int dx, int dy);

    // History.
    void beginPress(Key key, Modifiers modifiers);
    void settlePress();
    bool atRestOrLost() const;
    void restoreFromHistory(GameState past);

    // Records.
    void openRecords();
    void recordClear();
    void endPlayback(const Playback& ended);
    // The editor.
    void showEditedStage(const Stage& stage);
    void noteEdit(const Stage& before);
    bool hasUnsavedEdits();
    // True unless the editor holds unsaved edits and the author keeps them when asked.
    bool mayDropEdits(const Text& question);
    void revertEdits();
    // Undo never leads back into the edits of a stage no longer on the board.
    void forgetEdits();
    bool enterTestPlay(bool plain);
    void beginTestRound(bool plain);
    void restartTestPlay();
    void stepSolution();

    // Power effects.
    bool detonate(int ballBlock, int cell, std::array<uint8_t, CellCount>& beamStoppers);
    void fireBeam(int emitterCell, int direction, const std::array<uint8_t, CellCount>& beamStoppers);

    Platform& platform_;
    PowerSpreader spreader_;
    GameState state_;
    std::string fileDialogName_;
    History history_;
    bool historyKept_ = true;
    RecordBook records_;
    std::optional<Playback> playback_;
    // The stage opened without a file, which a round with no stage path plays.
    std::optional<Stage> stageWithoutFile_;

    // The editor's own memory, outside the state: the solver copies states by the
    // million, and none of this is part of a round.
    EditHistory editHistory_;
    std::optional<Stage> strokeBase_;       // the stage when the stroke began
    std::optional<GameState> editorState_;  // the editor as test play found it
    std::string solution_;                  // key letters of a solution being shown
    size_t solutionNext_ = 0;
    bool testCleared_ = false;              // test play ends once the clearing key is done
    SaveCheck saveCheck_;
};

}  // namespace nerilo
