// Every text of the window readable: the hint of a Shift press is told from a
// plain arrow.
#include <QTemporaryDir>
#include <QtTest>

#include "gui/gui_helpers.h"
#include "ui/board_widget.h"

using namespace nerilo;
using nerilo::test::cell;
using nerilo::test::TestGame;
using nerilo::test::Window;

class ReadableTextsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(settings_.isValid());
        nerilo::test::keepSettingsIn(settings_.path());
    }

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

private:
    QTemporaryDir settings_;
};

QTEST_MAIN(ReadableTextsTest)
#include "readable_texts_test.moc"
