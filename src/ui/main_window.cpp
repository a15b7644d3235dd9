#include "ui/main_window.h"

#include <QApplication>
#include <QActionGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QWindow>
#include <map>
#include <optional>

#include "game/commands.h"
#include "game/startup.h"
#include "model/numbered_stages.h"
#include "model/stage_code.h"

#include "model/tile_names.h"
#include "ui/board_widget.h"
#include "ui/click_label.h"
#include "ui/engine_text.h"
#include "ui/fonts.h"
#include "ui/language.h"
#include "ui/phrase_label.h"
#include "ui/pictures.h"
#include "ui/placement.h"
#include "ui/window_settings.h"
#include "ui/stage_list_window.h"
#include "ui/solver_dialog.h"
#include "view/searches_view.h"
#include "ui/stage_code_commands.h"

namespace nerilo::ui {
namespace {

// A window manager's frame before the window has been shown and it is known.
constexpr QSize LikelyFrame(8, 28);
// Where the brushes and the layer button go when the palettes are beside the
// panel: below the palettes and the analysis, at the window's foot.
constexpr int BesideBrushesTop = AnalysisBesideUnits.y() + AnalysisBesideUnits.height() + 60;

QString q(const std::string& text) { return QString::fromStdString(text); }

QString colour(Rgb rgb) { return QStringLiteral("rgb(%1,%2,%3)").arg(rgb.red).arg(rgb.green).arg(rgb.blue); }

// The game's key for a key the window received, or nothing for a key the game
// never sees (modifiers alone, function keys): those go to the menus.
std::optional<PlayerKey> gameKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Left: return PlayerKey::Left;
    case Qt::Key_Up: return PlayerKey::Up;
    case Qt::Key_Right: return PlayerKey::Right;
    case Qt::Key_Down: return PlayerKey::Down;
    case Qt::Key_Delete: return PlayerKey::Delete;
    case Qt::Key_Z:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: return PlayerKey::Action;
    case Qt::Key_Escape: return PlayerKey::Escape;
    default: break;
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) return PlayerKey::Other;
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

}  // namespace

MainWindow::MainWindow() : game_(platform_) {
    platform_.attach(this);
    runner_ = std::make_unique<ThreadRunner>(game_);
    game_.searches().setRunner(runner_.get());
    connect(runner_.get(), &ThreadRunner::reported, this, [this] {
        refresh();
        answerQuestions();
    });
    game_.stages().setCodeTools([](std::string_view text) { return parseStageCode(text); },
                       [](const Stage& stage, std::string_view proof) { return formatStageCode(stage, proof); });
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
            if (button == Qt::RightButton) game_.editor().pickBrushAt(cell);
            else game_.editor().paintCell(cell);
        });
    });
    connect(board_, &BoardWidget::strokeStarted, this, [this] { run([this] { game_.editor().beginStroke(); }); });
    connect(board_, &BoardWidget::strokeEnded, this, [this] { run([this] { game_.editor().endStroke(); }); });
    buildPanel(area);
    buildPalettes(area);
    buildMenus();

    timer_.setInterval(100);
    // A modal window opened in the middle of a game command (the stage-clear
    // window, a message box) keeps the event loop and this timer running; the
    // tick runs only while the game is ticking.
    connect(&timer_, &QTimer::timeout, this, &MainWindow::tick);
    keyBuffer_.setEnabled(savedBufferedInput());
    action("bufferedInput")->setChecked(keyBuffer_.enabled());
    setFocusPolicy(Qt::StrongFocus);
    // Placed first, so that the texts set next are fitted to their labels' sizes.
    applyZoom();
    retranslate();
}

template <class Widget>
Widget* MainWindow::place(Widget* widget, int left, int top, int width, int height, const QFont* font) {
    placed_.push_back({widget, QRect(left, top, width, height), font ? std::optional<QFont>(*font) : std::nullopt, {}});
    return widget;
}
// solver_aids.cpp places a panel of its own.
template QWidget* MainWindow::place(QWidget*, int, int, int, int, const QFont*);

ClickLabel* MainWindow::addLabelButton(QWidget* area, int left, int top, double points) {
    const QFont font = roundFont(points);
    auto* label = place(new ClickLabel(area), left, top, 1215, 255, &font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void MainWindow::showFixedPicture(QLabel* label, Picture picture) { fixedPictures_.push_back({label, picture}); }

void MainWindow::buildPanel(QWidget* area) {
    const QFont counter = gothicFont(20), title = gothicFont(7, true), keys = roundFont(12);
    stepsLeft_ = place(new QLabel(area), 7680, 0, 855, 555, &counter);
    stepsLeft_->setStyleSheet(QStringLiteral("color: white;"));
    stepsLeft_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    stageTitle_ = place(new QLabel(area), 7320, 720, 1215, 180, &title);
    stageTitle_->setStyleSheet(QStringLiteral("color: #c0c0c0;"));

    stepTryButton_ = addLabelButton(area, 7320, 960, 10);
    connect(stepTryButton_, &ClickLabel::clicked, this, [this] { run([this] { game_.toggleStepTry(); }); });
    roundButton_ = addLabelButton(area, 7320, 1440, 11);
    openButton_ = addLabelButton(area, 7320, 1800, 11);
    commentButton_ = addLabelButton(area, 7320, 2160, 11);
    connect(roundButton_, &ClickLabel::clicked, this, [this] { run([this] { game_.runRoundCommand(); }); });
    connect(openButton_, &ClickLabel::clicked, this, [this] { run([this] { game_.stages().open(); }); });
    connect(commentButton_, &ClickLabel::clicked, this, [this] { run([this] { game_.stages().showComment(); }); });
    stageListButton_ = addLabelButton(area, 7320, 2520, 9);
    connect(stageListButton_, &ClickLabel::clicked, this, [this] { run([this] { showStageList(); }); });

    // The state of the game in words, between the buttons and the keys held:
    // the headline on one line, its font shrunk to fit (showStatus), and the
    // keys to press below it, wrapped at the panel's text size.
    headlineFont_ = gothicFont(11, true);
    statusHeadline_ = place(new QLabel(area), 7320, 2850, PanelTextWidth, 360);
    const QFont hints = gothicFont(8);
    statusHints_ = place(new PhraseLabel(area, QColor(0xc0, 0xc0, 0xc0)), 7320, 3240, PanelTextWidth, 1020, &hints);

    showFixedPicture(place(new QLabel(area), 7320, 4320, 480, 480), blockPicture(block::Key));
    // Higher than the design's 255 units, about the same centre: the font's line takes 285.
    keysHeld_ = place(new QLabel(area), 7800, 4410, 855, 300, &keys);
    keysHeld_->setStyleSheet(QStringLiteral("color: white;"));

    // A hint's press and the presses left, under the keys held: two lines for
    // 「Shift+→ あと 11 手」.
    const QFont hint = gothicFont(9, true);
    hintLine_ = place(new PhraseLabel(area, QColor(0xff, 0xdc, 0x00)), 7320, 4860, PanelTextWidth, 420, &hint);
    buildSolverAids(area);
}

// Below the board the ground palette takes two rows of fifteen and the block
// palette a third row; beside the panel they stand in rows of five, and the
// brushes go below them, under the analysis.
void MainWindow::buildPalettes(QWidget* area) {
    const auto besideAt = [this](int k, int firstRow) {
        placed_.back().beside = QRect(PanelRightUnits + 480 * (k % BesideColumns),
                                      480 * (firstRow + k / BesideColumns), 480, 480);
    };
    constexpr int BlockRowsBeside = GroundCodeCount / BesideColumns;
    for (int k = 0; k < GroundCodeCount; ++k) {
        auto* entry = place(new ClickLabel(area), 480 * (k % 15), k < 15 ? 7440 : 7920, 480, 480);
        besideAt(k, 0);
        showFixedPicture(entry, groundPicture(k));
        connect(entry, &ClickLabel::clicked, this, [this, k] { run([this, k] { game_.editor().chooseGroundBrush(k); }); });
        groundPalette_[k] = entry;
        palettes_.push_back(entry);
    }
    for (int k = 0; k < 8; ++k) {
        auto* entry = place(new ClickLabel(area), 480 * k, 8400, 480, 480);
        besideAt(k, BlockRowsBeside);
        showFixedPicture(entry, blockPicture(k));
        entry->setStyleSheet(QStringLiteral("background: #505060;"));
        connect(entry, &ClickLabel::clicked, this, [this, k] { run([this, k] { game_.editor().chooseBlockBrush(k); }); });
        blockPalette_[k] = entry;
        palettes_.push_back(entry);
    }
    groundBrush_ = place(new ClickLabel(area), 7320, 7560, 480, 480);
    layerButton_ = addLabelButton(area, 7320, 8040, 10);
    connect(layerButton_, &ClickLabel::clicked, this, [this] { run([this] { game_.editor().togglePaintLayer(); }); });
    blockBrush_ = place(new ClickLabel(area), 7320, 8280, 480, 480);
    // Beside, the three keep their places relative to one another.
    for (size_t k = placed_.size() - 3; k < placed_.size(); ++k)
        placed_[k].beside = placed_[k].units.translated(PanelRightUnits - 7320, BesideBrushesTop - 7560);
    blockBrush_->setStyleSheet(QStringLiteral("background: #505060;"));
    connect(blockBrush_, &ClickLabel::clicked, this, [this] { run([this] { game_.editor().chooseEraser(); }); });
    palettes_.push_back(groundBrush_);
    palettes_.push_back(blockBrush_);
}

QMenu* MainWindow::addMenu(const char* caption) {
    QMenu* menu = menuBar()->addMenu(QString());
    captions_.push_back({menu->menuAction(), caption});
    return menu;
}

QMenu* MainWindow::addMenu(const Text& caption) {
    QMenu* menu = menuBar()->addMenu(QString());
    commandCaptions_.push_back({menu->menuAction(), caption});
    return menu;
}

// An entry whose caption follows the language: retranslate() sets its text.
QAction* MainWindow::addCaptioned(QWidget* menu, const QString& name, const char* caption) {
    QAction* action = menu->addAction(QString());
    captions_.push_back({action, caption});
    action->setObjectName(name);
    return action;
}

namespace {

QKeySequence keySequence(const Shortcut& shortcut) {
    QString text;
    if (shortcut.modifiers & ControlModifier) text += QStringLiteral("Ctrl+");
    if (shortcut.modifiers & AltModifier) text += QStringLiteral("Alt+");
    if (shortcut.modifiers & ShiftModifier) text += QStringLiteral("Shift+");
    text += QLatin1String(shortcut.key.data(), static_cast<qsizetype>(shortcut.key.size()));
    return QKeySequence::fromString(text, QKeySequence::PortableText);
}

}  // namespace

// An entry of the game's command table: its caption follows the language and
// its state the game (refresh()).
QAction* MainWindow::addCommand(QWidget* menu, QAction* before, const Command& command) {
    auto* action = new QAction(menu);
    menu->insertAction(before, action);
    action->setObjectName(QLatin1String(command.id.data(), static_cast<qsizetype>(command.id.size())));
    commandCaptions_.push_back({action, command.caption});
    QList<QKeySequence> shortcuts;
    for (const Shortcut& shortcut : command.shortcuts) shortcuts << keySequence(shortcut);
    action->setShortcuts(shortcuts);
    action->setCheckable(command.checkable);
    menuBindings_.push_back({action, &command});
    return action;
}

// The menus are the command table's, in its order, with the window's own
// entries (input, warnings, sound, language, zoom, circuit preview) among them.
void MainWindow::buildMenus() {
    QMenu* menus[] = {addMenu(menuCaption(CommandMenu::Game)), addMenu(menuCaption(CommandMenu::Options)), nullptr,
                      nullptr};
    QMenu* options = menus[static_cast<int>(CommandMenu::Options)];
    buildViewMenu();
    editMenu_ = addMenu(menuCaption(CommandMenu::Editor));
    editMenu_->menuAction()->setObjectName(QStringLiteral("editorMenu"));
    menus[static_cast<int>(CommandMenu::Editor)] = editMenu_;
    // The commands the window runs itself for now.
    const std::map<std::string_view, std::function<void()>> ownRuns = {
        {"openStageCode", [this] { askForStageCode(*this); }},
        {"stageList", [this] { showStageList(); }},
        {"findSolution", [this] { findSolution(); }},
    };
    for (const Command& command : commands()) {
        QWidget* menu = menus[static_cast<int>(command.menu)];
        QAction* before = nullptr;
        // The bar's own entries stand before the editor's menu.
        if (command.menu == CommandMenu::Bar) {
            menu = menuBar();
            before = editMenu_->menuAction();
        }
        if (command.id == "editor") {
            options->addSeparator();
            QAction* buffered = addCaptioned(options, QStringLiteral("bufferedInput"), QT_TR_NOOP("先行入力(&B)"));
            buffered->setCheckable(true);
            connect(buffered, &QAction::triggered, this, &MainWindow::chooseBufferedInput);
            addDeadEndWarningEntry(options);
        }
        if (command.separatorBefore) static_cast<QMenu*>(menu)->addSeparator();
        QAction* action = addCommand(menu, before, command);
        // Asking again for a hint while it is searched stops the search: it is no game command.
        if (command.id == "hint") {
            connect(action, &QAction::triggered, this, &MainWindow::askForHint);
            continue;
        }
        const auto own = ownRuns.find(command.id);
        std::function<void()> call = own != ownRuns.end() ? own->second : [this, &command] { command.run(game_); };
        connect(action, &QAction::triggered, this, [this, call] { run(call); });
    }
    buildSoundMenu(options);
    buildLanguageMenu(options);
    addCircuitPreviewEntry(editMenu_);
}

// Each language is named in itself, and the menu in both, so that a player who
// reads only one of them finds the way back.
void MainWindow::buildLanguageMenu(QMenu* options) {
    QMenu* languages = options->addMenu(QStringLiteral("言語 / Language(&L)"));
    languages->menuAction()->setObjectName(QStringLiteral("language"));
    auto* group = new QActionGroup(languages);
    const struct {
        const char* name;
        QString caption;
        Language language;
    } choices[] = {{"japanese", QStringLiteral("日本語"), Language::Japanese},
                   {"english", QStringLiteral("English"), Language::English}};
    for (const auto& choice : choices) {
        QAction* action = languages->addAction(choice.caption);
        action->setObjectName(QLatin1String(choice.name));
        action->setCheckable(true);
        action->setActionGroup(group);
        const Language language = choice.language;
        connect(action, &QAction::triggered, this, [language] {
            saveLanguage(language);
            useLanguage(language);
        });
    }
}

void MainWindow::retranslate() {
    for (const Caption& caption : captions_) caption.action->setText(tr(caption.source));
    for (const auto& [action, caption] : commandCaptions_) action->setText(translated(caption));
    for (int k = 0; k < GroundCodeCount; ++k) groundPalette_[k]->setToolTip(translated(groundName(static_cast<uint8_t>(k))));
    for (int k = 0; k < 8; ++k) blockPalette_[k]->setToolTip(translated(blockName(static_cast<uint8_t>(k))));
    action(currentLanguage() == Language::English ? "english" : "japanese")->setChecked(true);
    retranslateSolverAids();
    // The menu bar's height may change with its texts.
    fitToScreen();
    refresh();
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QMainWindow::changeEvent(event);
}

void MainWindow::buildViewMenu() {
    QMenu* view = addMenu(QT_TR_NOOP("表示(&V)"));
    view->setToolTipsVisible(true);  // a greyed zoom says why
    zoomChoices_ = new QActionGroup(this);
    static const char* const ZoomCaptions[] = {QT_TR_NOOP("等倍(&1)"), QT_TR_NOOP("2倍(&2)"), QT_TR_NOOP("3倍(&3)"),
                                               QT_TR_NOOP("4倍(&4)")};
    static_assert(std::size(ZoomCaptions) == MaxZoom - MinZoom + 1);
    for (int zoom = MinZoom; zoom <= MaxZoom; ++zoom) {
        QAction* choice = addCaptioned(view, QStringLiteral("zoom%1").arg(zoom), ZoomCaptions[zoom - MinZoom]);
        choice->setCheckable(true);
        choice->setData(zoom);
        zoomChoices_->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, zoom] { chooseZoom(zoom); });
    }
    view->addSeparator();
    QAction* larger = addCaptioned(view, QStringLiteral("zoomIn"), QT_TR_NOOP("拡大(&I)"));
    // Ctrl++ needs Shift on many keyboards; Ctrl+= is the same key without it.
    larger->setShortcuts({QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(larger, &QAction::triggered, this, [this] { chooseZoom(zoom_.factor + 1); });
    QAction* smaller = addCaptioned(view, QStringLiteral("zoomOut"), QT_TR_NOOP("縮小(&O)"));
    smaller->setShortcut(QKeySequence(QKeySequence::ZoomOut));
    connect(smaller, &QAction::triggered, this, [this] { chooseZoom(zoom_.factor - 1); });
}

void MainWindow::findSolution() {
    if (!game_.session().editing()) return;
    SolverDialog dialog(game_, *runner_, searchLimit_, this);
    if (dialog.exec() == QDialog::Accepted) game_.editor().playSolution(dialog.solutionToPlay());
}

QAction* MainWindow::action(const char* name) const { return findChild<QAction*>(QLatin1String(name)); }

void MainWindow::setZoom(int zoom) {
    chosenZoom_ = clampZoom(zoom);
    fitToScreen();
    refresh();
}

void MainWindow::chooseZoom(int zoom) {
    setZoom(zoom);
    saveZoom(chosenZoom_);
}

void MainWindow::chooseBufferedInput(bool on) {
    keyBuffer_.setEnabled(on);
    action("bufferedInput")->setChecked(on);
    saveBufferedInput(on);
}

const QPixmap& MainWindow::picture(Picture picture) const {
    const PictureScale scale = pictureScale(this, zoom_.factor);
    return Pictures::instance().of(picture, scale.factor, scale.ratio);
}

QSize MainWindow::chromeSize() const {
    const QSize frame = isVisible() ? outerFrame().size() - size() : LikelyFrame;
    return frame + QSize(0, menuBar()->sizeHint().height());
}

QRect MainWindow::availableArea() const { return availableArea_.value_or(screenArea(this)); }

void MainWindow::setAvailableArea(const QRect& area) {
    availableArea_ = area;
    fitToScreen();
    refresh();
}

void MainWindow::ignoreScreenSize() {
    screenSized_ = false;
    fitToScreen();
    refresh();
}

// Called whenever what the fit depends on may have changed: the chosen zoom,
// the editor shown or left, the screen, the frame, the menu bar's texts.
void MainWindow::fitToScreen() {
    followMove();
    const QSize chrome = chromeSize();
    const QSize available = screenSized_ ? availableArea().size() : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const WindowFit fit = fitWindow(palettesShown_, chosenZoom_, chrome, available);
    if (fit != WindowFit{zoom_.factor, layout_}) {
        zoom_.factor = fit.zoom;
        layout_ = fit.layout;
        applyZoom();
    }
    applySize();
    showZoomChoices(chrome, available);
    if (isVisible()) placeFrame();
}

// Everything placed in board units is placed again; the pictures are taken at
// the new zoom, and the headline's font fitted again at the next refresh.
void MainWindow::applyZoom() {
    const bool beside = layout_ == Layout::PalettesBeside;
    for (const Placed& placed : placed_) {
        const QRect units = beside && placed.beside ? *placed.beside : placed.units;
        placed.widget->setGeometry(zoom_.rect(units.x(), units.y(), units.width(), units.height()));
        if (placed.font) placed.widget->setFont(zoom_.font(*placed.font));
    }
    board_->setZoom(zoom_.factor);
    for (const auto& [label, shown] : fixedPictures_) label->setPixmap(picture(shown));
    statusHeadline_->clear();
}

void MainWindow::applySize() {
    const QSize client = naturalClientSize(layout_) * zoom_.factor;
    centralWidget()->setFixedSize(client);
    setFixedSize(client + QSize(0, menuBar()->sizeHint().height()));
}

// A zoom at which the window would not fit is greyed, and says why.
void MainWindow::showZoomChoices(QSize chrome, QSize available) {
    const QString tooLarge = (palettesShown_ ? tr("この倍率ではエディトモードのウィンドウが画面（使える広さ %1 × %2）に収まりません")
                                             : tr("この倍率ではウィンドウが画面（使える広さ %1 × %2）に収まりません"))
                                 .arg(available.width())
                                 .arg(available.height());
    bool largerFits = false;
    for (QAction* choice : zoomChoices_->actions()) {
        const int zoom = choice->data().toInt();
        const bool fits = zoom == MinZoom || fitWindow(palettesShown_, zoom, chrome, available).zoom == zoom;
        choice->setEnabled(fits);
        choice->setToolTip(fits ? QString() : tooLarge);
        choice->setChecked(zoom == zoom_.factor);
        if (zoom == zoom_.factor + 1) largerFits = fits;
    }
    action("zoomIn")->setEnabled(largerFits);
    action("zoomOut")->setEnabled(zoom_.factor > MinZoom);
}

// The window's frame, as the window manager says it is now (the widget keeps
// the one it saw first).
QRect MainWindow::outerFrame() const {
    return geometry().marginsAdded(windowHandle() ? windowHandle()->frameMargins() : QMargins());
}

// The frame is centred where it was (at first, on the available area), as far
// as it can be while it stays in the area.
void MainWindow::placeFrame() {
    const QRect area = availableArea();
    if (!centre_) centre_ = area.toRectF().center();
    const QRect frame = outerFrame();
    placedFrame_ = frameCentredOn(*centre_, frame.size(), area);
    setGeometry(geometry().translated(placedFrame_.topLeft() - frame.topLeft()));
}

// A frame found elsewhere than it was placed, at the size it was placed, was
// moved by the player (or his window manager): its centre is where it belongs now.
void MainWindow::followMove() {
    const QRect frame = outerFrame();
    if (isVisible() && centre_ && frame.size() == placedFrame_.size() && frame.topLeft() != placedFrame_.topLeft())
        centre_ = frame.toRectF().center();
}

// A window manager frames the window once it is shown, before it first shows
// its contents: with the frame known, the window is fitted and placed again.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && watched == windowHandle() && centre_ && outerFrame().size() != placedFrame_.size())
        fitToScreen();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::run(const std::function<void()>& call) {
    keyBuffer_.forget();
    game_.perform(call);
    refresh();
    answerQuestions();
}

// The session's questions are shown here, once its call has returned: the
// session waits for the answer without waiting in a dialog, and the clock
// that ticks under a modal window finds it between two calls, never inside one.
void MainWindow::answerQuestions() {
    if (answering_) return;
    answering_ = true;
    while (const Question* question = game_.question()) {
        const Answer answer = platform_.show(*question);
        game_.answer(answer);
        refresh();
    }
    answering_ = false;
}

// A hint is asked at rest; asking again while it is searched stops the search.
void MainWindow::askForHint() {
    keyBuffer_.forget();
    game_.searches().askForHint();
    refresh();
}

// A replay presses its next key at rest, before the tick, as a player would;
// a key kept while the player moved is delivered once he is at rest.
void MainWindow::tick() {
    if (!game_.world().state().ticking) return;
    game_.clockTick();
    // A kept key is the player's command, given now.
    if (keyBuffer_.holdsKey()) game_.perform([this] { keyBuffer_.deliver(game_); });
    refresh();
    answerQuestions();
}

std::unique_ptr<StageListWindow> MainWindow::stageListWindow() {
    const SessionState& s = game_.session();
    const std::string folder = game_.programFolder();
    int current = numberedStageAt(folder, s.stagePath);
    const PlayerData& player = game_.playerData();
    if (current == 0) current = startStage(player.progress());
    return std::make_unique<StageListWindow>(stageList(folder, player.progress(), player.records()), game_, *runner_,
                                             current, this);
}

// Opens the chosen stage as Open does, or replays its best clear.
void MainWindow::showStageList() {
    const std::unique_ptr<StageListWindow> list = stageListWindow();
    if (list->exec() != QDialog::Accepted) return;
    const StageListEntry& entry = list->chosen();
    if (list->choice() == StageListWindow::Choice::Replay) game_.round().startPlayback(entry.number, entry.replaysStepTry());
    else game_.stages().openFile(entry.path);
}

// Called after every game command, ten times a second while a game runs: a
// widget is touched only when what it shows has changed.
void MainWindow::refresh() {
    const WindowView view = viewOf(game_);
    // First, as it may take another zoom, which the texts are fitted to.
    if (const bool palettes = view.height == EditingHeight; palettes != palettesShown_) {
        palettesShown_ = palettes;
        fitToScreen();
    }
    for (const MenuBinding& binding : menuBindings_) {
        const CommandState entry = commandState(game_, *binding.command);
        if (binding.action->isEnabled() != entry.enabled) binding.action->setEnabled(entry.enabled);
        if (binding.action->isChecked() != entry.checked) binding.action->setChecked(entry.checked);
    }
    if (editMenu_->menuAction()->isVisible() != view.editorMenuVisible)
        editMenu_->menuAction()->setVisible(view.editorMenuVisible);

    // A command that waits for its search takes nothing else meanwhile: the window says it is busy.
    if (const bool busy = game_.searches().awaiting(); busy != waitCursor_) {
        waitCursor_ = busy;
        if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
        else QApplication::restoreOverrideCursor();
    }

    showText(stepsLeft_, q(view.stepsLeft));
    const QString stepsLeftTip = translated(view.stepsLeftTip);
    if (stepsLeft_->toolTip() != stepsLeftTip) stepsLeft_->setToolTip(stepsLeftTip);
    showStatus(view.status);
    showText(stageTitle_, translated(view.stageTitle));
    showText(keysHeld_, q(view.keysHeld));
    showButton(roundButton_, view.roundButton);
    showButton(openButton_, view.openButton);
    showButton(commentButton_, view.commentButton);
    showButton(stageListButton_, view.stageListButton);
    showButton(stepTryButton_, view.stepTryButton);
    showButton(layerButton_, view.layerButton);
    showPicture(groundBrush_, view.groundBrush);
    showPicture(blockBrush_, view.blockBrush);
    for (QWidget* palette : palettes_)
        if (palette->isEnabled() != view.palettesEnabled) palette->setEnabled(view.palettesEnabled);

    const bool ticking = game_.world().state().ticking;
    if (ticking && !timer_.isActive()) timer_.start();
    if (!ticking && timer_.isActive()) timer_.stop();
    followSolverAids();
    board_->update();
}

void MainWindow::showText(QLabel* label, const QString& text) {
    if (label->text() != text) label->setText(text);
}

// A label button: its own colour on black, grey while disabled.
void MainWindow::showButton(ClickLabel* label, const ButtonView& view) {
    showText(label, translated(view.caption));
    if (label->isEnabled() != view.enabled) label->setEnabled(view.enabled);
    const QString style =
        QStringLiteral("color: %1; background: black;").arg(view.enabled ? colour(view.colour) : QStringLiteral("gray"));
    if (label->styleSheet() != style) label->setStyleSheet(style);
}

void MainWindow::showPicture(QLabel* label, Picture shown) {
    const QPixmap& pixmap = picture(shown);
    if (label->pixmap().cacheKey() != pixmap.cacheKey()) label->setPixmap(pixmap);
}

// The headline takes the largest font, up to its own size, at which it fits
// the panel's width on one line; the hints wrap.
void MainWindow::showStatus(const StatusView& status) {
    const QString headline = translated(status.headline);
    QStringList hints;
    for (const Text& hint : status.hints) hints << translated(hint);
    const QString hintText = hints.join(QLatin1Char('\n'));
    if (statusHeadline_->text() != headline) {
        statusHeadline_->setFont(fittingFont(zoom_.font(headlineFont_), {headline}, statusHeadline_->width()));
        statusHeadline_->setText(headline);
    }
    const QString style = QStringLiteral("color: %1;").arg(colour(status.colour));
    if (statusHeadline_->styleSheet() != style) statusHeadline_->setStyleSheet(style);
    showText(statusHints_, hintText);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // During a replay any key only stops it.
    if (game_.round().playbackRunning()) {
        run([] {});
        return;
    }
    std::optional<PlayerKey> key = gameKey(event->key());
    // Any key but a modifier alone stops a solution being played.
    if (!key && game_.editor().playingSolution() && !isModifierKey(event->key())) key = PlayerKey::Other;
    if (!key) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    const Modifiers modifiers = modifiersOf(event->modifiers());
    if (keyBuffer_.keep(game_, *key, modifiers)) return;
    run([&] { game_.pressKey(*key, modifiers); });
}

// Shown, the window is fitted and placed: at first centred on the available
// area. Moved to another screen, it is fitted to that one, with the pictures
// taken anew for its device pixel ratio.
void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!watchingScreen_ && windowHandle()) {
        watchingScreen_ = true;
        windowHandle()->installEventFilter(this);
        connect(windowHandle(), &QWindow::screenChanged, this, [this] {
            applyZoom();
            fitToScreen();
            refresh();
        });
    }
    fitToScreen();
    refresh();
}

// A click beside the buttons and the board stops a replay too.
void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (game_.round().playbackRunning()) run([] {});
    else QMainWindow::mousePressEvent(event);
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
    // Closing asks about unsaved edits: the window closes when the session agrees.
    event->ignore();
    game_.round().stopPlayback();
    run([&] { game_.quit(); });
}

}  // namespace nerilo::ui
