#include "FigureParts.h"

#include <cmath>

namespace artgen::figure {

namespace {

QPainterPath TorsoPath(const Body& b) {
    const Look& k = b.look;
    const double cx = b.cx + b.shift, sy = b.Y(k.shoulderY), sh = k.shoulderHalf, wy = b.Y(k.waistY),
                 wh = k.waistHalf, belly = k.belly;
    QPainterPath path;
    path.moveTo(cx - sh + 0.5, sy + 5);
    path.cubicTo(cx - sh, sy + 0.5, cx - sh + 2, sy - 2.5, cx - sh + 6, sy - 2.5);
    path.lineTo(cx + sh - 6, sy - 2.5);
    path.cubicTo(cx + sh - 2, sy - 2.5, cx + sh, sy + 0.5, cx + sh - 0.5, sy + 5);
    path.cubicTo(cx + sh + belly, (sy + wy) / 2 + 3, cx + wh + belly, wy - 5, cx + wh, wy);
    path.lineTo(cx - wh, wy);
    path.cubicTo(cx - wh - belly, wy - 5, cx - sh - belly, (sy + wy) / 2 + 3, cx - sh + 0.5, sy + 5);
    path.closeSubpath();
    return path;
}

void DrawSkirt(QPainter& p, const Body& b) {
    const Look& k = b.look;
    const double cx = b.cx + b.shift * 0.6, top = b.Y(k.waistY) - 2, bottom = b.Y(k.skirtY);
    QPainterPath skirt;
    skirt.moveTo(cx - k.waistHalf, top);
    skirt.lineTo(cx + k.waistHalf, top);
    skirt.lineTo(cx + k.skirtHalf, bottom - 1);
    skirt.quadTo(QPointF(cx, bottom + 2.5), QPointF(cx - k.skirtHalf, bottom - 1));
    skirt.closeSubpath();
    Outlined(p, skirt, Shaded(k.bottom.lighter(125), k.bottom, QPointF(cx - k.skirtHalf, 0), QPointF(cx + k.skirtHalf, 0)));
    // Pleats.
    p.setPen(QPen(k.bottom.darker(135), 0.9));
    for (double f : {-0.5, 0.0, 0.5})
        p.drawLine(QPointF(cx + f * k.waistHalf, top + 2), QPointF(cx + f * k.skirtHalf * 1.05, bottom));
}

}  // namespace

void DrawLegs(QPainter& p, const Body& b, const Pose& pose, Who who) {
    const Look& k = b.look;
    const double hipY = b.Y(k.skirtY > 0 ? k.skirtY - 4 : k.waistY - 3);
    const double footY = b.ground - 3.2;
    for (int side : {-1, 1}) {
        const double x = b.cx + side * k.legHalf;
        QPainterPath leg(QPointF(x + b.shift * 0.5, hipY));
        leg.quadTo(QPointF(x + side * pose.crouch * 1.4, (hipY + footY) / 2), QPointF(x, footY));
        const bool bare = who == Who::Sister || who == Who::Mother;
        Stroke(p, leg, k.legWidth, bare ? kSkin : k.bottom);
        if (who == Who::Sister) {
            // White socks.
            QPainterPath sock(QPointF(x, footY - 4.5));
            sock.lineTo(QPointF(x, footY));
            Stroke(p, sock, k.legWidth, Qt::white, false);
            p.setPen(QPen(kInk, 0.9));
            p.drawLine(QPointF(x - k.legWidth / 2, footY - 4.8), QPointF(x + k.legWidth / 2, footY - 4.8));
        }
        if (!bare) {
            p.setPen(QPen(k.bottom.lighter(135), 1.1));
            p.drawLine(QPointF(x - side * 1.4, hipY + 3), QPointF(x - side * 1.4, footY - 2));
        }
        QPainterPath shoe;
        const QPointF toe(x + side * 1.6, b.ground - 2.4);
        shoe.addEllipse(toe, k.legWidth * 0.5 + 2.4, 2.6);
        Outlined(p, shoe, k.shoe);
        if (who == Who::Brother) {
            p.setPen(QPen(k.top, 1.2));
            p.drawLine(toe + QPointF(-k.legWidth * 0.5 - 1.5, 1.4), toe + QPointF(k.legWidth * 0.5 + 1.5, 1.4));
        }
    }
}

void DrawTorso(QPainter& p, const Body& b, Who who) {
    const Look& k = b.look;
    const double cx = b.cx + b.shift, sy = b.Y(k.shoulderY);
    if (k.skirtY > 0 && who == Who::Sister)
        DrawSkirt(p, b);
    Outlined(p, TorsoPath(b), Shaded(k.topLight, k.top, QPointF(cx - k.shoulderHalf, 0), QPointF(cx + k.shoulderHalf, 0)));
    switch (who) {
    case Who::Sister: {
        // A round white collar with a red bow.
        for (int side : {-1, 1}) {
            QPainterPath collar;
            collar.moveTo(cx, sy - 1);
            collar.quadTo(QPointF(cx + side * 7.5, sy - 2.5), QPointF(cx + side * 6.5, sy + 3.2));
            collar.quadTo(QPointF(cx + side * 3, sy + 4), QPointF(cx, sy - 1));
            Outlined(p, collar, Qt::white, 1.0);
        }
        QPainterPath bow;
        bow.moveTo(cx, sy + 1.5);
        bow.lineTo(cx - 3.6, sy - 0.5);
        bow.lineTo(cx - 3.6, sy + 3.5);
        bow.closeSubpath();
        bow.moveTo(cx, sy + 1.5);
        bow.lineTo(cx + 3.6, sy - 0.5);
        bow.lineTo(cx + 3.6, sy + 3.5);
        bow.closeSubpath();
        Outlined(p, bow, QColor(0xE0, 0x24, 0x44), 0.9);
        break;
    }
    case Who::Brother: {
        // The hoodie: a hood rim round the neck, a white shirt inside, a pocket and strings.
        QPainterPath shirt;
        shirt.moveTo(cx - 4, sy - 2);
        shirt.lineTo(cx + 4, sy - 2);
        shirt.lineTo(cx, sy + 6);
        shirt.closeSubpath();
        Outlined(p, shirt, Qt::white, 1.0);
        QPainterPath hood;
        hood.moveTo(cx - 8.5, sy - 2.2);
        hood.quadTo(QPointF(cx - 6, sy + 7), QPointF(cx, sy + 7.5));
        hood.quadTo(QPointF(cx + 6, sy + 7), QPointF(cx + 8.5, sy - 2.2));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kInk, 3.6, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(hood);
        p.setPen(QPen(k.topLight, 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(hood);
        p.setPen(QPen(Qt::white, 1.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(cx - 2.5, sy + 7), QPointF(cx - 2.8, sy + 13));
        p.drawLine(QPointF(cx + 2.5, sy + 7), QPointF(cx + 2.8, sy + 13));
        QPainterPath pocket;
        pocket.addRoundedRect(QRectF(cx - 6.5, b.Y(k.waistY) - 9, 13, 6), 2, 2);
        p.setPen(QPen(k.top.darker(135), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(pocket);
        // The band at the hem.
        p.setPen(QPen(k.top.darker(125), 2.2));
        p.drawLine(QPointF(cx - k.waistHalf + 1, b.Y(k.waistY) - 1.6), QPointF(cx + k.waistHalf - 1, b.Y(k.waistY) - 1.6));
        break;
    }
    case Who::Mother: {
        // A V neck, then the apron over the dress.
        QPainterPath neck;
        neck.moveTo(cx - 4.5, sy - 2.2);
        neck.lineTo(cx, sy + 4);
        neck.lineTo(cx + 4.5, sy - 2.2);
        neck.closeSubpath();
        Outlined(p, neck, kSkin, 1.0);
        const double top = sy + 8, wy = b.Y(k.waistY), hem = b.Y(k.skirtY);
        QPainterPath skirt;
        skirt.moveTo(cx - k.waistHalf, wy - 2);
        skirt.lineTo(cx + k.waistHalf, wy - 2);
        skirt.lineTo(cx + k.skirtHalf, hem - 1);
        skirt.quadTo(QPointF(cx, hem + 2.5), QPointF(cx - k.skirtHalf, hem - 1));
        skirt.closeSubpath();
        Outlined(p, skirt, Shaded(k.bottom.lighter(125), k.bottom, QPointF(cx - k.skirtHalf, 0), QPointF(cx + k.skirtHalf, 0)));
        QPainterPath apron;
        apron.moveTo(cx - 6, top);
        apron.lineTo(cx + 6, top);
        apron.lineTo(cx + 7, wy - 2);
        apron.lineTo(cx + 10.5, hem - 4);
        apron.quadTo(QPointF(cx, hem - 1.5), QPointF(cx - 10.5, hem - 4));
        apron.lineTo(cx - 7, wy - 2);
        apron.closeSubpath();
        Outlined(p, apron, QColor(0xFF, 0xF6, 0xE4), 1.1);
        p.setPen(QPen(kInk, 1.0));
        p.drawLine(QPointF(cx - 6, top), QPointF(cx - 8.5, sy - 1.5));
        p.drawLine(QPointF(cx + 6, top), QPointF(cx + 8.5, sy - 1.5));
        // The waist tie, the pocket and its little heart.
        p.setPen(QPen(QColor(0xF0, 0x8C, 0x9C), 2.0));
        p.drawLine(QPointF(cx - 7, wy - 2.5), QPointF(cx + 7, wy - 2.5));
        p.setPen(QPen(QColor(0xE4, 0xC4, 0xA0), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(cx - 4.5, wy + 6, 9, 7), 1.5, 1.5);
        QPainterPath heart;
        const QPointF hc(cx, wy + 9.6);
        heart.moveTo(hc + QPointF(0, 2));
        heart.cubicTo(hc + QPointF(-3.2, -0.6), hc + QPointF(-1.4, -3.2), hc + QPointF(0, -1.2));
        heart.cubicTo(hc + QPointF(1.4, -3.2), hc + QPointF(3.2, -0.6), hc + QPointF(0, 2));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xF0, 0x70, 0x88));
        p.drawPath(heart);
        break;
    }
    case Who::Father: {
        // A shirt collar under the sweater, a diamond pattern, a belt.
        for (int side : {-1, 1}) {
            QPainterPath collar;
            collar.moveTo(cx, sy + 1.5);
            collar.lineTo(cx + side * 7.5, sy - 2.8);
            collar.lineTo(cx + side * 5.5, sy + 4.2);
            collar.closeSubpath();
            Outlined(p, collar, QColor(0xFF, 0xFB, 0xF2), 1.0);
        }
        QPainterPath vee;
        vee.moveTo(cx - 3.2, sy - 1);
        vee.lineTo(cx, sy + 6);
        vee.lineTo(cx + 3.2, sy - 1);
        p.setPen(QPen(k.top.darker(140), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(vee);
        p.setPen(QPen(k.top.darker(118), 1.0));
        for (int row = 0; row < 2; ++row) {
            const double y = sy + 15 + row * 10;
            for (double x : {-6.0, 0.0, 6.0}) {
                QPainterPath diamond;
                diamond.moveTo(cx + x, y - 3.5);
                diamond.lineTo(cx + x + 3, y);
                diamond.lineTo(cx + x, y + 3.5);
                diamond.lineTo(cx + x - 3, y);
                diamond.closeSubpath();
                p.drawPath(diamond);
            }
        }
        const double wy = b.Y(k.waistY);
        p.setPen(QPen(kInk, 1.0));
        p.setBrush(QColor(0x5A, 0x3A, 0x26));
        p.drawRect(QRectF(cx - k.waistHalf + 0.6, wy - 1, 2 * k.waistHalf - 1.2, 3.2));
        p.setBrush(QColor(0xF4, 0xCC, 0x5A));
        p.drawRect(QRectF(cx - 2.2, wy - 1.4, 4.4, 4));
        break;
    }
    }
}

}  // namespace artgen::figure
