#pragma once
// 今日のステージ: a stage generated from the date, the same for every player
// on the same day (UTC). It is generated once in the background, kept as an
// ordinary stage file in the player's folder ("daily/20261208.txt" beside the
// progress file), and opened from there as Open opens a file, with no number:
// the second time it opens at once. Its clears set a record kept by its date.
#include <cstdint>
#include <optional>
#include <string>

#include "game/background_work.h"
#include "game/task.h"
#include "model/stage_file.h"
#include "records/records_file.h"

namespace nerilo {

class Game;

// Where the stage of `date` is kept, and the date of a path kept there (0 for
// any other file).
std::string dailyStagePath(const std::string& programFolder, DayDate date);
DayDate dailyDateOf(const std::string& programFolder, const std::string& path);

// The kept stage of `date` when it reads whole as that day's stage; a file
// that is damaged or another stage's counts as none.
std::optional<Stage> readDailyStage(const std::string& path, DayDate date);
// Writes it as the rest of the player's files are written: whole or not at
// all, under the lock, and kept where the page keeps its files. Returns the
// error, or empty text.
Text keepDailyStage(const std::string& path, const Stage& stage);

// The generation under way, for the view: its date and how far it has come.
struct DailyGeneration {
    uint64_t job = 0;
    DayDate date = 0;
    uint64_t budget = 0;  // positions judged in all before giving up
    uint64_t judged = 0;  // positions judged so far
    int rooms = 0;        // rooms judged so far
};

// How many positions the generation judges before it gives up.
constexpr uint64_t DailyBudget = 150'000'000;

class DailyStage {
public:
    explicit DailyStage(Game& game) : game_(game) {}

    // The command: opens the stage of the front end's date, or starts its
    // generation. Asked again while it is generated, it does nothing more.
    void open();
    // A generation's result, handed over by the background searches.
    void generated(const JobResult& result);
    void progress(const solver::Progress& progress) {
        generation_.judged = progress.expanded;
        generation_.rooms = progress.depth;
    }
    const DailyGeneration& generation() const { return generation_; }
    // A stage made while the player is in the editor waits until he leaves
    // it: the author is never taken out of his work.
    bool waiting() const { return waiting_.has_value(); }
    Task<> openWaiting();
    // The date of the stage of the day in play, or 0 when another is.
    DayDate inPlay() const;
    // How many positions a generation judges; tests make it small.
    void setBudget(uint64_t positions) { budget_ = positions; }

private:
    void openKept(const std::string& path);

    // The stage made and where it is kept (empty: played without a file).
    struct Made {
        std::string path;
        Stage stage;
    };
    Game& game_;
    DailyGeneration generation_;
    std::optional<Made> waiting_;
    uint64_t budget_ = DailyBudget;
};

}  // namespace nerilo
