#include "ui/pictures.h"

#include <QWidget>

// The pictures live in a static library, whose resources Qt does not register by itself.
static void registerPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace nerilo::ui {
namespace {
QPixmap load(const QString& name) { return QPixmap(QStringLiteral(":/pictures/") + name + QStringLiteral(".png")); }

QPixmap scaled(const QPixmap& picture, int factor, double ratio) {
    QPixmap result = factor == 1 ? picture
                                 : picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    result.setDevicePixelRatio(ratio);
    return result;
}

template <size_t N>
void scaleAll(std::array<QPixmap, N>& to, const std::array<QPixmap, N>& from, int factor, double ratio) {
    for (size_t i = 0; i < N; ++i) to[i] = scaled(from[i], factor, ratio);
}
}  // namespace

const Pictures& Pictures::instance() {
    static const Pictures pictures;
    return pictures;
}

Pictures::Pictures() {
    registerPictureResources();
    Set& n = natural_;
    for (int i = 0; i < GroundCodeCount; ++i) n.ground[i] = load(QStringLiteral("ground%1").arg(i, 2, 10, QLatin1Char('0')));
    for (int i = 0; i < BlockCodeCount; ++i) n.blocks[i] = load(QStringLiteral("block%1").arg(i));
    for (int i = 0; i < PlayerFrameCount; ++i) n.frames[i] = load(QStringLiteral("player%1").arg(i, 2, 10, QLatin1Char('0')));
    for (int i = 0; i < 5; ++i) n.walking[i] = load(QStringLiteral("walk%1").arg(i + 1));
    n.banner = load(QStringLiteral("banner"));
    n.spotlight = load(QStringLiteral("spotlight"));
}

const Pictures::Set& Pictures::set(int factor, double ratio) const {
    if (factor == 1 && ratio == 1) return natural_;
    const auto key = std::make_pair(factor, ratio);
    auto found = scaled_.find(key);
    if (found != scaled_.end()) return found->second;
    Set& s = scaled_[key];
    scaleAll(s.ground, natural_.ground, factor, ratio);
    scaleAll(s.blocks, natural_.blocks, factor, ratio);
    scaleAll(s.frames, natural_.frames, factor, ratio);
    scaleAll(s.walking, natural_.walking, factor, ratio);
    s.banner = scaled(natural_.banner, factor, ratio);
    s.spotlight = scaled(natural_.spotlight, factor, ratio);
    return s;
}

const QPixmap& Pictures::of(Picture picture, int factor, double ratio) const {
    const Set& s = set(factor, ratio);
    switch (picture.palette) {
    case Palette::Ground: return s.ground[picture.index];
    case Palette::Block: return s.blocks[picture.index];
    case Palette::Player: return s.frames[picture.index];
    default: return none_;
    }
}

const QPixmap& Pictures::walking(int frame, int factor, double ratio) const { return set(factor, ratio).walking[frame]; }
const QPixmap& Pictures::banner(int factor, double ratio) const { return set(factor, ratio).banner; }
const QPixmap& Pictures::spotlight(int factor, double ratio) const { return set(factor, ratio).spotlight; }

PictureScale pictureScale(const QWidget* widget, int zoom) {
    const double ratio = widget->devicePixelRatioF();
    return {devicePixelsPerArtPixel(zoom, ratio), ratio};
}

}  // namespace nerilo::ui
