#include "ui/dead_end_watch.h"

#include <QLabel>
#include <QSettings>

#include "game/game.h"
#include "solver/dead_end.h"
#include "ui/engine_text.h"
#include "ui/solver_run.h"

namespace nerilo::ui {
namespace {
const QString DeadEndWarningKey = QStringLiteral("deadEndWarning");
}

bool savedDeadEndWarning() { return QSettings().value(DeadEndWarningKey, false).toBool(); }

DeadEndWatch::DeadEndWatch(QLabel* line, QObject* parent) : QObject(parent), search_(new SolverRun(this)), line_(line) {
    connect(search_, &SolverRun::finished, this, &DeadEndWatch::showVerdict);
}

void DeadEndWatch::choose(bool on) {
    setEnabled(on);
    QSettings().setValue(DeadEndWarningKey, on);
}

void DeadEndWatch::setEnabled(bool on) {
    enabled_ = on;
    if (!on) forget();
}

bool DeadEndWatch::searching() const { return search_->running(); }

void DeadEndWatch::follow(const Game& game) {
    if (!enabled_) return;
    // Super mode draws random tiles: no search can tell what comes next.
    const WorldState& state = game.world().state();
    if (!game.atRest() || game.isLost() || game.playbackRunning() || state.extraMode == ExtraMode::Super) {
        forget();
        return;
    }
    if (watched_ && *watched_ == state) return;
    forget();
    watched_ = state;
    search_->start(state, solver::deadEndOptions());
}

void DeadEndWatch::forget() {
    search_->cancel();
    watched_.reset();
    if (warning_) line_->clear();
    warning_ = false;
}

// Every position of a dead end is said; what counts is the session's to decide.
void DeadEndWatch::showVerdict() {
    const solver::Verdict verdict = solver::verdictOf(search_->result());
    if (!watched_ || verdict == solver::Verdict::Unknown) return;
    const bool deadEnd = verdict == solver::Verdict::DeadEnd;
    if (deadEnd) {
        warning_ = true;
        retranslate();
    }
    emit verdictFound(*watched_, deadEnd);
}

void DeadEndWatch::retranslate() {
    if (warning_) line_->setText(translated(solver::deadEndText()));
}

}  // namespace nerilo::ui
