// The window as a player meets it: at every zoom, with its windows opening
// where they belong, a panel that says what state the game is in, 先行入力, and
// a stage file named on the command line.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "model/progress_file.h"
#include "game_fixture.h"
#include "gui/gui_helpers.h"
#include "ui/board_widget.h"
#include "ui/click_label.h"
#include "ui/clear_window.h"
#include "ui/ending_window.h"
#include "ui/launch.h"
#include "ui/main_window.h"
#include "ui/pictures.h"
#include "ui/splash_window.h"
#include "ui/window_settings.h"
#include "ui/zoom.h"

using namespace nerilo;
using nerilo::test::cell;
using nerilo::test::cellImage;
using nerilo::test::TestGame;
using nerilo::test::whenModalOpens;
using nerilo::test::Window;
using nerilo::ui::MainWindow;

Q_DECLARE_METATYPE(nerilo::ui::Layout)

namespace {

QImage rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// A picture as it must look at a zoom: every art pixel a factor × factor square.
QImage zoomed(Picture picture, int factor) {
    const QImage natural = ui::Pictures::instance().of(picture).toImage();
    return rgb(natural.scaled(natural.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

// A stage whose player stands next to the stairs, with a beam one row above him.
void stairsStage(TestGame& game, const std::string& name) {
    game.stage = Stage{};
    game.block(cell(5, 5), 7).ground(cell(5, 6), 15).ground(cell(4, 0), 7).ground(cell(4, 1), 20).target(30);
    game.load(name);
}

// The label's text fits in it, wrapped where the label wraps.
bool fits(const QLabel* label) {
    const QRect box = label->contentsRect();
    const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
    const QRect needed = QFontMetrics(label->font()).boundingRect(box, flags, label->text());
    return needed.width() <= box.width() && needed.height() <= box.height();
}

// Runs the game itself; returns its exit status.
int runGame(const QStringList& arguments, const QString& scaleFactor = {}) {
    QProcess game;
    if (!scaleFactor.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), scaleFactor);
        game.setProcessEnvironment(environment);
    }
    game.start(QStringLiteral(NERILO_GAME), arguments);
    if (!game.waitForFinished(60000)) return -1;
    return game.exitStatus() == QProcess::NormalExit ? game.exitCode() : -1;
}

QPoint centreOf(const QRect& r) { return r.topLeft() + QPoint(r.width() / 2, r.height() / 2); }
bool centredOn(const QWidget* window, const QRect& area) {
    return (centreOf(window->frameGeometry()) - centreOf(area)).manhattanLength() <= 2;
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir settings_;

private slots:
    // The remembered zoom and 先行入力 go to a folder of the test's own.
    void initTestCase() {
        QVERIFY(settings_.isValid());
        nerilo::test::keepSettingsIn(settings_.path());
        QVERIFY(QSettings().fileName().startsWith(settings_.path()));
    }
    void init() { QSettings().clear(); }

    void everythingScalesWithTheZoom() {
        TestGame game;
        game.block(cell(5, 5), 7).ground(cell(2, 3), 15).load("stage1.txt");
        Window w(game);
        w.window.setAvailableArea(QRect(0, 0, 4000, 3000));
        const double roundPoints = w.window.roundButton()->font().pointSizeF();
        for (int z = 1; z <= 4; ++z) {
            w.window.setZoom(z);
            QCOMPARE(w.window.zoom(), z);
            QCOMPARE(w.window.board()->size(), QSize(480 * z, 480 * z));
            QCOMPARE(w.window.centralWidget()->size(), QSize(577 * z, 484 * z));
            QCOMPARE(w.window.minimumSize(), w.window.maximumSize());
            QCOMPARE(w.window.width(), 577 * z);
            QCOMPARE(w.window.roundButton()->geometry(), QRect(488 * z, 96 * z, 81 * z, 17 * z));
            QCOMPARE(w.window.roundButton()->font().pointSizeF(), roundPoints * z);
            QCOMPARE(w.window.groundPalette(3)->pixmap().size(), QSize(32 * z, 32 * z));
            QCOMPARE(rgb(cellImage(w.window, cell(2, 3))), zoomed(groundPicture(15), z));
            // Nothing of the panel lies over the board.
            for (const QWidget* part : {static_cast<QWidget*>(w.window.stepsLeft()), static_cast<QWidget*>(w.window.statusHeadline()),
                                        static_cast<QWidget*>(w.window.statusHints()), static_cast<QWidget*>(w.window.roundButton())})
                QVERIFY(!part->geometry().intersects(w.window.board()->geometry()));
        }
        w.window.setZoom(2);
        QTest::keyClick(&w.window, Qt::Key_F8);
        QCOMPARE(w.window.centralWidget()->size(), QSize(577 * 2, 644 * 2));
        QCOMPARE(w.window.blockPalette(4)->geometry(), QRect(128 * 2, 560 * 2, 64, 64));
    }

    // A zoom change keeps the frame's centre where it was, and where the frame
    // had to be pushed back onto the screen, zooming back brings it home.
    void theViewMenuZoomsAndTheChoiceIsRemembered() {
        TestGame game;
        game.block(cell(5, 5), 7).load("stage1.txt");
        Window w(game);
        const QRect screen(0, 0, 2400, 2100);
        w.window.setAvailableArea(screen);
        w.window.move(screen.center() - QPoint(100, 100));
        const QPoint centre = centreOf(w.window.frameGeometry());
        QCOMPARE(w.window.zoom(), 1);
        QVERIFY(!w.window.action("zoomOut")->isEnabled());
        QCOMPARE(ui::savedZoom(), std::nullopt);
        w.window.action("zoomIn")->trigger();
        QCOMPARE(w.window.zoom(), 2);
        QVERIFY((centreOf(w.window.frameGeometry()) - centre).manhattanLength() <= 2);
        QVERIFY(w.window.action("zoom2")->isChecked() && !w.window.action("zoom1")->isChecked());
        QCOMPARE(ui::savedZoom(), 2);
        w.window.action("zoom4")->trigger();
        QCOMPARE(w.window.width(), 577 * 4);
        QVERIFY(screen.contains(w.window.frameGeometry()));
        QVERIFY(!w.window.action("zoomIn")->isEnabled());
        QTest::keyClick(&w.window, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(w.window.zoom(), 3);
        QCOMPARE(ui::savedZoom(), 3);
        QTest::keyClick(&w.window, Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(w.window.zoom(), 4);
        w.window.action("zoom2")->trigger();
        QVERIFY((centreOf(w.window.frameGeometry()) - centre).manhattanLength() <= 2);

        // A saved value that is no zoom counts as none.
        for (const QVariant& bad : {QVariant(0), QVariant(5), QVariant(QStringLiteral("big"))}) {
            QSettings().setValue(QStringLiteral("window/zoom"), bad);
            QCOMPARE(ui::savedZoom(), std::nullopt);
        }
    }

    // Every zoom the window offers fits the available area, playing and in the
    // editor; the others are greyed and say why. Entering the editor steps down
    // to the largest zoom it fits at (beside the panel when that keeps a larger
    // one), and leaving it steps back up.
    void theWindowFitsTheScreenAtEveryZoomItOffers_data() {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<int>("playing");  // the largest zoom offered while playing
        QTest::addColumn<int>("editing");  // and in the editor
        QTest::addColumn<ui::Layout>("layout");  // the editor's there
        using ui::Layout;
        QTest::newRow("800 x 600") << QRect(0, 0, 800, 600) << 1 << 1 << Layout::PalettesBeside;
        QTest::newRow("1280 x 1024") << QRect(0, 0, 1280, 1024) << 2 << 1 << Layout::PalettesBelow;
        QTest::newRow("1920 x 1080 under a panel") << QRect(0, 40, 1920, 1040) << 2 << 2 << Layout::PalettesBeside;
        QTest::newRow("2560 x 1440 on the right") << QRect(1920, 0, 2560, 1440) << 2 << 2 << Layout::PalettesBelow;
        QTest::newRow("3840 x 2160") << QRect(0, 0, 3840, 2160) << 4 << 4 << Layout::PalettesBeside;
    }
    void theWindowFitsTheScreenAtEveryZoomItOffers() {
        QFETCH(QRect, area);
        QFETCH(int, playing);
        QFETCH(int, editing);
        QFETCH(ui::Layout, layout);
        TestGame game;
        game.block(cell(5, 5), 7).load("stage1.txt");
        Window w(game);
        w.window.platformForScreenshots();  // leaving the editor asks nothing
        w.window.setAvailableArea(area);
        const auto choice = [&](int zoom) { return w.window.action(qPrintable(QStringLiteral("zoom%1").arg(zoom))); };
        const auto everyOfferedZoomFits = [&](int largest) {
            for (int zoom = ui::MinZoom; zoom <= ui::MaxZoom; ++zoom) {
                QCOMPARE(choice(zoom)->isEnabled(), zoom <= largest);
                if (zoom > largest) {
                    QVERIFY2(choice(zoom)->toolTip().contains(QStringLiteral("収まりません")), qPrintable(choice(zoom)->toolTip()));
                    continue;
                }
                choice(zoom)->trigger();
                QCOMPARE(w.window.zoom(), zoom);
                QVERIFY(area.contains(w.window.frameGeometry()));
            }
            QVERIFY(!w.window.action("zoomIn")->isEnabled());
        };
        everyOfferedZoomFits(playing);
        QTest::keyClick(&w.window, Qt::Key_F8);
        QCOMPARE(w.window.zoom(), editing);
        QCOMPARE(w.window.layout(), layout);
        QVERIFY(area.contains(w.window.frameGeometry()));
        QTest::keyClick(&w.window, Qt::Key_F8);
        QCOMPARE(w.window.zoom(), playing);
        QTest::keyClick(&w.window, Qt::Key_F8);
        everyOfferedZoomFits(editing);
        QCOMPARE(w.window.layout(), layout);
    }

    void theFirstZoomIsTheLargestThatFits() {
        const QSize client(577, 484), chrome(8, 28 + 21);
        QCOMPARE(ui::fittingZoom(client, chrome, QSize(1280, 1024)), 2);
        QCOMPARE(ui::fittingZoom(client, chrome, QSize(1920, 1040)), 2);
        QCOMPARE(ui::fittingZoom(client, chrome, QSize(2560, 1400)), 2);
        QCOMPARE(ui::fittingZoom(client, chrome, QSize(2560, 1600)), 3);
        QCOMPARE(ui::fittingZoom(client, chrome, QSize(3840, 2100)), 4);
        QCOMPARE(ui::fittingZoom(client, chrome, QSize(1154 + 8, 968 + 49)), 2);  // an exact fit fits
        QCOMPARE(ui::fittingZoom(client, chrome, QSize(1154 + 7, 2000)), 1);
        QCOMPARE(ui::fittingZoom(client, chrome, QSize(640, 480)), 1);  // too small for any: 1×
    }

    void aScreenshotAtThreeTimesHasCellsOfNinetySixPixels() {
        TestGame game;
        game.block(cell(5, 5), 7).ground(cell(2, 3), 15).load("shot.txt");
        const QString png = QString::fromStdString(game.dir.file("shot.png"));
        const QString stage = QString::fromStdString(game.stageFile("shot.txt"));
        QCOMPARE(runGame({QStringLiteral("--screenshot"), png, QStringLiteral("--scale"), QStringLiteral("3"), stage}), 0);
        const QImage shot(png);
        QCOMPARE(shot.width(), 577 * 3);
        const int top = shot.height() - 484 * 3;  // below the menu bar
        QCOMPARE(rgb(shot.copy(3 * 96, top + 2 * 96, 96, 96)), zoomed(groundPicture(15), 3));
        QVERIFY(rgb(shot.copy(5 * 96, top + 5 * 96, 96, 96)) != zoomed(groundPicture(0), 3));
        for (const char* bad : {"0", "5", "two"})
            QCOMPARE(runGame({QStringLiteral("--screenshot"), png, QStringLiteral("--scale"), QLatin1String(bad)}), 2);
    }

    // At device pixel ratios that are not whole numbers every art pixel still
    // covers whole device pixels: 3 at 2× on 1.5, 1 (with a margin) at 1× on 1.25.
    void aHighDpiScreenGetsWholeDevicePixels_data() {
        QTest::addColumn<QString>("ratio");
        QTest::addColumn<int>("zoom");
        QTest::newRow("1.5 at 2x") << QStringLiteral("1.5") << 2;
        QTest::newRow("1.25 at 1x") << QStringLiteral("1.25") << 1;
        QTest::newRow("2 at 2x") << QStringLiteral("2") << 2;
    }
    void aHighDpiScreenGetsWholeDevicePixels() {
        QFETCH(QString, ratio);
        QFETCH(int, zoom);
        TestGame game;
        game.block(cell(5, 5), 7).ground(cell(2, 3), 15).load("shot.txt");
        const QString png = QString::fromStdString(game.dir.file("shot.png"));
        QCOMPARE(runGame({QStringLiteral("--screenshot"), png, QStringLiteral("--scale"), QString::number(zoom),
                          QString::fromStdString(game.stageFile("shot.txt"))},
                         ratio),
                 0);
        const QImage shot(png);
        const double r = ratio.toDouble();
        const int factor = ui::devicePixelsPerArtPixel(zoom, r);
        const int boardSide = static_cast<int>(std::lround(480 * zoom * r));
        const int margin = (boardSide - 480 * factor) / 2;
        const int top = shot.height() - static_cast<int>(std::lround(484 * zoom * r)) + margin;
        const int pitch = 32 * factor;
        QCOMPARE(rgb(shot.copy(margin + 3 * pitch, top + 2 * pitch, pitch, pitch)), zoomed(groundPicture(15), factor));
    }

    void aClearIsWrittenAtOnceAndSurvivesStartingOver() {
        TestGame game;
        stairsStage(game, "stage2.txt");
        stairsStage(game, "stage1.txt");
        Window w(game);
        w.window.move(100, 40);  // room around it for the wider clear window
        QTest::keyClick(&w.window, Qt::Key_F1);
        QTest::keyClick(&w.window, Qt::Key_Right);
        QTRY_COMPARE(w.window.game().world().state().inputLocked, false);
        bool centred = false;
        whenModalOpens([&](QWidget* modal) {
            auto* clear = qobject_cast<ui::ClearWindow*>(modal);
            QVERIFY(clear);
            centred = centredOn(clear, w.window.frameGeometry());
            QTest::keyClick(clear, Qt::Key_Return);
        });
        QTest::keyClick(&w.window, Qt::Key_Z);
        QVERIFY(centred);
        const ProgressRead written = readProgressFile(game.dir.file("data.nrl"));
        QVERIFY(written.ok() && !written.missing);
        QCOMPARE(written.progress[0], uint8_t(1));

        w.window.platformForScreenshots();  // no splash
        w.window.action("startOver")->trigger();
        QCOMPARE(GameSetUp::progress(w.window.game())[0], uint8_t(1));
        QCOMPARE(stageTitle(w.window.game().session()), std::string("stage2.txt"));
    }

    void thePanelSaysWhatStateTheGameIsIn() {
        TestGame game;
        stairsStage(game, "stage1.txt");
        Window w(game);
        QLabel* headline = w.window.statusHeadline();
        QLabel* hints = w.window.statusHints();
        QCOMPARE(headline->text(), QStringLiteral("F1 で開始"));
        QVERIFY(w.window.stepsLeft()->toolTip().startsWith(QStringLiteral("歩数")));
        QTest::keyClick(&w.window, Qt::Key_F1);
        QCOMPARE(headline->text(), QStringLiteral("プレイ中"));
        QTest::keyClick(&w.window, Qt::Key_Up);  // into the beam
        QTRY_VERIFY(w.window.game().isLost());
        QCOMPARE(headline->text(), QStringLiteral("ミス！"));
        QVERIFY(headline->styleSheet().contains(QStringLiteral("rgb(255,0,0)")));
        QVERIFY(hints->text().split(QLatin1Char('\n')).contains(QStringLiteral("Delete でリトライ")));
        for (int z = 1; z <= 4; ++z) {
            w.window.setZoom(z);
            QVERIFY(fits(headline) && fits(hints));
        }
        w.window.setZoom(1);
        QTest::keyClick(&w.window, Qt::Key_Delete);
        QCOMPARE(headline->text(), QStringLiteral("プレイ中"));
        QCOMPARE(hints->text(), QString());
        const QString offTip = w.window.stepsLeft()->toolTip();
        QTest::keyClick(&w.window, Qt::Key_F5);
        QVERIFY(w.window.stepsLeft()->toolTip() != offTip);
    }

    void theLastClearSaysSoAndTheEndingOpensOnTheWindow() {
        TestGame game;
        stairsStage(game, "stage30.txt");
        Window w(game, "stage30.txt");
        GameSetUp::progress(w.window.game()).fill(1);
        GameSetUp::progress(w.window.game())[29] = 0;
        QTest::keyClick(&w.window, Qt::Key_F1);
        QTest::keyClick(&w.window, Qt::Key_Right);
        QTRY_COMPARE(w.window.game().world().state().inputLocked, false);
        whenModalOpens([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); });
        QTest::keyClick(&w.window, Qt::Key_Z);
        QCOMPARE(w.window.statusHeadline()->text(), QStringLiteral("全ステージクリア！"));
        QVERIFY(fits(w.window.statusHeadline()));
        ui::EndingWindow* ending = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<ui::EndingWindow*>(top)) ending = found;
        QVERIFY(ending && ending->isVisible());
        QVERIFY(centredOn(ending, w.window.frameGeometry()));
        ending->close();
    }

    void messagesOpenOnTheWindowAndTheSplashOnTheScreen() {
        TestGame game;
        game.block(cell(5, 5), 7).comment("hint").load("stage1.txt");
        {
            Window w(game);
            w.window.move(20, 30);
            bool centred = false;
            whenModalOpens([&](QWidget* modal) {
                centred = centredOn(modal, w.window.frameGeometry());
                qobject_cast<QMessageBox*>(modal)->accept();
            });
            QTest::mouseClick(w.window.commentButton(), Qt::LeftButton);
            QVERIFY(centred);
        }
        // At start-up the main window is not shown yet.
        MainWindow window;
        window.setProgramFolder(game.dir.path().string());
        bool onScreen = false;
        whenModalOpens([&](QWidget* modal) {
            QVERIFY(qobject_cast<ui::SplashWindow*>(modal));
            onScreen = centredOn(modal, modal->screen()->availableGeometry());
            QTest::keyClick(modal, Qt::Key_A);
        });
        window.run([&] { window.game().startUp(); });
        QVERIFY(onScreen);
    }

    void theFileDialogNamesEachFilterOnce() {
        TestGame game;
        game.block(cell(5, 5), 7).load("stage1.txt");
        Window w(game);
        QStringList names;
        whenModalOpens([&](QWidget* modal) {
            auto* types = modal->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            QVERIFY(types);
            for (int i = 0; i < types->count(); ++i) names << types->itemText(i);
            qobject_cast<QDialog*>(modal)->reject();
        });
        w.window.action("openStage")->trigger();
        QCOMPARE(names, QStringList({QStringLiteral("テキストファイル(*.txt)"), QStringLiteral("全てのファイル(*.*)")}));
    }

    void keysPressedDuringAStepAreDroppedUnlessBuffered() {
        TestGame game;
        game.block(cell(5, 5), 7).load("stage1.txt");
        {
            Window w(game);
            QVERIFY(!w.window.action("bufferedInput")->isChecked());
            QTest::keyClick(&w.window, Qt::Key_F1);
            QTest::keyClick(&w.window, Qt::Key_Right);
            QTest::keyClick(&w.window, Qt::Key_Right);
            QVERIFY(!w.window.keyBuffer().holdsKey());
            QTRY_COMPARE(w.window.game().world().state().inputLocked, false);
            QCOMPARE(w.window.game().playerCell(), cell(5, 6));
        }
        {
            Window w(game);
            w.window.action("bufferedInput")->trigger();
            QVERIFY(ui::savedBufferedInput());
            QTest::keyClick(&w.window, Qt::Key_F1);
            QTest::keyClick(&w.window, Qt::Key_Right);
            QTest::keyClick(&w.window, Qt::Key_Down);
            QTest::keyClick(&w.window, Qt::Key_Right);  // the last one wins
            QVERIFY(w.window.keyBuffer().holdsKey());
            QTRY_COMPARE(w.window.game().playerCell(), cell(5, 7));
            QTRY_COMPARE(w.window.game().world().state().inputLocked, false);
            QCOMPARE(w.window.game().playerCell(), cell(5, 7));

            // Delete is never kept: it retries at once, and the kept key goes with the old round.
            QTest::keyClick(&w.window, Qt::Key_Right);
            QTest::keyClick(&w.window, Qt::Key_Right);
            QTest::keyClick(&w.window, Qt::Key_Delete);
            QVERIFY(!w.window.keyBuffer().holdsKey());
            QCOMPARE(w.window.game().playerCell(), cell(5, 5));
            QTest::qWait(600);
            QCOMPARE(w.window.game().playerCell(), cell(5, 5));
        }
        MainWindow next;
        QVERIFY(next.action("bufferedInput")->isChecked());
        QVERIFY(next.keyBuffer().enabled());
    }

    void aStageNamedOnTheCommandLineWaitsForStart() {
        TestGame game;
        game.block(cell(5, 5), 7).load("stage1.txt");
        game.stage = Stage{};
        game.block(cell(3, 3), 7).comment("named").load("named.txt");
        {
            MainWindow window;
            window.setProgramFolder(game.dir.path().string());
            window.platformForScreenshots();
            ui::startPlaying(window, {QString::fromStdString(game.stageFile("named.txt")), {}});
            const SessionState& s = window.game().session();
            QCOMPARE(s.stagePath, game.stageFile("named.txt"));
            QCOMPARE(s.comment, std::string("named"));
            QVERIFY(!s.roundStarted && !window.game().world().state().ticking);
            QCOMPARE(window.statusHeadline()->text(), QStringLiteral("F1 で開始"));
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY(centredOn(&window, window.screen()->availableGeometry()));
            window.activateWindow();
            QCOMPARE(window.zoom(), ui::fittingZoom(ui::naturalClientSize(ui::Layout::Playing), window.chromeSize(),
                                                    window.screen()->availableGeometry().size()));
            QTest::keyClick(&window, Qt::Key_F1);
            QVERIFY(window.game().world().state().ticking);
        }
        // A remembered zoom wins; a damaged file is reported over the window and the first stage stays.
        ui::saveZoom(1);
        MainWindow window;
        window.setAvailableArea(QRect(0, 0, 1920, 1080));
        window.setProgramFolder(game.dir.path().string());
        QString title, text;
        whenModalOpens([&](QWidget* splash) {
            QTest::keyClick(splash, Qt::Key_A);
            whenModalOpens([&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                QVERIFY(box);
                title = box->windowTitle();
                text = box->text();
                box->accept();
            });
        });
        ui::startPlaying(window, {QString::fromStdString(game.dir.file("missing.txt")), {}});
        QCOMPARE(window.zoom(), 1);
        QCOMPARE(title, QStringLiteral("Nerilo"));
        QVERIFY(text.contains(QStringLiteral("missing.txt")));
        QCOMPARE(stageTitle(window.game().session()), std::string("stage1.txt"));
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
