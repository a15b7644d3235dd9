#include "game/player_data.h"

#include "model/progress_location.h"
#include "model/progress_store.h"

namespace nerilo {
namespace {
// What the player reads of a file not read at the start-up, or empty text. A
// file the system could not read is told apart from one whose bytes the
// reader refused: only the refused one is set aside at the next write.
Text unreadNotice(const FileRead& read, const std::string& path, const Text& unreadable, const Text& refused) {
    return read.ok() ? Text() : (read.unreadable ? unreadable : refused).arg(path).arg(read.error);
}
}  // namespace

void PlayerData::readProgress(const std::string& folder) {
    const std::string path = progressFilePath(folder);
    ProgressRead read = readProgressFile(path);
    const Text notice = unreadNotice(
        read, path,
        NERILO_TEXT("messages", "進行状況のファイルを読めません。\n%1\n%2\nどのステージもクリアしていないもの"
                                "として始めます。ファイルはそのままにして、読めるようになるまで書き込みません。"),
        NERILO_TEXT("messages", "進行状況のファイルが壊れています。\n%1\n%2\nどのステージも"
                                "クリアしていないものとして始めます。次に保存するときに、このファイルを別の名前で残します。"));
    if (!notice.empty()) tell_(notice);
    progress_ = mergeProgress(read.progress, progress_);
}

void PlayerData::openRecords(const std::string& folder) {
    if (records_.isOpen()) return;
    const std::string path = dataFilePath(folder, RecordsFileName);
    const FileRead read = records_.open(path);
    const Text notice = unreadNotice(
        read, path,
        NERILO_TEXT("messages", "記録のファイルを読めません。\n%1\n%2\n記録がないものとして始めます。"
                                "ファイルはそのままにして、読めるようになるまで書き込みません。"),
        NERILO_TEXT("messages", "記録のファイルが壊れています。\n%1\n%2\n記録がないものとして始めます。"
                                "次に記録を作ったときに、このファイルを別の名前で残します。"));
    if (!notice.empty()) tell_(notice);
}

void PlayerData::noteClear(const std::string& folder, int n, bool stepTry) {
    progress_[n - 1] = stepTry ? 2 : 1;
    writeProgress(folder);
}

void PlayerData::offerRecord(const std::string& folder, int n, uint64_t fingerprint, bool stepTry,
                             const std::string& path) {
    if (!platform_.keepsPlayerFiles()) return;
    if (records_.offer(n, fingerprint, stepTry, path)) saveRecords(folder);
}

void PlayerData::offerDayRecord(const std::string& folder, DayDate date, uint64_t fingerprint, bool stepTry,
                                const std::string& path) {
    if (!platform_.keepsPlayerFiles()) return;
    if (records_.offerDay(date, fingerprint, stepTry, path)) saveRecords(folder);
}

void PlayerData::countDeadEnd(const std::string& folder, int n, uint64_t fingerprint) {
    if (!platform_.keepsPlayerFiles()) return;
    records_.countDeadEnd(n, fingerprint);
    saveRecords(folder);
}

// The write merges with the file, so another copy's clears in it stay, and so
// do those of a file that could not be read at the start-up.
void PlayerData::writeProgress(const std::string& folder) {
    if (!platform_.keepsPlayerFiles()) return;
    const std::string path = progressFilePath(folder);
    const ProgressUpdate update = updateProgressFile(path, progress_, platform_.lockPatience());
    if (!update.keptAside.empty()) {
        tell_(NERILO_TEXT("messages", "読めなかった進行状況のファイルを別の名前で残しました。\n%1\n→ %2")
                  .arg(path)
                  .arg(update.keptAside));
    }
    tellFailure(!update.ok(),
                NERILO_TEXT("messages", "進行状況を保存できませんでした。\n%1\n次に保存するときに、もう一度試します。")
                    .arg(update.error));
}

void PlayerData::saveRecords(const std::string& folder) {
    const FileUpdate saved = records_.save(platform_.lockPatience());
    if (!saved.keptAside.empty()) {
        tell_(NERILO_TEXT("messages", "読めなかった記録のファイルを別の名前で残しました。\n%1\n→ %2")
                  .arg(dataFilePath(folder, RecordsFileName))
                  .arg(saved.keptAside));
    }
    tellFailure(!saved.ok(),
                NERILO_TEXT("messages", "記録を保存できませんでした。\n%1\n次に保存するときに、もう一度試します。")
                    .arg(saved.error));
}

void PlayerData::tellFailure(bool failed, const Text& text) {
    if (failed && !failureTold_) tell_(text);
    failureTold_ = failed;
}

// Both sides are merged by the rules every write merges by
// (model/progress_store.h, records/records_store.h): nothing either holds is
// lost. What another copy wrote is already stored; what the player brings back
// is new, and written with the next save.
FileRead PlayerData::mergeFile(const std::string& path, bool records, bool stored) {
    if (records) {
        const RecordsRead read = readRecordsFile(path);
        if (read.ok()) stored ? records_.takeIn(read.records) : records_.add(read.records);
        return read;
    }
    const ProgressRead read = readProgressFile(path);
    if (read.ok()) progress_ = mergeProgress(progress_, read.progress);
    return read;
}

void PlayerData::takeFiles(const std::string& folder) {
    mergeFile(progressFilePath(folder), false, true);
    if (records_.isOpen()) mergeFile(dataFilePath(folder, RecordsFileName), true, true);
}

void PlayerData::importFile(const std::string& folder, const std::string& path, const std::string& name,
                            bool records) {
    const FileRead read = mergeFile(path, records, false);
    if (!read.ok() || read.missing) {
        tell_(NERILO_TEXT("messages", "このファイルは読み込めません。進行状況も記録も、何も変えていません。\n%1\n%2")
                  .arg(name)
                  .arg(read.error));
        return;
    }
    records ? saveRecords(folder) : writeProgress(folder);
    tell_(NERILO_TEXT("messages", "ファイルを読み込み、いまの進行状況と記録にまとめました。\n%1").arg(name));
}

}  // namespace nerilo
