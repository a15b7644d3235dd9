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

namespace nerilo::ui {
namespace {
const QString CircuitPreviewKey = QStringLiteral("circuitPreview");
}

// The warning under the keys held while playing; the analysis in the same
// free part of the panel while editing, above the brushes.
void MainWindow::buildSolverAids(QWidget* area) {
    const QFont warning = gothicFont(8, true);
    deadEndLine_ = place(new QLabel(area), 7320, 4860, 1215, 900, &warning);
    deadEndLine_->setStyleSheet(QStringLiteral("color: #ff6060;"));
    deadEndLine_->setWordWrap(true);
    deadEndLine_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    deadEndWatch_ = new DeadEndWatch(deadEndLine_, this);
    deadEndWatch_->setEnabled(savedDeadEndWarning());
    connect(deadEndWatch_, &DeadEndWatch::verdictFound, this,
            [this](const WorldState& judged, bool deadEnd) { game_.noteDeadEndVerdict(judged, deadEnd); });

    const QFont figures = gothicFont(8);
    editorAnalysis_ = new EditorAnalysis(area);
    place<QWidget>(editorAnalysis_, 7320, 4860, 1215, 2520, &figures);
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
