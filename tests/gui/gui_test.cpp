// The real window on Qt's offscreen platform, driven as a player drives it.
#include <QAction>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <fstream>

#include "model/progress_file.h"
#include "game_fixture.h"
#include "gui/gui_helpers.h"
#include "ui/board_widget.h"
#include "ui/clear_window.h"
#include "ui/click_label.h"
#include "ui/launch.h"
#include "ui/main_window.h"
#include "ui/pictures.h"
#include "ui/thread_runner.h"
#include "ui/solver_dialog.h"
#include "ui/splash_window.h"
#include "ui/stage_list_window.h"
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>

using namespace nerilo;
using nerilo::test::cell;
using nerilo::test::choose;
using nerilo::test::whenModalOpens;
using nerilo::test::Window;
using nerilo::test::TestGame;
using nerilo::ui::MainWindow;
using nerilo::test::cellImage;

namespace {

// The middle of a cell of the board, at the window's first zoom.
QPoint centreOf(int at) { return QPoint(ui::px(cellLeft(at)) + 16, ui::px(cellTop(at)) + 16); }

void clickCell(MainWindow& window, int at) { QTest::mouseClick(window.board(), Qt::LeftButton, {}, centreOf(at)); }

// Opens the stage list with F9 and hands it to `act` once it is open.
void withStageList(MainWindow& window, const std::function<void(ui::StageListWindow*)>& act) {
    bool opened = false;
    whenModalOpens([&](QWidget* modal) {
        auto* list = qobject_cast<ui::StageListWindow*>(modal);
        QVERIFY(list);
        opened = true;
        act(list);
    });
    // The shortcut reaches the window only while it is active, as it is again
    // once a dialog has closed.
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F9);
    QVERIFY(opened);
}

}  // namespace

class GuiTest : public QObject {
    Q_OBJECT

private slots:
    void f1AndTheStartLabelBothStart() {
        TestGame game;
        game.block(cell(5, 5), 7).load("stage1.txt");
        {
            Window w(game);
            QTest::keyClick(&w.window, Qt::Key_F1);
            QCOMPARE(w.window.game().session().roundCommand, RoundCommand::Retry);
            QVERIFY(w.window.worldTimer().isActive());
            QCOMPARE(w.window.roundButton()->text(), QStringLiteral("再挑戦"));
        }
        {
            Window w(game);
            QCOMPARE(w.window.roundButton()->text(), QStringLiteral("開始"));
            QTest::mouseClick(w.window.roundButton(), Qt::LeftButton);
            QVERIFY(w.window.worldTimer().isActive());
            QVERIFY(!w.window.action("start")->isEnabled());
        }
    }

    void arrowsMoveThePlayerOnTheDrawnBoard() {
        TestGame game;
        game.block(cell(5, 5), 7).load("stage1.txt");
        Window w(game);
        const QImage floor = ui::Pictures::instance().of(groundPicture(0)).toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(cellImage(w.window, cell(5, 5)).convertToFormat(QImage::Format_RGB32) != floor);
        QTest::keyClick(&w.window, Qt::Key_F1);
        QTest::keyClick(&w.window, Qt::Key_Right);
        QTRY_COMPARE(w.window.game().playerCell(), cell(5, 6));
        QTRY_COMPARE(w.window.game().world().state().inputLocked, false);
        QCOMPARE(cellImage(w.window, cell(5, 5)).convertToFormat(QImage::Format_RGB32), floor);
        QVERIFY(cellImage(w.window, cell(5, 6)).convertToFormat(QImage::Format_RGB32) != floor);
    }

    void modeEntriesStayGreyedUntilTheProgressAllowsThem() {
        TestGame game;
        game.block(cell(5, 5), 7).load("stage1.txt");
        {
            Window w(game);
            QVERIFY(!w.window.action("blockMode")->isEnabled());
            QVERIFY(!w.window.action("superMode")->isEnabled());
        }
        Progress all{};
        all.fill(1);
        std::ofstream(game.dir.file("data.nrl"), std::ios::binary) << formatProgress(all);
        MainWindow window;
        window.setProgramFolder(game.dir.path().string());
        window.platformForScreenshots();
        window.run([&] { window.game().startUp(); });
        QVERIFY(window.action("blockMode")->isEnabled());
        QVERIFY(!window.action("superMode")->isEnabled());
    }

    void theEditMenuAppearsOnlyInEditMode() {
        TestGame game;
        game.block(cell(5, 5), 7).load("stage1.txt");
        Window w(game);
        QVERIFY(!w.window.editMenu()->menuAction()->isVisible());
        QVERIFY(!w.window.layerButton()->isEnabled());
        QTest::keyClick(&w.window, Qt::Key_F8);
        QVERIFY(w.window.editMenu()->menuAction()->isVisible());
        QVERIFY(w.window.action("editor")->isChecked());
        QVERIFY(w.window.height() > ui::px(8000));
        QTest::mouseClick(w.window.blockPalette(4), Qt::LeftButton);
        QCOMPARE(w.window.layerButton()->text(), QStringLiteral("↓切り替え"));
        QTest::mouseClick(w.window.board(), Qt::LeftButton, {}, QPoint(ui::px(cellLeft(cell(2, 3))) + 5, ui::px(cellTop(cell(2, 3))) + 5));
        QCOMPARE(w.window.game().world().state().blocks[cell(2, 3)].code, uint8_t(4));
    }

    void dragPaintsEveryCellPassedAndRightClickPicks() {
        TestGame game;
        game.block(cell(5, 5), 7).load("stage1.txt");
        Window w(game);
        QTest::keyClick(&w.window, Qt::Key_F8);
        QTest::mouseClick(w.window.groundPalette(1), Qt::LeftButton);
        QWidget* board = w.window.board();
        auto centre = [](int at) { return QPoint(ui::px(cellLeft(at)) + 16, ui::px(cellTop(at)) + 16); };
        QTest::mousePress(board, Qt::LeftButton, {}, centre(cell(3, 2)));
        for (int column = 3; column <= 7; ++column) {
            QMouseEvent move(QEvent::MouseMove, centre(cell(3, column)), board->mapToGlobal(centre(cell(3, column))),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(board, &move);
        }
        QTest::mouseRelease(board, Qt::LeftButton, {}, centre(cell(3, 7)));
        for (int column = 2; column <= 7; ++column) QCOMPARE(w.window.game().world().state().ground[cell(3, column)].code, uint8_t(1));
        QCOMPARE(w.window.game().world().state().ground[cell(3, 8)].code, uint8_t(0));

        // Right click on an empty block cell picks the eraser; a left click then erases.
        QTest::mouseClick(w.window.blockPalette(1), Qt::LeftButton);
        QTest::mouseClick(board, Qt::RightButton, {}, centre(cell(9, 9)));
        QCOMPARE(w.window.game().session().blockBrush, uint8_t(0));
        QTest::mouseClick(board, Qt::LeftButton, {}, centre(cell(5, 5)));
        QCOMPARE(w.window.game().world().state().blocks[cell(5, 5)].code, uint8_t(0));
    }

    void theEditorSavesAndOpensThroughTheRealDialogs() {
        TestGame game;
        game.block(cell(5, 5), 7).load("stage1.txt");
        Window w(game);
        QTest::keyClick(&w.window, Qt::Key_F8);
        QTest::mouseClick(w.window.groundPalette(15), Qt::LeftButton);
        QTest::mouseClick(w.window.board(), Qt::LeftButton, {}, QPoint(ui::px(cellLeft(cell(5, 8))) + 5, ui::px(cellTop(cell(5, 8))) + 5));

        whenModalOpens([](QWidget* modal) {
            auto* input = qobject_cast<QInputDialog*>(modal);
            QVERIFY(input);
            QCOMPARE(input->windowTitle(), QStringLiteral("Nerilo(タイマー設定)"));
            input->setTextValue(QStringLiteral("150"));
            input->accept();
        });
        w.window.action("editStepTarget")->trigger();
        QCOMPARE(w.window.game().world().state().stepTarget, 150);

        const QString saved = QString::fromStdString(game.stageFile("drawn.txt"));
        QString dialogTitle;
        whenModalOpens([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            dialogTitle = dialog->windowTitle();
            choose(dialog, saved);
        });
        nerilo::test::triggerAndWait(w.window, "saveStage");
        QCOMPARE(dialogTitle, QStringLiteral("保存"));
        StageRead read = readStageFile(saved.toStdString());
        QVERIFY(read.ok());
        QCOMPARE(read.stage.ground[cell(5, 8)], uint8_t(15));
        QCOMPARE(read.stage.stepTarget, 150LL);

        // Open it again through the open dialog, which starts where the save left off.
        QString startedAt;
        whenModalOpens([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            startedAt = dialog->directory().absolutePath();
            choose(dialog, saved);
        });
        w.window.action("openInEditor")->trigger();
        QCOMPARE(startedAt, QFileInfo(saved).absolutePath());
        QCOMPARE(w.window.game().session().stagePath, saved.toStdString());
        QVERIFY(!w.window.action("start")->isEnabled());
    }

    void theCommentBoxShowsAnEmptyCommentAsPlainText() {
        TestGame game;
        game.block(cell(5, 5), 7).comment("").load("stage1.txt");
        Window w(game);
        QString title, text;
        whenModalOpens([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            box->accept();
        });
        QTest::mouseClick(w.window.commentButton(), Qt::LeftButton);
        QCOMPARE(title, QStringLiteral("Nerilo"));
        QCOMPARE(text, QString());
    }

    // A stage code or a path is one run with no place to break a line: the box
    // cut it off at its edge, or grew as wide as the run. It wraps within a
    // box of a sane width, wherever it stands in the text.
    void aLongUnbrokenTextWrapsWithinTheBox() {
        TestGame game;
        game.block(cell(5, 5), 7).load("stage1.txt");
        Window w(game);
        const std::string run = "nerilo:N1." + std::string(300, 'x');
        for (const std::string& text : {run, "コードからステージを開けません。\n" + run + "\n写し間違いがないか確かめてください。",
                                        "/home/player/" + std::string(200, 'y') + "/data.nrl"}) {
            int boxWidth = 0, labelWidth = 0, widestRun = 0, lines = 0;
            QString shown;
            whenModalOpens([&](QWidget* modal) {
                if (auto* label = modal->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
                    boxWidth = modal->width();
                    labelWidth = label->width();
                    widestRun = label->minimumSizeHint().width();
                    lines = label->height() / label->fontMetrics().lineSpacing();
                    shown = label->text();
                }
                modal->close();
            });
            w.window.platform().messageBox(messageQuestion(Text::words(text), MsgButtons::Ok, MsgIcon::Exclamation));
            QVERIFY2(boxWidth > 0 && boxWidth <= 640, qPrintable(QString::number(boxWidth)));
            QVERIFY2(widestRun <= labelWidth, qPrintable(QStringLiteral("%1 > %2").arg(widestRun).arg(labelWidth)));
            QVERIFY(lines >= 4);
            // The breaks are invisible: the text reads as it was written.
            QCOMPARE(shown.remove(QChar(0x200B)), QString::fromStdString(text));
        }
    }

    // Enter on a question that would drop the editor's work keeps it: the safe
    // answer is the box's default button, and has the focus.
    void enterOnAQuestionThatDropsEditsKeepsThem() {
        TestGame game;
        game.block(cell(5, 5), 7).load("stage1.txt");
        game.block(cell(3, 3), 7).comment("other").load("other.txt");
        Window w(game);
        MainWindow& window = w.window;
        const QString other = QString::fromStdString(game.stageFile("other.txt"));
        const struct {
            const char* what;
            std::function<void()> ask;
        } questions[] = {
            {"a stage handed over", [&] { window.run([&] { ui::openNamedStage(window, {other, {}}); }); }},
            {"open", [&] { window.action("openInEditor")->trigger(); }},
            {"start over", [&] { window.action("startOver")->trigger(); }},
            {"new stage", [&] { window.action("newStage")->trigger(); }},
        };
        QTest::keyClick(&window, Qt::Key_F8);
        window.run([&] {
            window.game().editor().chooseGroundBrush(ground::Wall);
            window.game().editor().paintCell(cell(1, 1));
        });
        for (const auto& question : questions) {
            bool asked = false, cancelIsDefault = false, cancelHasFocus = false;
            whenModalOpens([&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                asked = box != nullptr;
                if (box) {
                    cancelIsDefault = box->defaultButton() && box->defaultButton() == box->button(QMessageBox::Cancel);
                    cancelHasFocus = box->focusWidget() && box->focusWidget() == box->button(QMessageBox::Cancel);
                }
                QTest::keyClick(modal, Qt::Key_Return);
            });
            question.ask();
            QVERIFY2(asked, question.what);
            QVERIFY2(cancelIsDefault && cancelHasFocus, question.what);
            QVERIFY2(!QApplication::activeModalWidget(), question.what);
            QVERIFY2(window.game().session().editing(), question.what);
            QVERIFY2(window.game().world().state().ground[cell(1, 1)].code == ground::Wall, question.what);
            QVERIFY2(window.game().session().comment != "other", question.what);
        }
    }

    void theClearWindowClosesOnEnterAndTheNextStageStarts() {
        TestGame game;
        game.block(cell(5, 5), 7).comment("two").load("stage2.txt");
        game.stage = Stage{};
        game.block(cell(5, 5), 7).ground(cell(5, 6), 15).load("stage1.txt");
        Window w(game);
        QTest::keyClick(&w.window, Qt::Key_F1);
        QTest::keyClick(&w.window, Qt::Key_Right);
        QTRY_COMPARE(w.window.game().world().state().inputLocked, false);
        int frameAtClose = -1;
        whenModalOpens([&](QWidget* modal) {
            auto* clear = qobject_cast<ui::ClearWindow*>(modal);
            QVERIFY(clear);
            frameAtClose = clear->frame();
            QTest::keyClick(clear, Qt::Key_Return);
        });
        QTest::keyClick(&w.window, Qt::Key_Z);
        QVERIFY(frameAtClose >= 0 && frameAtClose < 25);  // before the letters appeared
        QCOMPARE(stageTitle(w.window.game().session()), std::string("stage2.txt"));
        QCOMPARE(w.window.game().session().comment, std::string("two"));
        QVERIFY(w.window.worldTimer().isActive());
    }

    void ctrlHShowsTheNextPressAndCountsTheHint() {
        TestGame game;
        game.block(cell(5, 5), 7).ground(cell(5, 7), ground::Stairs).load("stage1.txt");
        Window w(game);
        Game& g = w.window.game();
        QTest::keyClick(&w.window, Qt::Key_F1);
        QTest::keyClick(&w.window, Qt::Key_H, Qt::ControlModifier);
        // The search runs aside; the answer arrives through the event loop.
        QTRY_COMPARE(w.window.hintLine()->text(), QStringLiteral("→ あと 3 手"));
        QCOMPARE(g.round().history().hintsUsed(), 1);
        QTest::keyClick(&w.window, Qt::Key_Right);
        // A hint holds for the position it was asked in.
        QVERIFY(w.window.hintLine()->text().isEmpty());

        // Without stairs no clear can be reached, and the window says so.
        TestGame stuck;
        stuck.block(cell(5, 5), 7).load("stage1.txt");
        Window v(stuck);
        QTest::keyClick(&v.window, Qt::Key_F1);
        QString said;
        whenModalOpens([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            said = box->text();
            box->accept();
        });
        QTest::keyClick(&v.window, Qt::Key_H, Qt::ControlModifier);
        QTRY_VERIFY(!said.isEmpty());
        QCOMPARE(said, QStringLiteral("ここからはクリアできません。元に戻すかリトライしてください。"));
        QCOMPARE(v.window.game().round().history().hintsUsed(), 0);
    }

    void theStageListOpensTheChosenStageReadyToStart() {
        TestGame game;
        game.block(cell(5, 5), 7).comment("ステージ1「一」").load("stage1.txt");
        game.block(cell(2, 2), 0).comment("ステージ3「三」").load("stage3.txt");
        Window w(game);
        Game& g = w.window.game();
        QTest::keyClick(&w.window, Qt::Key_F1);
        QVERIFY(w.window.action("stageList")->isEnabled());
        withStageList(w.window, [](ui::StageListWindow* list) {
            QListWidget* grid = list->grid();
            QCOMPARE(list->windowTitle(), QStringLiteral("ステージ一覧"));
            QCOMPARE(grid->count(), 30);
            QCOMPARE(grid->currentRow(), 0);  // the stage being played
            QVERIFY2(!(grid->item(1)->flags() & Qt::ItemIsEnabled), "stage 2 has no file");
            QVERIFY2(!list->replayButton()->isEnabled(), "no record yet");
            QTest::keyClick(grid, Qt::Key_Right);
            QTest::keyClick(grid, Qt::Key_Right);
            QCOMPARE(grid->currentRow(), 2);
            QTest::keyClick(grid, Qt::Key_Return);
        });
        QCOMPARE(stageTitle(g.session()), std::string("stage3.txt"));
        QCOMPARE(g.session().comment, std::string("ステージ3「三」"));
        QCOMPARE(g.session().roundCommand, RoundCommand::Start);
        QVERIFY(g.world().state().inputLocked);
        QVERIFY(!w.window.worldTimer().isActive());
        QVERIFY(w.window.action("start")->isEnabled());

        // The panel's button opens it as well; closing it changes nothing.
        bool opened = false;
        whenModalOpens([&](QWidget* modal) {
            auto* list = qobject_cast<ui::StageListWindow*>(modal);
            QVERIFY(list);
            opened = true;
            QCOMPARE(list->grid()->currentRow(), 2);
            QTest::keyClick(list->grid(), Qt::Key_Escape);
        });
        QTest::mouseClick(w.window.stageListButton(), Qt::LeftButton);
        QVERIFY(opened);
        QCOMPARE(stageTitle(g.session()), std::string("stage3.txt"));

        // A double click opens the stage under the pointer.
        withStageList(w.window, [](ui::StageListWindow* list) {
            QListWidget* grid = list->grid();
            const QPoint first = grid->visualItemRect(grid->item(0)).center();
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, first);
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, first);
        });
        QCOMPARE(stageTitle(g.session()), std::string("stage1.txt"));
    }

    // The length belongs to the stage the list fingerprinted: a stage saved
    // over its file meanwhile must not lend it its length.
    void shortestLengthsAreSearchedOnceInTheBackground() {
        TestGame game;
        ui::ThreadRunner runner(game.engine);
        game.engine.searches().setRunner(&runner);
        QSignalSpy searched(&runner, &ui::ThreadRunner::reported);
        Stage stairs;
        stairs.blocks[cell(5, 5)] = block::Player;
        stairs.ground[cell(5, 7)] = ground::Stairs;
        stairs.stepTarget = 20;
        QVERIFY(game.engine.searches().shortestLength(7, stairs).searching);
        QTRY_COMPARE(searched.count(), 1);
        const ShortestLength known = game.engine.searches().shortestLength(7, Stage{});
        QVERIFY(!known.searching);
        QCOMPARE(known.presses, std::optional<int>(3));
        // Another fingerprint is another stage: one with no player has no clear.
        QVERIFY(game.engine.searches().shortestLength(8, Stage{}).searching);
        QTRY_COMPARE(searched.count(), 2);
        QVERIFY(!game.engine.searches().shortestLength(8, Stage{}).presses);
        game.engine.searches().setRunner(nullptr);
    }

    void aReplayPlaysAtTheGamesSpeedAndAKeyStopsIt() {
        TestGame game;
        game.block(cell(5, 5), 7).ground(cell(6, 7), ground::Stairs).load("stage1.txt");
        Window w(game);
        Game& g = w.window.game();
        GameSetUp::records(g).offer(1, stageFingerprint(game.stage), false, "RRDZ");

        auto startReplay = [&] {
            withStageList(w.window, [](ui::StageListWindow* list) {
                QVERIFY(list->replayButton()->isEnabled());
                QTest::mouseClick(list->replayButton(), Qt::LeftButton);
            });
            // The presses come one by one with the world's ticks, none at once.
            QVERIFY(g.round().playbackRunning());
            QCOMPARE(g.playerCell(), cell(5, 5));
            QVERIFY(w.window.worldTimer().isActive());
        };
        startReplay();
        QTRY_COMPARE(g.playerCell(), cell(5, 6));
        QTest::keyClick(&w.window, Qt::Key_Down);
        QVERIFY(!g.round().playbackRunning());
        QCOMPARE(g.playerCell(), cell(5, 5));
        QCOMPARE(g.session().roundCommand, RoundCommand::Start);

        // Played to the end, it shows the clear and leaves the stage ready to start.
        startReplay();
        bool cleared = false;
        whenModalOpens([&](QWidget* modal) {
            QVERIFY(qobject_cast<ui::ClearWindow*>(modal));
            QCOMPARE(g.playerCell(), cell(6, 7));
            cleared = true;
            QTest::keyClick(modal, Qt::Key_Return);
        });
        QTRY_VERIFY_WITH_TIMEOUT(cleared && !g.round().playbackRunning(), 20000);
        QCOMPARE(g.playerData().progress()[0], uint8_t(0));
        QCOMPARE(g.session().roundCommand, RoundCommand::Start);
        QCOMPARE(g.playerCell(), cell(5, 5));
    }

    void theSplashClosesOnAKey() {
        ui::SplashWindow splash(nullptr);
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QTest::keyClick(&splash, Qt::Key_A);
        QVERIFY(!splash.isVisible());
        QCOMPARE(splash.result(), int(QDialog::Accepted));
    }

    void aLostGameShowsTheStippleAndTheStonePlayer() {
        TestGame game;
        game.ground(cell(2, 0), 7).ground(cell(2, 1), 20).block(cell(2, 5), 7).load("stage1.txt");
        Window w(game);
        QTest::keyClick(&w.window, Qt::Key_F1);
        QTRY_VERIFY(w.window.game().isLost());
        const QImage marked = cellImage(w.window, cell(2, 3));
        QCOMPARE(QColor(marked.pixel(0, 0)), QColor(255, 255, 0));
        QVERIFY(QColor(marked.pixel(1, 0)) != QColor(255, 255, 0));
        const QImage stone = ui::Pictures::instance().of(playerPicture(1)).toImage();
        const QImage shown = cellImage(w.window, cell(2, 5));
        // The stone player is drawn under the stipple: his opaque pixels show where the stipple is transparent.
        int matching = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if ((x + y) % 2 == 1 && qAlpha(stone.pixel(x, y)) == 255 && shown.pixel(x, y) == stone.pixel(x, y)) ++matching;
        QVERIFY(matching > 100);
    }

    void testPlayRunsTheEditedBoardAndEscapeReturnsToTheEditor() {
        TestGame game;
        game.block(cell(5, 5), block::Player).load("stage1.txt");
        Window w(game);
        Game& f = w.window.game();
        QTest::keyClick(&w.window, Qt::Key_F8);
        QTest::mouseClick(w.window.groundPalette(ground::Stairs), Qt::LeftButton);
        clickCell(w.window, cell(5, 7));
        const GameSnapshot editing = f.snapshot();

        QTest::keyClick(&w.window, Qt::Key_F10);
        QVERIFY(f.session().testPlaying());
        QVERIFY(w.window.action("testPlay")->isChecked());
        QVERIFY(w.window.editMenu()->menuAction()->isVisible());
        QVERIFY(!w.window.groundPalette(0)->isEnabled() && !w.window.blockBrush()->isEnabled());
        QVERIFY(!w.window.action("saveStage")->isEnabled() && !w.window.action("editor")->isEnabled());
        QVERIFY(w.window.worldTimer().isActive());
        clickCell(w.window, cell(0, 0));
        QCOMPARE(f.world().state().ground[cell(0, 0)].code, uint8_t(ground::Floor));
        QTest::keyClick(&w.window, Qt::Key_Right);
        QTRY_COMPARE(f.playerCell(), cell(5, 6));

        QTest::keyClick(&w.window, Qt::Key_Escape);
        QVERIFY(f.snapshot() == editing);
        QVERIFY(!w.window.action("testPlay")->isChecked());
        QVERIFY(w.window.groundPalette(0)->isEnabled());
        QVERIFY(!w.window.worldTimer().isActive());

        // The clear shows the clear window and comes back to the editor.
        QTest::keyClick(&w.window, Qt::Key_F10);
        for (int column : {6, 7}) {
            QTest::keyClick(&w.window, Qt::Key_Right);
            QTRY_COMPARE(f.playerCell(), cell(5, column));
            QTRY_VERIFY(!f.world().state().inputLocked);
        }
        bool clearShown = false;
        whenModalOpens([&](QWidget* modal) {
            clearShown = qobject_cast<ui::ClearWindow*>(modal) != nullptr;
            QTest::keyClick(modal, Qt::Key_Return);
        });
        QTest::keyClick(&w.window, Qt::Key_Z);
        QVERIFY(clearShown);
        QVERIFY(f.snapshot() == editing);
        QCOMPARE(stageTitle(f.session()), std::string("stage1.txt"));
    }

    void theSolverShowsTheShortestClearAndPlaysIt() {
        TestGame game;
        game.block(cell(5, 5), block::Player).ground(cell(5, 7), ground::Stairs).load("stage1.txt");
        Window w(game);
        Game& f = w.window.game();
        QTest::keyClick(&w.window, Qt::Key_F8);
        const GameSnapshot editing = f.snapshot();
        QString headline, analysis;
        bool clearShown = false;
        whenModalOpens([&](QWidget* modal) {
            auto* dialog = qobject_cast<ui::SolverDialog*>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Nerilo(解を探す)"));
            QTRY_VERIFY(!dialog->searching());
            headline = dialog->headline()->text();
            analysis = dialog->analysis()->text();
            QVERIFY(dialog->playButton()->isVisible());
            QCOMPARE(dialog->playButton()->text(), QStringLiteral("解を再生"));
            whenModalOpens([&](QWidget* clear) {
                clearShown = qobject_cast<ui::ClearWindow*>(clear) != nullptr;
                QTest::keyClick(clear, Qt::Key_Return);
            });
            QTest::mouseClick(dialog->playButton(), Qt::LeftButton);
        });
        QTest::keyClick(&w.window, Qt::Key_F11);
        QCOMPARE(headline, QStringLiteral("最短 3 手でクリアできます"));
        QVERIFY2(analysis.startsWith(QStringLiteral("到達できる局面 ")), qPrintable(analysis));
        QVERIFY(f.editor().playingSolution());
        QVERIFY(w.window.worldTimer().isActive());
        QTRY_VERIFY(clearShown);
        QTRY_VERIFY(f.snapshot() == editing);

        // Any key stops the solution, and the board is the edited one again.
        whenModalOpens([&](QWidget* modal) {
            auto* dialog = qobject_cast<ui::SolverDialog*>(modal);
            QVERIFY(dialog);
            QTRY_VERIFY(dialog->playButton()->isVisible());
            QTest::mouseClick(dialog->playButton(), Qt::LeftButton);
        });
        w.window.activateWindow();  // the closed clear window may have left no window active
        QTRY_VERIFY(QApplication::activeWindow() == &w.window);
        QTest::keyClick(&w.window, Qt::Key_F11);
        QTRY_COMPARE(f.playerCell(), cell(5, 6));
        QTest::keyClick(&w.window, Qt::Key_F5);
        QVERIFY(f.snapshot() == editing);
    }

    void withoutAPlayerTheSolverExplainsAndDoesNotSearch() {
        TestGame game;
        game.ground(cell(5, 7), ground::Stairs).load("stage1.txt");
        Window w(game);
        QTest::keyClick(&w.window, Qt::Key_F8);
        QString headline, notes;
        bool searched = true, playOffered = true;
        whenModalOpens([&](QWidget* modal) {
            auto* dialog = qobject_cast<ui::SolverDialog*>(modal);
            QVERIFY(dialog);
            searched = dialog->searching();
            headline = dialog->headline()->text();
            notes = dialog->notes()->text();
            playOffered = dialog->playButton()->isVisible();
            QTest::mouseClick(dialog->closeButton(), Qt::LeftButton);
        });
        QTest::keyClick(&w.window, Qt::Key_F11);
        QVERIFY(!searched && !playOffered);
        QCOMPARE(headline, QStringLiteral("解を探せません"));
        QCOMPARE(notes, QStringLiteral("プレイヤーがいません。"));
        QVERIFY(w.window.game().session().editing());
    }

    // The search runs in a worker: the window goes on handling timers and the
    // progress the worker sends, Cancel stops the worker, and the board is untouched.
    void aLongSearchKeepsTheWindowRespondingAndCancels() {
        TestGame game;
        game.block(cell(7, 7), block::Player).ground(cell(0, 0), ground::Stairs);
        game.ground(cell(0, 1), ground::Wall).ground(cell(1, 0), ground::Wall);
        for (int i = 0; i < 12; ++i) game.block(cell(2 + (i % 4) * 3, 2 + (i / 4) * 4), block::BlackBall);
        game.load("stage1.txt");
        Window w(game);
        w.window.searchLimit() = 4'000'000'000ULL;
        QTest::keyClick(&w.window, Qt::Key_F8);
        const GameSnapshot editing = w.window.game().snapshot();
        bool sawProgress = false, cancelled = false;
        int fired = 0;
        whenModalOpens([&](QWidget* modal) {
            auto* dialog = qobject_cast<ui::SolverDialog*>(modal);
            QVERIFY(dialog);
            QVERIFY(dialog->searching());
            QTimer ticks;
            QObject::connect(&ticks, &QTimer::timeout, [&] { ++fired; });
            ticks.start(10);
            QTRY_VERIFY(fired >= 5);
            QTRY_VERIFY(dialog->detail()->text().startsWith(QStringLiteral("調べた局面 ")));
            sawProgress = dialog->searching();
            QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
            QTRY_VERIFY(!dialog->searching());
            cancelled = dialog->result() && dialog->result()->outcome == solver::Outcome::Cancelled;
        });
        QTest::keyClick(&w.window, Qt::Key_F11);
        QVERIFY2(sawProgress, "the timer and the progress were handled while the worker ran");
        QVERIFY(cancelled);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(w.window.game().snapshot() == editing);
        QVERIFY(w.window.game().session().editing());
    }

    void aStageWithAProblemIsSavedOnlyAfterTheWarning_data() {
        QTest::addColumn<bool>("stairs");
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("warning");
        QTest::newRow("no stairs") << false << 30 << QStringLiteral("階段がありません。");
        // Four steps to the stairs: a target of 4 runs out on the fourth.
        QTest::newRow("a step target too low for step-try mode")
            << true << 4 << QStringLiteral("歩数トライでは目標歩数 4 のうちにクリアできません。5 あればクリアできます。");
    }
    void aStageWithAProblemIsSavedOnlyAfterTheWarning() {
        QFETCH(bool, stairs);
        QFETCH(int, target);
        QFETCH(QString, warning);
        TestGame game;
        game.block(cell(5, 5), block::Player).target(target);
        if (stairs) game.ground(cell(5, 9), ground::Stairs);
        game.load("stage1.txt");
        Window w(game);
        QTest::keyClick(&w.window, Qt::Key_F8);
        const QString path = QString::fromStdString(game.stageFile("warned.txt"));
        for (const QString& answer : {QStringLiteral("キャンセル"), QStringLiteral("保存する")}) {
            QString title, text;
            QStringList buttons;
            whenModalOpens([&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                QVERIFY(box);
                title = box->windowTitle();
                text = box->text();
                for (QAbstractButton* button : box->buttons()) buttons << button->text();
                if (answer == QStringLiteral("保存する")) {
                    whenModalOpens([&](QWidget* next) {
                        auto* dialog = qobject_cast<QFileDialog*>(next);
                        QVERIFY(dialog);
                        choose(dialog, path);
                    });
                }
                for (QAbstractButton* button : box->buttons())
                    if (button->text() == answer) QTest::mouseClick(button, Qt::LeftButton);
            });
            nerilo::test::triggerAndWait(w.window, "saveStage");
            QCOMPARE(title, QStringLiteral("Nerilo"));
            QVERIFY2(text.contains(warning), qPrintable(text));
            buttons.sort();
            QCOMPARE(buttons, (QStringList{QStringLiteral("キャンセル"), QStringLiteral("保存する")}));
            QCOMPARE(QFileInfo::exists(path), answer == QStringLiteral("保存する"));
        }
        QCOMPARE(stageTitle(w.window.game().session()), std::string("warned.txt"));
    }

    void ctrlZUndoesAWholeStrokeAndCtrlYRedoesIt() {
        TestGame game;
        game.block(cell(5, 5), block::Player).load("stage1.txt");
        Window w(game);
        Game& f = w.window.game();
        QTest::keyClick(&w.window, Qt::Key_F8);
        QVERIFY(!w.window.action("undoEdit")->isEnabled());
        QTest::mouseClick(w.window.groundPalette(ground::Wall), Qt::LeftButton);
        QWidget* board = w.window.board();
        QTest::mousePress(board, Qt::LeftButton, {}, centreOf(cell(3, 2)));
        for (int column = 3; column <= 6; ++column) {
            QMouseEvent move(QEvent::MouseMove, centreOf(cell(3, column)), board->mapToGlobal(centreOf(cell(3, column))),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(board, &move);
        }
        QTest::mouseRelease(board, Qt::LeftButton, {}, centreOf(cell(3, 6)));
        clickCell(w.window, cell(9, 9));
        QVERIFY(w.window.action("undoEdit")->isEnabled());

        QTest::keyClick(&w.window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.world().state().ground[cell(9, 9)].code, uint8_t(ground::Floor));
        QCOMPARE(f.world().state().ground[cell(3, 4)].code, uint8_t(ground::Wall));
        QTest::keyClick(&w.window, Qt::Key_Z, Qt::ControlModifier);
        for (int column = 2; column <= 6; ++column) QCOMPARE(f.world().state().ground[cell(3, column)].code, uint8_t(ground::Floor));
        QVERIFY(!w.window.action("undoEdit")->isEnabled());
        QTest::keyClick(&w.window, Qt::Key_Y, Qt::ControlModifier);
        for (int column = 2; column <= 6; ++column) QCOMPARE(f.world().state().ground[cell(3, column)].code, uint8_t(ground::Wall));
        QCOMPARE(f.world().state().ground[cell(9, 9)].code, uint8_t(ground::Floor));
    }

    void theCommentIsEditedInAWideBoxOfSeveralLines() {
        TestGame game;
        game.block(cell(5, 5), block::Player).comment("old").load("stage1.txt");
        Window w(game);
        QTest::keyClick(&w.window, Qt::Key_F8);
        QSize size;
        int charWidth = 0, lineHeight = 0;
        whenModalOpens([&](QWidget* modal) {
            auto* input = qobject_cast<QInputDialog*>(modal);
            QVERIFY(input);
            QCOMPARE(input->windowTitle(), QStringLiteral("Nerilo(コメント設定)"));
            auto* edit = input->findChild<QPlainTextEdit*>();
            QVERIFY(edit && edit->isVisible());
            QCOMPARE(edit->toPlainText(), QStringLiteral("old"));
            size = edit->size();
            charWidth = edit->fontMetrics().horizontalAdvance(QChar(0x3042));
            lineHeight = edit->fontMetrics().lineSpacing();
            edit->setPlainText(QStringLiteral("一行目\n二行目"));
            input->accept();
        });
        w.window.action("editComment")->trigger();
        QVERIFY2(size.width() >= 40 * charWidth && size.height() >= 6 * lineHeight, qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())));
        QCOMPARE(w.window.game().session().comment, std::string("一行目\n二行目"));
    }
};

QTEST_MAIN(GuiTest)
#include "gui_test.moc"
