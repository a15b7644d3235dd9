#pragma once
// The stage code on the desktop. コードをコピー puts the current stage's code
// on the clipboard, with a shortest clear as proof when the solver finds one
// within a few seconds; コードから開く, `nerilo CODE` and a nerilo: link open
// one ready to start, and a stage whose proof cleared is marked クリア確認済み.
#include <QString>

#include "game/game.h"

namespace nerilo::ui {

class MainWindow;

void copyStageCode(MainWindow& window);
// Asks for a code, offering the clipboard's when it holds one.
void askForStageCode(MainWindow& window);
// Opens a code or link: a bad one is refused with its reason in a box and
// changes nothing. False when nothing was opened.
bool openStageCode(MainWindow& window, const QString& text);

}  // namespace nerilo::ui
