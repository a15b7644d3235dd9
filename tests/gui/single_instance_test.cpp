// One game per user: a second copy of the game, started with a stage file as
// the file manager starts it, hands the file to the running game and exits;
// a lock left by a crashed game is taken over.
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "game_fixture.h"
#include "gui/gui_helpers.h"
#include "ui/main_window.h"
#include "ui/single_instance.h"

using namespace nerilo;
using nerilo::test::cell;
using nerilo::test::TestGame;
using nerilo::ui::SingleInstance;

namespace {

// The real game, with the lock and socket in the test's own folder, and its
// settings away from the player's.
void startGame(QProcess& game, const QString& instanceFolder, const QStringList& arguments,
               const QString& workingFolder = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("NERILO_INSTANCE_DIR"), instanceFolder);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), instanceFolder);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    game.setProcessEnvironment(environment);
    if (!workingFolder.isEmpty()) game.setWorkingDirectory(workingFolder);
    game.start(QStringLiteral(NERILO_GAME), arguments);
}

}  // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

    QTemporaryDir settings_;

private slots:
    void initTestCase() {
        QVERIFY(settings_.isValid());
        nerilo::test::keepSettingsIn(settings_.path());
    }

    // A crash leaves the lock file and the socket behind; the next game (here
    // this test's window) takes both over. A second copy of the real game,
    // named a stage file as the file manager names it (relative to its own
    // folder), hands it over and exits at once, without waiting for the window.
    void aSecondCopyHandsItsStageToTheGameThatTookOverACrashedOnesLock() {
        QTemporaryDir instanceFolder;
        QProcess crashed;
        startGame(crashed, instanceFolder.path(), {});
        QVERIFY(crashed.waitForStarted());
        const QString socket = instanceFolder.filePath(QStringLiteral("nerilo.socket"));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(socket), 10000);
        crashed.kill();
        QVERIFY(crashed.waitForFinished());
        QVERIFY(QFileInfo::exists(instanceFolder.filePath(QStringLiteral("nerilo.lock"))));

        TestGame game;
        game.block(cell(5, 5), 7).load("stage1.txt");
        game.stage = Stage{};
        game.block(cell(3, 3), 7).comment("handed").load("handed.txt");
        ui::MainWindow window;
        window.setProgramFolder(game.dir.path().string());
        window.platformForScreenshots();
        window.run([&] { window.game().startUp(); });
        window.show();
        SingleInstance running(instanceFolder.path());
        QCOMPARE(running.claim({}), SingleInstance::Role::Game);
        ui::openHandedStages(running, window);

        QProcess second;
        startGame(second, instanceFolder.path(), {QStringLiteral("handed.txt")},
                  QString::fromStdString((game.dir.path() / "stage").string()));
        QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 5000);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QTRY_COMPARE(window.game().session().stagePath, game.stageFile("handed.txt"));
        QCOMPARE(window.game().session().comment, std::string("handed"));
        QVERIFY(!window.game().session().roundStarted);
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
