// 設定 → サウンド in the real window, offscreen: the game announces its
// events, the switch stops the effects, and the switch and the volume are
// remembered; without an audio output the entries say so. Whether there is an
// output is set by the test, whatever the machine has.
#include <QAction>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/gui_helpers.h"
#include "ui/language.h"
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
            window.sounds().setOutputFound(true);
            QVERIFY(window.action("soundOn")->isChecked());
            QVERIFY(window.action("soundVolume100")->isChecked());
            QTest::keyClick(&window, Qt::Key_F1);
            QTest::keyClick(&window, Qt::Key_Right);
            QCOMPARE(window.sounds().started(), 1);  // the step, as it was pressed
            QTRY_VERIFY(!window.game().world().state().inputLocked);

            window.action("soundVolume30")->trigger();
            window.action("soundOn")->trigger();
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

    // An entry that cannot sound is no choice: the switch says why where no
    // output is found, and the volumes wait while the sound is off. The
    // player's choice is kept for when an output appears.
    void theSoundEntriesSayWhenThereIsNoOutputAndTheVolumesWhenSoundIsOff() {
        TestGame game;
        game.block(cell(5, 5), block::Player).load("stage1.txt");
        Window w(game);
        MainWindow& window = w.window;
        QAction* on = window.action("soundOn");
        const struct {
            bool found;
            bool switchOn;  // what the player chose
            bool switchable, checked, volumes;
            const char* japanese;
            const char* english;
        } cases[] = {
            {true, true, true, true, true, "効果音(&S)", "&Sound effects"},
            {true, false, true, false, false, "効果音(&S)", "&Sound effects"},
            {false, true, false, false, false, "効果音（音の出力が見つかりません）(&S)", "&Sound effects (no audio output found)"},
            {false, false, false, false, false, "効果音（音の出力が見つかりません）(&S)", "&Sound effects (no audio output found)"},
            {true, true, true, true, true, "効果音(&S)", "&Sound effects"},
        };
        for (const auto& c : cases) {
            window.sounds().setOutputFound(true);
            if (on->isChecked() != c.switchOn) on->trigger();
            window.sounds().setOutputFound(c.found);
            QCOMPARE(window.sounds().on(), c.switchOn);
            QCOMPARE(on->isEnabled(), c.switchable);
            QCOMPARE(on->isChecked(), c.checked);
            for (int volume : ui::SoundVolumes)
                QCOMPARE(window.action(qPrintable(QStringLiteral("soundVolume%1").arg(volume)))->isEnabled(), c.volumes);
            QCOMPARE(on->text(), QString::fromUtf8(c.japanese));
            ui::useLanguage(ui::Language::English);
            QCOMPARE(on->text(), QString::fromUtf8(c.english));
            ui::useLanguage(ui::Language::Japanese);
        }
    }
};

QTEST_MAIN(SoundTest)
#include "sound_test.moc"
