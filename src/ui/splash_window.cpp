#include "ui/splash_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include "ui/fonts.h"
#include "ui/pictures.h"

namespace nerilo::ui {

SplashWindow::SplashWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint);
    setFixedSize(px(3720), px(3465));
    setAutoFillBackground(true);
    QPalette night = palette();
    night.setColor(QPalette::Window, QColor(32, 32, 64));
    setPalette(night);

    auto* logo = new QLabel(this);
    logo->setGeometry(px(960), px(1320), px(1800), px(1800));
    logo->setPixmap(Pictures::instance().of(blockPicture(block::Player)).scaled(logo->size(), Qt::KeepAspectRatio, Qt::FastTransformation));

    auto* title = new QLabel(QStringLiteral("Nerilo"), this);
    title->setFont(popFont(32));
    title->setStyleSheet(QStringLiteral("color: #ffff00;"));
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(0, px(240), width(), px(960));

    version_ = new QLabel(this);
    version_->setFont(gothicFont(9, true));
    version_->setStyleSheet(QStringLiteral("color: #ffffff;"));
    version_->setGeometry(px(1140), px(3180), px(1500), px(285));
    retranslate();

    for (QLabel* label : {logo, title, version_}) label->setAttribute(Qt::WA_TransparentForMouseEvents);
    QTimer::singleShot(2000, this, &QDialog::accept);
}

void SplashWindow::retranslate() { version_->setText(tr("ﾊﾞｰｼﾞｮﾝ %1.%2.%3").arg(1).arg(1).arg(0)); }

void SplashWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QDialog::changeEvent(event);
}

void SplashWindow::keyPressEvent(QKeyEvent*) { accept(); }
void SplashWindow::mousePressEvent(QMouseEvent*) { accept(); }

}  // namespace nerilo::ui
