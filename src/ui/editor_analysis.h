#pragma once
// The editor's analysis panel: after each stroke, once the author pauses, a
// search of the board as a round would start on it runs in the background and
// the panel shows whether it clears, the shortest clear, the positions, the
// share of dead ends and the first one's depth. The next change drops the
// search. A click on the shortest clear plays it in test play.
#include <QTimer>
#include <QWidget>
#include <optional>
#include <string>

#include "rules/world_state.h"
#include "solver/solver.h"

class QLabel;

namespace nerilo {
class Game;
}

namespace nerilo::ui {

class ClickLabel;
class SolverRun;

class EditorAnalysis : public QWidget {
    Q_OBJECT
public:
    explicit EditorAnalysis(QWidget* parent);
    // After every command: shown while editing; a board changed since the last
    // search starts a new one after a short pause.
    void follow(const Game& game);
    bool searching() const;
    // The shortest clear of the last finished search, or empty.
    const std::string& solution() const { return solution_; }
    // The panel's lines, for tests: verdict, shortest, positions, dead ends, first dead end.
    QStringList lines() const;
    void retranslate();
    // Shows the figures of a finished search (tests show the largest there are).
    void showResult(const solver::Result& result);
    // How long the panel waits after a change: a stroke paints several cells in a row.
    static constexpr int PauseMs = 150;

signals:
    // The shortest clear was clicked.
    void solutionAsked(const std::string& keys);

protected:
    void changeEvent(QEvent* event) override;

private:
    void styleLines();
    void startSearch();
    QLabel* title_;
    QLabel* verdict_;
    ClickLabel* shortest_;
    QLabel* positions_;
    QLabel* deadEnds_;
    QLabel* firstDeadEnd_;
    QTimer pause_;
    SolverRun* search_;
    std::optional<WorldState> analysed_;  // the start searched last, or waiting for the pause
    std::optional<solver::Result> result_;
    std::string solution_;
};

}  // namespace nerilo::ui
