#pragma once
// The game: one GameState and every rule that changes it. The procedures are
// defined in the subsystem folders (board, input, tick, power, modes, editor);
// everything the rules need from the desktop goes through the Platform.
#include <cstdint>
#include <string>

#include "board/game_state.h"
#include "board/platform.h"
#include "board/stage_file.h"
#include "power/circuit.h"

namespace nerilo {

// The keys the game reacts to. Z, Enter and Space are all the action key; any
// other key still counts as the round's first key press.
enum class Key : uint8_t { Left, Right, Up, Down, Delete, Action, Other };
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
    void restore(const GameState& state) { state_ = state; }

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
    void saveStage();
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

    // Power effects.
    bool detonate(int ballBlock, int cell, std::array<uint8_t, CellCount>& beamStoppers);
    void fireBeam(int emitterCell, int direction, const std::array<uint8_t, CellCount>& beamStoppers);

    Platform& platform_;
    PowerSpreader spreader_;
    GameState state_;
    std::string fileDialogName_;
};

}  // namespace nerilo
