#include "ui/editor_analysis.h"

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
    for (QLabel* line : {title_, verdict_, static_cast<QLabel*>(shortest_), positions_, deadEnds_, firstDeadEnd_}) {
        line->setStyleSheet(QStringLiteral("color: #c0c0c0;"));
        column->addWidget(line);
    }
    column->addStretch();
    title_->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    // The shortest clear reads as a link: a click plays it.
    shortest_->setStyleSheet(QStringLiteral("color: #ffdc00; text-decoration: underline;"));
    shortest_->setCursor(Qt::PointingHandCursor);
    connect(shortest_, &ClickLabel::clicked, this, [this] {
        if (!solution_.empty()) emit solutionAsked(solution_);
    });
    pause_.setSingleShot(true);
    pause_.setInterval(PauseMs);
    connect(&pause_, &QTimer::timeout, this, &EditorAnalysis::startSearch);
    connect(search_, &SolverRun::finished, this, &EditorAnalysis::showResult);
    hide();
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

void EditorAnalysis::showResult() {
    result_ = search_->result();
    solution_ = result_->outcome == solver::Outcome::Solved ? result_->keys : std::string();
    retranslate();
}

void EditorAnalysis::retranslate() {
    title_->setText(translated(solver::liveAnalysisTitle()));
    const solver::LiveAnalysisView view =
        result_ ? solver::liveAnalysisView(*result_) : solver::LiveAnalysisView{solver::liveAnalysisRunning()};
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
