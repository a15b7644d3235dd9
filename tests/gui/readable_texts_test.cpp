// Every text of the window readable: the hint of a Shift press is told from a
// plain arrow, and Alt with a letter reaches one entry of a menu.
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>
#include <map>

#include "gui/gui_helpers.h"
#include "ui/board_widget.h"
#include "ui/language.h"

using namespace nerilo;
using nerilo::test::cell;
using nerilo::test::TestGame;
using nerilo::test::Window;
using nerilo::ui::Language;

namespace {

constexpr Language Languages[] = {Language::Japanese, Language::English};

QString languageName(Language language) { return language == Language::English ? QStringLiteral("en") : QStringLiteral("ja"); }

}  // namespace

class ReadableTextsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(settings_.isValid());
        nerilo::test::keepSettingsIn(settings_.path());
    }
    void cleanup() { ui::useLanguage(Language::Japanese); }

    // The hint of a Shift press is drawn apart from the plain arrow's, in
    // every direction.
    void theHintOfAShiftPressIsMarkedApart() {
        TestGame game;
        game.block(cell(5, 5), 7).load("stage1.txt");
        Window w(game);
        ui::BoardWidget* board = w.window.board();
        const QImage nothing = board->grab().toImage();
        const auto drawn = [&](char press) {
            board->showHint(cell(5, 5), press);
            return board->grab().toImage();
        };
        for (const char* presses : {"Rr", "Ll", "Uu", "Dd"}) {
            const QImage plain = drawn(presses[0]), shifted = drawn(presses[1]);
            QVERIFY2(plain != nothing, presses);
            QVERIFY2(shifted != plain, presses);
        }
    }

    // Alt and a letter reaches one entry: within the menu bar and within each
    // menu and submenu, no two entries share a letter, in either language
    // (the editor's menu included, shown or not).
    void everyMnemonicIsUniqueWithinItsMenu() {
        TestGame game;
        game.block(cell(5, 5), 7).load("stage1.txt");
        Window w(game);
        for (Language language : Languages) {
            ui::useLanguage(language);
            QStringList clashes;
            std::function<void(const QList<QAction*>&, const QString&)> walk = [&](const QList<QAction*>& entries,
                                                                                   const QString& menu) {
                std::map<int, QString> taken;
                for (QAction* entry : entries) {
                    if (entry->isSeparator()) continue;
                    const QKeySequence letter = QKeySequence::mnemonic(entry->text());
                    if (!letter.isEmpty()) {
                        const auto [earlier, fresh] = taken.emplace(letter[0].toCombined(), entry->text());
                        if (!fresh) clashes << QStringLiteral("%1: %2 and %3").arg(menu, earlier->second, entry->text());
                    }
                    if (entry->menu()) walk(entry->menu()->actions(), entry->text());
                }
            };
            walk(w.window.menuBar()->actions(), QStringLiteral("menu bar"));
            QVERIFY2(clashes.isEmpty(), qPrintable(languageName(language) + QStringLiteral(": ") + clashes.join(QStringLiteral("; "))));
        }
    }

private:
    QTemporaryDir settings_;
};

QTEST_MAIN(ReadableTextsTest)
#include "readable_texts_test.moc"
