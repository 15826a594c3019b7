#pragma once

#include <QFont>

namespace kirune {

// The design's two faces. Their names are not aliased by fontconfig, so each stands for a
// chain ending in the IPA fonts Debian ships.
inline const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString kGothic = QStringLiteral("ＭＳ ゴシック");

void InstallFontSubstitutions();

// A face at a designed point size, as pixels at 96 DPI so the layout does not move with the
// screen's DPI (26.25 pt = 35 px).
QFont GameFont(const QString& family, double points, bool bold = false);

}  // namespace kirune
