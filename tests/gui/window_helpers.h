#pragma once
// Driving the real window in the GUI tests: a window on a test game's folder,
// and acting on the modal windows it opens.
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QtTest>
#include <functional>

#include "game_fixture.h"
#include "ui/main_window.h"

namespace nerilo::test {

// Runs `act` on the next modal window once it is open.
inline void whenModalOpens(const std::function<void(QWidget*)>& act) {
    QTimer::singleShot(20, [act] {
        if (QWidget* modal = QApplication::activeModalWidget()) act(modal);
        else whenModalOpens(act);
    });
}

// A window whose program folder is the test game's folder, with a stage loaded.
struct Window {
    explicit Window(TestGame& game, const std::string& stage = "stage1.txt") {
        window.setProgramFolder(game.dir.path().string());
        window.run([&] {
            Game& f = window.game();
            f.state().stagePath = game.stageFile(stage);
            f.state().stageTitle = stage;
            f.loadCurrentStage();
            f.resetBlockPictures();
            f.findPlayer();
            f.state().inputLocked = true;
        });
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    ui::MainWindow window;
};

// Types a path into Qt's own file dialog, as a player would, and accepts it.
inline void choose(QFileDialog* dialog, const QString& path) {
    dialog->setDirectory(QFileInfo(path).absolutePath());
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(name);
    name->setText(QFileInfo(path).fileName());
    static_cast<QDialog*>(dialog)->accept();
}

}  // namespace nerilo::test
