#include "ui/solver_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/engine_text.h"
#include "ui/fonts.h"
#include "ui/thread_runner.h"
#include "view/searches_view.h"

namespace nerilo::ui {

SolverDialog::SolverDialog(Game& game, ThreadRunner& runner, uint64_t maxStates, QWidget* parent)
    : QDialog(parent), game_(game) {
    headline_ = new QLabel(this);
    headline_->setFont(gothicFont(14, true));
    detail_ = new QLabel(this);
    analysis_ = new QLabel(this);
    analysis_->setWordWrap(true);
    notes_ = new QLabel(this);
    notes_->setWordWrap(true);
    for (QLabel* label : {detail_, analysis_, notes_}) label->setTextFormat(Qt::PlainText);
    cancel_ = new QPushButton(this);
    play_ = new QPushButton(this);
    close_ = new QPushButton(this);
    connect(cancel_, &QPushButton::clicked, this, &SolverDialog::reject);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    connect(play_, &QPushButton::clicked, this, [this] {
        solutionToPlay_ = result()->keys;
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

    connect(&runner, &ThreadRunner::reported, this, &SolverDialog::refresh);
    game_.searches().startFullSearch(maxStates);
    refresh();
}

SolverDialog::~SolverDialog() { game_.searches().closeFullSearch(); }

void SolverDialog::reject() {
    if (searching()) game_.searches().stopFullSearch();
    QDialog::reject();
}

void SolverDialog::refresh() {
    const SearchWindowView view = searchWindowView(game_);
    setWindowTitle(translated(view.title));
    headline_->setText(translated(view.headline));
    detail_->setText(translated(view.detail));
    analysis_->setText(translated(view.analysis));
    analysis_->setVisible(!view.analysis.empty());
    QString notes;
    for (const Text& note : view.notes) notes += translated(note) + QLatin1Char('\n');
    notes_->setText(notes.trimmed());
    notes_->setVisible(!notes.isEmpty());
    cancel_->setText(translated(view.cancel));
    play_->setText(translated(view.play));
    close_->setText(translated(view.close));
    cancel_->setVisible(view.searching);
    close_->setVisible(!view.searching);
    play_->setVisible(view.playOffered);
    (view.playOffered ? play_ : close_)->setDefault(true);
}

}  // namespace nerilo::ui
