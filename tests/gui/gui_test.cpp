// The real window on Qt's offscreen platform, driven as a player drives it.
#include <QAction>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QtTest>
#include <fstream>

#include "board/progress_file.h"
#include "game_fixture.h"
#include "ui/board_widget.h"
#include "ui/clear_window.h"
#include "ui/click_label.h"
#include "ui/main_window.h"
#include "ui/pictures.h"
#include "ui/splash_window.h"

using namespace nerilo;
using nerilo::test::cell;
using nerilo::test::TestGame;
using nerilo::ui::MainWindow;

namespace {

// Runs `act` on the next modal window once it is open.
void whenModalOpens(const std::function<void(QWidget*)>& act) {
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
    MainWindow window;
};

// Types a path into Qt's own file dialog, as a player would, and accepts it.
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

QImage cellImage(MainWindow& window, int at) {
    const int pitch = ui::px(CellPitch);
    return window.board()->grab().toImage().copy(columnOf(at) * pitch, rowOf(at) * pitch, pitch, pitch);
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
            QCOMPARE(w.window.game().state().roundCommand, RoundCommand::Retry);
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
        QTRY_COMPARE(w.window.game().state().inputLocked, false);
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
        QCOMPARE(w.window.game().state().blocks[cell(2, 3)].code, uint8_t(4));
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
        for (int column = 2; column <= 7; ++column) QCOMPARE(w.window.game().state().ground[cell(3, column)].code, uint8_t(1));
        QCOMPARE(w.window.game().state().ground[cell(3, 8)].code, uint8_t(0));

        // Right click on an empty block cell picks the eraser; a left click then erases.
        QTest::mouseClick(w.window.blockPalette(1), Qt::LeftButton);
        QTest::mouseClick(board, Qt::RightButton, {}, centre(cell(9, 9)));
        QCOMPARE(w.window.game().state().blockBrush, uint8_t(0));
        QTest::mouseClick(board, Qt::LeftButton, {}, centre(cell(5, 5)));
        QCOMPARE(w.window.game().state().blocks[cell(5, 5)].code, uint8_t(0));
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
        QCOMPARE(w.window.game().state().stepTarget, 150);

        const QString saved = QString::fromStdString(game.stageFile("drawn.txt"));
        QString dialogTitle;
        whenModalOpens([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            dialogTitle = dialog->windowTitle();
            choose(dialog, saved);
        });
        w.window.action("saveStage")->trigger();
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
        QCOMPARE(w.window.game().state().stagePath, saved.toStdString());
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

    void theClearWindowClosesOnEnterAndTheNextStageStarts() {
        TestGame game;
        game.block(cell(5, 5), 7).comment("two").load("stage2.txt");
        game.stage = Stage{};
        game.block(cell(5, 5), 7).ground(cell(5, 6), 15).load("stage1.txt");
        Window w(game);
        QTest::keyClick(&w.window, Qt::Key_F1);
        QTest::keyClick(&w.window, Qt::Key_Right);
        QTRY_COMPARE(w.window.game().state().inputLocked, false);
        int frameAtClose = -1;
        whenModalOpens([&](QWidget* modal) {
            auto* clear = qobject_cast<ui::ClearWindow*>(modal);
            QVERIFY(clear);
            frameAtClose = clear->frame();
            QTest::keyClick(clear, Qt::Key_Return);
        });
        QTest::keyClick(&w.window, Qt::Key_Z);
        QVERIFY(frameAtClose >= 0 && frameAtClose < 25);  // before the letters appeared
        QCOMPARE(w.window.game().state().stageTitle, std::string("stage2.txt"));
        QCOMPARE(w.window.game().state().comment, std::string("two"));
        QVERIFY(w.window.worldTimer().isActive());
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
};

QTEST_MAIN(GuiTest)
#include "gui_test.moc"
