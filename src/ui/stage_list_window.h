#pragma once
// The stage list: the thirty numbered stages as a grid of tiles. Enter or a
// double click opens the chosen stage, ready to start; リプレイ watches its
// best clear. The shortest clears come in from the session's searches as found.
#include <QDialog>
#include <vector>

#include "game/game.h"
#include "view/stage_list.h"

class QListWidget;
class QPushButton;

namespace nerilo::ui {

class ThreadRunner;

class StageListWindow : public QDialog {
    Q_OBJECT
public:
    // `current` is the number of the stage to select first.
    StageListWindow(std::vector<StageListEntry> entries, Game& game, ThreadRunner& runner, int current, QWidget* parent);

    enum class Choice { None, Open, Replay };
    Choice choice() const { return choice_; }
    // The stage the player chose, once there is a choice.
    const StageListEntry& chosen() const { return entries_[static_cast<size_t>(chosen_)]; }

    // Named parts for tests.
    const std::vector<StageListEntry>& entries() const { return entries_; }
    QListWidget* grid() const { return grid_; }
    QPushButton* openButton() const { return openButton_; }
    QPushButton* replayButton() const { return replayButton_; }

private:
    void choose(Choice choice);
    void selectionChanged();
    const StageListEntry* selected() const;

    std::vector<StageListEntry> entries_;
    std::vector<QPixmap> thumbnails_;
    Game& game_;
    QListWidget* grid_ = nullptr;
    QPushButton* openButton_ = nullptr;
    QPushButton* replayButton_ = nullptr;
    Choice choice_ = Choice::None;
    int chosen_ = -1;

    friend class StageTileDelegate;
};

}  // namespace nerilo::ui
