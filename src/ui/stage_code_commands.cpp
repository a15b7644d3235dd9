#include "ui/stage_code_commands.h"

#include <QClipboard>
#include <QGuiApplication>

#include "model/stage_code.h"
#include "ui/main_window.h"

namespace nerilo::ui {

void askForStageCode(MainWindow& window) {
    window.game().stages().askForCode(QGuiApplication::clipboard()->text().trimmed().toStdString());
}

bool openStageCode(MainWindow& window, const QString& text) {
    return window.game().stages().openCode(parseStageCode(text.toStdString()));
}

}  // namespace nerilo::ui
