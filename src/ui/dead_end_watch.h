#pragma once
// 詰みを知らせる: after every press that comes to rest, a bounded search from
// the position runs in the background; the next press drops it. A proven dead
// end is said at once in the panel, with the way out; a search that reaches
// its bound says nothing. It reveals less than a hint, so records still count.
#include <QObject>
#include <optional>

#include "rules/world_state.h"

class QLabel;

namespace nerilo {
class Game;
}

namespace nerilo::ui {

class SolverRun;

class DeadEndWatch : public QObject {
    Q_OBJECT
public:
    // `line` is the panel's line where the warning is said.
    DeadEndWatch(QLabel* line, QObject* parent);
    bool enabled() const { return enabled_; }
    // Off drops a search and the warning; the choice is remembered for the next run.
    void choose(bool on);
    void setEnabled(bool on);
    // After every command and tick: a position at rest not yet searched starts
    // a search; a round that moves, ends or leaves drops it and its warning.
    void follow(const Game& game);
    bool searching() const;
    // Says the warning again in the current language.
    void retranslate();

signals:
    // The search proved whether the position in play is a dead end; the
    // session decides whether it counts.
    void verdictFound(const nerilo::WorldState& judged, bool deadEnd);

private:
    void showVerdict();
    void forget();
    SolverRun* search_;
    QLabel* line_;
    std::optional<WorldState> watched_;
    bool enabled_ = false;
    bool warning_ = false;
};

bool savedDeadEndWarning();

}  // namespace nerilo::ui
