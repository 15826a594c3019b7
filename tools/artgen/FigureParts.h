#pragma once

#include "Figure.h"

#include <QLinearGradient>
#include <QPainterPath>

// The pieces the figure painter shares between its files: the palette, each member's build,
// where the body is in a frame, and the inked shapes everything is drawn with.
namespace artgen::figure {

inline const QColor kInk(0x3B, 0x26, 0x16);
inline const QColor kSkin(0xFF, 0xDF, 0xC6);
inline const QColor kSkinShade(0xEE, 0xB8, 0x96);
inline const QColor kEye(0x2A, 0x1A, 0x12);
inline const QColor kMouth(0x8E, 0x2C, 0x30);
inline const QColor kTongue(0xF5, 0x86, 0x8C);
inline const QColor kTear(0x78, 0xC6, 0xFF);
inline const QColor kBlush(0xFF, 0x84, 0x94);
inline constexpr double kLine = 1.3;

// The build and the colours of one member. Heights are from the top of the frame.
struct Look {
    double headR, headY;
    double shoulderY, shoulderHalf, waistY, waistHalf, belly;
    double upperArm, foreArm, armWidth;
    double legHalf, legWidth;
    double skirtHalf = 0, skirtY = 0;  // a skirt down to skirtY, 0 for trousers
    double eyeW, eyeH;
    QColor hair, hairLight, top, topLight, bottom, shoe;
    bool shortSleeves = false;
};

Look LookOf(Who who);

// Where everything is for one frame.
struct Body {
    Look look;
    double cx = 0, ground = 0, up = 0, shift = 0;
    QPointF head;
    double Y(double designY) const { return designY + up; }
    QPointF Shoulder(int side) const {
        return {cx + shift + side * (look.shoulderHalf - 2.2), Y(look.shoulderY) + 2};
    }
};

inline void Outlined(QPainter& p, const QPainterPath& path, const QBrush& fill, double width = kLine) {
    p.setPen(QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
}

// A thick line with an ink edge: a limb or a lock of hair.
inline void Stroke(QPainter& p, const QPainterPath& path, double width, QColor color, bool edge = true) {
    p.setBrush(Qt::NoBrush);
    if (edge) {
        p.setPen(QPen(kInk, width + 2 * kLine, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
    }
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

inline QLinearGradient Shaded(QColor light, QColor base, QPointF from, QPointF to) {
    QLinearGradient g(from, to);
    g.setColorAt(0, light);
    g.setColorAt(0.45, base);
    g.setColorAt(1, base.darker(112));
    return g;
}

// Legs, shoes and clothes.
void DrawLegs(QPainter& p, const Body& b, const Pose& pose, Who who);
void DrawTorso(QPainter& p, const Body& b, Who who);

// The hair behind the head and the fringe over it.
void DrawHairBack(QPainter& p, const Body& b, const Pose& pose, Who who);
void DrawHairFront(QPainter& p, const Body& b, Who who);

// The face for a mood; brows and mood marks go over the fringe.
void DrawFace(QPainter& p, const Body& b, const Pose& pose, Who who);
void DrawBrows(QPainter& p, const Look& k, QPointF h, int mood, Who who);
void DrawMoodMarks(QPainter& p, const Body& b, int mood);
void Twinkle(QPainter& p, QPointF at, double size);

}  // namespace artgen::figure
