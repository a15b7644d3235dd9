// 設定 → サウンド in the real window, offscreen and without an audio device as
// CI runs it: the game announces its events, the switch stops the effects, and
// the switch and the volume are remembered.
#include <QAction>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/gui_helpers.h"
#include "ui/sound_effects.h"

using namespace nerilo;
using nerilo::test::cell;
using nerilo::test::TestGame;
using nerilo::test::Window;
using nerilo::ui::MainWindow;

class SoundTest : public QObject {
    Q_OBJECT
    QTemporaryDir settings_;

private slots:
    void initTestCase() {
        QVERIFY(settings_.isValid());
        nerilo::test::keepSettingsIn(settings_.path());
    }
    void init() { QSettings().clear(); }

    void switchingTheSoundOffStopsTheEffectsAndIsRemembered() {
        TestGame game;
        game.block(cell(5, 5), block::Player).load("stage1.txt");
        {
            Window w(game);
            MainWindow& window = w.window;
            QVERIFY(window.action("soundOn")->isChecked());
            QVERIFY(window.action("soundVolume100")->isChecked());
            QTest::keyClick(&window, Qt::Key_F1);
            QTest::keyClick(&window, Qt::Key_Right);
            QCOMPARE(window.sounds().started(), 1);  // the step, as it was pressed
            QTRY_VERIFY(!window.game().world().state().inputLocked);

            window.action("soundOn")->trigger();
            window.action("soundVolume30")->trigger();
            QTest::keyClick(&window, Qt::Key_Right);
            QTRY_COMPARE(window.game().playerCell(), cell(5, 7));
            QCOMPARE(window.sounds().started(), 1);
        }
        MainWindow next;
        QVERIFY(!next.action("soundOn")->isChecked());
        QVERIFY(!next.sounds().on());
        QVERIFY(next.action("soundVolume30")->isChecked());
        QCOMPARE(next.sounds().volume(), 30);
    }
};

QTEST_MAIN(SoundTest)
#include "sound_test.moc"
