#include "FigureParts.h"

#include <algorithm>
#include <cmath>

namespace artgen::figure {

namespace {

void DrawEye(QPainter& p, const Look& k, QPointF at, Eyes style, int side, Who who) {
    p.save();
    const double w = k.eyeW, hgt = k.eyeH;
    switch (style) {
    case Eyes::Open:
    case Eyes::Droopy: {
        if (style == Eyes::Droopy) {
            // Heavy lids, sagging at the outer corner.
            QPainterPath below;
            below.moveTo(at + QPointF(-side * (w + 1), -hgt * 0.05 - 0.9));
            below.lineTo(at + QPointF(side * (w + 1), hgt * 0.05 + 0.9));
            below.lineTo(at + QPointF(side * (w + 1), hgt));
            below.lineTo(at + QPointF(-side * (w + 1), hgt));
            below.closeSubpath();
            p.setClipPath(below);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(kEye);
        p.drawEllipse(at, w / 2, hgt / 2);
        if (who == Who::Sister || who == Who::Mother) {
            p.setBrush(QColor(0x6A, 0x3A, 0x2A));
            p.drawEllipse(at + QPointF(0, hgt * 0.18), w * 0.34, hgt * 0.26);
        }
        p.setBrush(Qt::white);
        p.drawEllipse(at + QPointF(-w * 0.18, -hgt * 0.2), w * 0.2, w * 0.2);
        p.setClipping(false);
        p.setPen(QPen(kEye, 1.1, Qt::SolidLine, Qt::RoundCap));
        if (style == Eyes::Droopy) {
            p.drawLine(at + QPointF(-side * (w * 0.8), -0.9), at + QPointF(side * (w * 0.8), 0.9));
        } else if (who == Who::Brother) {
            // A flat upper lid: the cool look.
            p.setPen(QPen(kEye, 1.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(at + QPointF(-w * 0.75, -hgt * 0.42), at + QPointF(w * 0.75, -hgt * 0.48));
        } else if (who == Who::Sister || who == Who::Mother) {
            // Lashes at the outer corner.
            p.drawLine(at + QPointF(side * w * 0.35, -hgt * 0.45), at + QPointF(side * (w * 0.5 + 1.6), -hgt * 0.62));
        }
        break;
    }
    case Eyes::Crying: {
        p.setPen(QPen(kEye, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at + QPointF(-w * 0.8, -0.3 * side), at + QPointF(w * 0.8, 0.3 * side + 0.6));
        break;
    }
    case Eyes::Happy: {
        QPainterPath arc;
        arc.moveTo(at + QPointF(-w * 0.75, 1.2));
        arc.quadTo(at + QPointF(0, -hgt * 0.75), at + QPointF(w * 0.75, 1.2));
        p.setPen(QPen(kEye, 1.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arc);
        break;
    }
    case Eyes::Closed:
    case Eyes::Wink: {
        QPainterPath arc;
        arc.moveTo(at + QPointF(-w * 0.75, 0));
        arc.quadTo(at + QPointF(0, hgt * 0.55), at + QPointF(w * 0.75, 0));
        p.setPen(QPen(kEye, 1.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arc);
        break;
    }
    }
    p.restore();
}

// A mouth of the given width and curve (up at the corners when positive), open by some pixels.
void DrawMouth(QPainter& p, QPointF c, double w, double curve, double open) {
    const QPointF left = c + QPointF(-w / 2, -curve * 0.5);
    const QPointF right = c + QPointF(w / 2, -curve * 0.5);
    if (open < 0.6) {
        QPainterPath line(left);
        line.quadTo(c + QPointF(0, curve * 1.1), right);
        p.setPen(QPen(kMouth.darker(130), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(line);
        return;
    }
    QPainterPath mouth(left);
    mouth.quadTo(c + QPointF(0, curve * 0.7 - open * 0.55), right);
    mouth.quadTo(c + QPointF(0, curve * 0.9 + open * 1.5), left);
    mouth.closeSubpath();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kMouth);
    p.drawPath(mouth);
    if (open > 2.4) {
        p.setClipPath(mouth);
        p.setBrush(kTongue);
        p.drawEllipse(c + QPointF(0, curve * 0.6 + open * 1.05), w * 0.3, open * 0.45);
    }
    p.restore();
    p.setPen(QPen(kInk, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
}

}  // namespace

// Brows: raised at the inner end when sad, arched when happy.
void DrawBrows(QPainter& p, const Look& k, QPointF h, int mood, Who who) {
    const double worry[6] = {0, 2.4, 1.5, 0.8, 0.6, 0.4};
    const double lift[6] = {0, 0, 0, 0, 0.6, 1.2};
    const double width = who == Who::Father ? 2.2 : who == Who::Brother ? 1.6 : 1.1;
    const double y = h.y() - (who == Who::Father ? 6.2 : 3.3) - lift[mood];
    p.setPen(QPen(who == Who::Father ? k.hair : k.hair.darker(150), width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int side : {-1, 1}) {
        QPainterPath brow;
        brow.moveTo(h.x() + side * 2.4, y - worry[mood]);
        brow.quadTo(QPointF(h.x() + side * 5, y - 1 - worry[mood] * 0.3 - (mood >= 4 ? 0.6 : 0)),
                    QPointF(h.x() + side * 7.6, y + worry[mood] * 0.45));
        p.drawPath(brow);
    }
}

// A four-pointed twinkle.
void Twinkle(QPainter& p, QPointF at, double size) {
    QPainterPath star;
    star.moveTo(at + QPointF(0, -size));
    star.quadTo(at, at + QPointF(size, 0));
    star.quadTo(at, at + QPointF(0, size));
    star.quadTo(at, at + QPointF(-size, 0));
    star.quadTo(at, at + QPointF(0, -size));
    p.setPen(QPen(QColor(0xE8, 0x9A, 0x10), 0.9));
    p.setBrush(QColor(0xFF, 0xE0, 0x50));
    p.drawPath(star);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(at, size * 0.22, size * 0.22);
}

void DrawFace(QPainter& p, const Body& b, const Pose& pose, Who who) {
    const Look& k = b.look;
    const QPointF h = b.head;
    const int mood = std::clamp(pose.mood, 1, 5);
    const double eyeY = h.y() + (who == Who::Father ? 0.5 : 2);
    const double eyeX = who == Who::Father ? 5.6 : 5.4;

    // Cheeks.
    const int blush = who == Who::Sister ? 90 : 0;
    const int alpha = std::max(blush, mood >= 4 ? 110 + (mood - 4) * 40 : 0);
    if (alpha > 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(kBlush.red(), kBlush.green(), kBlush.blue(), alpha));
        for (int side : {-1, 1})
            p.drawEllipse(h + QPointF(side * 8.6, 6.6), 3.0, 1.8);
    }

    for (int side : {-1, 1}) {
        Eyes style = pose.eyes;
        if (style == Eyes::Wink)
            style = side == 1 ? Eyes::Wink : Eyes::Open;
        DrawEye(p, k, QPointF(h.x() + side * eyeX, eyeY), style, side, who);
    }
    // The nose.
    p.setPen(QPen(kSkinShade, 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(h + QPointF(0.4, who == Who::Father ? 3.4 : 4.8), h + QPointF(-0.6, who == Who::Father ? 5.0 : 5.8));

    if (who == Who::Father) {
        // Round glasses.
        p.setBrush(pose.glint ? QColor(255, 255, 255, 150) : QColor(255, 255, 255, 40));
        p.setPen(QPen(QColor(0x5A, 0x2E, 0x1A), 1.3));
        for (int side : {-1, 1})
            p.drawEllipse(QPointF(h.x() + side * eyeX, eyeY), 4.6, 4.2);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(h.x() - 1.6, eyeY - 2.6, 3.2, 3), 20 * 16, 140 * 16);
        p.drawLine(QPointF(h.x() - eyeX - 4.6, eyeY - 0.6), QPointF(h.x() - k.headR + 0.4, eyeY - 1.4));
        p.drawLine(QPointF(h.x() + eyeX + 4.6, eyeY - 0.6), QPointF(h.x() + k.headR - 0.4, eyeY - 1.4));
        if (pose.glint) {
            p.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap));
            for (int side : {-1, 1})
                p.drawLine(QPointF(h.x() + side * eyeX - 2.2, eyeY + 1.6), QPointF(h.x() + side * eyeX + 1.6, eyeY - 2.2));
            Twinkle(p, QPointF(h.x() + eyeX + 3.6, eyeY - 4.2), 3.2);
        }
    }

    // The mouth: the mood gives the curve, the pose how wide it opens.
    const double curves[6] = {0, -3.2, -2.0, 0.2, 2.4, 3.0};
    const double widths[6] = {0, 7.5, 6.0, 5.0, 7.0, 8.5};
    const double mouthY = h.y() + (who == Who::Father ? 11.0 : 8.6);
    DrawMouth(p, QPointF(h.x(), mouthY), widths[mood], curves[mood], pose.mouthOpen);

    if (who == Who::Father) {
        // The moustache, over the upper lip.
        QPainterPath tache;
        const QPointF m = h + QPointF(0, 7.2);
        tache.moveTo(m);
        tache.cubicTo(m + QPointF(-2.5, -2.4), m + QPointF(-6.5, -1.6), m + QPointF(-7.2, 1.4));
        tache.cubicTo(m + QPointF(-5, 1.2), m + QPointF(-2.5, 1.6), m + QPointF(0, 0.9));
        tache.cubicTo(m + QPointF(2.5, 1.6), m + QPointF(5, 1.2), m + QPointF(7.2, 1.4));
        tache.cubicTo(m + QPointF(6.5, -1.6), m + QPointF(2.5, -2.4), m);
        tache.closeSubpath();
        Outlined(p, tache, k.hair, 0.9);
    }

    if (pose.tear > 0) {
        // Streams of tears down both cheeks, a drop falling from each.
        for (int side : {-1, 1}) {
            const double x = h.x() + side * eyeX;
            QPainterPath stream(QPointF(x, eyeY + 1.2));
            stream.quadTo(QPointF(x + side * 0.8, eyeY + 6), QPointF(x + side * 0.6, h.y() + 11.5));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(kTear.darker(115), 3.2, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(stream);
            p.setPen(QPen(kTear, 2.0, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(stream);
            p.setPen(QPen(Qt::white, 0.7, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(x - 0.4, eyeY + 2.5), QPointF(x - 0.2, eyeY + 5));
            const double fall = (pose.tear - 1) % 3;
            QPainterPath drop;
            const QPointF at(x + side * (3.2 + fall * 0.8), eyeY + 3 + fall * 3.2);
            drop.moveTo(at + QPointF(0, -2.4));
            drop.quadTo(at + QPointF(1.8, 0.4), at + QPointF(0, 1.4));
            drop.quadTo(at + QPointF(-1.8, 0.4), at + QPointF(0, -2.4));
            p.setPen(QPen(kTear.darker(130), 0.8));
            p.setBrush(kTear);
            p.drawPath(drop);
        }
    }
}

// Signs over the hair: gloom lines when very sad, a drop of dismay when sad.
void DrawMoodMarks(QPainter& p, const Body& b, int mood) {
    const QPointF h = b.head;
    if (mood == 1) {
        p.setPen(QPen(QColor(0x70, 0x66, 0xD0, 220), 1.1, Qt::SolidLine, Qt::RoundCap));
        for (double x : {-6.0, -2.0, 2.0, 6.0})
            p.drawLine(h + QPointF(x, -b.look.headR + 3), h + QPointF(x, -6.5 - std::abs(x) * 0.25));
    }
    if (mood == 2) {
        const QPointF at = h + QPointF(b.look.headR - 1, -7);
        QPainterPath drop;
        drop.moveTo(at + QPointF(0, -3.4));
        drop.quadTo(at + QPointF(2.8, 0.9), at + QPointF(0, 2.4));
        drop.quadTo(at + QPointF(-2.8, 0.9), at + QPointF(0, -3.4));
        p.setPen(QPen(QColor(0x2C, 0x78, 0xC0), 1.0));
        p.setBrush(QColor(0xB4, 0xE0, 0xFF));
        p.drawPath(drop);
    }
}

}  // namespace artgen::figure
