#include "ui/editor_analysis.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "game/game.h"
#include "solver/live_analysis.h"
#include "ui/click_label.h"
#include "ui/engine_text.h"
#include "ui/solver_run.h"

namespace nerilo::ui {

EditorAnalysis::EditorAnalysis(QWidget* parent)
    : QWidget(parent),
      title_(new QLabel(this)),
      verdict_(new QLabel(this)),
      shortest_(new ClickLabel(this)),
      positions_(new QLabel(this)),
      deadEnds_(new QLabel(this)),
      firstDeadEnd_(new QLabel(this)),
      search_(new SolverRun(this)) {
    setFocusPolicy(Qt::NoFocus);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    // Colours by palette, not style sheets: a style sheet would keep the
    // labels from taking the panel's font at every zoom.
    for (QLabel* line : {title_, verdict_, static_cast<QLabel*>(shortest_), positions_, deadEnds_, firstDeadEnd_}) {
        QPalette colours = line->palette();
        colours.setColor(QPalette::WindowText, line == title_ ? Qt::white : QColor(0xc0, 0xc0, 0xc0));
        if (line == shortest_) colours.setColor(QPalette::WindowText, QColor(0xff, 0xdc, 0x00));
        line->setPalette(colours);
        line->setWordWrap(true);
        column->addWidget(line);
    }
    column->addStretch();
    shortest_->setCursor(Qt::PointingHandCursor);
    connect(shortest_, &ClickLabel::clicked, this, [this] {
        if (!solution_.empty()) emit solutionAsked(solution_);
    });
    pause_.setSingleShot(true);
    pause_.setInterval(PauseMs);
    connect(&pause_, &QTimer::timeout, this, &EditorAnalysis::startSearch);
    connect(search_, &SolverRun::finished, this, [this] { showResult(search_->result()); });
    hide();
}

void EditorAnalysis::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) styleLines();
}

// The panel's font at its zoom, never smaller: a line too long for the panel
// wraps. The title in bold and the shortest clear underlined, as a link.
void EditorAnalysis::styleLines() {
    QFont bold = font(), link = font();
    bold.setBold(true);
    link.setUnderline(true);
    title_->setFont(bold);
    shortest_->setFont(link);
}

bool EditorAnalysis::searching() const { return pause_.isActive() || search_->running(); }

void EditorAnalysis::follow(const Game& game) {
    const bool editing = game.session().editing;
    if (isVisible() != editing) setVisible(editing);
    if (!editing) return;
    const WorldState start = game.plainTestStart();
    if (analysed_ && *analysed_ == start) return;
    // The change drops the search under way; the figures wait for the pause.
    search_->cancel();
    analysed_ = start;
    result_.reset();
    solution_.clear();
    pause_.start();
    retranslate();
}

void EditorAnalysis::startSearch() {
    if (analysed_) search_->start(*analysed_, solver::liveAnalysisOptions());
}

void EditorAnalysis::showResult(const solver::Result& result) {
    result_ = result;
    solution_ = result_->outcome == solver::Outcome::Solved ? result_->keys : std::string();
    retranslate();
}

void EditorAnalysis::retranslate() {
    title_->setText(translated(solver::liveAnalysisTitle()));
    solver::LiveAnalysisView view;
    if (result_) view = solver::liveAnalysisView(*result_);
    else view.verdict = solver::liveAnalysisRunning();
    verdict_->setText(translated(view.verdict));
    shortest_->setText(translated(view.shortest));
    positions_->setText(translated(view.positions));
    deadEnds_->setText(translated(view.deadEnds));
    firstDeadEnd_->setText(translated(view.firstDeadEnd));
}

QStringList EditorAnalysis::lines() const {
    return {verdict_->text(), shortest_->text(), positions_->text(), deadEnds_->text(), firstDeadEnd_->text()};
}

}  // namespace nerilo::ui
