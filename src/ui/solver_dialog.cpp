#include "ui/solver_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "solver/search_report.h"
#include "ui/engine_text.h"
#include "solver/stage_checks.h"
#include "ui/fonts.h"

namespace nerilo::ui {

SolverDialog::SolverDialog(const WorldState& start, const solver::Options& options, QWidget* parent)
    : QDialog(parent) {
    const solver::SearchWindowTexts& texts = solver::searchWindowTexts();
    setWindowTitle(translated(texts.title));
    headline_ = new QLabel(translated(texts.searching), this);
    headline_->setFont(gothicFont(14, true));
    detail_ = new QLabel(this);
    analysis_ = new QLabel(this);
    analysis_->setWordWrap(true);
    notes_ = new QLabel(this);
    notes_->setWordWrap(true);
    for (QLabel* label : {detail_, analysis_, notes_}) label->setTextFormat(Qt::PlainText);
    cancel_ = new QPushButton(translated(texts.cancel), this);
    play_ = new QPushButton(translated(texts.play), this);
    close_ = new QPushButton(translated(texts.close), this);
    play_->hide();
    close_->hide();
    connect(cancel_, &QPushButton::clicked, this, &SolverDialog::reject);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    connect(play_, &QPushButton::clicked, this, [this] {
        solutionToPlay_ = result_->keys;
        accept();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(play_);
    buttons->addWidget(cancel_);
    buttons->addWidget(close_);
    // The window takes the size of what it says, again whenever that changes:
    // the lines that wrap do so at about thirty-two full-width characters, or
    // at the width of a longer line that does not wrap.
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    for (QLabel* label : {headline_, detail_, analysis_, notes_}) layout->addWidget(label);
    layout->addLayout(buttons);
    for (QLabel* label : {analysis_, notes_}) label->setMinimumWidth(fontMetrics().horizontalAdvance(QChar(0x3042)) * 32);

    // The quick problems are shown as notes; without a player there is nothing to search.
    QString notes;
    bool searchable = true;
    for (const solver::StageProblem& problem : solver::layoutProblems(start)) {
        notes += translated(problem.text) + QLatin1Char('\n');
        searchable &= problem.kind != solver::Problem::NoPlayer;
    }
    notes_->setText(notes.trimmed());
    notes_->setVisible(!notes.isEmpty());
    if (!searchable) {
        solver::Result refused;
        refused.outcome = solver::Outcome::Refused;
        finish(refused);
        return;
    }

    connect(&search_, &SolverRun::progressed, this, &SolverDialog::showProgress);
    connect(&search_, &SolverRun::finished, this, [this] { finish(search_.result()); });
    search_.start(start, options);
}

void SolverDialog::reject() {
    if (!searching()) {
        QDialog::reject();
        return;
    }
    search_.requestStop();
    headline_->setText(translated(solver::searchWindowTexts().cancelling));
    cancel_->setEnabled(false);
}

void SolverDialog::showProgress(const solver::Progress& progress) {
    if (searching()) detail_->setText(translated(solver::progressLine(progress)));
}

void SolverDialog::finish(const solver::Result& result) {
    result_ = result;
    if (result.outcome == solver::Outcome::Cancelled) {
        QDialog::reject();
        return;
    }
    headline_->setText(translated(solver::outcomeLine(result)));
    if (result.outcome != solver::Outcome::Refused)
        detail_->setText(translated(solver::summaryLine(result)));
    const Text analysis = solver::analysisLine(result);
    analysis_->setText(translated(analysis));
    analysis_->setVisible(!analysis.empty());
    cancel_->hide();
    close_->show();
    play_->setVisible(result.outcome == solver::Outcome::Solved);
    (result.outcome == solver::Outcome::Solved ? play_ : close_)->setDefault(true);
}

}  // namespace nerilo::ui
