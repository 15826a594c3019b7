#include "Figure.h"

#include "FigureParts.h"

#include <algorithm>
#include <cmath>

namespace artgen {

namespace figure {

Look LookOf(Who who) {
    switch (who) {
    case Who::Sister:
        return Look{.headR = 14, .headY = 25, .shoulderY = 42, .shoulderHalf = 9.5, .waistY = 58, .waistHalf = 8,
                    .belly = 0, .upperArm = 12.5, .foreArm = 12, .armWidth = 5.2, .legHalf = 3.8, .legWidth = 4.6,
                    .skirtHalf = 13.5, .skirtY = 71, .eyeW = 3.6, .eyeH = 5.2, .hair = QColor(0x8A, 0x42, 0x2E),
                    .hairLight = QColor(0xC0, 0x6A, 0x4C), .top = QColor(0xFF, 0x7E, 0xAC),
                    .topLight = QColor(0xFF, 0xB4, 0xCF), .bottom = QColor(0xE2, 0x3C, 0x58),
                    .shoe = QColor(0xC8, 0x22, 0x3A), .shortSleeves = true};
    case Who::Brother:
        return Look{.headR = 14, .headY = 26, .shoulderY = 43, .shoulderHalf = 10.8, .waistY = 67, .waistHalf = 9.6,
                    .belly = 0, .upperArm = 12.5, .foreArm = 12, .armWidth = 6, .legHalf = 4.6, .legWidth = 7.4,
                    .eyeW = 3.2, .eyeH = 4.2, .hair = QColor(0x27, 0x30, 0x52), .hairLight = QColor(0x4C, 0x5E, 0x96),
                    .top = QColor(0x3A, 0x82, 0xE0), .topLight = QColor(0x7C, 0xB4, 0xF4),
                    .bottom = QColor(0x2C, 0x3C, 0x66), .shoe = QColor(0xF4, 0xF4, 0xF4)};
    case Who::Mother:
        return Look{.headR = 14, .headY = 28, .shoulderY = 45, .shoulderHalf = 11, .waistY = 65, .waistHalf = 9,
                    .belly = 0.5, .upperArm = 13.5, .foreArm = 12.5, .armWidth = 5.8, .legHalf = 4.2, .legWidth = 5,
                    .skirtHalf = 15.5, .skirtY = 93, .eyeW = 3.0, .eyeH = 4.2, .hair = QColor(0x7A, 0x48, 0x2A),
                    .hairLight = QColor(0xAE, 0x74, 0x48), .top = QColor(0x4F, 0xA8, 0x62),
                    .topLight = QColor(0x8E, 0xD0, 0x96), .bottom = QColor(0x3A, 0x86, 0x50),
                    .shoe = QColor(0x9A, 0x5A, 0x36)};
    case Who::Father:
        return Look{.headR = 14.5, .headY = 22.5, .shoulderY = 41, .shoulderHalf = 12.8, .waistY = 76,
                    .waistHalf = 11.5, .belly = 2.6, .upperArm = 15, .foreArm = 14, .armWidth = 7, .legHalf = 5.3,
                    .legWidth = 8.6, .eyeW = 2.6, .eyeH = 3.4, .hair = QColor(0x42, 0x30, 0x24),
                    .hairLight = QColor(0x7A, 0x60, 0x4E), .top = QColor(0xEE, 0x92, 0x36),
                    .topLight = QColor(0xFF, 0xC0, 0x70), .bottom = QColor(0x6A, 0x48, 0x30),
                    .shoe = QColor(0x4A, 0x30, 0x22)};
    }
    return {};
}

}  // namespace figure

namespace {

using namespace figure;

QPointF HandTarget(const Body& b, Hand hand, int side) {
    const Look& k = b.look;
    const QPointF s = b.Shoulder(side);
    const QPointF h = b.head;
    switch (hand) {
    case Hand::Rest: return s + QPointF(side * 2.8, k.upperArm + k.foreArm - 2);
    case Hand::Hip: return {b.cx + b.shift + side * (k.waistHalf - 0.5), b.Y(k.waistY) - 9};
    case Hand::Eye: return h + QPointF(side * 5, 3);
    case Hand::Cheek: return h + QPointF(side * 9.5, 8);
    case Hand::Chest: return {b.cx + b.shift + side * 2.2, b.Y(k.shoulderY) + 11};
    case Hand::Hair: return h + QPointF(side * 11, -9);
    case Hand::Glasses: return h + QPointF(side * 9, 1.5);
    case Hand::WaveOut: return QPointF(s.x() + side * 13, h.y() - 2);
    case Hand::WaveIn: return QPointF(s.x() + side * 8.5, h.y() - 8);
    case Hand::Thumb: return {b.cx + b.shift + side * (k.shoulderHalf - 3), b.Y(k.shoulderY) + 7};
    case Hand::Cheer: return QPointF(s.x() + side * 9, h.y() - 12);
    case Hand::Out: return s + QPointF(side * 9, k.upperArm + k.foreArm - 6);
    }
    return s;
}

// Two-bone reach from the shoulder to the hand, the elbow bent outwards.
QPointF Elbow(QPointF s, QPointF& t, double l1, double l2, int side) {
    QPointF d = t - s;
    double len = std::hypot(d.x(), d.y());
    const double reach = std::clamp(len, std::abs(l1 - l2) + 0.5, l1 + l2 - 0.3);
    if (len < 1e-6) {
        d = QPointF(0, 1);
        len = 1;
    }
    t = s + d / len * reach;
    const double base = std::atan2(d.y(), d.x());
    const double bend = std::acos(std::clamp((l1 * l1 + reach * reach - l2 * l2) / (2 * l1 * reach), -1.0, 1.0));
    const QPointF a = s + QPointF(std::cos(base + bend), std::sin(base + bend)) * l1;
    const QPointF c = s + QPointF(std::cos(base - bend), std::sin(base - bend)) * l1;
    const double outA = side * (a.x() - s.x()), outC = side * (c.x() - s.x());
    if (std::abs(outA - outC) < 0.5)
        return a.y() > c.y() ? a : c;
    return outA > outC ? a : c;
}

void DrawArm(QPainter& p, const Body& b, Hand hand, int side, Who who) {
    const Look& k = b.look;
    const QPointF s = b.Shoulder(side);
    QPointF t = HandTarget(b, hand, side);
    t.setX(std::clamp(t.x(), 4.0, b.cx * 2 - 4));
    t.setY(std::max(t.y(), 3.5));
    const QPointF e = Elbow(s, t, k.upperArm, k.foreArm, side);

    QPainterPath arm(s);
    arm.lineTo(e);
    arm.lineTo(t);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, k.armWidth + 2 * kLine, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(arm);
    p.setPen(QPen(kSkin, k.armWidth - 0.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(arm);
    // The sleeve: short ones end halfway down the upper arm, long ones at the wrist.
    QPainterPath sleeve(s);
    if (k.shortSleeves) {
        sleeve.lineTo(s + (e - s) * 0.55);
    } else {
        sleeve.lineTo(e);
        sleeve.lineTo(e + (t - e) * 0.78);
    }
    p.setPen(QPen(k.top, k.armWidth + 0.4, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(sleeve);
    p.setPen(QPen(k.topLight, 1.2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(sleeve.translated(-side * 0.9, -0.6));
    if (k.shortSleeves) {
        // The sleeve hem.
        const QPointF end = s + (e - s) * 0.55;
        const QPointF along = (e - s) / std::max(1e-6, std::hypot((e - s).x(), (e - s).y()));
        const QPointF across(-along.y(), along.x());
        p.setPen(QPen(kInk, 1.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(end - across * (k.armWidth / 2 + 0.6), end + across * (k.armWidth / 2 + 0.6));
    }
    if (who == Who::Brother || who == Who::Father) {
        // A cuff in a lighter tone.
        const QPointF cuff = e + (t - e) * 0.78;
        p.setPen(QPen(who == Who::Father ? QColor(0xFF, 0xF6, 0xE6) : k.topLight, 2.0, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(cuff - (t - e) * 0.06, cuff);
    }

    const double r = std::max(2.8, k.armWidth * 0.55);
    if (hand == Hand::Thumb) {
        QPainterPath thumb;
        thumb.addRoundedRect(QRectF(t.x() - 1.7, t.y() - r - 4.8, 3.4, 6.2), 1.7, 1.7);
        Outlined(p, thumb, kSkin, 1.0);
    }
    QPainterPath palm;
    if (hand == Hand::WaveOut || hand == Hand::WaveIn || hand == Hand::Cheer)
        palm.addEllipse(t, r + 0.4, r + 0.9);
    else
        palm.addEllipse(t, r, r);
    Outlined(p, palm, kSkin, 1.1);
    if (hand == Hand::WaveOut || hand == Hand::WaveIn) {
        // Motion marks beside a waving hand.
        p.setPen(QPen(QColor(0xFF, 0xF0, 0xB0), 1.1, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        const double dx = hand == Hand::WaveOut ? side * 5.5 : -side * 5.5;
        QPainterPath marks;
        marks.moveTo(t + QPointF(dx, -3));
        marks.quadTo(t + QPointF(dx * 1.35, 0), t + QPointF(dx, 3));
        p.drawPath(marks);
    }
}

// Hands at the face or waving above the head are drawn over the head.
bool HandOverHead(Hand hand) {
    return hand == Hand::Eye || hand == Hand::Cheek || hand == Hand::Glasses || hand == Hand::Hair ||
           hand == Hand::WaveOut || hand == Hand::WaveIn;
}

void DrawEar(QPainter& p, QPointF head, double r, int side) {
    QPainterPath ear;
    ear.addEllipse(head + QPointF(side * (r - 0.5), 2.5), 3.2, 3.8);
    Outlined(p, ear, kSkin, 1.1);
}

void DrawHead(QPainter& p, const Body& b, const Pose& pose, Who who) {
    const Look& k = b.look;
    const QPointF h = b.head;
    for (int side : {-1, 1})
        DrawEar(p, h, k.headR, side);
    QPainterPath head;
    head.moveTo(h + QPointF(-k.headR, 0));
    head.cubicTo(h + QPointF(-k.headR, -k.headR * 1.32), h + QPointF(k.headR, -k.headR * 1.32), h + QPointF(k.headR, 0));
    head.cubicTo(h + QPointF(k.headR, k.headR * 0.9), h + QPointF(k.headR * 0.5, k.headR * 1.02), h + QPointF(0, k.headR));
    head.cubicTo(h + QPointF(-k.headR * 0.5, k.headR * 1.02), h + QPointF(-k.headR, k.headR * 0.9), h + QPointF(-k.headR, 0));
    QRadialGradient skin(h + QPointF(-k.headR * 0.3, -k.headR * 0.3), k.headR * 1.6);
    skin.setColorAt(0, kSkin.lighter(104));
    skin.setColorAt(0.7, kSkin);
    skin.setColorAt(1, kSkinShade);
    Outlined(p, head, skin);
    DrawFace(p, b, pose, who);
    DrawHairFront(p, b, who);
    // Brows over the fringe, so a mood always reads.
    DrawBrows(p, k, h, std::clamp(pose.mood, 1, 5), who);
    DrawMoodMarks(p, b, std::clamp(pose.mood, 1, 5));
}

void DrawSigh(QPainter& p, const Body& b, double size) {
    const QPointF at = b.head + QPointF(b.look.headR * 0.55 + size * 0.8, b.look.headR * 0.7);
    QPainterPath puff;
    puff.setFillRule(Qt::WindingFill);
    puff.addEllipse(at, size, size * 0.75);
    puff.addEllipse(at + QPointF(size * 0.7, -size * 0.45), size * 0.7, size * 0.6);
    puff.addEllipse(at + QPointF(size * 0.9, size * 0.35), size * 0.6, size * 0.5);
    p.setPen(QPen(QColor(0x90, 0xA4, 0xC0), 0.9));
    p.setBrush(QColor(0xF4, 0xF8, 0xFF));
    p.drawPath(puff.simplified());
}

}  // namespace

const std::array<Member, 4>& Family() {
    static const std::array<Member, 4> family = {{
        {Who::Sister, "姉", 56, 88},
        {Who::Brother, "兄", 56, 96},
        {Who::Mother, "母", 64, 104},
        {Who::Father, "父", 64, 112},
    }};
    return family;
}

void DrawFigure(QPainter& p, const Member& member, const Pose& pose) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    Body b;
    b.look = LookOf(member.who);
    b.cx = member.w / 2.0;
    b.ground = member.h - 1.5 - pose.lift;
    b.up = pose.crouch - pose.lift;
    b.shift = pose.shake;
    b.head = QPointF(b.cx + pose.shake, b.Y(b.look.headY) + pose.headDrop);
    const Who who = member.who;

    // The head group turns about the neck.
    const QPointF neck(b.head.x(), b.head.y() + b.look.headR);
    auto tilted = [&](auto draw) {
        p.save();
        p.translate(neck);
        p.rotate(pose.headTilt);
        p.translate(-neck);
        draw();
        p.restore();
    };

    tilted([&] { DrawHairBack(p, b, pose, who); });
    DrawLegs(p, b, pose, who);
    QPainterPath neckPath;
    neckPath.addRect(QRectF(b.head.x() - 3.2, b.head.y() + b.look.headR - 4, 6.4, b.Y(b.look.shoulderY) - b.head.y() - b.look.headR + 4));
    Outlined(p, neckPath, kSkinShade, 1.0);
    DrawTorso(p, b, who);
    for (int side : {-1, 1}) {
        const Hand hand = side < 0 ? pose.left : pose.right;
        if (!HandOverHead(hand))
            DrawArm(p, b, hand, side, who);
    }
    tilted([&] { DrawHead(p, b, pose, who); });
    for (int side : {-1, 1}) {
        const Hand hand = side < 0 ? pose.left : pose.right;
        if (HandOverHead(hand))
            DrawArm(p, b, hand, side, who);
    }
    if (pose.sigh > 0)
        DrawSigh(p, b, pose.sigh);
    if (pose.sparkle > 0) {
        const QPointF spots[4][2] = {{{6, 9}, {member.w - 6.0, 20}},
                                     {{7, 18}, {member.w - 7.0, 8}},
                                     {{5, 12}, {member.w - 5.0, 15}},
                                     {{8, 6}, {member.w - 6.0, 24}}};
        const auto& at = spots[(pose.sparkle - 1) % 4];
        Twinkle(p, at[0], 3.6);
        Twinkle(p, at[1], 2.8);
    }
    p.restore();
}

}  // namespace artgen
