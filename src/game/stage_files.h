#pragma once
// Where the stage in play comes from and where the board goes: opening a stage
// file, a stage code or a stage handed over by another copy, saving the
// edited board, and stage codes with their proof. A stage opened without a
// file is kept here, so Retry and the clear take it again as it was opened.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "game/task.h"
#include "model/stage_file.h"

namespace nerilo {

class Game;
struct StageCodeRead;

class StageFiles {
public:
    explicit StageFiles(Game& game) : game_(game) {}

    // 開く: asks about unsaved edits, then for a file.
    void open();
    // Opens a stage file as Open does: read whole, then waiting for Start; a
    // damaged file is reported and changes nothing. False when it was not opened.
    bool openFile(const std::string& path);
    // A stage file named on the command line or handed over by a second copy
    // of the program: opened as Open opens the chosen file, not during test
    // play and after asking about unsaved edits. False when it was not opened.
    bool openHanded(const std::string& path);
    // Opens a stage that has no file (one read from a stage code) as Open opens
    // a file: waiting for Start. Retry and the clear take it again from here,
    // and Save asks for a file. False when it was not opened.
    bool openWithoutFile(const Stage& stage);
    const std::optional<Stage>& withoutFile() const { return withoutFile_; }
    // The stage a stage code is made of: the board being edited, or the file or
    // code the stage in play came from (not the board as the round has changed
    // it). A file that no longer reads is reported and gives nothing.
    std::optional<Stage> stageAsOpened();

    // Opens the stage of a stage code read by the code reader: a refused code is
    // told with its reason and changes nothing. Its proof is played first, on
    // a copy no one sees; one that does not clear is told once the stage is
    // open. False when it was not opened.
    bool openCode(const StageCodeRead& read);
    // コードから開く: asks for a code, offering `clipboard` when it holds one,
    // and opens it as openCode does, read by the reader the program hands in
    // (the desktop's inflates at once; without one the command does nothing).
    void askForCode(const std::string& clipboard);
    using CodeReader = std::function<StageCodeRead(std::string_view text)>;
    // The program's writer of codes, for コードをコピー.
    using CodeWriter = std::function<std::string(const Stage& stage, std::string_view proof)>;
    void setCodeTools(CodeReader reader, CodeWriter writer) {
        codeReader_ = std::move(reader);
        codeWriter_ = std::move(writer);
    }
    // コードをコピー: the code of the stage as opened onto the clipboard, with a
    // shortest clear as its proof when one is found within a bound, and says so.
    void copyCode();
    // The stage as opened and its proof, handed to `use` once known: the proof
    // it was opened with, or a shortest clear searched for in the background
    // within a bound, or none. `use` hears a null stage when there is none to
    // give (told why) or another command waits. The page's share link is made so.
    using ProvenUse = std::function<void(const Stage* stage, const std::string& proof)>;
    void proveStage(ProvenUse use);
    // The proof of the stage in play, when it was opened from a code whose
    // proof cleared it: its code carries the proof on, and the panel says so.
    const std::string* proofInPlay() const;

    // Checks the stage (a search in the background), asks for a file and
    // writes it; true when it was written by the time it returns (false also
    // while it searches or asks).
    bool save();
    void showComment();
    // What the file dialogs' name field last held; not part of the game, so undo leaves it.
    const std::string& fileDialogName() const { return fileDialogName_; }

private:
    friend class Game;
    friend class Editor;
    friend class Round;
    friend class DailyStage;

    // Reads a whole stage file into a separate value, or takes the stage
    // opened without a file for an empty path; false, told, when it is damaged.
    bool read(const std::string& path, Stage& stage);

    // The commands that ask.
    Task<> choose();
    Task<bool> takeHanded(std::string path);
    Task<bool> takeWithoutFile(Stage stage);
    Task<bool> takeCode(StageCodeRead read);
    Task<> typeCode(std::string clipboard);
    Task<bool> checkAndSave();
    Task<> searchProof(ProvenUse use);

    Game& game_;
    std::optional<Stage> withoutFile_;
    // The stage last opened from a code whose proof cleared it, and the proof.
    struct ProvenStage {
        uint64_t fingerprint = 0;
        std::string proof;
    };
    std::optional<ProvenStage> proven_;
    std::string fileDialogName_;
    CodeReader codeReader_;
    CodeWriter codeWriter_;
};

}  // namespace nerilo
