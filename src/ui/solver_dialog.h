#pragma once
// The editor's search window (解を探す): the session's search runs in the
// background while the window shows the positions explored and the depth
// reached; then the shortest clear, or that there is none, or that the limit
// was reached, with the analysis in one line and a button that plays the
// clear. What it says comes from the view (view/searches_view.h).
#include <QDialog>
#include <string>

#include "game/game.h"

class QLabel;
class QPushButton;

namespace nerilo::ui {

class ThreadRunner;

class SolverDialog : public QDialog {
    Q_OBJECT
public:
    // Starts the session's search of the edited board (maxStates 0: its own bound).
    SolverDialog(Game& game, ThreadRunner& runner, uint64_t maxStates, QWidget* parent);
    // The search is dropped when the window goes.
    ~SolverDialog() override;

    bool searching() const { return game_.searches().state().full.job != 0; }
    const std::optional<solver::Result>& result() const { return game_.searches().state().full.result; }
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
    // first, and the window closes once it has.
    void reject() override;
    // Shows what the view says of the search now.
    void refresh();

private:
    Game& game_;
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
