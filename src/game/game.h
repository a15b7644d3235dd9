#pragma once
// The session: one World and everything around it that is not a rule, in
// parts with a job each, reached through it: the round's undo and replays
// (round.h), the stage files and codes (stage_files.h), the editor with test
// play (editor.h), the player's files (player_data.h), the background
// searches (searches.h), the stage of the day (daily.h) and the questions
// (conversation.h). Game holds the world and routes keys, the clock and
// commands between them; all it needs of the front end goes through the Platform.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "game/conversation.h"
#include "game/daily.h"
#include "game/editor.h"
#include "game/platform.h"
#include "game/player_data.h"
#include "game/player_key.h"
#include "game/round.h"
#include "game/searches.h"
#include "game/snapshot.h"
#include "game/stage_files.h"
#include "rules/world.h"

namespace nerilo {

class Game {
public:
    // Tests, benchmarks and fuzz targets set positions up through it; the
    // program and its tools change a game only through its commands.
    friend struct GameSetUp;
    // Its parts work on the world and the session state it holds.
    friend class Editor;
    friend class BackgroundSearches;
    friend class StageFiles;
    friend class Round;
    friend class DailyStage;

    explicit Game(Platform& platform, PowerSpreader spreader = spreadPower);

    const World& world() const { return world_; }
    const SessionState& session() const { return session_; }
    GameSnapshot snapshot() const { return {world_.state(), world_.drawing(), session_}; }
    int playerCell() const { return world_.playerCell(); }
    bool isLost() const { return nerilo::isLost(world_.state()); }
    // A round under way with nothing moving: a key is taken at once, and a search can start from here.
    bool atRest() const { return !session_.editing() && nerilo::atRest(world_.state()); }

    // The parts.
    Round& round() { return round_; }
    const Round& round() const { return round_; }
    StageFiles& stages() { return stages_; }
    const StageFiles& stages() const { return stages_; }
    Editor& editor() { return editor_; }
    const Editor& editor() const { return editor_; }
    // Run by the front end's runner; they follow the game after every command, answer and clock tick.
    BackgroundSearches& searches() { return searches_; }
    const BackgroundSearches& searches() const { return searches_; }
    DailyStage& daily() { return daily_; }
    const DailyStage& daily() const { return daily_; }
    const PlayerData& playerData() const { return player_; }

    // Questions for the front end, oldest first: the one to show now, or none.
    // A window shows it once the session's call has returned and hands the
    // player's answer to answer(); the command that asked goes on from there.
    const Question* question() const { return conversation_.question(); }
    void answer(const Answer& answer);
    // A command waits for its answer or its search: keys, undo and other
    // commands wait with it, while the world goes on ticking.
    bool asking() const { return conversation_.asking(); }

    // A command of the player's, from either front end: it ends a hint (a hint
    // holds for the position it was asked in), and while a replay plays it only stops it.
    // False when the command did not run: it only stopped a replay, or a
    // command waits for its search.
    bool perform(const std::function<void()>& command);
    void pressKey(PlayerKey key, Modifiers modifiers = NoModifiers);
    // The window's clock: a replay's next press at rest, then the world tick;
    // tick() alone is the world tick, ten times a second.
    void clockTick();
    void tick();

    // Start-up and closing.
    void startUp();
    // Asks to save an edited stage and writes the progress; true when the
    // player agreed by the time it returns (false also while it asks).
    bool prepareToClose();
    void quit();
    void startOver();
    std::string programFolder() const;
    bool loadCurrentStage();
    // The player's files as another copy wrote them (another tab of the page),
    // merged into memory; a file refused or unreadable changes nothing.
    void takePlayerFiles();
    // A progress file, or with `records` a records file, that the player brings
    // back (the page's import): refused, it changes nothing and the player is
    // told why, by `name`; read, it is merged into memory and written as a clear is.
    void importPlayerFile(const std::string& path, const std::string& name, bool records);
    // Reads the records file beside the progress file, once; new records are written to it.
    void openRecords() { player_.openRecords(programFolder()); }

    // Rounds and modes.
    void startRound();
    void retryRound();
    void runRoundCommand();
    void updateUnlocks();
    void toggleBlockMode();
    void toggleSuperMode();
    void toggleStepTry();
    // A tool's made-up progress, checked as at start-up (no ending shown), and
    // the modes it plays in, whatever they unlock: nerilo-sim's options.
    void assumeProgress(const Progress& progress);
    void assumeModes(bool stepTry, ExtraMode extraMode);
    void seedRandom(uint32_t seed) { world_.seedRandom(seed); }

private:
    // A command that asks is a Task: `co_await ask(question)` gives the answer.
    Conversation::Asking ask(const Question& question) { return conversation_.ask(question); }
    void tell(Question notice) { conversation_.tell(std::move(notice)); }
    void tell(const Text& text, MsgIcon icon = MsgIcon::Exclamation) { conversation_.tell(text, icon); }
    void run(Task<> command) { conversation_.run(std::move(command)); }
    template <class T>
    T run(Task<T> command, T whileAsking) { return conversation_.run(std::move(command), whileAsking); }
    Task<bool> close();
    Task<> startOverAfterAsking();
    Task<> celebrateClear();

    void deliverKey(PlayerKey key, Modifiers modifiers);
    void noteLoss();
    void clearStage();
    // Hands what happened on to the platform and forgets it.
    void announceEvents();
    void note(Event event);
    void takeWorldEvents();
    // The stage in play: read and placed, or placed again for a new round.
    void applyStage(const Stage& stage, bool withCommentAndTarget);
    // Makes a stage read whole and good the current one, waiting for Start.
    void enterLoadedState(const std::string& path, const Stage& stage);
    void showEnding(bool redLabel);

    // The number of the stage in play when it is a numbered one, else 0: the
    // one rule for progress, records and dead-end counts.
    int numberedStage() const;
    void recordClear(const std::string& path);
    // Counts a dead end walked into, for the stage list, on the numbered stages in plain play.
    void countDeadEnd();

    Platform& platform_;
    Conversation conversation_;
    World world_;
    std::vector<Event> events_;  // what happened since the last announcement
    SessionState session_;
    PlayerData player_;
    Editor editor_{*this};
    Round round_{*this};
    StageFiles stages_{*this};
    BackgroundSearches searches_{*this};
    DailyStage daily_{*this};
};

}  // namespace nerilo
