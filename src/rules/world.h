#pragma once
// The rules of the game over one WorldState: a key press in, the world tick,
// and what became of the press out. No files, no windows, no texts, no undo,
// no records: the session (game/) does all of that around exactly one World.
#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "model/stage_file.h"
#include "rules/circuit.h"
#include "rules/world_events.h"
#include "rules/world_state.h"

namespace nerilo {

// The keys the rules react to. Z, Enter and Space are all the action key; any
// other key changes nothing but still counts as the round's first key press.
// Delete and Escape are the session's (game/player_key.h): here they are Other.
enum class Key : uint8_t { Left, Right, Up, Down, Action, Other };
using Modifiers = uint8_t;
constexpr Modifiers NoModifiers = 0, ShiftModifier = 1, ControlModifier = 2, AltModifier = 4;

// What became of the round's last press.
enum class Outcome : uint8_t {
    Stopped,  // no round runs (before Start, after a clear was handled)
    Moving,   // the world tick is still carrying the press out
    AtRest,   // the next key is taken at once
    Lost,
    Cleared,  // the player used the stairs
};

// The Mersenne Twister of std::mt19937, with the same numbers, kept in 32-bit
// words. Only super mode draws from it, so it lives beside the world state,
// not in it: a position the solver copies does not carry its 2.5 KB.
using SuperModeRandom = std::mersenne_twister_engine<uint32_t, 32, 624, 397, 31, 0x9908b0df, 11, 0xffffffff, 7,
                                                     0x9d2c5680, 15, 0xefc60000, 18, 1812433253>;

// A position with its drawing and the random tiles still to come: what undo keeps.
struct WorldSnapshot {
    WorldState state;
    Drawing drawing;
    SuperModeRandom random;
    friend bool operator==(const WorldSnapshot&, const WorldSnapshot&) = default;
};

// Whether a World keeps its drawing. A search plays millions of presses that
// nobody watches, on a world that keeps none.
enum class Watched : bool { No, Yes };

// Whether two states at rest are the same game: the drawing order, the way
// the player faces, what moved last and whether a key was pressed yet do not
// count, so a press that only turned the player changed nothing.
bool sameGame(const WorldState& a, const WorldState& b);

// The cells a skull ball's blast on `cell` marks: the cell and its neighbours
// on the board, the diagonal ones included.
std::vector<int> blastCells(int cell);

class World {
public:
    // Tests drive single rules through it.
    friend struct GameSetUp;

    explicit World(Watched watched = Watched::Yes, PowerSpreader spreader = spreadPower);

    const WorldState& state() const { return state_; }
    // Writing a position in place: the solver's decoding of the positions it
    // keeps, a test's or a benchmark's board. The session changes the world
    // only through the operations below.
    WorldState& setUp() { return state_; }
    void restore(const WorldState& state) { state_ = state; }
    const Drawing& drawing() const { return drawing_; }
    WorldSnapshot snapshot() const { return {state_, drawing_, random_}; }
    void restore(const WorldSnapshot& snapshot) {
        state_ = snapshot.state;
        drawing_ = snapshot.drawing;
        random_ = snapshot.random;
    }
    // Asked after every tick of every press a search tries.
    Outcome outcome() const {
        if (isLost(state_)) return Outcome::Lost;
        if (state_.cleared) return Outcome::Cleared;
        if (!state_.ticking) return Outcome::Stopped;
        return state_.inputLocked ? Outcome::Moving : Outcome::AtRest;
    }

    // The random tiles of super mode; undo keeps them with the position.
    const SuperModeRandom& random() const { return random_; }
    void setRandom(const SuperModeRandom& random) { random_ = random; }
    void seedRandom(uint32_t seed) { random_.seed(seed); }

    // A key pressed while the keyboard is free: an arrow walks, pushes or
    // kicks (with Shift it also acts on the next cell), the action key uses
    // the stairs and picks up keys. Any key counts as the round's first.
    void press(Key key, Modifiers modifiers = NoModifiers);
    // The world tick, ten times a second while a round runs.
    void tick();

    // A stage read whole and good, waiting for Start: block k on cell k, the
    // step target from the stage, no keys held, the round stopped.
    void load(const Stage& stage);
    // A stage's board laid out, block k on cell k, as it was drawn before;
    // showAsPlaced() then draws it as placed.
    void placeStage(const std::array<uint8_t, CellCount>& ground, const std::array<uint8_t, CellCount>& blocks);
    // An empty board with nothing drawn over it: what the program shows before its first stage.
    void emptyBoard();
    // Every block shows its own picture again, the marks are gone and the
    // last player block is the player, drawn in front; with overlaysInFront
    // the overlays come in front of everything.
    void showAsPlaced(bool overlaysInFront = false);
    // The board as it stands becomes a round's start: no keys held, drawn as placed.
    void takeBoardAsStart();
    // The round stops where it stands for the editor: nothing moves on, the
    // counter shows the target, and every block is home (block k on cell k).
    void holdForEditing();
    // The editor's brush on one cell.
    void paintGround(int cell, uint8_t code) { state_.ground[cell].code = code; }
    void paintBlock(int cell, uint8_t code) { state_.blocks[cell].code = code; }
    // The player's choices the rules obey, and the stage's step target (the
    // counter shows it in full).
    void setModes(bool stepTry, ExtraMode extraMode) {
        state_.stepTry = stepTry;
        state_.extraMode = extraMode;
    }
    void setStepTarget(int32_t target) {
        state_.stepTarget = target;
        state_.stepsLeft = target;
    }
    // A round starts on the board as it stands, with a full step counter.
    void startRound();
    // A round starts again on a board just placed from its stage.
    void restartRound();
    // The round stops: the tick ends and the keyboard is locked.
    void stop();
    // The round ends mid-move for the start-up that follows: no move, kick or
    // keys left over, the tick stopped.
    void halt();

    // The circuit as the board stands: what is powered, from the batteries out.
    void evaluateCircuit();

    int playerCell() const { return state_.blockCell[state_.playerBlock]; }

    // What happened since the list was last cleared; noted only while someone listens.
    EventList& events() { return events_; }
    const EventList& events() const { return events_; }

private:
    void putBlocksHome();
    void resetPictures();
    void findPlayer();
    void raiseAllBlocks();
    void raiseAllOverlays();

    // Hazards and cell actions.
    void applyPowerEffects();
    void checkMoverCell();
    void loseGame();
    void actOnCell(int cell);
    // Called just before the moving object's cell changes.
    void transformVacatedCell();
    void countStep();

    // The drawing's part of a move, here so that a world nobody watches (a
    // search's, a few million presses a second) skips it at no cost.
    void raiseBlock(int k) {
        if (watched_) drawing_.blockOrder[k] = ++drawing_.lastRaise;
    }
    void raiseOverlay(int cell) {
        if (watched_) drawing_.overlayOrder[cell] = ++drawing_.lastRaise;
    }
    void clearOverlays();
    void moveBlockToCell(int k, int cell) {
        if (!watched_) return;
        drawing_.left[k] = static_cast<int16_t>(cellLeft(cell));
        drawing_.top[k] = static_cast<int16_t>(cellTop(cell));
    }
    void moveBlockBy(int k, int dx, int dy) {
        if (!watched_) return;
        drawing_.left[k] = static_cast<int16_t>(drawing_.left[k] + dx);
        drawing_.top[k] = static_cast<int16_t>(drawing_.top[k] + dy);
    }
    // A new pose is a move: whoever moves is no longer stone.
    void setPose(int frame) {
        drawing_.playerPose = static_cast<uint8_t>(frame);
        state_.caught = false;
    }

    // Presses.
    void requestMove(int direction, int playerCell);
    void useActionKey(int playerCell);
    void pickUpKeys();

    // The tick.
    void startKick();
    void runStepPhase(int direction);
    void arrive(int direction);
    void land(int direction);
    bool slideStep();
    void finishSlide();

    // Power effects.
    bool detonate(int ballBlock, int cell, std::array<uint8_t, CellCount>& beamStoppers);
    void fireBeam(int emitterCell, int direction, const std::array<uint8_t, CellCount>& beamStoppers);

    // Notes the beams that went on or off from its making to its end (a press, a tick).
    // Counts nothing in a world nobody listens to, such as a search's.
    class BeamWatch {
    public:
        explicit BeamWatch(World& world) : world_(world), before_(world.events_.listening() ? firing() : 0) {}
        ~BeamWatch() {
            if (world_.events_.listening()) noteChange();
        }

    private:
        int firing() const;
        void noteChange() const;
        World& world_;
        int before_;
    };

    WorldState state_;
    Drawing drawing_;
    bool watched_;
    SuperModeRandom random_;
    PowerSpreader spreader_;
    EventList events_;
};

}  // namespace nerilo
