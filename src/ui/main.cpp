// nerilo: the game in its window.
//   nerilo                               play
//   nerilo --screenshot FILE [STAGE]     render the window to a PNG and quit
//          [--keys LETTERS] [--edit]     (after playing key letters, or in edit mode)
//   nerilo --screenshot FILE --stage-list  render the stage list
#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

#include "board/game.h"
#include "input/key_letters.h"
#include "ui/main_window.h"
#include "ui/stage_list_window.h"

namespace {

void installJapanese(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);
}

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

int stageListScreenshot(nerilo::ui::MainWindow& window, const QString& file) {
    const std::unique_ptr<nerilo::ui::StageListWindow> list = window.stageListWindow();
    list->show();
    QApplication::processEvents();
    return list->grab().save(file) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nerilo"));
    QApplication::setApplicationVersion(QStringLiteral("1.1.0"));
    installJapanese(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Nerilo, a tile puzzle game."));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption shot(QStringLiteral("screenshot"), QStringLiteral("Render the window to a PNG file and quit."),
                            QStringLiteral("FILE"));
    QCommandLineOption keys(QStringLiteral("keys"), QStringLiteral("Key letters to play before the screenshot."),
                            QStringLiteral("LETTERS"));
    QCommandLineOption edit(QStringLiteral("edit"), QStringLiteral("Show the editor in the screenshot."));
    QCommandLineOption stageList(QStringLiteral("stage-list"), QStringLiteral("Show the stage list in the screenshot."));
    parser.addOptions({shot, keys, edit, stageList});
    parser.addPositionalArgument(QStringLiteral("stage"), QStringLiteral("Stage file for the screenshot."));
    parser.process(app);

    nerilo::ui::MainWindow window;
    if (parser.isSet(shot)) {
        window.platformForScreenshots();
        window.run([&] { window.game().startUp(); });
        if (parser.isSet(stageList)) return stageListScreenshot(window, parser.value(shot));
        const QStringList stages = parser.positionalArguments();
        return screenshot(window, parser.value(shot), stages.isEmpty() ? QString() : stages.first(), parser.value(keys),
                          parser.isSet(edit));
    }
    window.run([&] { window.game().startUp(); });
    window.show();
    centre(window);
    return app.exec();
}
