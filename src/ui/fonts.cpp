#include "ui/fonts.h"

#include <QStringList>

namespace nerilo::ui {
namespace {
QFont makeFont(const QStringList& families, double points, bool bold) {
    QFont f;
    f.setFamilies(families);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}
}  // namespace

QFont gothicFont(double points, bool bold) {
    QStringList families;
    families << QStringLiteral("IPAPGothic") << QStringLiteral("IPAGothic") << QStringLiteral("sans-serif");
    return makeFont(families, points, bold);
}
QFont roundFont(double points) { return gothicFont(points, true); }
QFont popFont(double points) { return gothicFont(points, true); }
QFont impactFont(double points) {
    QStringList families;
    families << QStringLiteral("Impact") << QStringLiteral("DejaVu Sans") << QStringLiteral("IPAPGothic");
    return makeFont(families, points, true);
}

}  // namespace nerilo::ui
