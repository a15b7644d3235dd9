#include "ui/launch.h"

#include <QApplication>
#include <QFileInfo>
#include <QUrl>

#include "game/key_script.h"
#include "model/stage_code.h"
#include "ui/main_window.h"
#include "ui/stage_code_commands.h"
#include "ui/stage_list_window.h"
#include "ui/window_settings.h"

namespace nerilo::ui {
namespace {
std::string absolute(const QString& path) { return QFileInfo(path).absoluteFilePath().toStdString(); }

// A stage named on the command line: a file (a file: URL too, as the desktop
// entry's %u may hand one on), or a stage code or nerilo: link. A file of that
// name wins, so a stage file called like a code still opens.
bool openNamedStage(MainWindow& window, const QString& stage) {
    if (stage.startsWith(QLatin1String("file:"))) return window.game().openStageFile(absolute(QUrl(stage).toLocalFile()));
    if (!QFileInfo::exists(stage) && looksLikeStageCode(stage.toStdString())) return openStageCode(window, stage);
    return window.game().openStageFile(absolute(stage));
}
}  // namespace

void startPlaying(MainWindow& window, const QString& stageFile) {
    // The first time, the largest zoom that fits.
    window.setZoom(savedZoom().value_or(MaxZoom));
    window.run([&] { window.game().startUp(); });
    window.show();
    // After the window is shown, so that a damaged file's message opens over it.
    if (!stageFile.isEmpty()) window.run([&] { openNamedStage(window, stageFile); });
}

bool takeScreenshot(MainWindow& window, const ScreenshotRequest& request) {
    Game& game = window.game();
    window.platformForScreenshots();
    window.ignoreScreenSize();
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
            if (openNamedStage(window, request.stageFile)) game.startRound();
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
