#include "ui/main_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>

#include "ui/board_widget.h"
#include "ui/click_label.h"
#include "ui/fonts.h"
#include "ui/pictures.h"

namespace nerilo::ui {
namespace {

// The menu bar and the window frame above the client area, in twips: the
// outer heights 7900 (playing) and 9600 (editing) leave 7260 and 8960 for it.
constexpr int FrameTwips = 640;

QString q(const std::string& text) { return QString::fromStdString(text); }

QString colour(Rgb rgb) { return QStringLiteral("rgb(%1,%2,%3)").arg(rgb.red).arg(rgb.green).arg(rgb.blue); }

// Windows virtual-key codes, which the engine's keyboard handler reads.
int virtualKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Left: return vk::Left;
    case Qt::Key_Up: return vk::Up;
    case Qt::Key_Right: return vk::Right;
    case Qt::Key_Down: return vk::Down;
    case Qt::Key_Delete: return vk::Delete;
    case Qt::Key_Return:
    case Qt::Key_Enter: return vk::Return;
    case Qt::Key_Space: return vk::Space;
    case Qt::Key_Escape: return vk::Escape;
    default: break;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return vk::A + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return 48 + (qtKey - Qt::Key_0);
    return 0;
}

ClickLabel* labelButton(QWidget* parent, int left, int top, double points) {
    auto* label = new ClickLabel(parent);
    label->setGeometry(px(left), px(top), px(1215), px(255));
    label->setFont(roundFont(points));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

MainWindow::MainWindow() : form_(platform_) {
    platform_.attach(this);
    setWindowTitle(QStringLiteral("Nerilo"));
    setWindowIcon(QIcon(Pictures::instance().of(Btip(block::Player))));

    auto* area = new QWidget(this);
    area->setAutoFillBackground(true);
    QPalette p = area->palette();
    p.setColor(QPalette::Window, QColor(24, 24, 32));
    area->setPalette(p);
    setCentralWidget(area);

    board_ = new BoardWidget(form_, area);
    board_->move(0, 0);
    connect(board_, &BoardWidget::cellPressed, this,
            [this](int cell, int button, int shift) { run([&] { form_.Block_MouseDown(cell, button, shift); }); });
    buildPanel(area);
    buildPalettes(area);
    buildMenus();

    timer_.setInterval(100);
    // A modal window opened in the middle of an engine call (the stage-clear
    // window, a message box) keeps the event loop and this timer running; the
    // tick runs only while the engine has Timer1 enabled.
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (form_.Timer1Enabled) run([this] { form_.Timer1_Timer(); });
    });
    setFocusPolicy(Qt::StrongFocus);
    applyHeight(form_.Height);
    refresh();
}

void MainWindow::buildPanel(QWidget* area) {
    counter_ = new QLabel(area);
    counter_->setGeometry(px(7680), px(0), px(855), px(555));
    counter_->setFont(gothicFont(20));
    counter_->setStyleSheet(QStringLiteral("color: white;"));
    counter_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    stageName_ = new QLabel(area);
    stageName_->setGeometry(px(7320), px(720), px(1215), px(180));
    stageName_->setFont(gothicFont(7, true));
    stageName_->setStyleSheet(QStringLiteral("color: #c0c0c0;"));

    check2_ = labelButton(area, 7320, 960, 10);
    connect(check2_, &ClickLabel::clicked, this, [this] { run([this] { form_.Check2_Click(); }); });
    const int commandTops[3] = {1440, 1800, 2160};
    for (int i = 0; i < 3; ++i) commands_[i] = labelButton(area, 7320, commandTops[i], 11);
    connect(commands_[0], &ClickLabel::clicked, this, [this] { run([this] { form_.Command1_Click(); }); });
    connect(commands_[1], &ClickLabel::clicked, this, [this] { run([this] { form_.Command2_Click(); }); });
    connect(commands_[2], &ClickLabel::clicked, this, [this] { run([this] { form_.Command3_Click(); }); });

    auto* key = new QLabel(area);
    key->setGeometry(px(7320), px(4320), px(480), px(480));
    key->setPixmap(Pictures::instance().of(Btip(block::Key)));
    keyCount_ = new QLabel(area);
    keyCount_->setGeometry(px(7800), px(4440), px(855), px(255));
    keyCount_->setFont(roundFont(12));
    keyCount_->setStyleSheet(QStringLiteral("color: white;"));
}

void MainWindow::buildPalettes(QWidget* area) {
    const Pictures& pictures = Pictures::instance();
    for (int k = 0; k < GroundCodeCount; ++k) {
        auto* entry = new ClickLabel(area);
        entry->setGeometry(px(480 * (k % 15)), px(k < 15 ? 7440 : 7920), px(480), px(480));
        entry->setPixmap(pictures.of(Jtip(k)));
        entry->setToolTip(q(groundTraits(static_cast<uint8_t>(k)).name));
        connect(entry, &ClickLabel::clicked, this, [this, k] { run([this, k] { form_.Jtip_Click(k); }); });
        groundPalette_[k] = entry;
    }
    for (int k = 0; k < 8; ++k) {
        auto* entry = new ClickLabel(area);
        entry->setGeometry(px(480 * k), px(8400), px(480), px(480));
        entry->setPixmap(pictures.of(Btip(k)));
        entry->setToolTip(q(blockTraits(static_cast<uint8_t>(k)).name));
        entry->setStyleSheet(QStringLiteral("background: #505060;"));
        connect(entry, &ClickLabel::clicked, this, [this, k] { run([this, k] { form_.Btip_Click(k); }); });
        blockPalette_[k] = entry;
    }
    maptip_ = new ClickLabel(area);
    maptip_->setGeometry(px(7320), px(7560), px(480), px(480));
    check1_ = labelButton(area, 7320, 8040, 10);
    connect(check1_, &ClickLabel::clicked, this, [this] { run([this] { form_.Check1_Click(); }); });
    blocktip_ = new ClickLabel(area);
    blocktip_->setGeometry(px(7320), px(8280), px(480), px(480));
    blocktip_->setStyleSheet(QStringLiteral("background: #505060;"));
    connect(blocktip_, &ClickLabel::clicked, this, [this] { run([this] { form_.Blocktip_Click(); }); });
}

QAction* MainWindow::addCommand(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut,
                                const std::function<void()>& call, MenuEntry Form1Model::*entry, bool checkable) {
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
    addCommand(menu, "kaisi", QStringLiteral("開始(&K)"), Qt::Key_F1, [this] { form_.kaisi_Click(); }, &Form1Model::kaisi);
    addCommand(menu, "retry", QStringLiteral("リトライ(&R)"), Qt::Key_F2, [this] { form_.retry_Click(); }, &Form1Model::retry);
    addCommand(menu, "stagepick", QStringLiteral("ステージ選択(&S)"), Qt::Key_F3, [this] { form_.stagepick_Click(); }, &Form1Model::stagepick);
    addCommand(menu, "StTime", QStringLiteral("中止(&T)"), QKeySequence(Qt::CTRL | Qt::Key_T), [this] { form_.StTime_Click(); }, &Form1Model::StTime);
    menu->addSeparator();
    addCommand(menu, "shuryou", QStringLiteral("終了(&X)"), Qt::Key_F4, [this] { form_.shuryou_Click(); }, &Form1Model::shuryou);

    QMenu* options = menuBar()->addMenu(QStringLiteral("設定(&O)"));
    addCommand(options, "Tokein", QStringLiteral("歩数トライ(&T)"), Qt::Key_F5, [this] { form_.Tokein_Click(); }, &Form1Model::Tokein, true);
    addCommand(options, "Minigame", QStringLiteral("ブロックモード(&M)"), Qt::Key_F6, [this] { form_.Minigame_Click(); }, &Form1Model::Minigame, true);
    addCommand(options, "Minigame2", QStringLiteral("スーパーモード(&N)"), Qt::Key_F7, [this] { form_.Minigame2_Click(); }, &Form1Model::Minigame2, true);
    options->addSeparator();
    addCommand(options, "Editcheck", QStringLiteral("エディトモード(&E)"), Qt::Key_F8, [this] { form_.Editcheck_Click(); }, &Form1Model::Editcheck, true);

    QAction* comment = menuBar()->addAction(QStringLiteral("コメント(&C)"));
    comment->setObjectName(QStringLiteral("Coments"));
    connect(comment, &QAction::triggered, this, [this] { run([this] { form_.Coments_Click(); }); });

    editMenu_ = menuBar()->addMenu(QStringLiteral("エディトモード(&E)"));
    editMenu_->menuAction()->setObjectName(QStringLiteral("Editmode"));
    addCommand(editMenu_, "Newedit", QStringLiteral("新規(&N)"), {}, [this] { form_.Newedit_Click(); });
    addCommand(editMenu_, "hiraku", QStringLiteral("開く(&O)"), {}, [this] { form_.hiraku_Click(); });
    addCommand(editMenu_, "hozon", QStringLiteral("保存(&S)"), {}, [this] { form_.hozon_Click(); });
    editMenu_->addSeparator();
    addCommand(editMenu_, "Optimer", QStringLiteral("歩数設定(&T)"), {}, [this] { form_.Optimer_Click(); });
    addCommand(editMenu_, "Optcoments", QStringLiteral("コメント設定(&C)"), {}, [this] { form_.Optcoments_Click(); });
}

QAction* MainWindow::action(const char* name) const { return findChild<QAction*>(QLatin1String(name)); }

void MainWindow::run(const std::function<void()>& call) {
    call();
    refresh();
}

// Called after every engine call, ten times a second while a game runs: a
// widget is touched only when what it shows has changed.
void MainWindow::refresh() {
    const Form1& f = form_;
    for (const MenuBinding& binding : menuBindings_) {
        const MenuEntry& model = f.*binding.entry;
        if (binding.action->isEnabled() != model.enabled) binding.action->setEnabled(model.enabled);
        if (binding.action->isChecked() != model.checked) binding.action->setChecked(model.checked);
    }
    if (editMenu_->menuAction()->isVisible() != f.Editmode.visible) editMenu_->menuAction()->setVisible(f.Editmode.visible);

    showText(counter_, q(f.Label1.caption));
    showText(stageName_, q(f.StageName.caption));
    showText(keyCount_, QString::number(f.KeyCount));
    showButton(commands_[0], f.Command1);
    showButton(commands_[1], f.Command2);
    showButton(commands_[2], f.Command3);
    showButton(check2_, f.Check2);
    showButton(check1_, f.Check1);
    showPicture(maptip_, f.Maptip.picture);
    showPicture(blocktip_, f.Blocktip.picture);

    if (f.Timer1Enabled && !timer_.isActive()) timer_.start();
    if (!f.Timer1Enabled && timer_.isActive()) timer_.stop();
    board_->update();
}

void MainWindow::showText(QLabel* label, const QString& text) {
    if (label->text() != text) label->setText(text);
}

// A label button: white (or its own colour) on black, grey while disabled.
void MainWindow::showButton(ClickLabel* label, const LabelControl& model) {
    showText(label, q(model.caption));
    if (label->isEnabled() != model.enabled) label->setEnabled(model.enabled);
    const QString style = QStringLiteral("color: %1; background: black;")
                              .arg(model.enabled ? colour(model.foreColor) : QStringLiteral("gray"));
    if (label->styleSheet() != style) label->setStyleSheet(style);
}

void MainWindow::showPicture(QLabel* label, Picture picture) {
    const QPixmap& pixmap = Pictures::instance().of(picture);
    if (label->pixmap().cacheKey() != pixmap.cacheKey()) label->setPixmap(pixmap);
}

void MainWindow::applyHeight(int twips) {
    const int clientHeight = px(twips - FrameTwips);
    centralWidget()->setFixedSize(px(8655), clientHeight);
    setFixedSize(px(8655), clientHeight + menuBar()->sizeHint().height());
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    int shift = 0;
    if (event->modifiers() & Qt::ShiftModifier) shift |= 1;
    if (event->modifiers() & Qt::ControlModifier) shift |= 2;
    if (event->modifiers() & Qt::AltModifier) shift |= 4;
    const int key = virtualKey(event->key());
    if (key == 0) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    run([&] { form_.Form_KeyDown(key, shift); });
}

void MainWindow::closeAfterUnload() {
    closeAccepted_ = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closeAccepted_) {
        event->accept();
        return;
    }
    bool cancel = false;
    run([&] { form_.Form_Unload(cancel); });
    if (cancel) event->ignore();
    else event->accept();
}

}  // namespace nerilo::ui
