#include "Draw.h"

#include <QStringList>

#include <cmath>
#include <numbers>

namespace artgen {

QFont JapaneseFont(int pixels, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QPainterPath Rounded(const QRectF& r, double radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

void FillPanel(QPainter& p, const QRectF& r, double radius, QColor top, QColor bottom, QColor border) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::NoBrush);
    for (int i = 3; i >= 1; --i)
        p.fillPath(Rounded(r.translated(0, i * 0.8).adjusted(-i * 0.3, 0, i * 0.3, 0), radius),
                   QColor(70, 40, 10, 22));
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.fillPath(Rounded(r, radius), fill);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.2));
    p.drawPath(Rounded(r.adjusted(2, 2, -2, -2), radius - 1.5));
    p.setPen(QPen(border, 2));
    p.drawPath(Rounded(r.adjusted(1, 1, -1, -1), radius));
    p.restore();
}

void FillInset(QPainter& p, const QRectF& r, double radius, QColor fill, QColor edge) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.fillPath(Rounded(r, radius), fill);
    // Light from above: the upper edge in shadow, the lower edge lit.
    QLinearGradient shade(r.topLeft(), r.topLeft() + QPointF(0, 5));
    shade.setColorAt(0, QColor(60, 30, 0, 60));
    shade.setColorAt(1, QColor(60, 30, 0, 0));
    p.fillPath(Rounded(r, radius), shade);
    p.setPen(QPen(edge, 1));
    p.drawPath(Rounded(r.adjusted(0.5, 0.5, -0.5, -0.5), radius));
    p.restore();
}

void FillButton(QPainter& p, const QRectF& r, double radius, QColor top, QColor bottom, QColor border) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::NoBrush);
    p.fillPath(Rounded(r.translated(0, 1.5), radius), QColor(60, 30, 0, 55));
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.fillPath(Rounded(r, radius), fill);
    // The gloss: a pale band over the upper half.
    const QRectF gloss = r.adjusted(2.5, 2, -2.5, -r.height() * 0.5);
    QLinearGradient shine(gloss.topLeft(), gloss.bottomLeft());
    shine.setColorAt(0, QColor(255, 255, 255, 150));
    shine.setColorAt(1, QColor(255, 255, 255, 20));
    p.fillPath(Rounded(gloss, std::max(1.0, radius - 2)), shine);
    p.setPen(QPen(border, 1.4));
    p.drawPath(Rounded(r.adjusted(0.7, 0.7, -0.7, -0.7), radius));
    p.restore();
}

QImage Cut(const QImage& picture, const QRect& r) {
    return picture.copy(r).convertToFormat(QImage::Format_RGB32);
}

QPainterPath Star(QPointF centre, double outer, double inner, int points) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double radius = i % 2 == 0 ? outer : inner;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / points;
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        if (i == 0)
            path.moveTo(at);
        else
            path.lineTo(at);
    }
    path.closeSubpath();
    return path;
}

QColor Mix(QColor a, QColor b, double t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

}  // namespace artgen
