#pragma once
// The main window: the board, the panel beside it, the editor's palettes below
// it and the menu bar. Every event goes to the game; afterwards the window
// shows what the game state says (board/presentation.h).
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <vector>

#include "board/game.h"
#include "board/presentation.h"
#include "solver/solver.h"
#include "ui/qt_platform.h"

class QAction;
class QLabel;
class QMenu;

namespace nerilo::ui {

class BoardWidget;
class ClickLabel;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow();

    Game& game() { return game_; }
    // Runs a game command, then shows the game again.
    void run(const std::function<void()>& call);
    void refresh();
    void closeAfterQuit();
    // Screenshots show no splash and no message box.
    void platformForScreenshots() { platform_.setQuiet(true); }
    void setProgramFolder(const std::string& folder) { platform_.setProgramFolder(folder); }

    // Named parts for tests.
    BoardWidget* board() const { return board_; }
    ClickLabel* roundButton() const { return roundButton_; }
    ClickLabel* openButton() const { return openButton_; }
    ClickLabel* commentButton() const { return commentButton_; }
    ClickLabel* stepTryButton() const { return stepTryButton_; }
    ClickLabel* layerButton() const { return layerButton_; }
    ClickLabel* groundPalette(int code) const { return groundPalette_[code]; }
    ClickLabel* blockPalette(int code) const { return blockPalette_[code]; }
    ClickLabel* blockBrush() const { return blockBrush_; }
    QAction* action(const char* name) const;
    QMenu* editMenu() const { return editMenu_; }
    const QTimer& worldTimer() const { return timer_; }
    // How far 解を探す searches.
    solver::Options& searchOptions() { return searchOptions_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildPanel(QWidget* area);
    void buildPalettes(QWidget* area);
    // 解を探す: the search window, then the clear played on the board when asked.
    void findSolution();
    // A menu command; `entry` is the view's state of the entry, shown by refresh().
    QAction* addCommand(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut,
                        const std::function<void()>& call, MenuEntryView WindowView::*entry = nullptr,
                        bool checkable = false);
    void applyHeight(int units);
    void showText(QLabel* label, const QString& text);
    void showButton(ClickLabel* label, const ButtonView& view);
    void showPicture(QLabel* label, Picture picture);

    struct MenuBinding {
        QAction* action;
        MenuEntryView WindowView::*entry;
    };
    std::vector<MenuBinding> menuBindings_;

    QtPlatform platform_;
    Game game_;
    QTimer timer_;
    solver::Options searchOptions_;
    bool closeAccepted_ = false;

    BoardWidget* board_ = nullptr;
    QLabel* stepsLeft_ = nullptr;
    QLabel* stageTitle_ = nullptr;
    QLabel* keysHeld_ = nullptr;
    ClickLabel* stepTryButton_ = nullptr;
    ClickLabel* layerButton_ = nullptr;
    ClickLabel* roundButton_ = nullptr;
    ClickLabel* openButton_ = nullptr;
    ClickLabel* commentButton_ = nullptr;
    std::array<ClickLabel*, GroundCodeCount> groundPalette_{};
    std::array<ClickLabel*, 8> blockPalette_{};
    ClickLabel* groundBrush_ = nullptr;
    ClickLabel* blockBrush_ = nullptr;
    std::vector<QWidget*> palettes_;  // greyed out during test play
    int height_ = 0;
    QMenu* editMenu_ = nullptr;
};

}  // namespace nerilo::ui
