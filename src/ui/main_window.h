#pragma once
// The main window Form1: the board, the panel beside it, the editor's palettes
// below it and the menu bar. Every event goes to the engine; afterwards the
// window shows the engine's model again.
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <vector>

#include "board/form1.h"
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

    Form1& form() { return form_; }
    // Runs an engine call, then shows the model.
    void run(const std::function<void()>& call);
    void refresh();
    void applyHeight(int twips);
    void closeAfterUnload();
    // Screenshots show no splash and no message box.
    void platformForScreenshots() { platform_.setQuiet(true); }
    void setProgramFolder(const std::string& folder) { platform_.setProgramFolder(folder); }

    // Named parts for tests.
    BoardWidget* board() const { return board_; }
    ClickLabel* command(int n) const { return commands_[n - 1]; }
    ClickLabel* stepTryLabel() const { return check2_; }
    ClickLabel* layerButton() const { return check1_; }
    ClickLabel* groundPalette(int code) const { return groundPalette_[code]; }
    ClickLabel* blockPalette(int code) const { return blockPalette_[code]; }
    ClickLabel* blockBrush() const { return blocktip_; }
    QAction* action(const char* name) const;
    QMenu* editMenu() const { return editMenu_; }
    const QTimer& worldTimer() const { return timer_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildPanel(QWidget* area);
    void buildPalettes(QWidget* area);
    // A menu command; `entry` is the model's state of the entry, shown by refresh().
    QAction* addCommand(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut,
                        const std::function<void()>& call, MenuEntry Form1Model::*entry = nullptr, bool checkable = false);
    void showText(QLabel* label, const QString& text);
    void showButton(ClickLabel* label, const LabelControl& model);
    void showPicture(QLabel* label, Picture picture);

    struct MenuBinding {
        QAction* action;
        MenuEntry Form1Model::*entry;
    };
    std::vector<MenuBinding> menuBindings_;

    QtPlatform platform_;
    Form1 form_;
    QTimer timer_;
    bool closeAccepted_ = false;

    BoardWidget* board_ = nullptr;
    QLabel* counter_ = nullptr;    // Label1
    QLabel* stageName_ = nullptr;  // StageName
    QLabel* keyCount_ = nullptr;   // KeyC
    ClickLabel* check2_ = nullptr;
    ClickLabel* check1_ = nullptr;
    std::array<ClickLabel*, 3> commands_{};
    std::array<ClickLabel*, GroundCodeCount> groundPalette_{};
    std::array<ClickLabel*, 8> blockPalette_{};
    ClickLabel* maptip_ = nullptr;
    ClickLabel* blocktip_ = nullptr;
    QMenu* editMenu_ = nullptr;
};

}  // namespace nerilo::ui
