// A player's game for the test of a game ended while its clear window is open
// (gui_test.cpp): the real window over the program folder named first clears
// stage 1 with the key letters named second, then waits in the clear window
// and says so on its standard output, for the test to end it there.
#include <QApplication>
#include <cstdio>

#include "game/key_script.h"
#include "gui/gui_helpers.h"
#include "model/numbered_stages.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    nerilo::test::keepSettingsIn(folder);
    nerilo::ui::MainWindow window;
    window.setProgramFolder(folder.toStdString());
    nerilo::Game& game = window.game();
    window.run([&] {
        game.openRecords();
        game.openStageFile(nerilo::numberedStagePath(game.programFolder(), 1));
        game.startRound();
    });
    window.show();
    nerilo::test::whenModalOpens([](QWidget*) {
        std::puts("clear window open");
        std::fflush(stdout);
    });
    nerilo::Replay replay;
    window.run([&] { nerilo::playKeys(game, argv[2], 200, replay); });
    // The clear window closed, or never opened: the test reads this as a failure.
    return 1;
}
