#pragma once
// Starting the window as the command line asks: to play, or to take a screenshot.
#include <QString>

namespace nerilo::ui {

class MainWindow;

// A stage named on a command line: a stage file, a file: URL (the desktop
// entry's %u hands one on), a stage code or a nerilo: link. A relative file
// name is taken in the folder the command ran in.
struct NamedStage {
    QString name;  // as typed; empty: none
    QString folder;
};
// Opens it as Open opens a file, ready to start (after asking about unsaved
// edits, not during test play): the game's own command line and one a second
// copy hands over are read alike. A file of that name wins, so a stage file
// called like a code still opens. False when nothing was opened.
bool openNamedStage(MainWindow& window, const NamedStage& stage);

// The start-up (splash, progress, first stage not cleared), then the window at
// the remembered zoom (the first time, the largest that fits the screen),
// centred on the screen; then the stage named on the command line, if any.
void startPlaying(MainWindow& window, const NamedStage& stage);

// Renders the window to a PNG file at a zoom, after opening and starting a
// stage (if named), playing key letters and entering the editor; or the
// stage list instead. False when the file cannot be written.
struct ScreenshotRequest {
    QString file;
    NamedStage stage;
    QString keys;
    bool edit = false;
    int zoom = 1;
    bool stageList = false;
};
bool takeScreenshot(MainWindow& window, const ScreenshotRequest& request);

}  // namespace nerilo::ui
