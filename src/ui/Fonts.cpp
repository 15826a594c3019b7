#include "ui/Fonts.h"

#include <QStringList>

#include <cmath>

namespace kirune {

namespace {

QStringList Chain(const QString& family) {
    QStringList chain;
    if (family == kGothic)
        chain << QStringLiteral("MS Gothic") << QStringLiteral("IPAGothic") << QStringLiteral("VL Gothic")
              << QStringLiteral("Noto Sans Mono CJK JP");
    else
        chain << QStringLiteral("MS PGothic") << QStringLiteral("IPAPGothic") << QStringLiteral("VL PGothic")
              << QStringLiteral("Noto Sans CJK JP");
    return chain;
}

}  // namespace

void InstallFontSubstitutions() {
    QFont::insertSubstitutions(kPGothic, Chain(kPGothic));
    QFont::insertSubstitutions(kGothic, Chain(kGothic));
}

QFont GameFont(const QString& family, double points, bool bold) {
    QFont font;
    font.setFamilies(QStringList(family) + Chain(family));
    font.setPixelSize(int(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

}  // namespace kirune
