#include "Draw.h"
#include "Layout.h"
#include "WindowArt.h"

#include <cmath>
#include <numbers>

namespace artgen {

namespace {

const QColor kBlueTop(0xEA, 0xF4, 0xFF);
const QColor kBlueBottom(0xBC, 0xD8, 0xF6);
const QColor kBlueBorder(0x56, 0x84, 0xBC);

// A triangle pointing along (dx, dy), centred on c.
QPainterPath Arrow(QPointF c, double dx, double dy, double size) {
    const QPointF along(dx, dy), across(-dy, dx);
    QPainterPath path;
    path.moveTo(c + along * size);
    path.lineTo(c - along * size * 0.7 + across * size);
    path.lineTo(c - along * size * 0.7 - across * size);
    path.closeSubpath();
    return path;
}

// An arrow button of a scroll bar: a triangle, and a bar at its tip for "to the end".
void ScrollButton(QPainter& p, const QRectF& r, double dx, double dy, bool toEnd) {
    FillButton(p, r, 6, QColor(0xF4, 0xFA, 0xFF), QColor(0xA4, 0xC8, 0xF0), QColor(0x44, 0x72, 0xAC));
    const QColor ink(0x2A, 0x5A, 0xA4);
    QPointF c = r.center();
    if (toEnd)
        c -= QPointF(dx, dy) * 2;
    p.setPen(QPen(ink.darker(120), 0.8));
    p.setBrush(ink);
    p.drawPath(Arrow(c, dx, dy, 6));
    if (toEnd) {
        const QPointF tip = c + QPointF(dx, dy) * 8.2;
        const QPointF across(-dy, dx);
        p.setPen(QPen(ink, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(tip - across * 6, tip + across * 6);
    }
}

}  // namespace

QImage DialPanel(const QImage& background) {
    QImage picture = Cut(background, kDialPanel);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    FillPanel(p, QRectF(picture.rect()).adjusted(1, 1, -1, -2), 12, kBlueTop, kBlueBottom, kBlueBorder);
    // The socket the dial sits in.
    const QPointF c = QRectF(kDial).center();
    QRadialGradient socket(c, 60);
    socket.setColorAt(0.8, QColor(0x6E, 0x96, 0xC8));
    socket.setColorAt(1, QColor(0x6E, 0x96, 0xC8, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(socket);
    p.drawEllipse(c, 60, 60);
    // Faces for the four text buttons; the game writes their captions.
    const QRectF buttons[4] = {QRectF(3, 7, 75, 23), QRectF(90, 7, 75, 23), QRectF(3, 141, 75, 23),
                               QRectF(88, 141, 77, 23)};
    for (int i = 0; i < 4; ++i) {
        if (i == 3)
            FillButton(p, buttons[i], 11, QColor(0xFF, 0xF0, 0xF0), QColor(0xFF, 0xB8, 0xA8), QColor(0xC0, 0x60, 0x50));
        else
            FillButton(p, buttons[i], 11, QColor(0xFF, 0xFC, 0xEC), QColor(0xFF, 0xDC, 0x92), QColor(0xC0, 0x88, 0x3C));
    }
    return picture;
}

QImage Dial(bool across, const QImage& dialPanel) {
    QImage picture = Cut(dialPanel, kDial);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QPointF c(55.5, 55);
    const QColor light = across ? QColor(0xFF, 0xEA, 0xC8) : QColor(0xDE, 0xF0, 0xFF);
    const QColor deep = across ? QColor(0xF2, 0x98, 0x44) : QColor(0x58, 0x98, 0xE4);
    const QColor edge = across ? QColor(0xA8, 0x5C, 0x1C) : QColor(0x24, 0x5C, 0xA0);
    const QColor strong = across ? QColor(0xD8, 0x3C, 0x24) : QColor(0x1E, 0x58, 0xC8);
    const QColor weak = across ? QColor(0xC8, 0x9A, 0x70) : QColor(0x86, 0xA6, 0xCC);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 60, 60));
    p.drawEllipse(c + QPointF(0, 2), 53, 53);
    QRadialGradient disc(c - QPointF(14, 16), 70);
    disc.setColorAt(0, light);
    disc.setColorAt(1, deep);
    p.setBrush(disc);
    p.setPen(QPen(edge, 2));
    p.drawEllipse(c, 52.5, 52.5);
    p.setPen(QPen(QColor(255, 255, 255, 140), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 49.5, 49.5);

    // The bar along the dial's own direction.
    const QRectF bar = across ? QRectF(6, c.y() - 15, 99, 30) : QRectF(c.x() - 15, 5.5, 30, 99);
    QLinearGradient barFill(bar.topLeft(), across ? bar.bottomLeft() : bar.topRight());
    barFill.setColorAt(0, QColor(255, 255, 255, 235));
    barFill.setColorAt(1, Mix(light, Qt::white, 0.3));
    p.setBrush(barFill);
    p.setPen(QPen(edge.lighter(130), 1.2));
    p.drawPath(Rounded(bar, 15));

    struct Way {
        QPointF at;
        double dx, dy;
        bool main;
    };
    const Way ways[4] = {{QPointF(55.5, 17.5), 0, -1, !across},
                         {QPointF(55.5, 92.5), 0, 1, !across},
                         {QPointF(18.5, 55), -1, 0, across},
                         {QPointF(92.5, 55), 1, 0, across}};
    for (const Way& w : ways) {
        const double size = w.main ? 12 : 8;
        p.setPen(QPen(Qt::white, w.main ? 2.4 : 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(w.main ? strong : weak);
        p.drawPath(Arrow(w.at + QPointF(w.dx, w.dy) * 2, w.dx, w.dy, size));
    }

    // The centre button turns to the other direction.
    QRadialGradient knob(c - QPointF(5, 6), 24);
    knob.setColorAt(0, Qt::white);
    knob.setColorAt(1, Mix(light, deep, 0.45));
    p.setPen(QPen(edge, 1.6));
    p.setBrush(knob);
    p.drawEllipse(c, 18.5, 18.5);
    p.setPen(QPen(strong, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF ring(c.x() - 14, c.y() - 14, 28, 28);
    p.drawArc(ring, 110 * 16, 140 * 16);
    p.drawArc(ring, 290 * 16, 140 * 16);
    for (double degrees : {250.0, 70.0}) {
        const double a = degrees * std::numbers::pi / 180;
        const QPointF tip = c + QPointF(std::cos(a), -std::sin(a)) * 14;
        const QPointF dir(std::sin(a), std::cos(a));
        p.setPen(Qt::NoPen);
        p.setBrush(strong);
        p.drawPath(Arrow(tip, dir.x(), dir.y(), 3.6));
    }
    return picture;
}

QImage ScrollBar(bool across, const QImage& background) {
    const QRect place = across ? kScrollAcross : kScrollDown;
    QImage picture = Cut(background, place);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(picture.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(0x3C, 0x66, 0x9C), 1));
    p.setBrush(QColor(0x7C, 0xA4, 0xD4));
    p.drawPath(Rounded(track, 8));
    for (int k = 1; k <= 4; ++k) {
        const QRectF r = across ? QRectF(3 + (k - 1) * 34, 2, 30, 23) : QRectF(2, 3 + (k - 1) * 33, 23, 30);
        const double sign = k <= 2 ? -1 : 1;
        ScrollButton(p, r, across ? sign : 0, across ? 0 : sign, k == 1 || k == 4);
    }
    return picture;
}

QImage KeypadWindow() {
    QImage picture(252, 65, QImage::Format_RGB32);
    picture.fill(QColor(0x8A, 0x58, 0x2A));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF r = QRectF(picture.rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QLinearGradient wood(r.topLeft(), r.bottomLeft());
    wood.setColorAt(0, QColor(0xFC, 0xE2, 0xB6));
    wood.setColorAt(1, QColor(0xE8, 0xBC, 0x84));
    p.fillPath(Rounded(r, 6), wood);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(Rounded(r.adjusted(1.5, 1.5, -1.5, -1.5), 5));
    // Empty key slots; the game fills the ones in use.
    for (int i = 0; i < 10; ++i)
        for (int top : {19, 45})
            FillInset(p, QRectF(27 + 20 * i, top, 17, 15), 3, QColor(0xF6, 0xDA, 0xB0), QColor(0xC8, 0x96, 0x60));
    p.setPen(QPen(QColor(0xC8, 0x96, 0x60), 1, Qt::DotLine));
    p.drawLine(QPointF(27, 39.5), QPointF(224, 39.5));
    return picture;
}

}  // namespace artgen
