#include "Critters.h"

#include "Strip.h"

#include <QPainterPath>

namespace artgen {

namespace {

const QColor kInk(0x3B, 0x26, 0x16);

void DrawBird(QPainter& p, int frame) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // The far wing, the tail, the body, the head, the near wing: back to front.
    const double beat[4] = {-6.5, -1.5, 4.5, -1.5};
    const double tip = beat[(frame - 1) % 4];
    const QColor wing(0x2F, 0x6E, 0xC8), back(0x4A, 0x98, 0xE8);

    QPainterPath tail;
    tail.moveTo(16, 8.5);
    tail.lineTo(22.5, 6.2);
    tail.lineTo(20.2, 9.2);
    tail.lineTo(22.8, 11.8);
    tail.lineTo(16, 10.5);
    tail.closeSubpath();
    p.setBrush(wing);
    p.drawPath(tail);

    QPainterPath body;
    body.addEllipse(QPointF(12, 9.3), 6.6, 4.0);
    QLinearGradient belly(0, 5, 0, 13.5);
    belly.setColorAt(0, back);
    belly.setColorAt(0.55, back);
    belly.setColorAt(0.56, QColor(0xFF, 0xF4, 0xE0));
    belly.setColorAt(1, QColor(0xFF, 0xE8, 0xC8));
    p.setBrush(belly);
    p.drawPath(body);

    QPainterPath head;
    head.addEllipse(QPointF(6.2, 7.6), 3.8, 3.6);
    p.setBrush(back);
    p.drawPath(head);
    QPainterPath beak;
    beak.moveTo(2.8, 6.9);
    beak.lineTo(0.6, 8.1);
    beak.lineTo(2.9, 8.9);
    beak.closeSubpath();
    p.setBrush(QColor(0xFF, 0xA8, 0x30));
    p.drawPath(beak);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0x90, 0x90));
    p.drawEllipse(QPointF(6.6, 9.4), 1.2, 0.8);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(5.4, 7.0), 0.95, 1.05);

    p.setPen(QPen(kInk, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath near;
    near.moveTo(10, 8.5);
    near.quadTo(QPointF(13, 8 + tip * 0.7), QPointF(16.5, 8.2 + tip));
    near.quadTo(QPointF(15.5, 9.5 + tip * 0.3), QPointF(14.5, 10.2));
    near.closeSubpath();
    p.setBrush(wing);
    p.drawPath(near);
}

void DrawCloud(QPainter& p, int) {
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath cloud;
    cloud.setFillRule(Qt::WindingFill);
    cloud.addEllipse(QPointF(12, 15.5), 9.5, 7);
    cloud.addEllipse(QPointF(23, 10.5), 10.5, 9);
    cloud.addEllipse(QPointF(35, 9.5), 9, 8.5);
    cloud.addEllipse(QPointF(45, 15), 9, 6.8);
    cloud.addRoundedRect(QRectF(6, 13, 45, 9.5), 4.5, 4.5);
    cloud = cloud.simplified();
    QLinearGradient fill(0, 1, 0, 23);
    fill.setColorAt(0, Qt::white);
    fill.setColorAt(0.6, QColor(0xFA, 0xFC, 0xFF));
    fill.setColorAt(1, QColor(0xD6, 0xE4, 0xF6));
    p.setPen(QPen(QColor(0xC4, 0xD4, 0xEA), 1.2));
    p.setBrush(fill);
    p.drawPath(cloud);
}

}  // namespace

QImage BirdStrip() {
    return MakeStrip(kBirdW, kBirdH, kBirdFrames, DrawBird, Edge::Inked);
}

QImage CloudStrip() {
    return MakeStrip(kCloudW, kCloudH, kCloudFrames, DrawCloud, Edge::Soft);
}

}  // namespace artgen
