#pragma once
// What a player keeps from one game to the next: the progress (the stages
// cleared) and the records with their dead-end counts, in two files in the
// program folder. Every write reads what is on disk, merges and writes the
// merge whole under the lock, so another copy's clears stay; a file that
// cannot be read or written is told about, and the game goes on with what it
// holds in memory until a later write succeeds.
#include <functional>
#include <string>

#include "model/progress_file.h"
#include "records/record_book.h"
#include "game/platform.h"
#include "model/text.h"

namespace nerilo {

class PlayerData {
public:
    friend struct GameSetUp;

    using Tell = std::function<void(const Text& text)>;
    // A platform that keeps no player files (a tool's made-up player) gets no
    // records or dead-end counts, and no progress is written for it.
    PlayerData(Platform& platform, Tell tell) : platform_(platform), tell_(std::move(tell)) {}

    const Progress& progress() const { return progress_; }
    const RecordBook& records() const { return records_; }

    // Reads the progress file of `folder` again and merges it with the clears
    // in memory: after 中止 a clear whose write failed is still to be written.
    void readProgress(const std::string& folder);
    // Reads the records file beside it, once: starting over keeps the records
    // in memory, and a damaged file is told only the first time.
    void openRecords(const std::string& folder);
    // Takes made-up progress (a tool's option) in place of the file's.
    void assumeProgress(const Progress& progress) { progress_ = progress; }

    // A clear of numbered stage n, written at once.
    void noteClear(const std::string& folder, int n, bool stepTry);
    // A clear the player found himself: kept and written when it beats the record.
    void offerRecord(const std::string& folder, int n, uint64_t fingerprint, bool stepTry, const std::string& path);
    // The same for the stage of the day of `date`.
    void offerDayRecord(const std::string& folder, DayDate date, uint64_t fingerprint, bool stepTry,
                        const std::string& path);
    // A press on numbered stage n that walked into a dead end.
    void countDeadEnd(const std::string& folder, int n, uint64_t fingerprint);

    // The files of `folder` as another copy wrote them (another tab of the
    // page), merged into memory; a file refused or unreadable changes nothing.
    void takeFiles(const std::string& folder);
    // A progress file, or with `records` a records file, that the player
    // brings back: refused, it changes nothing and the player is told why, by
    // `name`; read, it is merged into memory and written as a clear is.
    void importFile(const std::string& folder, const std::string& path, const std::string& name, bool records);

    // Writes the progress; a failure is told, and the next write tries again.
    void writeProgress(const std::string& folder);
    // Writes what the records hold that the file does not yet.
    void saveRecords(const std::string& folder);
    bool recordsUnsaved() const { return records_.hasUnsaved(); }

private:
    Platform& platform_;
    Tell tell_;
    // Tells a failed write once: the same trouble at every clear (a full
    // disk, full browser storage) is not told again until a write succeeds.
    void tellFailure(bool failed, const Text& text);
    // Reads a progress file, or with `records` a records file, and merges what
    // it holds into memory: as already `stored` (another copy's write), or as
    // new, to be written. A file refused or unreadable changes nothing.
    FileRead mergeFile(const std::string& path, bool records, bool stored);

    Progress progress_{};  // stage n at [n - 1]
    RecordBook records_;
    bool failureTold_ = false;
};

}  // namespace nerilo
