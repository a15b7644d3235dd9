#pragma once
// Stand-ins for the window's Japanese fonts, from the IPA font family.
#include <QFont>

namespace nerilo::ui {

QFont gothicFont(double points, bool bold = false);  // ＭＳ Ｐゴシック
QFont roundFont(double points);                      // HG丸ｺﾞｼｯｸM-PRO, bold
QFont popFont(double points);                        // HGS創英角ﾎﾟｯﾌﾟ体, bold
QFont impactFont(double points);                     // Impact, bold

// The font at its own size, or smaller until every line fits in width pixels.
QFont fittingFont(QFont font, const QStringList& lines, int width);

}  // namespace nerilo::ui
