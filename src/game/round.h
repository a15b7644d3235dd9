#pragma once
// What the session remembers of the round in play beside the world: its
// presses as undo steps, a replay of a record, whether its modes changed and
// what counting dead ends needs. The world itself stays the game's, as every
// part of the session reads it.
#include <cstdint>
#include <optional>

#include "game/playback.h"
#include "history/history.h"
#include "rules/world.h"

namespace nerilo {

class Game;

class Round {
public:
    explicit Round(Game& game) : game_(game) {}

    // Undo and redo: every press that changed the world is one step, back to
    // the start of the round. Pressed while something moves, they wait for
    // the board to come to rest; a key, a new round or another stage drops them.
    void undo();
    void redo();
    bool canUndo() const;
    bool canRedo() const;
    const History& history() const { return history_; }
    void countHint() { history_.countHint(); }
    // What the dead-end warning proved of a position at rest: a dead end or
    // not (a search that proved neither tells nothing). The session decides
    // what counts: the entry into a dead end by a new press, once.
    void noteDeadEndVerdict(const WorldState& judged, bool deadEnd);

    // Replays the best clear of numbered stage n from its start (its step-try
    // record with stepTry); false when there is none or the file is bad.
    bool startPlayback(int n, bool stepTry);
    // Plays the replay's next press when the game is at rest; the clock calls
    // it once a tick, so the replay runs at the game's own speed.
    void advancePlayback();
    // Ends the replay: the stage waits for Start again, the player's modes come back.
    void stopPlayback();
    bool playbackRunning() const { return playback_.has_value(); }

private:
    friend class Game;
    friend class Editor;

    enum class HistoryStep : uint8_t { Undo, Redo };
    // A round begins: no undo, no path, no hints, and the modes it is played in.
    void begin();
    void beginPress(Key key, Modifiers modifiers);
    void settlePress();
    bool atRestOrLost() const;
    void askStep(HistoryStep step);
    void takeStep(HistoryStep step);
    void restoreFromHistory(WorldSnapshot past);
    void noteModeChange();
    void endPlayback(const Playback& ended);

    Game& game_;
    History history_;
    // Whether step-try mode or an extra mode was switched since the round
    // began: such a round was played in two ways and sets no record.
    bool modesChanged_ = false;
    // An undo or redo pressed while something moved, run once it is at rest.
    std::optional<HistoryStep> waitingStep_;
    // What counting dead ends needs to know of the round: whether a new press
    // led to the position in play (not undo, redo or the round's start), and
    // whether the last position proven was a dead end.
    bool reachedByPress_ = false;
    bool inDeadEnd_ = false;
    std::optional<Playback> playback_;
};

}  // namespace nerilo
