#include "ui/stage_code_commands.h"

#include <QClipboard>
#include <QGuiApplication>

#include "model/stage_code.h"
#include "ui/main_window.h"

namespace nerilo::ui {

void askForStageCode(MainWindow& window) {
    window.game().askForStageCode(QGuiApplication::clipboard()->text().trimmed().toStdString());
}

bool openStageCode(MainWindow& window, const QString& text) {
    return window.game().openStageCode(parseStageCode(text.toStdString()));
}

}  // namespace nerilo::ui
