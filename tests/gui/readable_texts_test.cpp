// Every text of the window readable, in both languages and at every zoom: the
// panel's texts fit their places, the editor's analysis keeps the panel's text
// size, Japanese breaks only between phrases, the hint of a Shift press is
// told from a plain arrow, and Alt with a letter reaches one entry of a menu.
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTextLayout>
#include <QtTest>

#include "gui/gui_helpers.h"
#include "solver/dead_end.h"
#include "solver/hint.h"
#include "ui/board_widget.h"
#include "ui/editor_analysis.h"
#include "ui/engine_text.h"
#include "ui/language.h"
#include "ui/phrase_label.h"

using namespace nerilo;
using nerilo::test::cell;
using nerilo::test::TestGame;
using nerilo::test::Window;
using nerilo::ui::Language;

namespace {

constexpr Language Languages[] = {Language::Japanese, Language::English};

QString languageName(Language language) { return language == Language::English ? QStringLiteral("en") : QStringLiteral("ja"); }

// Every state the panel can say, from every combination of what it depends on.
std::vector<StatusView> everyStatus() {
    std::vector<StatusView> statuses;
    for (int bits = 0; bits < 64; ++bits) {
        WorldState world;
        SessionState session;
        session.mode = bits & 1 ? Mode::Editing : bits & 8 ? Mode::TestPlaying : Mode::Playing;
        const bool lost = bits & 2;
        world.caught = world.inputLocked = lost;
        world.ticking = !lost && (bits & 4);
        session.roundStarted = bits & 16;
        session.progressLevel = bits & 32 ? ProgressLevel::AllCleared : ProgressLevel::Incomplete;
        statuses.push_back(statusOf(world, session));
    }
    return statuses;
}

// What the hint line says: a press with the most presses left there can be, a
// Shift press with two digits, and the search's own words.
QStringList hintLines() {
    QStringList lines;
    for (const solver::Hint hint : {solver::Hint{'r', 123}, solver::Hint{'u', 11}, solver::Hint{'R', 8}, solver::Hint{'Z', 1}})
        lines << ui::translated(solver::hintText(hint));
    return lines << ui::MainWindow::tr("ヒントを探しています…") << ui::MainWindow::tr("ヒントが見つかりません");
}

// The analysis with the largest figures, and each verdict without them.
std::vector<solver::Result> analysisResults() {
    solver::Result solved;
    solved.outcome = solver::Outcome::Solved;
    solved.keys = std::string(123, 'R');
    solved.analysis = solver::Analysis{1'000'000, 999'999, 0, 123};
    std::vector<solver::Result> results{solved};
    for (solver::Outcome outcome : {solver::Outcome::Unsolvable, solver::Outcome::LimitReached, solver::Outcome::Refused}) {
        solver::Result other;
        other.outcome = outcome;
        results.push_back(other);
    }
    return results;
}

// The text a label paints.
QString paintedText(const QLabel* label) {
    if (const auto* phrased = qobject_cast<const ui::PhraseLabel*>(label)) return phrased->shownText();
    return label->text();
}

// The labels shown whose text does not fit in them: a word wider than the
// label, more lines than it is high, or a font shrunk below `smallest` points.
QStringList unfitLabels(QWidget* area, double smallest) {
    QStringList unfit;
    for (QLabel* label : area->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(area) || label->text().isEmpty()) continue;
        if (label->font().pointSizeF() < smallest)
            unfit << QStringLiteral("「%1」 shrinks to %2 pt").arg(label->text()).arg(label->font().pointSizeF());
        const QRect box = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
        const QRect needed = QFontMetrics(label->font()).boundingRect(box, flags, paintedText(label));
        if (needed.width() > box.width() || needed.height() > box.height())
            unfit << QStringLiteral("「%1」 takes %2 × %3 in %4 × %5")
                         .arg(label->text())
                         .arg(needed.width())
                         .arg(needed.height())
                         .arg(box.width())
                         .arg(box.height());
    }
    return unfit;
}

// The parts of the window shown under or over `part`.
QStringList partsUnder(QWidget* part) {
    QStringList under;
    QWidget* area = part->parentWidget();
    for (QWidget* other : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (other != part && other->isVisibleTo(area) && other->geometry().intersects(part->geometry()))
            under << QStringLiteral("%1 at %2, %3")
                         .arg(QLatin1String(other->metaObject()->className()))
                         .arg(other->x())
                         .arg(other->y());
    return under;
}

// Where a label's painted text breaks into lines, as positions in its text
// without the invisible marks.
QList<int> lineBreaks(const QLabel* label) {
    QString shown = paintedText(label);
    shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(shown, label->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QList<int> breaks;
    int at = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label->contentsRect().width());
        if (line.textStart() > 0) breaks << at;
        for (QChar c : QStringView(shown).mid(line.textStart(), line.textLength()))
            if (c != QChar(0x2060) && c != QChar(0x200B)) ++at;
    }
    layout.endLayout();
    return breaks;
}

}  // namespace

class ReadableTextsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(settings_.isValid());
        nerilo::test::keepSettingsIn(settings_.path());
    }
    void cleanup() { ui::useLanguage(Language::Japanese); }

    // The longest texts of the panel, the warning, the hint and the editor's
    // analysis fit their places at every zoom, in both languages, while playing
    // and in both of the editor's layouts; the analysis keeps the size of the
    // panel's text (at 1280 × 1024 the editor takes 1×) in a place of its own.
    void everyTextFitsAtEveryZoom() {
        TestGame game;
        game.block(cell(5, 5), 7).load("stage1.txt");
        Window w(game);
        w.window.platformForScreenshots();  // leaving the editor asks nothing
        QWidget* area = w.window.centralWidget();
        struct Arrangement {
            const char* name;
            bool editing;
            ui::Layout layout;
        };
        QStringList failures;
        for (Language language : Languages) {
            ui::useLanguage(language);
            for (int zoom = ui::MinZoom; zoom <= ui::MaxZoom; ++zoom) {
                for (const Arrangement a : {Arrangement{"playing", false, ui::Layout::Playing},
                                            Arrangement{"palettes below", true, ui::Layout::PalettesBelow},
                                            Arrangement{"palettes beside", true, ui::Layout::PalettesBeside}}) {
                    const QString where =
                        QStringLiteral("%1 at %2× %3").arg(languageName(language)).arg(zoom).arg(QLatin1String(a.name));
                    // A screen high enough for the palettes below, or only for them beside.
                    const QSize screen = a.layout == ui::Layout::PalettesBeside ? QSize(760, 484) * zoom + QSize(200, 150)
                                                                                : QSize(4000, 4000);
                    w.window.setAvailableArea(QRect(QPoint(0, 0), screen));
                    w.window.setZoom(zoom);
                    if (w.window.game().session().editing() != a.editing) w.window.run([&] { w.window.game().editor().toggle(); });
                    QCOMPARE(w.window.zoom(), zoom);
                    QCOMPARE(w.window.layout(), a.layout);

                    QStringList unfit;
                    // No smaller than the panel's smallest text, the stage's name.
                    const auto check = [&] { unfit << unfitLabels(area, w.window.stageTitle()->font().pointSizeF()); };
                    for (const StatusView& status : everyStatus()) {
                        w.window.showStatus(status);
                        check();
                    }
                    w.window.deadEndLine()->setText(ui::translated(solver::deadEndText()));
                    for (const QString& hint : hintLines()) {
                        w.window.hintLine()->setText(hint);
                        check();
                    }
                    ui::EditorAnalysis* analysis = w.window.editorAnalysis();
                    QCOMPARE(analysis->isVisible(), a.editing);
                    if (a.editing) {
                        const QStringList under = partsUnder(analysis);
                        QVERIFY2(under.isEmpty(), qPrintable(where + QStringLiteral(": ") + under.join(QStringLiteral("; "))));
                        QVERIFY(area->rect().contains(analysis->geometry()));
                    }
                    for (const solver::Result& result : analysisResults()) {
                        analysis->show(analysisPanel(true, result));
                        analysis->layout()->activate();
                        check();
                    }
                    unfit.removeDuplicates();
                    for (const QString& label : unfit) failures << where + QStringLiteral(": ") + label;
                    for (QLabel* line : analysis->findChildren<QLabel*>())
                        QVERIFY2(line->font().pointSizeF() >= w.window.statusHints()->font().pointSizeF(),
                                 qPrintable(where + QStringLiteral(": 「") + line->text() + QStringLiteral("」 is smaller than the panel's text")));
                    w.window.deadEndLine()->clear();
                    w.window.hintLine()->clear();
                }
            }
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    }

    // A Japanese text that wraps breaks only between its phrases (never
    // 「ク / リア」 or 「戻 / せます」), at every zoom.
    void japaneseBreaksOnlyBetweenPhrases() {
        TestGame game;
        game.block(cell(5, 5), 7).load("stage1.txt");
        Window w(game);
        w.window.setAvailableArea(QRect(0, 0, 4000, 4000));
        struct Phrased {
            QLabel* (ui::MainWindow::*label)() const;
            QStringList phrases;
        };
        const QString zeroWidthSpace(QChar(0x200B));
        const Phrased texts[] = {
            {&ui::MainWindow::deadEndLine,
             {QStringLiteral("詰み："), QStringLiteral("ここからは"), QStringLiteral("クリア") + zeroWidthSpace,
              QStringLiteral("できません。"), QStringLiteral("Backspace で"), QStringLiteral("戻せます")}},
            {&ui::MainWindow::statusHints, {QStringLiteral("Delete で"), QStringLiteral("リトライ")}},
            {&ui::MainWindow::statusHints, {QStringLiteral("Esc で"), QStringLiteral("編集に"), QStringLiteral("戻る")}},
            {&ui::MainWindow::hintLine, {QStringLiteral("Shift+→ "), QStringLiteral("あと "), QStringLiteral("123 手")}},
        };
        // The table holds the game's own texts.
        QStringList said = hintLines() << ui::translated(solver::deadEndText());
        for (const StatusView& status : everyStatus())
            for (const Text& hint : status.hints) said << ui::translated(hint);
        for (int zoom = ui::MinZoom; zoom <= ui::MaxZoom; ++zoom) {
            w.window.setZoom(zoom);
            for (const Phrased& text : texts) {
                const QString whole = text.phrases.join(QString());
                QVERIFY2(said.contains(whole), qPrintable(whole));
                QList<int> between;
                int at = 0;
                for (const QString& phrase : text.phrases) between << (at += int(phrase.size() - phrase.count(zeroWidthSpace)));
                QLabel* label = (w.window.*text.label)();
                label->setText(whole);
                for (int at : lineBreaks(label))
                    QVERIFY2(between.contains(at), qPrintable(QStringLiteral("%1× 「%2」 breaks after 「%3」")
                                                                  .arg(zoom)
                                                                  .arg(whole)
                                                                  .arg(QString(whole).remove(zeroWidthSpace).left(at))));
                label->clear();
            }
        }
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
            board->showHint(hintArrowOf(cell(5, 5), press));
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
