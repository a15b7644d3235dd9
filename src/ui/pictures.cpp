#include "ui/pictures.h"

// The pictures live in a static library, whose resources Qt does not register by itself.
static void registerPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace nerilo::ui {
namespace {
QPixmap load(const QString& name) { return QPixmap(QStringLiteral(":/pictures/") + name + QStringLiteral(".png")); }
}  // namespace

const Pictures& Pictures::instance() {
    static const Pictures pictures;
    return pictures;
}

Pictures::Pictures() {
    registerPictureResources();
    for (int i = 0; i < GroundCodeCount; ++i) ground_[i] = load(QStringLiteral("ground%1").arg(i, 2, 10, QLatin1Char('0')));
    for (int i = 0; i < BlockCodeCount; ++i) blocks_[i] = load(QStringLiteral("block%1").arg(i));
    for (int i = 0; i < PlayerFrameCount; ++i) frames_[i] = load(QStringLiteral("player%1").arg(i, 2, 10, QLatin1Char('0')));
    for (int i = 0; i < 5; ++i) walking_[i] = load(QStringLiteral("walk%1").arg(i + 1));
    banner_ = load(QStringLiteral("banner"));
    spotlight_ = load(QStringLiteral("spotlight"));
}

const QPixmap& Pictures::of(Picture picture) const {
    switch (picture.palette) {
    case Palette::Ground: return ground_[picture.index];
    case Palette::Block: return blocks_[picture.index];
    case Palette::Player: return frames_[picture.index];
    default: return none_;
    }
}

}  // namespace nerilo::ui
