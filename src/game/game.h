#pragma once
// The session: one World and everything around it that is not a rule. Stage
// and progress files, start-up and closing, rounds and the stage change, undo,
// records and replays, the editor and test play; everything it needs of the
// desktop goes through the Platform. The procedures are defined in this
// folder, one subject a file.
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/background_work.h"
#include "game/conversation.h"
#include "game/daily.h"
#include "game/editor.h"
#include "game/platform.h"
#include "game/player_data.h"
#include "game/playback.h"
#include "game/player_key.h"
#include "game/searches.h"
#include "game/session_state.h"
#include "game/task.h"
#include "history/history.h"
#include "model/stage_file.h"
#include "records/record_book.h"
#include "rules/world.h"

namespace nerilo {

struct StageCodeRead;

// Everything a game is at one moment: for tests and tools that compare or
// copy whole games.
struct GameSnapshot {
    WorldState world;
    Drawing drawing;
    SessionState session;
    friend bool operator==(const GameSnapshot&, const GameSnapshot&) = default;
};

class Game {
public:
    // Tests, benchmarks and fuzz targets set positions up through it; the
    // program and its tools change a game only through its commands.
    friend struct GameSetUp;
    friend class Editor;
    friend class BackgroundSearches;
    friend class DailyStage;

    explicit Game(Platform& platform, PowerSpreader spreader = spreadPower);

    const World& world() const { return world_; }
    const SessionState& session() const { return session_; }
    GameSnapshot snapshot() const { return {world_.state(), world_.drawing(), session_}; }

    // Questions for the front end (game/platform.h), oldest first: the one to
    // show now, or none. A window shows it once the session's call has
    // returned and hands the player's answer to answer(); the command that
    // asked goes on from there. Notices are answered the same way.
    const Question* question() const { return conversation_.question(); }
    void answer(const Answer& answer);
    // A command waits for its answer: keys, undo and other commands wait with
    // it, while the world goes on ticking.
    bool asking() const { return conversation_.asking(); }

    // Start-up, closing and stage files.
    void startUp();
    // Asks to save an edited stage and writes the progress; true when the
    // player agreed by the time it returns (false also while it asks).
    bool prepareToClose();
    // The player's files as another copy wrote them (another tab of the page):
    // read again and merged into memory, so the panel, the modes and the stage
    // list show their clears. A file refused or unreadable changes nothing.
    void takePlayerFiles();
    // A progress file, or with `records` a records file, that the player brings
    // back (the page's import): refused, it changes nothing and the player is
    // told why, by `name`; read, it is merged into memory and written as a clear is.
    void importPlayerFile(const std::string& path, const std::string& name, bool records);
    void quit();
    void startOver();
    std::string programFolder();
    bool loadCurrentStage();
    void openStage();
    // Opens a stage file as Open does: read whole, then waiting for Start; a
    // damaged file is reported and changes nothing. False when it was not opened.
    bool openStageFile(const std::string& path);
    // A stage file named on the command line or handed over by a second copy
    // of the program: opened as Open opens the chosen file, not during test
    // play and after asking about unsaved edits. False when it was not opened.
    bool openHandedStage(const std::string& path);
    // Reads the records file beside the progress file, once; new records are written to it.
    void openRecords() { player_.openRecords(programFolder()); }
    // Opens a stage that has no file (one read from a stage code) as Open opens
    // a file: waiting for Start. Retry and the clear take it again from here,
    // and Save asks for a file. False when it was not opened.
    bool openStageWithoutFile(const Stage& stage);
    const std::optional<Stage>& stageWithoutFile() const { return stageWithoutFile_; }
    // The stage a stage code is made of: the board being edited, or the file or
    // code the stage in play came from (not the board as the round has changed
    // it). A file that no longer reads is reported and gives nothing.
    std::optional<Stage> stageAsOpened();
    // Opens the stage of a stage code read by the code reader: a refused code is
    // told with its reason and changes nothing. Its proof is played first, on
    // a copy no one sees; one that does not clear is told once the stage is
    // open. False when it was not opened.
    bool openStageCode(const StageCodeRead& read);
    // コードから開く: asks for a code, offering `clipboard` when it holds one,
    // and opens it as openStageCode does, read by the reader the program hands
    // in (the desktop's inflates at once; without one the command does nothing).
    void askForStageCode(const std::string& clipboard);
    using CodeReader = std::function<StageCodeRead(std::string_view text)>;
    // The desktop's writer of codes (deflated at once), for コードをコピー.
    using CodeWriter = std::function<std::string(const Stage& stage, std::string_view proof)>;
    void setCodeTools(CodeReader reader, CodeWriter writer) {
        codeReader_ = std::move(reader);
        codeWriter_ = std::move(writer);
    }
    // The proof of the stage in play, when it was opened from a code whose
    // proof cleared it: its code carries the proof on, and the panel says so.
    const std::string* proofInPlay() const;
    // Checks the stage, asks for a file and writes it; true when it was written
    // by the time it returns (false also while it asks).
    bool saveStage();
    void showComment();
    // Makes a stage read whole and good the current one, waiting for Start.
    void enterLoadedState(const std::string& path, const Stage& stage);
    // What the file dialogs' name field last held; not part of the game, so undo leaves it.
    const std::string& fileDialogName() const { return fileDialogName_; }

    // Rounds and the keyboard.
    void startRound();
    void retryRound();
    void runRoundCommand();
    void pressKey(PlayerKey key, Modifiers modifiers = NoModifiers);
    // The world tick, ten times a second; a board being edited does not move.
    void tick();
    // The window's clock: a replay's next press at rest, then the world tick.
    void clockTick();
    // A command of the player's, from either front end: it ends a hint (a hint
    // holds for the position it was asked in), and while a replay plays it
    // only stops it.
    void perform(const std::function<void()>& command);
    // A round under way with nothing moving: a key is taken at once, and a
    // search can start from here.
    bool atRest() const { return !session_.editing() && nerilo::atRest(world_.state()); }
    bool isLost() const { return nerilo::isLost(world_.state()); }
    int playerCell() const { return world_.playerCell(); }

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
    // Counts a dead end walked into, for the stage list, on the numbered
    // stages in plain play.
    void countDeadEnd();

    // The progress and the records, with what reading and writing them told.
    const PlayerData& playerData() const { return player_; }

    // Replays of the records.
    // Replays the best clear of numbered stage n from its start (its step-try
    // record with stepTry); false when there is none or the file is bad.
    bool startPlayback(int n, bool stepTry);
    // Plays the replay's next press when the game is at rest; the window calls
    // it once a tick, so the replay runs at the game's own speed.
    void advancePlayback();
    // Ends the replay: the stage waits for Start again, the player's modes come back.
    void stopPlayback();
    bool playbackRunning() const { return playback_.has_value(); }

    // Modes and progress.
    void updateUnlocks();
    // A tool's made-up progress, checked as at start-up (no ending shown), and
    // the modes it plays in, whatever they unlock: nerilo-sim's options.
    void assumeProgress(const Progress& progress);
    void assumeModes(bool stepTry, ExtraMode extraMode);
    void toggleBlockMode();
    void toggleSuperMode();
    void toggleStepTry();
    void seedRandom(uint32_t seed) { world_.seedRandom(seed); }

    // The stage editor, with test play.
    Editor& editor() { return editor_; }
    const Editor& editor() const { return editor_; }

    // How the program runs a short search in the middle of a command (the
    // checks before Save, a stage code's proof): the desktop runs it in a
    // worker while its window paints. Without one, Save checks nothing and a
    // code carries only the proof it was opened with.
    using Aside = std::function<void(const std::function<void()>& work)>;
    void setSearchAside(Aside aside) { aside_ = std::move(aside); }
    // コードをコピー: the code of the stage as opened onto the clipboard, with a
    // shortest clear as its proof when one is found within a bound, and says so
    // (with the code writer the program hands in; without one it does nothing).
    void copyStageCode();

    // Background searches, run by the front end's runner; they follow the
    // game after every command, answer and clock tick.
    BackgroundSearches& searches() { return searches_; }
    const BackgroundSearches& searches() const { return searches_; }

    // 今日のステージ (game/daily.h).
    DailyStage& daily() { return daily_; }
    const DailyStage& daily() const { return daily_; }

private:
    // A command that asks is a Task: `co_await ask(question)` gives the answer.
    Conversation::Asking ask(const Question& question) { return conversation_.ask(question); }
    void tell(Question notice) { conversation_.tell(std::move(notice)); }
    void tell(const Text& text, MsgIcon icon = MsgIcon::Exclamation) { conversation_.tell(text, icon); }
    void run(Task<> command) { conversation_.run(std::move(command)); }
    template <class T>
    T run(Task<T> command, T whileAsking) { return conversation_.run(std::move(command), whileAsking); }

    // The commands that ask.
    Task<bool> close();
    Task<> chooseStage();
    Task<bool> openHanded(std::string path);
    Task<bool> takeStageWithoutFile(Stage stage);
    Task<bool> takeStageCode(StageCodeRead read);
    Task<> typeStageCode(std::string clipboard);
    Task<bool> save();
    Task<> startOverAfterAsking();
    Task<> celebrateClear();

    void applyStage(const Stage& stage, bool withCommentAndTarget);
    bool readStage(const std::string& path, Stage& stage);

    // Keyboard.
    void deliverKey(PlayerKey key, Modifiers modifiers);
    void noteLoss();
    // Hands what happened on to the platform and forgets it.
    void announceEvents();
    void note(Event event);
    void takeWorldEvents();
    void clearStage();

    // History.
    enum class HistoryStep : uint8_t { Undo, Redo };
    void beginPress(Key key, Modifiers modifiers);
    void settlePress();
    bool atRestOrLost() const;
    void askStep(HistoryStep step);
    void takeStep(HistoryStep step);
    void restoreFromHistory(WorldSnapshot past);
    // A round begins: no undo, no path, no hints, and the modes it is played in.
    void beginRoundHistory();
    void noteModeChange();

    void showEnding(bool redLabel);


    // Records.
    // The number of the stage in play when it is a numbered one, else 0: the
    // one rule for progress, records and dead-end counts.
    int numberedStage() const;
    void recordClear(const std::string& path);
    void endPlayback(const Playback& ended);

    Platform& platform_;
    Conversation conversation_;
    World world_;
    std::vector<Event> events_;  // what happened since the last announcement
    SessionState session_;
    std::string fileDialogName_;
    History history_;
    // Whether step-try mode or an extra mode was switched since the round
    // began: such a round was played in two ways and sets no record.
    bool modesChangedInRound_ = false;
    // An undo or redo pressed while something moved, run once it is at rest.
    std::optional<HistoryStep> waitingStep_;
    // What counting dead ends needs to know of the round: whether a new press
    // led to the position in play (not undo, redo or the round's start), and
    // whether the last position proven was a dead end.
    bool reachedByPress_ = false;
    bool inDeadEnd_ = false;
    PlayerData player_;
    Editor editor_{*this};
    std::optional<Playback> playback_;
    // The stage opened without a file, which a round with no stage path plays.
    std::optional<Stage> stageWithoutFile_;
    // The stage last opened from a code whose proof cleared it, and the proof.
    struct ProvenStage {
        uint64_t fingerprint = 0;
        std::string proof;
    };
    std::optional<ProvenStage> proven_;

    Aside aside_;
    CodeReader codeReader_;
    CodeWriter codeWriter_;
    BackgroundSearches searches_{*this};
    DailyStage daily_{*this};

};


}  // namespace nerilo
