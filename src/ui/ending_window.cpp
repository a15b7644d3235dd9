#include "ui/ending_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include "model/picture.h"
#include "ui/fonts.h"
#include "ui/pictures.h"
#include "ui/placement.h"
#include "ui/qt_platform.h"

namespace nerilo::ui {
namespace {
constexpr int WindowWidth = 7755, WindowHeight = 4710;
constexpr int WalkLeft[4] = {11, 12, 11, 13}, WalkTowards[4] = {2, 3, 2, 4}, WalkAway[4] = {5, 6, 5, 7};
}  // namespace

EndingWindow::EndingWindow(bool redLabel, QWidget* parent, int zoom)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), zoom_{zoom} {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Form2"));
    setFixedSize(zoom_.px(WindowWidth), zoom_.px(WindowHeight));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);

    label_ = new QLabel(QStringLiteral("wonderful!"), this);
    label_->setFont(zoom_.font(popFont(40)));
    label_->setAlignment(Qt::AlignCenter);
    label_->setStyleSheet(redLabel ? QStringLiteral("color: rgb(255,0,0); background: transparent;")
                                   : QStringLiteral("color: rgb(0,160,0); background: transparent;"));
    label_->setGeometry(zoom_.rect(120, 360, 7575, 1455));
    label_->hide();
    label_->installEventFilter(this);

    walker_ = new QLabel(this);
    walker_->installEventFilter(this);
    placeWalker();

    timer_ = new QTimer(this);
    timer_->setInterval(100);
    connect(timer_, &QTimer::timeout, this, &EndingWindow::tick);
    timer_->start();
}

bool EndingWindow::running() const { return timer_->isActive(); }

// The walker grows and shrinks by eighths, so his size is rarely a whole
// multiple of the art: he is scaled nearest-neighbour and stays sharp.
void EndingWindow::placeWalker() {
    const QSize size(std::max(1, zoom_.px(width_)), std::max(1, zoom_.px(height_)));
    walker_->setGeometry(zoom_.px(left_), zoom_.px(top_), size.width(), size.height());
    if (walkerPicture_ == NoPicture) return;
    const double ratio = devicePixelRatioF();
    QPixmap drawn = Pictures::instance().of(walkerPicture_).scaled(size * ratio, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    drawn.setDevicePixelRatio(ratio);
    walker_->setPixmap(drawn);
}

void EndingWindow::tick() {
    const int f = ++frame_;
    if (f <= 25) {
        left_ -= 120;
        walkerPicture_ = playerPicture(WalkLeft[f % 4]);
    } else if (f <= 52) {
        walkerPicture_ = playerPicture(WalkTowards[f % 4]);
        width_ += width_ / 8;
        height_ += height_ / 8;
    } else if (f == 53) {
        label_->show();
    } else if (f <= 100) {
        walkerPicture_ = playerPicture(WalkAway[f % 4]);
        width_ -= width_ / 8;
        height_ -= height_ / 8;
    } else {
        timer_->stop();
    }
    if (f >= 26 && f != 53 && f <= 100) {
        left_ = WindowWidth / 2 - width_ / 2;
        top_ = WindowHeight / 2 - height_ / 2;
    }
    placeWalker();
}

void EndingWindow::finishOnInput() {
    if (running()) return;
    showThanks(this, placementArea(parentWidget()));
    close();
}

void EndingWindow::keyPressEvent(QKeyEvent*) { finishOnInput(); }
void EndingWindow::mousePressEvent(QMouseEvent*) { finishOnInput(); }

bool EndingWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == walker_) showThanks(this, placementArea(parentWidget()));
        else finishOnInput();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace nerilo::ui
