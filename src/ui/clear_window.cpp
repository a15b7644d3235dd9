#include "ui/clear_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include "game/game.h"
#include "ui/fonts.h"
#include "ui/pictures.h"

namespace nerilo::ui {
namespace {
constexpr int ParkTop = 6120;
constexpr int WalkTop = 3240;
// Frames 1..12: which walker stands where (board units), as the scene's table has it.
struct Step {
    int park;  // walker to park first, or -1
    int show;  // walker to show
    int left;
};
constexpr Step WalkSteps[12] = {{-1, 0, -360}, {0, 1, -300}, {1, 4, -240}, {4, 3, -180}, {3, 4, -120}, {4, 1, -60},
                                {1, 0, 0},     {0, 1, 60},   {1, 3, 120},  {3, 4, 180},  {4, 2, 180},  {2, 2, 180}};
constexpr int LetterLeft[5] = {1080, 2400, 3720, 5040, 6360};
constexpr int BannerLeft[17] = {8280, 7590, 6900, 6210, 5520, 4830, 4140, 3450, 2760,
                                2070, 1380, 1200, 1380, 2070, 2070, 1380, 1200};
}  // namespace

ClearWindow::ClearWindow(const ClearBanner& banner, QWidget* parent, int zoom) : QDialog(parent), zoom_{zoom} {
    const Zoom z = zoom_;
    setWindowTitle(QStringLiteral("clear"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(z.px(9000), z.px(3900));
    setAutoFillBackground(true);
    const Pictures& pictures = Pictures::instance();
    const PictureScale scale = pictureScale(this, zoom);

    spotlight_ = new QLabel(this);
    spotlight_->setPixmap(pictures.spotlight(scale.factor, scale.ratio));
    spotlight_->setGeometry(z.rect(0, 1800, 1050, 2100));
    for (int i = 0; i < 5; ++i) {
        walkers_[i] = new QLabel(this);
        walkers_[i]->setPixmap(pictures.walking(i, scale.factor, scale.ratio));
        walkers_[i]->setGeometry(z.rect(0, ParkTop, 480, 480));
    }
    const QString background = QStringLiteral("background: rgb(%1,%2,%3); color: black;")
                                   .arg(banner.background.red)
                                   .arg(banner.background.green)
                                   .arg(banner.background.blue);
    for (int i = 0; i < 5; ++i) {
        letters_[i] = new QLabel(QString::fromStdString(banner.letters[i]), this);
        letters_[i]->setFont(z.font(impactFont(48)));
        letters_[i]->setAlignment(Qt::AlignCenter);
        letters_[i]->setStyleSheet(background);
        letters_[i]->setGeometry(z.rect(0, ParkTop, 1080, 1755));
        letters_[i]->installEventFilter(this);
    }
    banner_ = new QLabel(this);
    banner_->setPixmap(pictures.banner(scale.factor, scale.ratio));
    banner_->setGeometry(z.rect(0, 3960, 7635, 1050));
    banner_->installEventFilter(this);

    setDark(true);
    timer_ = new QTimer(this);
    timer_->setInterval(50);
    connect(timer_, &QTimer::timeout, this, &ClearWindow::tick);
    timer_->start();
}

void ClearWindow::setDark(bool dark) {
    QPalette p = palette();
    p.setColor(QPalette::Window, dark ? Qt::black : Qt::white);
    setPalette(p);
}

void ClearWindow::park(QLabel* picture, int left) { picture->move(zoom_.px(left), zoom_.px(ParkTop)); }

void ClearWindow::tick() {
    const int f = ++frame_;
    if (f >= 1 && f <= 12) {
        const Step& step = WalkSteps[f - 1];
        if (step.park >= 0) park(walkers_[step.park], f == 9 ? 360 : 0);
        walkers_[step.show]->move(zoom_.px(step.left), zoom_.px(WalkTop));
    } else if (f == 20) {
        park(spotlight_);
        setDark(false);
    } else if (f >= 25 && f <= 41 && (f - 25) % 4 == 0) {
        const int i = (f - 25) / 4;
        letters_[i]->move(zoom_.px(LetterLeft[i]), zoom_.px(360));
    } else if (f >= 44 && f <= 60) {
        banner_->move(zoom_.px(BannerLeft[f - 44]), zoom_.px(2640));
    }
}

void ClearWindow::replay() {
    setDark(true);
    for (QLabel* picture : {walkers_[0], walkers_[1], walkers_[2], letters_[0], letters_[1], letters_[2], letters_[3],
                            letters_[4], banner_})
        picture->move(0, zoom_.px(3960));
    spotlight_->move(0, zoom_.px(1800));
    frame_ = 0;
}

void ClearWindow::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space || key == Qt::Key_Escape || key == Qt::Key_Z)
        accept();
    else if (key >= Qt::Key_A && key <= Qt::Key_Y)
        replay();
}

void ClearWindow::mousePressEvent(QMouseEvent*) { accept(); }

bool ClearWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == banner_) replay();
        else accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace nerilo::ui
