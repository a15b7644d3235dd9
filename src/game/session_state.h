#pragma once
// The session around the world: which stage file is open, the modes the
// progress unlocked, the round button and the editor's brushes. Undo goes back in the world only;
// none of this is part of a position.
#include <cstdint>
#include <string>

#include "model/codes.h"
#include "model/file_io.h"
#include "model/progress_file.h"

namespace nerilo {

// What the panel's round button does next.
enum class RoundCommand : uint8_t { Start, Retry };
// Which layer the editor paints.
enum class PaintLayer : uint8_t { Ground, Blocks };
// What the session is doing: a round, the editor, or a round of test play on
// the edited board (the editor as it was waits outside: Game::endTestPlay).
enum class Mode : uint8_t { Playing, Editing, TestPlaying };
// How far the progress goes, as last checked; the numbers are those nerilo-sim prints.
enum class ProgressLevel : uint8_t {
    Incomplete = 0,        // some stage is not cleared
    AllCleared = 1,        // all are, at least one without step-try mode
    AllClearedStepTry = 2, // every stage was cleared in step-try mode
    NotChecked = 3,        // before the start-up check, which shows no ending
};

struct SessionState {
    // The stage.
    std::string comment;
    std::string stagePath;          // empty for a stage with no file yet
    uint64_t stageFingerprint = 0;  // of the board and step target read from the stage file (records are kept by it)

    // The round.
    RoundCommand roundCommand = RoundCommand::Start;
    bool roundStarted = false;  // Start or Retry ran since the stage was loaded

    // Progress and what it unlocked.
    ProgressLevel progressLevel = ProgressLevel::Incomplete;
    bool blockModeUnlocked = false;
    bool superModeUnlocked = false;

    Mode mode = Mode::Playing;
    bool editing() const { return mode == Mode::Editing; }
    bool testPlaying() const { return mode == Mode::TestPlaying; }
    // The editor's brushes.
    PaintLayer paintLayer = PaintLayer::Ground;
    uint8_t groundBrush = ground::Floor;
    uint8_t blockBrush = block::BlackBall;

    friend bool operator==(const SessionState&, const SessionState&) = default;
};

// The current stage's file name without its folder; empty for a stage with no file yet.
inline std::string stageTitle(const SessionState& s) { return fileTitle(s.stagePath); }

}  // namespace nerilo
