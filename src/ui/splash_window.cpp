#include "ui/splash_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include "ui/fonts.h"
#include "ui/pictures.h"

namespace nerilo::ui {

SplashWindow::SplashWindow(QWidget* parent, int zoom) : QDialog(parent) {
    const Zoom z{zoom};
    setWindowTitle(QString());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint);
    setFixedSize(z.px(3720), z.px(3465));
    setAutoFillBackground(true);
    QPalette night = palette();
    night.setColor(QPalette::Window, QColor(32, 32, 64));
    setPalette(night);

    // The player drawn large, at the most whole device pixels per art pixel that fit.
    auto* logo = new QLabel(this);
    logo->setGeometry(z.rect(960, 1320, 1800, 1800));
    logo->setAlignment(Qt::AlignCenter);
    const double ratio = devicePixelRatioF();
    const Picture player = blockPicture(block::Player);
    const int factor = std::max(1, static_cast<int>(logo->width() * ratio) / Pictures::instance().of(player).width());
    logo->setPixmap(Pictures::instance().of(player, factor, ratio));

    auto* title = new QLabel(QStringLiteral("Nerilo"), this);
    title->setFont(z.font(popFont(32)));
    title->setStyleSheet(QStringLiteral("color: #ffff00;"));
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(0, z.px(240), width(), z.px(960));

    version_ = new QLabel(this);
    version_->setFont(z.font(gothicFont(9, true)));
    version_->setStyleSheet(QStringLiteral("color: #ffffff;"));
    version_->setGeometry(z.rect(1140, 3180, 1500, 285));
    retranslate();

    for (QLabel* label : {logo, title, version_}) label->setAttribute(Qt::WA_TransparentForMouseEvents);
    QTimer::singleShot(2000, this, &QDialog::accept);
}

void SplashWindow::retranslate() {
    version_->setText(
        tr("ﾊﾞｰｼﾞｮﾝ %1.%2.%3").arg(NERILO_VERSION_MAJOR).arg(NERILO_VERSION_MINOR).arg(NERILO_VERSION_PATCH));
}

void SplashWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QDialog::changeEvent(event);
}

void SplashWindow::keyPressEvent(QKeyEvent*) { accept(); }
void SplashWindow::mousePressEvent(QMouseEvent*) { accept(); }

}  // namespace nerilo::ui
