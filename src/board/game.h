#pragma once
// The game: one GameState and every rule that changes it. The procedures are
// defined in the subsystem folders (board, input, tick, power, modes, editor);
// everything the rules need from the desktop goes through the Platform.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "board/game_state.h"
#include "board/platform.h"
#include "board/stage_file.h"
#include "editor/edit_history.h"
#include "power/circuit.h"

namespace nerilo {

// The keys the game reacts to. Z, Enter and Space are all the action key;
// Escape ends test play; any other key still counts as the round's first key press.
enum class Key : uint8_t { Left, Right, Up, Down, Delete, Action, Other, Escape };
using Modifiers = uint8_t;
constexpr Modifiers NoModifiers = 0, ShiftModifier = 1, ControlModifier = 2, AltModifier = 4;

class Game {
public:
    explicit Game(Platform& platform, PowerSpreader spreader = spreadPower);

    const GameState& state() const { return state_; }
    GameState& state() { return state_; }
    GameState snapshot() const { return state_; }
    void restore(const GameState& state) { state_ = state; }

    // Start-up, closing and stage files.
    void startUp();
    // Asks to save an edited stage and writes the progress; false when the player cancels.
    bool prepareToClose();
    void quit();
    void startOver();
    std::string programFolder();
    bool loadCurrentStage();
    void openStage();
    // Checks the stage, asks for a file and writes it; false when nothing was written.
    bool saveStage();
    void showComment();
    void resetBlockPictures();
    void findPlayer();
    // Makes a stage read whole and good the current one, waiting for Start.
    void enterLoadedState(const std::string& path, const std::string& title, const Stage& stage);
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
    using SaveCheck = std::function<std::string(const GameState& start)>;
    void setSaveCheck(SaveCheck check) { saveCheck_ = std::move(check); }

    int playerCell() const { return state_.blockCell[state_.playerBlock]; }
    // Lost: the tick stopped, the keyboard locked and the stone player shown.
    bool isLost() const;

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
    void startKick();
    void runStepPhase(int direction);
    void arrive(int direction);
    void land(int direction);
    bool slideStep();
    void finishSlide();
    void moveBlockBy(int k, int dx, int dy);

    // The editor.
    void showEditedStage(const Stage& stage);
    void noteEdit(const Stage& before);
    bool hasUnsavedEdits();
    void revertEdits();
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
