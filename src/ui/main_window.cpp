#include "ui/main_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <optional>

#include "solver/stage_checks.h"
#include "ui/board_widget.h"
#include "ui/click_label.h"
#include "ui/fonts.h"
#include "ui/pictures.h"
#include "ui/run_aside.h"
#include "ui/solver_dialog.h"

namespace nerilo::ui {
namespace {

// The menu bar and the window frame above the client area, in board units: the
// outer heights while playing and editing leave 7260 and 8960 for it.
constexpr int FrameUnits = 640;

QString q(const std::string& text) { return QString::fromStdString(text); }

QString colour(Rgb rgb) { return QStringLiteral("rgb(%1,%2,%3)").arg(rgb.red).arg(rgb.green).arg(rgb.blue); }

// The game's key for a key the window received, or nothing for a key the game
// never sees (modifiers alone, function keys): those go to the menus.
std::optional<Key> gameKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Left: return Key::Left;
    case Qt::Key_Up: return Key::Up;
    case Qt::Key_Right: return Key::Right;
    case Qt::Key_Down: return Key::Down;
    case Qt::Key_Delete: return Key::Delete;
    case Qt::Key_Z:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: return Key::Action;
    case Qt::Key_Escape: return Key::Escape;
    default: break;
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) return Key::Other;
    return std::nullopt;
}

bool isModifierKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock: return true;
    default: return false;
    }
}

Modifiers modifiersOf(Qt::KeyboardModifiers modifiers) {
    Modifiers result = NoModifiers;
    if (modifiers & Qt::ShiftModifier) result |= ShiftModifier;
    if (modifiers & Qt::ControlModifier) result |= ControlModifier;
    if (modifiers & Qt::AltModifier) result |= AltModifier;
    return result;
}

ClickLabel* labelButton(QWidget* parent, int left, int top, double points) {
    auto* label = new ClickLabel(parent);
    label->setGeometry(px(left), px(top), px(1215), px(255));
    label->setFont(roundFont(points));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

MainWindow::MainWindow() : game_(platform_) {
    platform_.attach(this);
    // The search on Save runs aside so the window keeps painting; it is bounded to a few seconds.
    game_.setSaveCheck([](const GameState& start) { return runAside([&] { return solver::checkBeforeSave(start); }); });
    // An author's stage, searched to the end with its analysis: about a million
    // positions, some tens of megabytes.
    searchOptions_.analyse = true;
    searchOptions_.maxStates = 1'000'000;
    setWindowTitle(QStringLiteral("Nerilo"));
    setWindowIcon(QIcon(Pictures::instance().of(blockPicture(block::Player))));

    auto* area = new QWidget(this);
    area->setAutoFillBackground(true);
    QPalette p = area->palette();
    p.setColor(QPalette::Window, QColor(24, 24, 32));
    area->setPalette(p);
    setCentralWidget(area);

    board_ = new BoardWidget(game_, area);
    board_->move(0, 0);
    // The right button picks the brush under the pointer; the others paint.
    connect(board_, &BoardWidget::cellPressed, this, [this](int cell, Qt::MouseButton button) {
        run([&] {
            if (button == Qt::RightButton) game_.pickBrushAt(cell);
            else game_.paintCell(cell);
        });
    });
    connect(board_, &BoardWidget::strokeStarted, this, [this] { run([this] { game_.beginStroke(); }); });
    connect(board_, &BoardWidget::strokeEnded, this, [this] { run([this] { game_.endStroke(); }); });
    buildPanel(area);
    buildPalettes(area);
    buildMenus();

    timer_.setInterval(100);
    // A modal window opened in the middle of a game command (the stage-clear
    // window, a message box) keeps the event loop and this timer running; the
    // tick runs only while the game is ticking.
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (game_.state().ticking) run([this] { game_.tick(); });
    });
    setFocusPolicy(Qt::StrongFocus);
    refresh();
}

void MainWindow::buildPanel(QWidget* area) {
    stepsLeft_ = new QLabel(area);
    stepsLeft_->setGeometry(px(7680), px(0), px(855), px(555));
    stepsLeft_->setFont(gothicFont(20));
    stepsLeft_->setStyleSheet(QStringLiteral("color: white;"));
    stepsLeft_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    stageTitle_ = new QLabel(area);
    stageTitle_->setGeometry(px(7320), px(720), px(1215), px(180));
    stageTitle_->setFont(gothicFont(7, true));
    stageTitle_->setStyleSheet(QStringLiteral("color: #c0c0c0;"));

    stepTryButton_ = labelButton(area, 7320, 960, 10);
    connect(stepTryButton_, &ClickLabel::clicked, this, [this] { run([this] { game_.toggleStepTry(); }); });
    roundButton_ = labelButton(area, 7320, 1440, 11);
    openButton_ = labelButton(area, 7320, 1800, 11);
    commentButton_ = labelButton(area, 7320, 2160, 11);
    connect(roundButton_, &ClickLabel::clicked, this, [this] { run([this] { game_.runRoundCommand(); }); });
    connect(openButton_, &ClickLabel::clicked, this, [this] { run([this] { game_.openStage(); }); });
    connect(commentButton_, &ClickLabel::clicked, this, [this] { run([this] { game_.showComment(); }); });

    auto* key = new QLabel(area);
    key->setGeometry(px(7320), px(4320), px(480), px(480));
    key->setPixmap(Pictures::instance().of(blockPicture(block::Key)));
    keysHeld_ = new QLabel(area);
    keysHeld_->setGeometry(px(7800), px(4440), px(855), px(255));
    keysHeld_->setFont(roundFont(12));
    keysHeld_->setStyleSheet(QStringLiteral("color: white;"));
}

void MainWindow::buildPalettes(QWidget* area) {
    const Pictures& pictures = Pictures::instance();
    for (int k = 0; k < GroundCodeCount; ++k) {
        auto* entry = new ClickLabel(area);
        entry->setGeometry(px(480 * (k % 15)), px(k < 15 ? 7440 : 7920), px(480), px(480));
        entry->setPixmap(pictures.of(groundPicture(k)));
        entry->setToolTip(q(groundTraits(static_cast<uint8_t>(k)).name));
        connect(entry, &ClickLabel::clicked, this, [this, k] { run([this, k] { game_.chooseGroundBrush(k); }); });
        groundPalette_[k] = entry;
        palettes_.push_back(entry);
    }
    for (int k = 0; k < 8; ++k) {
        auto* entry = new ClickLabel(area);
        entry->setGeometry(px(480 * k), px(8400), px(480), px(480));
        entry->setPixmap(pictures.of(blockPicture(k)));
        entry->setToolTip(q(blockTraits(static_cast<uint8_t>(k)).name));
        entry->setStyleSheet(QStringLiteral("background: #505060;"));
        connect(entry, &ClickLabel::clicked, this, [this, k] { run([this, k] { game_.chooseBlockBrush(k); }); });
        blockPalette_[k] = entry;
        palettes_.push_back(entry);
    }
    groundBrush_ = new ClickLabel(area);
    groundBrush_->setGeometry(px(7320), px(7560), px(480), px(480));
    layerButton_ = labelButton(area, 7320, 8040, 10);
    connect(layerButton_, &ClickLabel::clicked, this, [this] { run([this] { game_.togglePaintLayer(); }); });
    blockBrush_ = new ClickLabel(area);
    blockBrush_->setGeometry(px(7320), px(8280), px(480), px(480));
    blockBrush_->setStyleSheet(QStringLiteral("background: #505060;"));
    connect(blockBrush_, &ClickLabel::clicked, this, [this] { run([this] { game_.chooseEraser(); }); });
    palettes_.push_back(groundBrush_);
    palettes_.push_back(blockBrush_);
}

QAction* MainWindow::addCommand(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut,
                                const std::function<void()>& call, MenuEntryView WindowView::*entry, bool checkable) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    action->setCheckable(checkable);
    connect(action, &QAction::triggered, this, [this, call] { run(call); });
    if (entry) menuBindings_.push_back({action, entry});
    return action;
}

void MainWindow::buildMenus() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("メニュー(&M)"));
    addCommand(menu, "start", QStringLiteral("開始(&K)"), Qt::Key_F1, [this] { game_.startRound(); }, &WindowView::start);
    addCommand(menu, "retry", QStringLiteral("リトライ(&R)"), Qt::Key_F2, [this] { game_.retryRound(); }, &WindowView::retry);
    addCommand(menu, "openStage", QStringLiteral("ステージ選択(&S)"), Qt::Key_F3, [this] { game_.openStage(); }, &WindowView::openStage);
    addCommand(menu, "startOver", QStringLiteral("中止(&T)"), QKeySequence(Qt::CTRL | Qt::Key_T), [this] { game_.startOver(); }, &WindowView::startOver);
    menu->addSeparator();
    addCommand(menu, "quit", QStringLiteral("終了(&X)"), Qt::Key_F4, [this] { game_.quit(); });

    QMenu* options = menuBar()->addMenu(QStringLiteral("設定(&O)"));
    addCommand(options, "stepTry", QStringLiteral("歩数トライ(&T)"), Qt::Key_F5, [this] { game_.toggleStepTry(); }, &WindowView::stepTry, true);
    addCommand(options, "blockMode", QStringLiteral("ブロックモード(&M)"), Qt::Key_F6, [this] { game_.toggleBlockMode(); }, &WindowView::blockMode, true);
    addCommand(options, "superMode", QStringLiteral("スーパーモード(&N)"), Qt::Key_F7, [this] { game_.toggleSuperMode(); }, &WindowView::superMode, true);
    options->addSeparator();
    addCommand(options, "editor", QStringLiteral("エディトモード(&E)"), Qt::Key_F8, [this] { game_.toggleEditor(); }, &WindowView::editor, true);

    QAction* comment = menuBar()->addAction(QStringLiteral("コメント(&C)"));
    comment->setObjectName(QStringLiteral("comment"));
    connect(comment, &QAction::triggered, this, [this] { run([this] { game_.showComment(); }); });

    editMenu_ = menuBar()->addMenu(QStringLiteral("エディトモード(&E)"));
    editMenu_->menuAction()->setObjectName(QStringLiteral("editorMenu"));
    const auto edit = &WindowView::editCommand;
    addCommand(editMenu_, "newStage", QStringLiteral("新規(&N)"), {}, [this] { game_.newStage(); }, edit);
    addCommand(editMenu_, "openInEditor", QStringLiteral("開く(&O)"), {}, [this] { game_.openStage(); }, edit);
    addCommand(editMenu_, "saveStage", QStringLiteral("保存(&S)"), {}, [this] { game_.saveStage(); }, edit);
    editMenu_->addSeparator();
    addCommand(editMenu_, "undoEdit", QStringLiteral("元に戻す(&U)"), QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { game_.undoEdit(); }, &WindowView::undoEdit);
    addCommand(editMenu_, "redoEdit", QStringLiteral("やり直す(&R)"), QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { game_.redoEdit(); }, &WindowView::redoEdit);
    editMenu_->addSeparator();
    addCommand(editMenu_, "editStepTarget", QStringLiteral("歩数設定(&T)"), {}, [this] { game_.editStepTarget(); }, edit);
    addCommand(editMenu_, "editComment", QStringLiteral("コメント設定(&C)"), {}, [this] { game_.editComment(); }, edit);
    editMenu_->addSeparator();
    addCommand(editMenu_, "testPlay", QStringLiteral("テストプレイ(&P)"), Qt::Key_F10, [this] { game_.toggleTestPlay(); }, &WindowView::testPlay, true);
    addCommand(editMenu_, "findSolution", QStringLiteral("解を探す(&F)"), Qt::Key_F11, [this] { findSolution(); }, edit);
}

void MainWindow::findSolution() {
    if (!game_.state().editing) return;
    SolverDialog dialog(game_.plainTestStart(), searchOptions_, this);
    if (dialog.exec() == QDialog::Accepted) game_.playSolution(dialog.solutionToPlay());
}

QAction* MainWindow::action(const char* name) const { return findChild<QAction*>(QLatin1String(name)); }

void MainWindow::run(const std::function<void()>& call) {
    call();
    refresh();
}

// Called after every game command, ten times a second while a game runs: a
// widget is touched only when what it shows has changed.
void MainWindow::refresh() {
    const WindowView view = viewOf(game_);
    for (const MenuBinding& binding : menuBindings_) {
        const MenuEntryView& entry = view.*binding.entry;
        if (binding.action->isEnabled() != entry.enabled) binding.action->setEnabled(entry.enabled);
        if (binding.action->isChecked() != entry.checked) binding.action->setChecked(entry.checked);
    }
    if (editMenu_->menuAction()->isVisible() != view.editorMenuVisible)
        editMenu_->menuAction()->setVisible(view.editorMenuVisible);

    showText(stepsLeft_, q(view.stepsLeft));
    showText(stageTitle_, q(view.stageTitle));
    showText(keysHeld_, q(view.keysHeld));
    showButton(roundButton_, view.roundButton);
    showButton(openButton_, view.openButton);
    showButton(commentButton_, view.commentButton);
    showButton(stepTryButton_, view.stepTryButton);
    showButton(layerButton_, view.layerButton);
    showPicture(groundBrush_, view.groundBrush);
    showPicture(blockBrush_, view.blockBrush);
    for (QWidget* palette : palettes_)
        if (palette->isEnabled() != view.palettesEnabled) palette->setEnabled(view.palettesEnabled);
    if (view.height != height_) applyHeight(view.height);

    const bool ticking = game_.state().ticking;
    if (ticking && !timer_.isActive()) timer_.start();
    if (!ticking && timer_.isActive()) timer_.stop();
    board_->update();
}

void MainWindow::showText(QLabel* label, const QString& text) {
    if (label->text() != text) label->setText(text);
}

// A label button: its own colour on black, grey while disabled.
void MainWindow::showButton(ClickLabel* label, const ButtonView& view) {
    showText(label, q(view.caption));
    if (label->isEnabled() != view.enabled) label->setEnabled(view.enabled);
    const QString style =
        QStringLiteral("color: %1; background: black;").arg(view.enabled ? colour(view.colour) : QStringLiteral("gray"));
    if (label->styleSheet() != style) label->setStyleSheet(style);
}

void MainWindow::showPicture(QLabel* label, Picture picture) {
    const QPixmap& pixmap = Pictures::instance().of(picture);
    if (label->pixmap().cacheKey() != pixmap.cacheKey()) label->setPixmap(pixmap);
}

void MainWindow::applyHeight(int units) {
    height_ = units;
    const int clientHeight = px(units - FrameUnits);
    centralWidget()->setFixedSize(px(8655), clientHeight);
    setFixedSize(px(8655), clientHeight + menuBar()->sizeHint().height());
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    std::optional<Key> key = gameKey(event->key());
    // Any key but a modifier alone stops a solution being played.
    if (!key && game_.playingSolution() && !isModifierKey(event->key())) key = Key::Other;
    if (!key) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    run([&] { game_.pressKey(*key, modifiersOf(event->modifiers())); });
}

void MainWindow::closeAfterQuit() {
    closeAccepted_ = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closeAccepted_) {
        event->accept();
        return;
    }
    bool closing = true;
    run([&] { closing = game_.prepareToClose(); });
    if (closing) event->accept();
    else event->ignore();
}

}  // namespace nerilo::ui
