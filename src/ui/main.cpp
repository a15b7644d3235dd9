// nerilo: the game in its window.
//   nerilo [--lang ja|en]                play (in the language chosen last, Japanese at first)
//   nerilo --screenshot FILE [STAGE]     render the window to a PNG and quit
//          [--keys LETTERS] [--edit]     (after playing key letters, or in edit mode)
#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "board/game.h"
#include "input/key_letters.h"
#include "ui/language.h"
#include "ui/main_window.h"

namespace {

void centre(QWidget& window) {
    if (const QScreen* screen = window.screen()) {
        const QRect area = screen->availableGeometry();
        window.move(area.center() - window.rect().center());
    }
}

int screenshot(nerilo::ui::MainWindow& window, const QString& file, const QString& stage, const QString& keys, bool edit) {
    nerilo::Game& game = window.game();
    if (!stage.isEmpty()) {
        window.run([&] {
            game.state().stagePath = stage.toStdString();
            game.state().stageTitle = QFileInfo(stage).fileName().toStdString();
            if (game.loadCurrentStage()) {
                game.resetBlockPictures();
                game.findPlayer();
                game.startRound();
            }
        });
    }
    nerilo::Replay replay;
    window.run([&] { nerilo::playKeys(game, keys.toStdString(), 200, replay); });
    if (edit) window.run([&] { game.toggleEditor(); });
    window.show();
    QApplication::processEvents();
    return window.grab().save(file) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nerilo"));
    QApplication::setApplicationVersion(QStringLiteral("1.1.0"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Nerilo, a tile puzzle game."));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption shot(QStringLiteral("screenshot"), QStringLiteral("Render the window to a PNG file and quit."),
                            QStringLiteral("FILE"));
    QCommandLineOption keys(QStringLiteral("keys"), QStringLiteral("Key letters to play before the screenshot."),
                            QStringLiteral("LETTERS"));
    QCommandLineOption edit(QStringLiteral("edit"), QStringLiteral("Show the editor in the screenshot."));
    QCommandLineOption lang(QStringLiteral("lang"),
                            QStringLiteral("The language for this run: ja (Japanese) or en (English); "
                                           "by default the one chosen last in the menu, at first Japanese."),
                            QStringLiteral("LANGUAGE"));
    parser.addOptions({shot, keys, edit, lang});
    parser.addPositionalArgument(QStringLiteral("stage"), QStringLiteral("Stage file for the screenshot."));
    parser.process(app);

    std::optional<nerilo::ui::Language> language = nerilo::ui::savedLanguage();
    if (parser.isSet(lang)) language = nerilo::ui::languageNamed(parser.value(lang));
    if (!language) {
        std::fputs("nerilo: --lang takes ja or en\n", stderr);
        return 2;
    }
    nerilo::ui::useLanguage(*language);

    nerilo::ui::MainWindow window;
    if (parser.isSet(shot)) {
        window.platformForScreenshots();
        window.run([&] { window.game().startUp(); });
        const QStringList stages = parser.positionalArguments();
        return screenshot(window, parser.value(shot), stages.isEmpty() ? QString() : stages.first(), parser.value(keys),
                          parser.isSet(edit));
    }
    window.run([&] { window.game().startUp(); });
    window.show();
    centre(window);
    return app.exec();
}
