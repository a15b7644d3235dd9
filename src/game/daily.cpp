#include "game/daily.h"

#include "game/game.h"
#include "generate/generate.h"
#include "model/file_lock.h"
#include "model/progress_location.h"

namespace nerilo {
namespace {

constexpr const char* DailyFolder = "daily/";
// A stage file is a few kilobytes; anything much larger is no kept stage.
constexpr long long MaxKeptStageBytes = 1 << 20;

// A file whose bytes are no stage counts as damaged: it is set aside, never
// overwritten, as the other player files are.
FileBytes readKeptBytes(const std::string& path) {
    FileBytes file = readWholeFile(path, MaxKeptStageBytes);
    if (file.ok()) file.error = parseStageBytes(file.bytes).error;
    return file;
}

}  // namespace

std::string dailyStagePath(const std::string& programFolder, DayDate date) {
    return dataFilePath(programFolder, DailyFolder + std::to_string(date) + ".txt");
}

DayDate dailyDateOf(const std::string& programFolder, const std::string& path) {
    const std::string folder = dataFilePath(programFolder, DailyFolder);
    if (!path.starts_with(folder) || !path.ends_with(".txt")) return 0;
    const std::string name = path.substr(folder.size(), path.size() - folder.size() - 4);
    if (name.size() != 8 || name.find_first_not_of("0123456789") != std::string::npos) return 0;
    const DayDate date = static_cast<DayDate>(std::stoul(name));
    return isDayDate(date) ? date : 0;
}

// The page keeps its files in the browser's storage: another tab may have
// kept today's stage since this one started.
std::optional<Stage> readDailyStage(const std::string& path, DayDate date) {
    bringInKept(path, LockPatience);
    StageRead read = readStageFile(path);
    if (!read.ok() || read.stage.comment != generate::generatedComment(date).japanese()) return std::nullopt;
    return std::move(read.stage);
}

Text keepDailyStage(const std::string& path, const Stage& stage) {
    FileUpdate update;
    updateFile(path, LockPatience, update, readKeptBytes,
               [&](const FileRead&) { update.error = writeStageFile(path, stage); });
    return update.error;
}

void DailyStage::open() {
    const std::optional<DayDate> today = game_.platform_.todayUtc();
    if (!today || !isDayDate(*today) || generation_.job != 0) return;
    const std::string path = dailyStagePath(game_.programFolder(), *today);
    if (readDailyStage(path, *today)) {
        openKept(path);
        return;
    }
    const uint64_t job = game_.searches_.startGeneration(*today, budget_);
    if (job != 0) generation_ = {job, *today, budget_, 0, 0};
}

// A stage that cannot be kept is still played, as a stage opened from a code is.
void DailyStage::generated(const JobResult& result) {
    const DayDate date = generation_.date;
    generation_ = {};
    if (!result.stage) {
        game_.tell(NERILO_TEXT("daily", "今日のステージを作れませんでした。\n決められた量の探索の中で、条件に合う"
                                        "部屋が見つかりませんでした。"));
        return;
    }
    Made made{{}, *result.stage};
    if (game_.platform_.keepsPlayerFiles()) {
        const std::string path = dailyStagePath(game_.programFolder(), date);
        if (const Text error = keepDailyStage(path, made.stage); !error.empty()) {
            game_.tell(NERILO_TEXT("daily", "今日のステージを保存できませんでした。\n%1\n%2\n保存しないで開きます。")
                           .arg(path)
                           .arg(error));
        } else {
            made.path = path;
        }
    }
    waiting_ = std::move(made);
    if (!game_.session_.editing() && !game_.session_.testPlaying()) game_.run(openWaiting());
}

Task<> DailyStage::openWaiting() {
    if (!waiting_) co_return;
    const Made made = std::move(*std::exchange(waiting_, std::nullopt));
    if (made.path.empty()) co_await game_.stages_.takeWithoutFile(made.stage);
    else co_await game_.stages_.takeHanded(made.path);
}

void DailyStage::openKept(const std::string& path) {
    game_.stages_.openHanded(path);
}

// Any stage file kept under a date is that day's stage, as its record is (Game::recordClear).
DayDate DailyStage::inPlay() const { return dailyDateOf(game_.programFolder(), game_.session().stagePath); }

}  // namespace nerilo
