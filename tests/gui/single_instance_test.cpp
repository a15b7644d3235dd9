// One game per user: a second copy of the game, started with a stage file as
// the file manager starts it, or with a code, a nerilo: link or a file: URL as
// a browser or the desktop entry starts it, hands its stage to the running
// game and exits; a lock left by a crashed game is taken over.
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include "game_fixture.h"
#include "gui/gui_helpers.h"
#include "model/stage_code.h"
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
    // this test's window) takes both over. A second copy of the real game
    // hands over what it was named, as it was named, and exits at once,
    // without waiting for the window: a stage file relative to its own folder
    // (as the file manager names it), a code, a link, a file: URL. The running
    // game reads each as it reads its own command line; an absolute path made
    // of a code or a link names no file.
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
        auto stageCommented = [&](const char* comment) -> TestGame& {
            game.stage = Stage{};
            return game.block(cell(3, 3), 7).comment(comment);
        };
        stageCommented("handed").load("handed.txt");
        stageCommented("by URL").load("by url.txt");
        const QString stageFolder = QString::fromStdString((game.dir.path() / "stage").string());
        const struct {
            QString argument, folder;
            std::string comment, stagePath;
        } cases[] = {
            {QStringLiteral("handed.txt"), stageFolder, "handed", game.stageFile("handed.txt")},
            {QString::fromStdString(formatStageCode(stageCommented("code").stage)), instanceFolder.path(), "code", ""},
            {QString::fromStdString(std::string(StageLinkScheme) + formatStageCode(stageCommented("link").stage)),
             instanceFolder.path(), "link", ""},
            {QUrl::fromLocalFile(QString::fromStdString(game.stageFile("by url.txt"))).toString(QUrl::FullyEncoded),
             instanceFolder.path(), "by URL", game.stageFile("by url.txt")},
        };

        ui::MainWindow window;
        window.setProgramFolder(game.dir.path().string());
        window.platformForScreenshots();
        window.run([&] { window.game().startUp(); });
        window.show();
        SingleInstance running(instanceFolder.path());
        QCOMPARE(running.claim({}), SingleInstance::Role::Game);
        ui::openHandedStages(running, window);

        for (const auto& c : cases) {
            QProcess second;
            startGame(second, instanceFolder.path(), {c.argument}, c.folder);
            QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 5000);
            QCOMPARE(second.exitStatus(), QProcess::NormalExit);
            QCOMPARE(second.exitCode(), 0);
            QTRY_COMPARE(window.game().session().comment, c.comment);
            QCOMPARE(window.game().session().stagePath, c.stagePath);
            QVERIFY(!window.game().session().roundStarted);
        }
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
