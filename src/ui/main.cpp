// nerilo: the game in its window.
//   nerilo [STAGE_FILE]                  play (that stage, ready to start); while the
//                                        game runs, hand the stage to it and exit
//                                        (a code, link or file: URL too)
//   nerilo CODE, nerilo nerilo:CODE      play the stage of a stage code or link
//   nerilo [--lang ja|en]                play (in the language chosen last, Japanese at first)
//   nerilo --screenshot FILE [STAGE]     render the window to a PNG and quit
//          [--keys LETTERS] [--edit]     (after playing key letters, or in edit mode,
//          [--scale N]                   at zoom N)
//   nerilo --screenshot FILE --stage-list  render the stage list
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>

#include "ui/language.h"
#include "ui/launch.h"
#include "ui/main_window.h"
#include "ui/single_instance.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nerilo"));
    QApplication::setOrganizationName(QStringLiteral("Nerilo"));
    QApplication::setApplicationVersion(QStringLiteral(NERILO_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Nerilo, a tile puzzle game."));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption shot(QStringLiteral("screenshot"), QStringLiteral("Render the window to a PNG file and quit."),
                            QStringLiteral("FILE"));
    QCommandLineOption keys(QStringLiteral("keys"), QStringLiteral("Key letters to play before the screenshot."),
                            QStringLiteral("LETTERS"));
    QCommandLineOption edit(QStringLiteral("edit"), QStringLiteral("Show the editor in the screenshot."));
    QCommandLineOption scale(QStringLiteral("scale"), QStringLiteral("The screenshot's zoom, 1 to 4 (1 by default)."),
                             QStringLiteral("N"), QStringLiteral("1"));
    QCommandLineOption stageList(QStringLiteral("stage-list"), QStringLiteral("Show the stage list in the screenshot."));
    QCommandLineOption lang(QStringLiteral("lang"),
                            QStringLiteral("The language for this run: ja (Japanese) or en (English); "
                                           "by default the one chosen last in the menu, at first Japanese."),
                            QStringLiteral("LANGUAGE"));
    parser.addOptions({shot, keys, edit, scale, stageList, lang});
    parser.addPositionalArgument(QStringLiteral("STAGE_FILE"),
                                 QStringLiteral("Stage file, stage code or nerilo: link to open, ready to start "
                                                "(in a screenshot, started)."),
                                 QStringLiteral("[STAGE_FILE]"));
    parser.process(app);
    const QStringList stages = parser.positionalArguments();
    // Read as typed, in this folder: a second copy hands both to the running game.
    const nerilo::ui::NamedStage stage{stages.isEmpty() ? QString() : stages.first(), QDir::currentPath()};

    std::optional<nerilo::ui::Language> language = nerilo::ui::savedLanguage();
    if (parser.isSet(lang)) language = nerilo::ui::languageNamed(parser.value(lang));
    if (!language) {
        std::fputs("nerilo: --lang takes ja or en\n", stderr);
        return 2;
    }
    nerilo::ui::useLanguage(*language);

    // A second copy hands its stage to the game already running and exits
    // before it makes a window; a screenshot is no game.
    nerilo::ui::SingleInstance instance(nerilo::ui::instanceFolder());
    if (!parser.isSet(shot) && instance.claim(stage) == nerilo::ui::SingleInstance::Role::HandedOver) return 0;

    nerilo::ui::MainWindow window;
    if (parser.isSet(shot)) {
        bool number = false;
        const int zoom = parser.value(scale).toInt(&number);
        if (!number || zoom != nerilo::ui::clampZoom(zoom)) {
            std::fprintf(stderr, "nerilo: --scale takes a whole number from %d to %d\n", nerilo::ui::MinZoom,
                         nerilo::ui::MaxZoom);
            return 2;
        }
        const nerilo::ui::ScreenshotRequest request{parser.value(shot), stage, parser.value(keys), parser.isSet(edit), zoom,
                                                     parser.isSet(stageList)};
        return nerilo::ui::takeScreenshot(window, request) ? 0 : 1;
    }
    nerilo::ui::openHandedStages(instance, window);
    nerilo::ui::startPlaying(window, stage);
    return app.exec();
}
