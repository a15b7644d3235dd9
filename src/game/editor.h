#pragma once
// The stage editor: painting with strokes and their undo, the comment and the
// step target, the questions about unsaved edits, and test play on the edited
// board. The board being edited is the session's world, block k on cell k;
// the editor keeps only what is not part of it.
#include <cstddef>
#include <optional>
#include <string>

#include "game/edit_history.h"
#include "game/session_state.h"
#include "game/task.h"
#include "model/stage_file.h"
#include "model/text.h"
#include "rules/world.h"

namespace nerilo {

class Game;

class Editor {
public:
    explicit Editor(Game& game) : game_(game) {}

    // エディトモード: in, or out after asking about saving.
    void toggle();

    void chooseGroundBrush(int code);
    void chooseBlockBrush(int code);
    void chooseEraser();
    void togglePaintLayer();
    // A stroke (press, drag, release) is one undo step however many cells it paints.
    void beginStroke();
    void paintCell(int cell);
    void endStroke();
    void pickBrushAt(int cell);

    void newStage();
    void editComment();
    void editStepTarget();
    // The stage being edited, as Save writes it.
    Stage editedStage() const;
    // Whether Save would write something the stage file does not hold.
    bool hasUnsavedEdits() const;

    // Undo and redo of strokes, new stage, comment, target and reverting to the file.
    void undo();
    void redo();
    bool canUndo() const;
    bool canRedo() const;

    // Test play: a round on the edited board, from its own start; ending it
    // (the same command, Escape, or a clear) brings the editor back exactly.
    void toggleTestPlay();
    void startTestPlay();
    void endTestPlay();
    // The start of a round on the edited board without the extra modes or
    // step-try mode, as the solver and the checks on Save take it.
    WorldState plainTestStart() const;
    // The same start as a whole world, with where each block is drawn: the
    // editor's circuit preview draws it.
    World plainTestWorld() const;
    // Plays a solution's key letters in test play at the game's speed: one press
    // each time the game is at rest. Any key stops it and ends test play.
    void playSolution(std::string keys);
    bool playingSolution() const;

private:
    friend class Game;
    friend class StageFiles;

    Task<> leave();
    Task<> clearBoard();
    Task<> revertAfterAsking();
    Task<> typeComment();
    Task<> typeStepTarget();
    void revert();
    void show(const Stage& stage);
    void noteEdit(const Stage& before);
    // True unless the editor holds unsaved edits and the author keeps them when asked.
    Task<bool> mayDropEdits(Text question);
    // Undo never leads back into the edits of a stage no longer on the board.
    void forgetEdits();
    bool enterTestPlay(bool plain);
    void beginTestRound(bool plain);
    void restartTestPlay();
    void stepSolution();

    Game& game_;
    EditHistory history_;
    std::optional<Stage> strokeBase_;  // the stage when the stroke began
    // The editor as test play found it.
    struct AtTestPlay {
        WorldSnapshot world;
        SessionState session;
    };
    std::optional<AtTestPlay> atTestPlay_;
    std::string solution_;  // key letters of a solution being shown
    size_t solutionNext_ = 0;
    bool testCleared_ = false;  // test play ends once the clearing key is done
};

}  // namespace nerilo
