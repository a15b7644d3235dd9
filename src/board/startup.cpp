// Start-up, closing and the program folder.
#include "board/startup.h"

#include <chrono>

#include "board/form1.h"
#include "board/progress_location.h"

namespace nerilo {

int startStage(const Progress& progress) {
    for (size_t i = 0; i < progress.size(); ++i)
        if (progress[i] == 0) return static_cast<int>(i + 1);
    for (size_t i = 0; i < progress.size(); ++i)
        if (progress[i] == 1) return static_cast<int>(i + 1);
    return static_cast<int>(progress.size());
}

std::string Form1::MyPath() {
    std::string folder = platform_.executableFolder();
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

void Form1::Form_Load() {
    platform_.showSplash();
    seedRandom(static_cast<uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    Maptip = {Jtip(0), 0};
    Blocktip = {Btip(1), 1};
    for (int i = 0; i < CellCount; ++i) {
        Ji[i].code = ground::Floor;
        Block[i].code = block::Empty;
        raiseBeam(i);
    }
    putBlocksHome();

    ProgressRead read = readProgressFile(progressFilePath(MyPath()));
    if (!read.ok()) {
        platform_.messageBox("進行状況のファイル「" + std::string(ProgressFileName) + "」が壊れています。\n" + read.error +
                                 "\nどのステージもクリアしていないものとして始めます。",
                             "Nerilo", MsgButtons::Ok, MsgIcon::Exclamation);
    }
    StageProgress = read.progress;
    ModeLevel = 3;
    MGCheck();

    int n = startStage(StageProgress);
    StagePath = MyPath() + "stage/stage" + std::to_string(n) + ".txt";
    StageName.caption = "stage" + std::to_string(n) + ".txt";
    Opener();
    PaintBoard();
    findPlayer();
    InputLock = -1;
    Command1.caption = "開始";
    kaisi.enabled = true;
}

void Form1::Form_Unload(bool& cancel) {
    if (Editcheck.checked) {
        MsgResult answer = platform_.messageBox("終了します。\n保存しますか？", "Nerilo", MsgButtons::YesNoCancel,
                                                MsgIcon::Question);
        if (answer == MsgResult::Cancel) cancel = true;
        else if (answer == MsgResult::Yes) hozon_Click();
    }
    const std::string path = progressFilePath(MyPath());
    std::string error = prepareFolderOf(path);
    if (error.empty()) error = writeProgressFile(path, StageProgress);
    if (!error.empty()) {
        platform_.messageBox("進行状況を保存できませんでした。\n" + error, "Nerilo", MsgButtons::Ok,
                             MsgIcon::Exclamation);
    }
    MGCheck();
}

void Form1::shuryou_Click() {
    bool cancel = false;
    Form_Unload(cancel);
    if (!cancel) platform_.closeMainWindow();
}

}  // namespace nerilo

namespace nerilo {

// "中止" runs the start-up again. A running game is stopped first, the way Open
// stops it, so the reloaded stage waits for Start with no move left over.
void Form1::StTime_Click() {
    Timer1Enabled = false;
    setKeyCount(0);
    MoveKind = 0;
    StepPhase = {};
    KickActive = 0;
    Form_Load();
}

}  // namespace nerilo
