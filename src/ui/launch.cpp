#include "ui/launch.h"

#include <QApplication>
#include <QFileInfo>

#include "game/key_script.h"
#include "ui/main_window.h"
#include "ui/placement.h"
#include "ui/stage_list_window.h"
#include "ui/window_settings.h"

namespace nerilo::ui {
namespace {
std::string absolute(const QString& path) { return QFileInfo(path).absoluteFilePath().toStdString(); }
}  // namespace

void startPlaying(MainWindow& window, const QString& stageFile) {
    const QRect screen = screenArea(&window);
    window.setZoom(savedZoom().value_or(fittingZoom(window.naturalClientSize(), window.chromeSize(), screen.size())));
    window.run([&] { window.game().startUp(); });
    window.show();
    centreOn(&window, screen);
    // After the window is shown, so that a damaged file's message opens over it.
    if (!stageFile.isEmpty()) window.run([&] { window.game().openStageFile(absolute(stageFile)); });
}

bool takeScreenshot(MainWindow& window, const ScreenshotRequest& request) {
    Game& game = window.game();
    window.platformForScreenshots();
    window.setZoom(request.zoom);
    window.run([&] { game.startUp(); });
    if (request.stageList) {
        const std::unique_ptr<StageListWindow> list = window.stageListWindow();
        list->show();
        QApplication::processEvents();
        return list->grab().save(request.file);
    }
    if (!request.stageFile.isEmpty()) {
        window.run([&] {
            if (game.openStageFile(absolute(request.stageFile))) game.startRound();
        });
    }
    Replay replay;
    window.run([&] { playKeys(game, request.keys.toStdString(), 200, replay); });
    if (request.edit) window.run([&] { game.toggleEditor(); });
    window.show();
    QApplication::processEvents();
    return window.grab().save(request.file);
}

}  // namespace nerilo::ui
