// The session's command table as the window's menus show it: every command
// captioned in both languages, no key running two commands at once, and Alt
// with a letter reaching one entry of each menu.
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <map>

#include "game/commands.h"
#include "gui/gui_helpers.h"
#include "ui/engine_text.h"
#include "ui/language.h"

using namespace nerilo;
using nerilo::test::cell;
using nerilo::test::TestGame;
using nerilo::test::Window;
using nerilo::ui::Language;

namespace {

constexpr Language Languages[] = {Language::Japanese, Language::English};

QString languageName(Language language) { return language == Language::English ? QStringLiteral("en") : QStringLiteral("ja"); }

QString idOf(const Command& command) { return QString::fromUtf8(command.id.data(), command.id.size()); }

}  // namespace

class CommandTableTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(settings_.isValid());
        nerilo::test::keepSettingsIn(settings_.path());
    }

    void cleanup() { ui::useLanguage(Language::Japanese); }

    // Each command is a menu entry, captioned as the table says in the
    // language chosen, with its mnemonic, the English from the translation.
    void everyCommandIsItsMenusEntryInBothLanguages() {
        TestGame game;
        game.block(cell(5, 5), block::Player).load("stage1.txt");
        Window w(game);
        std::map<QString, QString> japanese;
        for (Language language : Languages) {
            ui::useLanguage(language);
            for (const Command& command : commands()) {
                QAction* action = w.window.action(command.id.data());
                QVERIFY2(action, qPrintable(idOf(command)));
                const QString caption = ui::translated(command.caption);
                QVERIFY2(caption.contains(QLatin1Char('&')), qPrintable(idOf(command) + QStringLiteral(": ") + caption));
                QCOMPARE(action->text(), caption);
                if (language == Language::Japanese) japanese[idOf(command)] = caption;
                else QVERIFY2(caption != japanese[idOf(command)], qPrintable(idOf(command) + QStringLiteral(" is not in English")));
            }
        }
    }

    // Two commands may share a key only when they are never offered together
    // (Ctrl+Z undoes a press in a round and a stroke in the editor).
    void noKeyRunsTwoCommandsAtOnce() {
        TestGame game;
        game.block(cell(5, 5), block::Player).load("stage1.txt");
        Window w(game);
        Game& f = w.window.game();
        const std::pair<const char*, std::function<void()>> states[] = {
            {"a round with a press to undo and one to redo", [&] {
                 runCommand(f, "start");
                 Replay replay;
                 playKeys(f, "RRL", PressTickCap, replay);
                 runCommand(f, "undo");
             }},
            {"the editor with a stroke to undo and one to redo", [&] {
                 runCommand(f, "editor");
                 f.editor().chooseGroundBrush(ground::Wall);
                 for (int at : {cell(3, 3), cell(3, 4)}) {
                     f.editor().beginStroke();
                     f.editor().paintCell(at);
                     f.editor().endStroke();
                 }
                 runCommand(f, "undoEdit");
             }},
            {"test play", [&] { runCommand(f, "testPlay"); }},
        };
        for (const auto& [state, reach] : states) {
            reach();
            w.window.refresh();
            std::map<QString, QString> taken;
            for (const Command& command : commands()) {
                QAction* action = w.window.action(command.id.data());
                if (!action->isEnabled()) continue;
                for (const QKeySequence& key : action->shortcuts()) {
                    const auto [earlier, fresh] = taken.emplace(key.toString(), idOf(command));
                    QVERIFY2(fresh, qPrintable(QStringLiteral("%1: %2 runs %3 and %4")
                                                   .arg(QLatin1String(state), key.toString(), earlier->second, idOf(command))));
                }
            }
            QVERIFY2(!taken.empty(), state);
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
            QVERIFY2(clashes.isEmpty(),
                     qPrintable(languageName(language) + QStringLiteral(": ") + clashes.join(QStringLiteral("; "))));
        }
    }

private:
    QTemporaryDir settings_;
};

QTEST_MAIN(CommandTableTest)
#include "command_table_test.moc"
