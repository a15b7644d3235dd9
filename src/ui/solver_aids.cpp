// The session's searches beside the player and the author: the dead-end
// warning while playing, the hint, and the analysis panel and circuit preview
// in the editor. Kept apart from main_window.cpp, which only builds and shows them.
#include <QLabel>
#include <QMenu>
#include <QSettings>

#include "ui/board_widget.h"
#include "ui/editor_analysis.h"
#include "ui/engine_text.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/phrase_label.h"
#include "ui/window_settings.h"
#include "view/searches_view.h"

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
    game_.searches().setDeadEndWarning(savedDeadEndWarning());

    const QFont figures = gothicFont(8);
    editorAnalysis_ = new EditorAnalysis(area);
    const QRect below = AnalysisBelowUnits;
    place<QWidget>(editorAnalysis_, below.x(), below.y(), below.width(), below.height(), &figures);
    placed_.back().beside = AnalysisBesideUnits;
    connect(editorAnalysis_, &EditorAnalysis::solutionAsked, this,
            [this](const std::string& keys) { run([&] { game_.editor().playSolution(keys); }); });
    board_->setCircuitPreview(QSettings().value(CircuitPreviewKey, true).toBool());
}

void MainWindow::addDeadEndWarningEntry(QMenu* options) {
    QAction* entry = addCaptioned(options, QStringLiteral("deadEndWarning"), QT_TR_NOOP("詰みを知らせる(&W)"));
    entry->setCheckable(true);
    entry->setChecked(game_.searches().state().deadEnd.enabled);
    connect(entry, &QAction::triggered, this, [this](bool on) {
        game_.searches().setDeadEndWarning(on);
        saveDeadEndWarning(on);
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

// The lines show what the session's searches found.
void MainWindow::followSolverAids() {
    const SearchesView view = searchesView(game_);
    showText(hintLine_, translated(view.hintLine));
    if (view.hintArrow) board_->showHint(*view.hintArrow);
    else board_->clearHint();
    showText(deadEndLine_, translated(view.deadEndLine));
    editorAnalysis_->show(view.analysis);
}

void MainWindow::retranslateSolverAids() { followSolverAids(); }

}  // namespace nerilo::ui
