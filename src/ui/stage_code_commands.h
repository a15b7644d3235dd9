#pragma once
// Stage codes on the desktop's side: コードから開く offers the clipboard's
// code, and `nerilo CODE` and a nerilo: link open one; the session reads,
// proves and opens them, and copies them (Game::copyStageCode).
#include <QString>

#include "game/game.h"

namespace nerilo::ui {

class MainWindow;

// Asks for a code, offering the clipboard's when it holds one.
void askForStageCode(MainWindow& window);
// Opens a code or link: a bad one is refused with its reason in a box and
// changes nothing. False when nothing was opened.
bool openStageCode(MainWindow& window, const QString& text);

}  // namespace nerilo::ui
