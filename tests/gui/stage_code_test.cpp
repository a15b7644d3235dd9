// Stage codes in the real window: an author copies one, a player opens it from
// the clipboard or the command line and sees whether the author proved it.
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QtTest>

#include "model/stage_code.h"
#include "gui/gui_helpers.h"
#include "ui/launch.h"

using namespace nerilo;
using nerilo::test::cell;
using nerilo::test::TestGame;
using nerilo::test::whenModalOpens;
using nerilo::test::Window;

namespace {

// A stage cleared by R R R Z, and a stage 1 to start from.
Stage sharedStage(TestGame& game) {
    game.block(cell(0, 0), block::Player).ground(cell(0, 3), ground::Stairs).comment("共有の面").target(9);
    const Stage stage = game.stage;
    game.stage = Stage{};
    game.block(cell(5, 5), block::Player).load("stage1.txt");
    return stage;
}

// The text of the next message box, which is then closed.
void closeNextBox(QString& text) {
    whenModalOpens([&text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY2(box, modal->metaObject()->className());
        QCOMPARE(box->windowTitle(), QStringLiteral("Nerilo"));
        text = box->text();
        box->accept();
    });
}

// Opens コードから開く and hands the box to `act`, which answers it.
void openFromBox(ui::MainWindow& window, const std::function<void(QInputDialog*)>& act) {
    bool asked = false;
    whenModalOpens([&](QWidget* modal) {
        auto* input = qobject_cast<QInputDialog*>(modal);
        QVERIFY(input);
        asked = true;
        act(input);
    });
    window.action("openStageCode")->trigger();
    QVERIFY(asked);
}

QString panelTitle(ui::MainWindow& window) { return window.stageTitle()->text(); }

}  // namespace

class StageCodeGuiTest : public QObject {
    Q_OBJECT

private slots:
    void aCopiedCodeOpensFromTheClipboardProvenAndReadyToStart() {
        TestGame game;
        const Stage shared = sharedStage(game);
        Window w(game);
        QVERIFY(writeStageFile(game.stageFile("shared.txt"), shared).empty());
        w.window.run([&] { w.window.game().stages().openFile(game.stageFile("shared.txt")); });

        QString said;
        closeNextBox(said);
        nerilo::test::triggerAndWait(w.window, "copyStageCode");
        const QString copied = QGuiApplication::clipboard()->text();
        const StageCodeRead read = parseStageCode(copied.toStdString());
        QVERIFY2(read.ok(), qPrintable(copied));
        QVERIFY(read.stage == shared);
        QCOMPARE(read.proof, std::string("RRRZ"));
        QVERIFY2(said.contains(QStringLiteral("（4 手）")), qPrintable(said));

        // Back on stage 1, the player opens what is on the clipboard.
        w.window.run([&] { w.window.game().stages().openFile(game.stageFile("stage1.txt")); });
        openFromBox(w.window, [&](QInputDialog* input) {
            QCOMPARE(input->textValue(), copied);
            input->accept();
        });
        const SessionState& s = w.window.game().session();
        QVERIFY(s.stagePath.empty());
        QCOMPARE(s.comment, std::string("共有の面"));
        QVERIFY(w.window.action("start")->isEnabled());
        QCOMPARE(panelTitle(w.window), QStringLiteral("クリア確認済み"));
        w.window.action("start")->trigger();
        QVERIFY(s.roundStarted);
        QCOMPARE(panelTitle(w.window), QStringLiteral("クリア確認済み"));
    }

    void aFalseProofOpensTheStageUnprovenAndABadCodeChangesNothing() {
        TestGame game;
        const Stage shared = sharedStage(game);
        Window w(game);
        const std::string stage1 = game.stageFile("stage1.txt");

        QString said;
        openFromBox(w.window, [&](QInputDialog* input) {
            closeNextBox(said);
            const std::string code = formatStageCode(shared);
            input->setTextValue(QString::fromStdString(code.substr(0, code.size() - 5)));
            input->accept();
        });
        QVERIFY2(said.contains(QStringLiteral("途中で切れています")), qPrintable(said));
        QCOMPARE(w.window.game().session().stagePath, stage1);

        openFromBox(w.window, [&](QInputDialog* input) {
            closeNextBox(said);
            input->setTextValue(QString::fromStdString(formatStageCode(shared, "RRZ")));
            input->accept();
        });
        QVERIFY2(said.contains(QStringLiteral("クリアできません")), qPrintable(said));
        QVERIFY(w.window.game().session().stagePath.empty());
        QCOMPARE(w.window.game().session().comment, std::string("共有の面"));
        QCOMPARE(panelTitle(w.window), QStringLiteral("コード"));
    }

    void theEditorCopiesItsBoardAndSavesACodeStageWhereTheAuthorSays() {
        TestGame game;
        const Stage shared = sharedStage(game);
        Window w(game);
        w.window.run([&] { w.window.game().stages().openWithoutFile(shared); });
        w.window.action("editor")->trigger();
        QCOMPARE(panelTitle(w.window), QStringLiteral("新規"));
        w.window.run([&] { w.window.game().editor().chooseGroundBrush(ground::Wall); });
        w.window.run([&] { w.window.game().editor().paintCell(cell(4, 4)); });

        QString said;
        closeNextBox(said);
        nerilo::test::triggerAndWait(w.window, "copyStageCodeInEditor");
        const StageCodeRead read = parseStageCode(QGuiApplication::clipboard()->text().toStdString());
        QVERIFY(read.ok());
        QCOMPARE(read.stage.ground[cell(4, 4)], uint8_t(ground::Wall));
        QVERIFY(read.stage == w.window.game().editor().editedStage());

        const QString path = QString::fromStdString(game.stageFile("from-code.txt"));
        QString offered = QStringLiteral("unset");
        whenModalOpens([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            offered = dialog->selectedFiles().value(0);
            nerilo::test::choose(dialog, path);
        });
        nerilo::test::triggerAndWait(w.window, "saveStage");
        QVERIFY2(!offered.endsWith(QStringLiteral(".txt")), qPrintable(offered));
        QVERIFY(readStageFile(path.toStdString()).stage == read.stage);
    }

    // `nerilo CODE` and `nerilo nerilo:CODE` open the stage as a file named there would be.
    void theCommandLineOpensACodeAndALink() {
        TestGame game;
        const Stage shared = sharedStage(game);
        const std::string code = formatStageCode(shared, "RRRZ");
        for (const std::string& named : {code, std::string(StageLinkScheme) + code}) {
            ui::MainWindow window;
            window.setProgramFolder(game.dir.path().string());
            const QString png = QString::fromStdString(game.dir.file("shot.png"));
            QVERIFY(ui::takeScreenshot(window, {png, {QString::fromStdString(named), {}}, QString(), false, 1, false}));
            QVERIFY(window.game().session().stagePath.empty());
            QCOMPARE(window.game().session().comment, std::string("共有の面"));
            QVERIFY(window.game().session().roundStarted);
            QCOMPARE(panelTitle(window), QStringLiteral("クリア確認済み"));
        }
    }
};

QTEST_MAIN(StageCodeGuiTest)
#include "stage_code_test.moc"
