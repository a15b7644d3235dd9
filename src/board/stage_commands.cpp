// Reading the current stage, the Open command and the Save command.
#include "board/fields.h"
#include "board/file_io.h"
#include "board/form1.h"

namespace nerilo {
namespace {
constexpr const char* StageFilter = "テキストファイル(*.txt)|*.txt|全てのファイル(*.*)|*.*";
}

// Reads a whole stage file into a separate value; the board changes only when
// the file is good, so a damaged file leaves everything as it was.
bool Form1::readStage(const std::string& path, Stage& stage) {
    StageRead read = readStageFile(path);
    if (!read.ok()) {
        platform_.messageBox("ステージファイル「" + fileTitle(path) + "」を読み込めません。\n" + read.error, "Nerilo",
                             MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    stage = std::move(read.stage);
    return true;
}

void Form1::applyStage(const Stage& stage, bool withCommentAndTarget) {
    putBlocksHome();
    for (int i = 0; i < CellCount; ++i) {
        Ji[i].code = stage.ground[i];
        Block[i].code = stage.blocks[i];
    }
    if (withCommentAndTarget) {
        ComentsTag = stage.comment;
        Label1.tag = decimalText(stage.stepTarget);
        Label1.caption = Label1.tag;
    }
}

bool Form1::Opener() {
    Stage stage;
    if (!readStage(StagePath, stage)) return false;
    applyStage(stage, true);
    return true;
}

void Form1::hiraku_Click() {
    std::optional<FileChoice> choice =
        platform_.openFileDialog({"開く", MyPath() + "stage", VospFileName, StageFilter});
    if (!choice) return;
    VospFileName = choice->path;
    if (choice->title.empty()) return;
    Stage stage;
    if (!readStage(choice->path, stage)) return;

    enterLoadedState(choice->path, choice->title, stage);
}

// A stage read whole and good becomes the current one, waiting for Start:
// after Open and after the stage change.
void Form1::enterLoadedState(const std::string& path, const std::string& title, const Stage& stage) {
    setKeyCount(0);
    StagePath = path;
    StageName.caption = title;
    retry.enabled = true;
    applyStage(stage, true);
    PaintBoard();
    findPlayer();
    Timer1Enabled = false;
    InputLock = -1;
    Command1.caption = "開始";
    enableGameCommands(!Editcheck.checked);
}

void Form1::hozon_Click() {
    std::optional<FileChoice> choice =
        platform_.saveFileDialog({"保存", MyPath() + "stage", VospFileName, StageFilter});
    if (!choice) return;
    VospFileName = choice->path;
    if (choice->title.empty()) return;

    // Each block control's code is written at its home cell, wherever it stands now.
    Stage stage;
    for (int i = 0; i < CellCount; ++i) {
        stage.ground[i] = Ji[i].code;
        stage.blocks[i] = Block[i].code;
    }
    stage.comment = ComentsTag;
    stage.stepTarget = static_cast<long long>(leadingNumber(Label1.caption));
    std::string error = writeStageFile(choice->path, stage);
    if (!error.empty()) {
        platform_.messageBox("ステージファイル「" + choice->title + "」を保存できません。\n" + error, "Nerilo",
                             MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    StagePath = choice->path;
}

void Form1::Coments_Click() {
    platform_.messageBox(ComentsTag, "Nerilo", MsgButtons::Ok, MsgIcon::Information);
}

}  // namespace nerilo
