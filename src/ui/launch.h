#pragma once
// Starting the window as the command line asks: to play, or to take a screenshot.
#include <QString>

namespace nerilo::ui {

class MainWindow;

// The start-up (splash, progress, first stage not cleared), then the window at
// the remembered zoom (the first time, the largest that fits the screen),
// centred on the screen; a stage file, stage code or nerilo: link named on the
// command line is then opened as Open opens a file, ready to start.
void startPlaying(MainWindow& window, const QString& stageFile);

// Renders the window to a PNG file at a zoom, after opening and starting a
// stage file (if named), playing key letters and entering the editor; or the
// stage list instead. False when the file cannot be written.
struct ScreenshotRequest {
    QString file, stageFile, keys;
    bool edit = false;
    int zoom = 1;
    bool stageList = false;
};
bool takeScreenshot(MainWindow& window, const ScreenshotRequest& request);

}  // namespace nerilo::ui
