// The window in both languages: switching while playing changes every word at
// once and back again, messages and Qt's own buttons follow, the shipped
// stages' comments have their English, and the choice is remembered.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>
#include <algorithm>

#include "model/codes.h"
#include "model/stage_file.h"
#include "ui/click_label.h"
#include "ui/language.h"
#include "ui/qt_platform.h"
#include "ui/solver_dialog.h"
#include "ui/thread_runner.h"
#include "ui/stage_list_window.h"
#include "ui/splash_window.h"
#include <QFileDialog>
#include <QLineEdit>

#include "gui/gui_helpers.h"

using namespace nerilo;
using nerilo::test::cell;
using nerilo::test::choose;
using nerilo::test::TestGame;
using nerilo::test::whenModalOpens;
using nerilo::test::Window;
using nerilo::ui::Language;

namespace {

// Kana, kanji, full-width forms and half-width katakana.
bool hasJapanese(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x3000 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF);
    });
}

// Every word the window shows: its menus and commands, its labels and their tooltips.
QStringList wordsOf(QWidget& window) {
    QStringList words;
    for (QAction* action : window.findChildren<QAction*>()) words << action->text();
    for (QLabel* label : window.findChildren<QLabel*>()) words << label->text() << label->toolTip();
    return words;
}

// The language menu names each language in itself, in both languages.
bool namesALanguage(const QString& text) {
    return text == QStringLiteral("言語 / Language(&L)") || text == QStringLiteral("日本語");
}

// Runs `act` on the next message box once it is the modal window, unless
// `watch` is gone by then.
void whenMessageBoxOpens(QObject* watch, const std::function<void(QMessageBox*)>& act) {
    QTimer::singleShot(20, watch, [watch, act] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) act(box);
        else whenMessageBoxOpens(watch, act);
    });
}

struct Box {
    QString title, text;
    QStringList buttons;
};

// Opens a message box with `open`, notes what it says and answers it with `answer`.
Box boxOf(const std::function<void()>& open, QMessageBox::StandardButton answer) {
    Box box;
    QObject watch;
    whenMessageBoxOpens(&watch, [&box, answer](QMessageBox* message) {
        box.title = message->windowTitle();
        box.text = message->text();
        for (QAbstractButton* button : message->buttons()) box.buttons << button->text();
        message->button(answer)->click();
    });
    open();
    return box;
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(settingsFolder_.isValid());
        nerilo::test::keepSettingsIn(settingsFolder_.path());
        ui::useLanguage(Language::Japanese);  // as the game starts
    }

    void cleanup() { ui::useLanguage(Language::Japanese); }

    void everyWordSwitchesToEnglishWhilePlayingAndBackExactly() {
        TestGame game;
        game.block(cell(5, 5), 7).load("stage1.txt");
        Window w(game);
        QTest::keyClick(&w.window, Qt::Key_F1);
        const QStringList japanese = wordsOf(w.window);
        QVERIFY(japanese.contains(QStringLiteral("開始(&K)")));
        QVERIFY(japanese.contains(QStringLiteral("再挑戦")));

        w.window.action("english")->trigger();
        QVERIFY(w.window.action("english")->isChecked());
        QVERIFY(!w.window.action("japanese")->isChecked());
        for (const QString& word : wordsOf(w.window))
            QVERIFY2(!hasJapanese(word) || namesALanguage(word), qPrintable(word));
        QCOMPARE(w.window.action("start")->text(), QStringLiteral("&Start"));
        QCOMPARE(w.window.editMenu()->title(), QStringLiteral("&Edit Mode"));
        QCOMPARE(w.window.roundButton()->text(), QStringLiteral("Retry"));
        QCOMPARE(w.window.stepTryButton()->text(), QStringLiteral("Step try"));
        // The palettes' English names are the tile tables' own.
        for (int k = 0; k < GroundCodeCount; ++k)
            QCOMPARE(w.window.groundPalette(k)->toolTip(), QString::fromLatin1(groundTraits(uint8_t(k)).name));
        for (int k = 0; k < 8; ++k)
            QCOMPARE(w.window.blockPalette(k)->toolTip(), QString::fromLatin1(blockTraits(uint8_t(k)).name));

        // The game went on: the round runs and a step still walks.
        QVERIFY(w.window.worldTimer().isActive());
        QTest::keyClick(&w.window, Qt::Key_Right);
        QTRY_COMPARE(w.window.game().playerCell(), cell(5, 6));

        w.window.action("japanese")->trigger();
        QCOMPARE(wordsOf(w.window), japanese);
    }

    void messagesAndQtsButtonsFollowTheLanguage() {
        TestGame game;
        game.block(cell(5, 5), 7).load("stage1.txt");
        Window w(game);
        QTest::keyClick(&w.window, Qt::Key_F8);
        const auto leaveEditor = [&] { w.window.action("editor")->trigger(); };

        const Box japanese = boxOf(leaveEditor, QMessageBox::Cancel);
        QCOMPARE(japanese.text, QStringLiteral("エディトモードを終了します。\n保存しますか？"));
        QVERIFY(japanese.buttons.contains(QStringLiteral("キャンセル")));

        w.window.action("english")->trigger();
        const Box english = boxOf(leaveEditor, QMessageBox::Cancel);
        QCOMPARE(english.title, QStringLiteral("Nerilo"));
        QCOMPARE(english.text, QStringLiteral("Leaving the editor.\nSave the stage?"));
        QCOMPARE(english.buttons.size(), 3);
        for (const QString& button : english.buttons) QVERIFY2(!hasJapanese(button), qPrintable(button));
        QVERIFY(w.window.game().session().editing());
    }

    // The file dialog, and a message made of a pattern, a file name and the reader's own error.
    void aDamagedStageIsReportedInEnglish() {
        TestGame game;
        game.block(cell(5, 5), 7).load("stage1.txt");
        const QString bad = QString::fromStdString(game.stageFile("bad.txt"));
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\"1\",\"99\"\r\n");
        file.close();
        Window w(game);
        w.window.action("english")->trigger();

        QString dialogTitle, filter, report;
        QObject watch;
        whenModalOpens([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            dialogTitle = dialog->windowTitle();
            filter = dialog->nameFilters().value(0);
            whenMessageBoxOpens(&watch, [&](QMessageBox* box) {
                report = box->text();
                box->accept();
            });
            choose(dialog, bad);
        });
        QTest::keyClick(&w.window, Qt::Key_F3);
        QCOMPARE(dialogTitle, QStringLiteral("Open"));
        QCOMPARE(filter, QStringLiteral("Text files(*.txt) (*.txt)"));
        QCOMPARE(report, QStringLiteral("Cannot read the stage file “bad.txt”.\n"
                                        "The ground code “99” (row 1, column 2) is not between 0 and 29."));
    }

    void aShippedCommentIsShownInEnglishAndAnyOtherAsWritten() {
        const StageRead shipped = readStageFile(NERILO_SOURCE_DIR "/stage/stage1.txt");
        QVERIFY(shipped.ok());
        TestGame game;
        game.block(cell(5, 5), 7).comment(shipped.stage.comment).load("stage1.txt");
        game.stage = Stage{};
        game.block(cell(5, 5), 7).comment("自作のステージ、100% 手作り").load("stage2.txt");
        Window first(game, "stage1.txt");
        first.window.action("english")->trigger();
        const auto showComment = [&](Window& w) { return [&w] { w.window.action("comment")->trigger(); }; };
        const Box english = boxOf(showComment(first), QMessageBox::Ok);
        QVERIFY2(!hasJapanese(english.text), qPrintable(english.text));
        QCOMPARE(english.text, QCoreApplication::translate(StageCommentContext, shipped.stage.comment.c_str()));

        Window own(game, "stage2.txt");
        QCOMPARE(boxOf(showComment(own), QMessageBox::Ok).text, QStringLiteral("自作のステージ、100% 手作り"));
        own.window.action("japanese")->trigger();
        QCOMPARE(boxOf(showComment(first), QMessageBox::Ok).text, QString::fromStdString(shipped.stage.comment));
    }

    void theStageListsTitlesAreInTheChosenLanguage() {
        const StageRead shipped = readStageFile(NERILO_SOURCE_DIR "/stage/stage1.txt");
        QVERIFY(shipped.ok());
        TestGame game;
        game.block(cell(5, 5), 7).comment(shipped.stage.comment).load("stage1.txt");
        Window w(game);
        const auto heading = [&] { return tileViewOf(w.window.stageListWindow()->entries()[0], {}, false).heading; };
        QCOMPARE(heading(), std::string("1 はじめの一歩"));
        w.window.action("english")->trigger();
        QCOMPARE(heading(), std::string("1 First Steps"));
    }

    void testPlaySaysSoAndHowToGoBack() {
        TestGame game;
        game.block(cell(5, 5), block::Player).load("stage1.txt");
        Window w(game);
        QTest::keyClick(&w.window, Qt::Key_F8);
        QTest::keyClick(&w.window, Qt::Key_F10);
        QCOMPARE(w.window.statusHeadline()->text(), QStringLiteral("テストプレイ中"));
        QCOMPARE(w.window.statusHints()->text(), QStringLiteral("Esc で編集に戻る"));
        w.window.action("english")->trigger();
        QCOMPARE(w.window.statusHeadline()->text(), QStringLiteral("Test play"));
        QCOMPARE(w.window.statusHints()->text(), QStringLiteral("Esc: back to the editor"));
    }

    // The search window takes the size of what it says, whatever the language.
    void theSearchWindowShowsItsWholeText() {
        TestGame game;
        game.block(cell(5, 5), block::Player).ground(cell(5, 7), ground::Stairs).load("stage1.txt");
        game.engine.editor().toggle();
        const auto whole = [](const QLabel* label) {
            if (label->wordWrap()) return label->height() >= label->heightForWidth(label->width());
            return label->width() >= label->sizeHint().width() && label->height() >= label->sizeHint().height();
        };
        for (const Language language : {Language::Japanese, Language::English}) {
            ui::useLanguage(language);
            ui::ThreadRunner runner(game.engine);
            game.engine.searches().setRunner(&runner);
            ui::SolverDialog dialog(game.engine, runner, 0, nullptr);
            dialog.show();
            QTRY_VERIFY(!dialog.searching());
            for (const QLabel* label : {dialog.headline(), dialog.detail(), dialog.analysis()})
                QTRY_VERIFY2(whole(label), qPrintable(label->text()));
        }
        game.engine.searches().setRunner(nullptr);
    }

    // When the stages change, their new comments need English too: this names each one missing.
    void everyShippedStagesCommentHasAnEnglishTranslation() {
        QTranslator english;
        QVERIFY(english.load(QStringLiteral(":/i18n/nerilo_en.qm")));
        QStringList missing;
        for (int n = 1; n <= 30; ++n) {
            const StageRead read = readStageFile(NERILO_SOURCE_DIR "/stage/stage" + std::to_string(n) + ".txt");
            QVERIFY2(read.ok(), qPrintable(QString::number(n)));
            if (english.translate(StageCommentContext, read.stage.comment.c_str()).isEmpty())
                missing << QStringLiteral("stage %1: %2").arg(n).arg(QString::fromStdString(read.stage.comment));
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("comments without English in translations/nerilo_en.ts "
                                                              "(run the update_translations target, then translate "
                                                              "them):\n") + missing.join(QLatin1Char('\n'))));
    }

    void anOpenSplashSaysItsVersionInTheNewLanguage() {
        ui::SplashWindow splash(nullptr);
        const auto version = [&] {
            for (QLabel* label : splash.findChildren<QLabel*>())
                if (label->text().contains(QStringLiteral("1.1.0"))) return label->text();
            return QString();
        };
        QCOMPARE(version(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 1.1.0"));
        ui::useLanguage(Language::English);
        QCOMPARE(version(), QStringLiteral("Version 1.1.0"));
    }

    void theEndingsThanksAreSaidInTheChosenLanguage() {
        const auto thanks = [] { ui::showThanks(nullptr, QRect(0, 0, 800, 600)); };
        QVERIFY(boxOf(thanks, QMessageBox::Ok).text.endsWith(QStringLiteral("遊んでくれてありがとう")));
        ui::useLanguage(Language::English);
        QVERIFY(boxOf(thanks, QMessageBox::Ok).text.endsWith(QStringLiteral("Thank you for playing")));
    }

    // Japanese until a choice is made, whatever the system's locale; then the choice.
    void theChoiceIsRememberedAndJapaneseIsTheDefault() {
        QSettings().clear();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(ui::savedLanguage(), Language::Japanese);
        TestGame game;
        game.block(cell(5, 5), 7).load("stage1.txt");
        Window w(game);
        w.window.action("english")->trigger();
        QCOMPARE(ui::savedLanguage(), Language::English);
        QCOMPARE(ui::currentLanguage(), Language::English);
        w.window.action("japanese")->trigger();
        QCOMPARE(ui::savedLanguage(), Language::Japanese);
        QCOMPARE(ui::languageNamed(QStringLiteral("en")), std::optional(Language::English));
        QCOMPARE(ui::languageNamed(QStringLiteral("ja")), std::optional(Language::Japanese));
        QVERIFY(!ui::languageNamed(QStringLiteral("fr")));
    }

private:
    QTemporaryDir settingsFolder_;
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
