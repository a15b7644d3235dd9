#pragma once
// The editor's search window (解を探す): the solver runs in a worker thread
// while the window shows the positions explored and the depth reached; then
// it shows the shortest clear, or that there is none, or that the limit was
// reached, with the analysis in one line and a button that plays the clear.
#include <QDialog>
#include <optional>

#include "solver/solver.h"
#include "ui/solver_run.h"

class QLabel;
class QPushButton;

namespace nerilo::ui {

class SolverDialog : public QDialog {
    Q_OBJECT
public:
    // `start` is the round the search starts from (Game::plainTestStart).
    SolverDialog(const WorldState& start, const solver::Options& options, QWidget* parent);

    bool searching() const { return search_.running(); }
    const std::optional<solver::Result>& result() const { return result_; }
    // The keys to play on the board: set when the dialog was accepted with 解を再生.
    const std::string& solutionToPlay() const { return solutionToPlay_; }

    // Named parts for tests.
    QLabel* headline() const { return headline_; }
    QLabel* detail() const { return detail_; }
    QLabel* analysis() const { return analysis_; }
    QLabel* notes() const { return notes_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* playButton() const { return play_; }
    QPushButton* closeButton() const { return close_; }

public slots:
    // Escape and the window's close button: a running search is cancelled
    // first, and the window closes when it has stopped.
    void reject() override;

private:
    void showProgress(const solver::Progress& progress);
    void finish(const solver::Result& result);

    SolverRun search_;  // stopped and waited for when the window goes
    std::optional<solver::Result> result_;
    std::string solutionToPlay_;
    QLabel* headline_ = nullptr;
    QLabel* detail_ = nullptr;
    QLabel* analysis_ = nullptr;
    QLabel* notes_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* play_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace nerilo::ui
