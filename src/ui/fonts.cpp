#include "ui/fonts.h"

#include <QFontMetricsF>
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

QFont fittingFont(QFont font, const QStringList& lines, int width) {
    constexpr double Smallest = 4;
    auto widest = [&lines](const QFont& f) {
        const QFontMetricsF metrics(f);
        double widest = 0;
        for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
        return widest;
    };
    const double natural = widest(font);
    if (natural <= width) return font;
    font.setPointSizeF(std::max(Smallest, font.pointSizeF() * width / natural));
    while (font.pointSizeF() > Smallest && widest(font) > width) font.setPointSizeF(font.pointSizeF() - 0.25);
    return font;
}

}  // namespace nerilo::ui
