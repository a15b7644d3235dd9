#pragma once
// The main window: the board, the panel beside it, the editor's palettes below
// it and the menu bar. Every event goes to the game; afterwards the window
// shows what the game state says (board/presentation.h). Its texts are said in
// the current language (ui/language.h), again whenever the language changes.
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "game/commands.h"
#include "game/game.h"
#include "view/presentation.h"
#include "ui/thread_runner.h"
#include "ui/key_buffer.h"
#include "ui/qt_platform.h"
#include "ui/zoom.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;

namespace nerilo::ui {

class BoardWidget;
class ClickLabel;
class EditorAnalysis;
class SoundEffects;
class StageListWindow;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow();

    Game& game() { return game_; }
    QtPlatform& platform() { return platform_; }
    SoundEffects& sounds() { return *sounds_; }
    // The fingerprint of the stage opened from a code whose proof cleared: the
    // panel says クリア確認済み while it is the stage in play.
    // Runs a game command, then shows the game again.
    void run(const std::function<void()>& call);
    // ヒント: looks for the next press of a shortest clear from here, or stops looking.
    void askForHint();
    void refresh();
    void closeAfterQuit();
    // Screenshots show no splash and no message box.
    void platformForScreenshots() { platform_.setQuiet(true); }
    void setProgramFolder(const std::string& folder) { platform_.setProgramFolder(folder); }
    // The stage list as it stands, for the menu entry and for screenshots.
    std::unique_ptr<StageListWindow> stageListWindow();

    // The integer zoom of the whole window (表示 menu); choosing it from the
    // menu also remembers it for the next run. The window takes the chosen
    // zoom, or the largest below it at which it fits the screen's available
    // area, in play and in the editor (ui/zoom.h).
    void setZoom(int zoom);
    void chooseZoom(int zoom);
    int zoom() const { return zoom_.factor; }
    Layout layout() const { return layout_; }
    // The menu bar and frame around the client area.
    QSize chromeSize() const;
    // The area the window keeps within: its screen's available area, unless
    // one is given in its place (a test's screen).
    QRect availableArea() const;
    void setAvailableArea(const QRect& area);
    // A screenshot takes the zoom it is asked for, whatever the screen.
    void ignoreScreenSize();
    // A picture as the window shows it: zoomed, sharp on this screen.
    const QPixmap& picture(Picture picture) const;
    // 先行入力 (設定 menu), remembered for the next run.
    void chooseBufferedInput(bool on);
    const KeyBuffer& keyBuffer() const { return keyBuffer_; }

    // Named parts for tests.
    BoardWidget* board() const { return board_; }
    ClickLabel* roundButton() const { return roundButton_; }
    ClickLabel* openButton() const { return openButton_; }
    ClickLabel* commentButton() const { return commentButton_; }
    ClickLabel* stageListButton() const { return stageListButton_; }
    QLabel* hintLine() const { return hintLine_; }
    ClickLabel* stepTryButton() const { return stepTryButton_; }
    ClickLabel* layerButton() const { return layerButton_; }
    ClickLabel* groundPalette(int code) const { return groundPalette_[code]; }
    ClickLabel* blockPalette(int code) const { return blockPalette_[code]; }
    ClickLabel* blockBrush() const { return blockBrush_; }
    QLabel* stepsLeft() const { return stepsLeft_; }
    QLabel* stageTitle() const { return stageTitle_; }
    QLabel* statusHeadline() const { return statusHeadline_; }
    QLabel* statusHints() const { return statusHints_; }
    QAction* action(const char* name) const;
    QMenu* editMenu() const { return editMenu_; }
    const QTimer& worldTimer() const { return timer_; }
    QLabel* deadEndLine() const { return deadEndLine_; }
    EditorAnalysis* editorAnalysis() const { return editorAnalysis_; }
    // How far 解を探す searches.
    // The positions the search window stores before it gives up.
    uint64_t& searchLimit() { return searchLimit_; }
    ThreadRunner& runner() { return *runner_; }
    // Says the state of the game in the panel (tests say every state at every zoom).
    void showStatus(const StatusView& status);

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void buildViewMenu();
    void buildLanguageMenu(QMenu* options);
    void buildSoundMenu(QMenu* options);
    // The sound entries as the effects stand: on or off, an audio output or none.
    void showSoundState();
    void buildPanel(QWidget* area);
    void buildPalettes(QWidget* area);
    // The panel's texts are wider than its buttons, to the window's edge: the panel is narrow.
    static constexpr int PanelTextWidth = 1305;
    // Puts a widget at a place given in board units (and its font, at its 1× size):
    // applyZoom() moves, sizes and scales it again at every zoom.
    template <class Widget>
    Widget* place(Widget* widget, int left, int top, int width, int height, const QFont* font = nullptr);
    ClickLabel* addLabelButton(QWidget* area, int left, int top, double points);
    void showFixedPicture(QLabel* label, Picture picture);
    // Takes the zoom and layout that fit the screen, sizes the window for them
    // and places it.
    void fitToScreen();
    void applyZoom();
    void applySize();
    void showZoomChoices(QSize chrome, QSize available);
    QRect outerFrame() const;
    // Moves the window's frame to be centred where it was, on the screen.
    void placeFrame();
    void followMove();
    void tick();
    void answerQuestions();
    // A menu of the menu bar; its caption is marked with QT_TR_NOOP and said by retranslate().
    QMenu* addMenu(const char* caption);
    // 解を探す: the search window, then the clear played on the board when asked.
    void findSolution();
    // An entry of the window's own, its caption marked with QT_TR_NOOP.
    QAction* addCaptioned(QWidget* menu, const QString& name, const char* caption);
    // An entry of the command table, put before `before` (or last) in `menu`.
    QAction* addCommand(QWidget* menu, QAction* before, const Command& command);
    // A menu of the command table, its caption the table's.
    QMenu* addMenu(const Text& caption);
    void showStageList();
    // The dead-end warning, the editor's analysis and circuit preview (solver_aids.cpp).
    void buildSolverAids(QWidget* area);
    void addDeadEndWarningEntry(QMenu* options);
    void addCircuitPreviewEntry(QMenu* editor);
    void followSolverAids();
    void retranslateSolverAids();
    // Says every text of the window in the current language.
    void retranslate();
    void showText(QLabel* label, const QString& text);
    void showButton(ClickLabel* label, const ButtonView& view);
    void showPicture(QLabel* label, Picture picture);

    struct MenuBinding {
        QAction* action;
        const Command* command;
    };
    std::vector<MenuBinding> menuBindings_;
    struct Placed {
        QWidget* widget;
        QRect units;
        std::optional<QFont> font;
        std::optional<QRect> beside;  // a palette's place when the palettes are beside the panel
    };
    std::vector<Placed> placed_;
    std::vector<std::pair<QLabel*, Picture>> fixedPictures_;
    Zoom zoom_;
    int chosenZoom_ = MinZoom;
    Layout layout_ = Layout::Playing;
    bool palettesShown_ = false;
    std::optional<QRect> availableArea_;
    bool screenSized_ = true;
    // Where the frame's centre belongs, and the frame as last placed there: a
    // frame found elsewhere at the same size was moved by the player.
    std::optional<QPointF> centre_;
    QRect placedFrame_;
    KeyBuffer keyBuffer_;
    QLabel* hintLine_ = nullptr;
    QLabel* deadEndLine_ = nullptr;
    EditorAnalysis* editorAnalysis_ = nullptr;
    struct Caption {
        QAction* action;
        const char* source;  // Japanese, as QT_TR_NOOP marked it
    };
    std::vector<Caption> captions_;
    std::vector<std::pair<QAction*, Text>> commandCaptions_;

    SoundEffects* sounds_ = nullptr;
    QtPlatform platform_;
    Game game_;
    // After the game: it stops its jobs before the game goes.
    std::unique_ptr<ThreadRunner> runner_;
    QTimer timer_;
    // An author's stage, searched to the end with its analysis: about a
    // million positions, some tens of megabytes.
    uint64_t searchLimit_ = 1'000'000;
    bool closeAccepted_ = false;
    bool answering_ = false;
    bool waitCursor_ = false;  // the override cursor is set while a command waits for its search
    bool watchingScreen_ = false;

    BoardWidget* board_ = nullptr;
    QLabel* stepsLeft_ = nullptr;
    QLabel* stageTitle_ = nullptr;
    QLabel* keysHeld_ = nullptr;
    QLabel* statusHeadline_ = nullptr;
    QLabel* statusHints_ = nullptr;
    QFont headlineFont_;
    ClickLabel* stepTryButton_ = nullptr;
    ClickLabel* layerButton_ = nullptr;
    ClickLabel* roundButton_ = nullptr;
    ClickLabel* openButton_ = nullptr;
    ClickLabel* commentButton_ = nullptr;
    ClickLabel* stageListButton_ = nullptr;
    std::array<ClickLabel*, GroundCodeCount> groundPalette_{};
    std::array<ClickLabel*, 8> blockPalette_{};
    ClickLabel* groundBrush_ = nullptr;
    ClickLabel* blockBrush_ = nullptr;
    std::vector<QWidget*> palettes_;  // greyed out during test play
    QMenu* editMenu_ = nullptr;
    QActionGroup* zoomChoices_ = nullptr;
};

}  // namespace nerilo::ui
