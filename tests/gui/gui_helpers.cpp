#include "gui/gui_helpers.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QSettings>
#include <QTimer>
#include <QtTest>

#include "ui/board_widget.h"

namespace nerilo::test {

void keepSettingsIn(const QString& folder) {
    QCoreApplication::setOrganizationName(QStringLiteral("Nerilo"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
}

void whenModalOpens(const std::function<void(QWidget*)>& act) {
    QTimer::singleShot(20, [act] {
        if (QWidget* modal = QApplication::activeModalWidget()) act(modal);
        else whenModalOpens(act);
    });
}

Window::Window(TestGame& game, const std::string& stage) {
    window.setProgramFolder(game.dir.path().string());
    window.run([&] {
        Game& f = window.game();
        GameSetUp::session(f).stagePath = game.stageFile(stage);
        f.loadCurrentStage();
        GameSetUp::world(f).showAsPlaced();
        GameSetUp::state(f).inputLocked = true;
    });
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

// The file the dialog offered is deselected first: typing does that only when
// the name field has the focus, which an offscreen window may not give it.
void choose(QFileDialog* dialog, const QString& path) {
    dialog->setDirectory(QFileInfo(path).absolutePath());
    dialog->selectFile(QFileInfo(path).fileName());
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(name);
    name->setText(QFileInfo(path).fileName());
    static_cast<QDialog*>(dialog)->accept();
}

QImage cellImage(ui::MainWindow& window, int at) {
    const int pitch = ui::px(CellPitch) * window.zoom();
    return window.board()->grab().toImage().copy(columnOf(at) * pitch, rowOf(at) * pitch, pitch, pitch);
}

void triggerAndWait(ui::MainWindow& window, const char* command) {
    window.action(command)->trigger();
    QTRY_VERIFY(!window.game().searches().awaiting());
}

}  // namespace nerilo::test
