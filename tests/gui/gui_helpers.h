#pragma once
// What the window's tests share: the window over a test game, and ways to act
// on the modal windows and dialogs it opens.
#include <QImage>
#include <QString>
#include <functional>
#include <string>

#include "game_fixture.h"
#include "ui/main_window.h"

class QFileDialog;
class QWidget;

namespace nerilo::test {

// What the game remembers (zoom, language, options) goes to `folder`, the
// test's own, never to the user's settings.
void keepSettingsIn(const QString& folder);

// Runs `act` on the next modal window once it is open.
void whenModalOpens(const std::function<void(QWidget*)>& act);

// A window whose program folder is the test game's folder, with a stage loaded.
struct Window {
    explicit Window(TestGame& game, const std::string& stage = "stage1.txt");
    ui::MainWindow window;
};

// Triggers the window's command and waits while it searches in the background
// (the checks on Save, a code's proof): the questions it then asks have been
// shown and answered by the time this returns.
void triggerAndWait(ui::MainWindow& window, const char* command);

// Types a path into Qt's own file dialog, as a player would, and accepts it.
void choose(QFileDialog* dialog, const QString& path);

// One cell of the drawn board.
QImage cellImage(ui::MainWindow& window, int at);

}  // namespace nerilo::test
