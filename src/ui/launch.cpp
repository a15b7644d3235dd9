#include "ui/launch.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "game/key_script.h"
#include "model/stage_code.h"
#include "ui/main_window.h"
#include "ui/stage_code_commands.h"
#include "ui/stage_list_window.h"
#include "ui/window_settings.h"

namespace nerilo::ui {

bool openNamedStage(MainWindow& window, const NamedStage& stage) {
    const QDir folder(stage.folder);
    auto openFile = [&](const QString& path) {
        return window.game().stages().openHanded(folder.absoluteFilePath(path).toStdString());
    };
    if (stage.name.startsWith(QLatin1String("file:"))) return openFile(QUrl(stage.name).toLocalFile());
    if (!QFileInfo::exists(folder.absoluteFilePath(stage.name)) && looksLikeStageCode(stage.name.toStdString()))
        return openStageCode(window, stage.name);
    return openFile(stage.name);
}

void startPlaying(MainWindow& window, const NamedStage& stage) {
    // The first time, the largest zoom that fits.
    window.setZoom(savedZoom().value_or(MaxZoom));
    window.run([&] { window.game().startUp(); });
    window.show();
    // After the window is shown, so that a damaged file's message opens over it.
    if (!stage.name.isEmpty()) window.run([&] { openNamedStage(window, stage); });
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
    if (!request.stage.name.isEmpty()) {
        window.run([&] {
            if (openNamedStage(window, request.stage)) game.startRound();
        });
    }
    Replay replay;
    window.run([&] { playKeys(game, request.keys.toStdString(), 200, replay); });
    if (request.edit) window.run([&] { game.editor().toggle(); });
    window.show();
    QApplication::processEvents();
    return window.grab().save(request.file);
}

}  // namespace nerilo::ui
