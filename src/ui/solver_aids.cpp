// The solver beside the player and the author: the dead-end warning while
// playing, and the analysis panel and circuit preview in the editor. Kept
// apart from main_window.cpp, which only builds and follows them.
#include <QLabel>
#include <QMenu>
#include <QSettings>

#include "ui/board_widget.h"
#include "ui/dead_end_watch.h"
#include "ui/editor_analysis.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/phrase_label.h"

namespace nerilo::ui {
namespace {
const QString CircuitPreviewKey = QStringLiteral("circuitPreview");
}

// The warning under the hint while playing, down to the panel's foot; the
// analysis beside or below the board while editing, where its figures have
// room at the panel's text size.
void MainWindow::buildSolverAids(QWidget* area) {
    const QFont warning = gothicFont(8, true);
    deadEndLine_ = place(new PhraseLabel(area, QColor(0xff, 0x60, 0x60)), 7320, 5340, PanelTextWidth, 1860, &warning);
    deadEndWatch_ = new DeadEndWatch(deadEndLine_, this);
    deadEndWatch_->setEnabled(savedDeadEndWarning());
    connect(deadEndWatch_, &DeadEndWatch::verdictFound, this,
            [this](const WorldState& judged, bool deadEnd) { game_.noteDeadEndVerdict(judged, deadEnd); });

    const QFont figures = gothicFont(8);
    editorAnalysis_ = new EditorAnalysis(area);
    const QRect below = AnalysisBelowUnits;
    place<QWidget>(editorAnalysis_, below.x(), below.y(), below.width(), below.height(), &figures);
    placed_.back().beside = AnalysisBesideUnits;
    connect(editorAnalysis_, &EditorAnalysis::solutionAsked, this,
            [this](const std::string& keys) { run([&] { game_.playSolution(keys); }); });
    board_->setCircuitPreview(QSettings().value(CircuitPreviewKey, true).toBool());
}

void MainWindow::addDeadEndWarningEntry(QMenu* options) {
    QAction* entry = addCaptioned(options, QStringLiteral("deadEndWarning"), QT_TR_NOOP("詰みを知らせる(&W)"));
    entry->setCheckable(true);
    entry->setChecked(deadEndWatch_->enabled());
    connect(entry, &QAction::triggered, this, [this](bool on) {
        deadEndWatch_->choose(on);
        refresh();
    });
}

void MainWindow::addCircuitPreviewEntry(QMenu* editor) {
    QAction* entry = addCaptioned(editor, QStringLiteral("circuitPreview"), QT_TR_NOOP("回路プレビュー(&V)"));
    entry->setCheckable(true);
    entry->setChecked(board_->circuitPreview());
    connect(entry, &QAction::triggered, this, [this](bool on) {
        board_->setCircuitPreview(on);
        QSettings().setValue(CircuitPreviewKey, on);
    });
}

void MainWindow::followSolverAids() {
    deadEndWatch_->follow(game_);
    editorAnalysis_->follow(game_);
}

void MainWindow::retranslateSolverAids() {
    deadEndWatch_->retranslate();
    editorAnalysis_->retranslate();
}

}  // namespace nerilo::ui
