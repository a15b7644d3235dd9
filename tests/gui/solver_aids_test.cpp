// The solver beside the player and the author: the dead-end warning while
// playing a shipped stage, the editor's analysis panel against nerilo-solve
// --analyse, and the circuit preview on the editor's board.
#include <QAction>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "game_fixture.h"
#include "gui/gui_helpers.h"
#include "tool_run.h"
#include "ui/board_widget.h"
#include "ui/click_label.h"
#include "ui/window_settings.h"
#include "ui/editor_analysis.h"
#include "ui/main_window.h"
#include "ui/pictures.h"

using namespace nerilo;
using nerilo::test::cell;
using nerilo::test::cellImage;
using nerilo::test::TestGame;
using nerilo::test::Window;

namespace {

const QString Warning = QStringLiteral("詰み：ここからはクリア\u200bできません。Backspace で戻せます");

QPoint centreOf(int at) { return QPoint(ui::px(cellLeft(at)) + 16, ui::px(cellTop(at)) + 16); }

void press(ui::MainWindow& window, Qt::Key key) {
    QTest::keyClick(&window, key);
    QTRY_VERIFY(window.game().atRest() || window.game().isLost());
}

// Paints one cell with a ground brush, as the author clicks.
void paint(ui::MainWindow& window, int code, int at) {
    QTest::mouseClick(window.groundPalette(code), Qt::LeftButton);
    QTest::mouseClick(window.board(), Qt::LeftButton, {}, centreOf(at));
}

// The walled corridor of the solver's tests, without its stairs: the author paints them.
void corridor(TestGame& game) {
    for (int c = 2; c <= 9; ++c) game.ground(cell(4, c), ground::Wall).ground(cell(6, c), ground::Wall);
    game.ground(cell(5, 2), ground::Wall).ground(cell(5, 9), ground::Wall);
    game.ground(cell(5, 6), ground::ArrowRight).ground(cell(4, 4), ground::YellowPlate).ground(cell(3, 4), ground::Target);
    game.block(cell(5, 5), block::Player);
}

bool searchingDeadEnd(ui::MainWindow& window) { return window.game().searches().state().deadEnd.job != 0; }
bool analysing(ui::MainWindow& window) { return window.game().searches().state().analysis.job != 0; }

QImage rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }
QImage pictureImage(Picture picture) { return rgb(ui::Pictures::instance().of(picture).toImage()); }

}  // namespace

class SolverAidsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(settings_.isValid());
        nerilo::test::keepSettingsIn(settings_.path());
    }

    // Stage 2's trap: the ball pushed into the corner after DD RRR. The
    // warning comes once the press is at rest, goes with the next press and
    // stays away from a position that can still be cleared.
    void theWarningSaysADeadEndInAShippedStageAndUndoTakesItAway() {
        TestGame game;
        game.load("stage1.txt");  // the program folder's stage folder
        std::filesystem::copy_file(std::filesystem::path(NERILO_SOURCE_DIR) / "stage/stage2.txt", game.stageFile("stage2.txt"));
        Window w(game, "stage2.txt");
        QVERIFY2(!w.window.action("deadEndWarning")->isChecked(), "off by default");
        w.window.action("deadEndWarning")->trigger();
        QVERIFY2(ui::savedDeadEndWarning(), "remembered");
        press(w.window, Qt::Key_F1);
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right}) {
            press(w.window, key);
            QTRY_VERIFY(!searchingDeadEnd(w.window));
            QCOMPARE(w.window.deadEndLine()->text(), QString());
        }
        press(w.window, Qt::Key_Right);
        QTRY_COMPARE(w.window.deadEndLine()->text(), Warning);
        const auto deadEnds = [&] {
            return w.window.game().playerData().records().deadEnds(2, w.window.game().session().stageFingerprint);
        };
        QCOMPARE(deadEnds(), 1u);
        // A press inside the dead end is warned of again, but made nothing worse.
        press(w.window, Qt::Key_Left);
        QTRY_COMPARE(w.window.deadEndLine()->text(), Warning);
        QTRY_VERIFY(!searchingDeadEnd(w.window));
        QCOMPARE(deadEnds(), 1u);
        QTest::keyClick(&w.window, Qt::Key_Backspace);
        QTRY_VERIFY(!searchingDeadEnd(w.window));
        QTest::keyClick(&w.window, Qt::Key_Backspace);
        QCOMPARE(w.window.deadEndLine()->text(), QString());  // the warning held for the position undone
        QTRY_VERIFY(!searchingDeadEnd(w.window));
        QCOMPARE(w.window.deadEndLine()->text(), QString());
        // Redo into the dead end warns again, but is no new entry, however often.
        for (int i = 0; i < 2; ++i) {
            QTest::keyClick(&w.window, Qt::Key_Y, Qt::ControlModifier);
            QTRY_COMPARE(w.window.deadEndLine()->text(), Warning);
            QTRY_VERIFY(!searchingDeadEnd(w.window));
            QTest::keyClick(&w.window, Qt::Key_Backspace);
            QTRY_VERIFY(!searchingDeadEnd(w.window));
            QCOMPARE(w.window.deadEndLine()->text(), QString());
        }
        QCOMPARE(deadEnds(), 1u);

        press(w.window, Qt::Key_Right);
        QTRY_COMPARE(w.window.deadEndLine()->text(), Warning);
        w.window.action("deadEndWarning")->trigger();
        QCOMPARE(w.window.deadEndLine()->text(), QString());  // turned off, the warning goes
        QVERIFY(!ui::savedDeadEndWarning());
        QSettings().clear();
    }

    // The figures after a stroke are those nerilo-solve --analyse gives for the
    // same board; a click on the shortest clear plays it in test play.
    void theAnalysisPanelShowsTheSolversFiguresAfterAStroke() {
        TestGame game;
        corridor(game);
        game.load("stage1.txt");
        Window w(game);
        QTest::keyClick(&w.window, Qt::Key_F8);
        ui::EditorAnalysis* panel = w.window.editorAnalysis();
        QVERIFY(panel->isVisible());
        QTRY_VERIFY(!analysing(w.window));
        QCOMPARE(panel->lines().first(), QStringLiteral("クリアできません"));

        paint(w.window, ground::Stairs, cell(5, 3));
        QCOMPARE(panel->lines().first(), QStringLiteral("解析中…"));  // the stroke drops the old figures at once
        QTRY_VERIFY(!analysing(w.window));

        TestGame painted;
        corridor(painted);
        painted.ground(cell(5, 3), ground::Stairs);
        painted.load();
        const test::ToolRun run = test::runTool(NERILO_SOLVE, "--json --analyse " + painted.stageFile("test.txt"));
        const nlohmann::json figures = nlohmann::json::parse(run.output);
        const int reachable = figures["reachable"], deadEnds = figures["dead_ends"];
        const QStringList expected = {
            QStringLiteral("クリアできます"),
            QStringLiteral("最短 %1 手").arg(int(figures["length"])),
            QStringLiteral("局面 %1").arg(reachable),
            QStringLiteral("詰み %1（%2%）").arg(deadEnds).arg(100.0 * deadEnds / reachable, 0, 'f', 1),
            QStringLiteral("最初の詰み %1 手目").arg(int(figures["first_dead_end_depth"])),
        };
        QCOMPARE(panel->lines(), expected);

        // The clear in test play says so in its window, which the author closes.
        test::whenModalOpens([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); });
        QTest::mouseClick(panel->findChildren<ui::ClickLabel*>().first(), Qt::LeftButton);
        QVERIFY(w.window.game().editor().playingSolution());
        QVERIFY2(!panel->isVisible(), "test play hides the panel");
        QTRY_VERIFY(!w.window.game().session().testPlaying());
        QTRY_VERIFY(panel->isVisible());
    }

    // A white plate beside a painted target shows lit, an emitter beside one
    // marks the cells its beam crosses; with the preview off the painted codes show.
    void thePreviewDrawsTheBoardAsTheRoundWouldStart() {
        TestGame game;
        game.block(cell(10, 10), block::Player).ground(cell(5, 5), ground::WhitePlate);
        game.ground(cell(8, 3), ground::EmitterRight);
        game.load("stage1.txt");
        Window w(game);
        QTest::keyClick(&w.window, Qt::Key_F8);
        const QImage floor = cellImage(w.window, cell(8, 6));
        paint(w.window, ground::Target, cell(5, 4));
        paint(w.window, ground::Target, cell(8, 2));
        struct Case {
            bool preview;
            Picture plate;
            bool beamShown;
        };
        for (const Case c : {Case{true, groundPicture(ground::YellowPlate), true},
                             Case{false, groundPicture(ground::WhitePlate), false}}) {
            w.window.action("circuitPreview")->setChecked(!c.preview);
            w.window.action("circuitPreview")->trigger();
            QCOMPARE(w.window.board()->circuitPreview(), c.preview);
            QCOMPARE(rgb(cellImage(w.window, cell(5, 5))), pictureImage(c.plate));
            QCOMPARE(rgb(cellImage(w.window, cell(8, 6))) != rgb(floor), c.beamShown);
        }
        QCOMPARE(w.window.game().world().state().ground[cell(5, 5)].code, ground::WhitePlate);  // the preview leaves the edited board as painted
        QSettings().clear();
    }

private:
    QTemporaryDir settings_;
};

QTEST_MAIN(SolverAidsTest)
#include "solver_aids_test.moc"
