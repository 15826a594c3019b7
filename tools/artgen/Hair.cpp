#include "FigureParts.h"

#include <cmath>
#include <numbers>

namespace artgen::figure {

// The hair behind the head: the sister's ponytail, the mother's bun, the brother's spikes.
void DrawHairBack(QPainter& p, const Body& b, const Pose& pose, Who who) {
    const Look& k = b.look;
    const QPointF h = b.head;
    const double r = k.headR;
    QPainterPath back;
    back.setFillRule(Qt::WindingFill);
    back.addEllipse(h + QPointF(0, -0.8), r + 1.6, r + 1.2);
    switch (who) {
    case Who::Sister: {
        // Side hair down to the jaw.
        back.addRoundedRect(QRectF(h.x() - r - 1.6, h.y() - 2, 2 * r + 3.2, 12), 4, 4);
        const QPointF root = h + QPointF(r * 0.62, -r * 0.72);
        p.save();
        p.translate(root);
        p.rotate(pose.swing);
        QPainterPath tail;
        tail.moveTo(0, -1);
        tail.cubicTo(9, -6, 13, 6, 8.5, 21);
        tail.cubicTo(7, 16, 3, 12, 0.5, 7);
        tail.closeSubpath();
        Outlined(p, tail, Shaded(k.hairLight, k.hair, QPointF(0, 0), QPointF(10, 12)));
        p.setPen(QPen(k.hairLight, 1.0));
        p.drawLine(QPointF(4.5, 3), QPointF(8, 13));
        p.restore();
        Outlined(p, back.simplified(), k.hair);
        // The scrunchie, with a ribbon.
        QPainterPath ribbon;
        ribbon.moveTo(root);
        ribbon.lineTo(root + QPointF(-1, -6.5));
        ribbon.lineTo(root + QPointF(3.8, -4));
        ribbon.closeSubpath();
        ribbon.moveTo(root);
        ribbon.lineTo(root + QPointF(6.5, -1.5));
        ribbon.lineTo(root + QPointF(4.2, 3.6));
        ribbon.closeSubpath();
        Outlined(p, ribbon, QColor(0xF0, 0x2E, 0x52), 1.0);
        QPainterPath knot;
        knot.addEllipse(root, 2.3, 2.3);
        Outlined(p, knot, QColor(0xFF, 0x5A, 0x78), 1.0);
        return;
    }
    case Who::Brother: {
        QPainterPath spikes;
        const int n = 9;
        for (int i = 0; i <= 2 * n; ++i) {
            const double a = (-180 + 180.0 * i / (2 * n)) * std::numbers::pi / 180;
            const double radius = i % 2 == 1 ? r + 7.5 - std::abs(i - n) * 0.35 : r + 1.2;
            const QPointF at = h + QPointF(std::cos(a) * radius * 1.02, std::sin(a) * radius - 1.5);
            if (i == 0)
                spikes.moveTo(at + QPointF(0, 5));
            spikes.lineTo(at);
        }
        spikes.lineTo(h + QPointF(r + 1.2, 4));
        spikes.closeSubpath();
        Outlined(p, back.united(spikes), Shaded(k.hairLight, k.hair, h + QPointF(-r, -r), h + QPointF(r, r)));
        return;
    }
    case Who::Mother: {
        QPainterPath bun;
        bun.addEllipse(h + QPointF(0, -r - 3.6), 6.6, 5.8);
        Outlined(p, bun, Shaded(k.hairLight, k.hair, h + QPointF(-6, -r - 9), h + QPointF(6, -r)));
        p.setPen(QPen(k.hairLight, 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(h.x() - 3.5, h.y() - r - 7.5, 7, 6), 30 * 16, 120 * 16);
        back.addRoundedRect(QRectF(h.x() - r - 1.8, h.y() - 2, 2 * r + 3.6, 12.5), 5, 5);
        Outlined(p, back.simplified(), k.hair);
        // The green hair tie under the bun.
        QPainterPath tie;
        tie.addRoundedRect(QRectF(h.x() - 4.2, h.y() - r - 1.6, 8.4, 2.8), 1.4, 1.4);
        Outlined(p, tie, QColor(0x52, 0xB4, 0x6A), 0.9);
        return;
    }
    case Who::Father:
        return;
    }
}

// The fringe and the top of the hair, over the face.
void DrawHairFront(QPainter& p, const Body& b, Who who) {
    const Look& k = b.look;
    const QPointF h = b.head;
    const double r = k.headR;
    const QRectF crown(h.x() - r - 1.2, h.y() - r - 1.6, 2 * r + 2.4, 2 * r + 2.4);
    QPainterPath hair;
    auto fringe = [&](std::initializer_list<QPointF> points, double sideDrop) {
        hair.moveTo(h + QPointF(-r - 1.2, sideDrop));
        hair.lineTo(h + QPointF(-r - 1.2, 0));
        hair.arcTo(crown, 180, -180);
        hair.lineTo(h + QPointF(r + 1.2, sideDrop));
        for (QPointF at : points)
            hair.lineTo(h + at);
        hair.closeSubpath();
    };
    switch (who) {
    case Who::Sister:
        fringe({{r - 1.5, 2}, {r - 2.5, -3.5}, {9, -5}, {6, -4.4}, {3, -5.6}, {0, -4.6}, {-3, -5.6}, {-6, -4.4},
                {-9, -5}, {-r + 2.5, -3.5}, {-r + 0.5, 7}},
               7.5);
        break;
    case Who::Brother:
        fringe({{r - 1, 1}, {r - 2, -4.5}, {9, -4.6}, {6.5, -8.5}, {4, -4.8}, {1, -9}, {-2, -4.8}, {-4.5, -8.8},
                {-7.5, -4.6}, {-10, -7.4}, {-r + 0.6, 0.5}},
               2.5);
        break;
    case Who::Mother: {
        hair.moveTo(h + QPointF(-r - 1.2, 8));
        hair.lineTo(h + QPointF(-r - 1.2, 0));
        hair.arcTo(crown, 180, -180);
        hair.lineTo(h + QPointF(r + 1.2, 8));
        hair.lineTo(h + QPointF(r - 1.4, 7));
        hair.cubicTo(h + QPointF(r - 2, -2), h + QPointF(r - 4, -5), h + QPointF(3, -6.5));
        hair.cubicTo(h + QPointF(-4, -7.5), h + QPointF(-9, -6), h + QPointF(-r + 1.2, -2));
        hair.lineTo(h + QPointF(-r + 1.4, 7));
        hair.closeSubpath();
        break;
    }
    case Who::Father: {
        hair.moveTo(h + QPointF(-r - 0.8, 1));
        hair.lineTo(h + QPointF(-r - 0.8, -1));
        hair.arcTo(crown.adjusted(0.4, 0, -0.4, 0), 180, -180);
        hair.lineTo(h + QPointF(r + 0.8, 1));
        hair.lineTo(h + QPointF(r - 1.6, 1.5));
        hair.quadTo(h + QPointF(r - 2, -5), h + QPointF(5, -7.5));
        hair.quadTo(h + QPointF(-2, -9.5), h + QPointF(-5.5, -6.2));
        hair.quadTo(h + QPointF(-9.5, -7.5), h + QPointF(-r + 1.6, -2));
        hair.lineTo(h + QPointF(-r + 1.6, 1.5));
        hair.closeSubpath();
        break;
    }
    }
    Outlined(p, hair, Shaded(k.hairLight, k.hair, h + QPointF(-r, -r), h + QPointF(r * 0.6, r * 0.2)));
    // A shine on the hair.
    p.setPen(QPen(k.hairLight.lighter(112), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(h.x() - r + 3, h.y() - r + 0.5, 2 * r - 6, 2 * r - 6), 100 * 16, 45 * 16);
    if (who == Who::Father) {
        // Grey at the temples and the parting.
        p.setPen(QPen(QColor(0xA8, 0x9C, 0x90), 1.2));
        p.drawLine(h + QPointF(-r - 0.2, -1), h + QPointF(-r + 0.8, -4));
        p.drawLine(h + QPointF(r + 0.2, -1), h + QPointF(r - 0.8, -4));
        p.setPen(QPen(k.hair.darker(150), 1.0));
        p.drawLine(h + QPointF(-5.5, -6.5), h + QPointF(-3, -r + 0.5));
    }
}

}  // namespace artgen::figure
