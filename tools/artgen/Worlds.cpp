#include "Worlds.h"

#include "Draw.h"
#include "Layout.h"

#include <cmath>
#include <iterator>

namespace artgen {

namespace {

const QColor kInk(0x5A, 0x36, 0x1E);

void Wall(QPainter& p, double floorY) {
    QLinearGradient wall(0, 0, 0, floorY);
    wall.setColorAt(0, QColor(0xFF, 0xE4, 0xC4));
    wall.setColorAt(1, QColor(0xF8, 0xCC, 0xA0));
    p.fillRect(QRectF(0, 0, kOpeningWorld.width(), floorY), wall);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 45));
    for (int x = 0; x < kOpeningWorld.width(); x += 28)
        p.drawRect(QRectF(x, 0, 14, floorY));
    // Small flowers in the paper.
    p.setBrush(QColor(0xF0, 0xA0, 0x80, 60));
    for (int row = 0; row * 32 < floorY; ++row)
        for (int x = (row % 2) * 14 + 7; x < kOpeningWorld.width(); x += 28)
            p.drawEllipse(QPointF(x, 16 + row * 32), 2.2, 2.2);
    // Crown moulding and skirting board.
    p.setBrush(QColor(0xC8, 0x86, 0x50));
    p.drawRect(QRectF(0, 0, kOpeningWorld.width(), 6));
    p.setBrush(QColor(0xFF, 0xEE, 0xD8));
    p.drawRect(QRectF(0, 6, kOpeningWorld.width(), 2));
    p.setBrush(QColor(0xB0, 0x70, 0x40));
    p.drawRect(QRectF(0, floorY - 9, kOpeningWorld.width(), 9));
    p.setBrush(QColor(0xD8, 0x9A, 0x60));
    p.drawRect(QRectF(0, floorY - 9, kOpeningWorld.width(), 2));
}

void Floor(QPainter& p, double floorY) {
    const double w = kOpeningWorld.width(), h = kOpeningWorld.height();
    QLinearGradient wood(0, floorY, 0, h);
    wood.setColorAt(0, QColor(0xD4, 0x94, 0x5C));
    wood.setColorAt(1, QColor(0xE6, 0xAE, 0x74));
    p.fillRect(QRectF(0, floorY, w, h - floorY), wood);
    // Planks, wider as they come nearer.
    p.setPen(QPen(QColor(0xB0, 0x70, 0x3C), 1));
    double y = floorY, step = 9;
    for (int row = 0; y < h; ++row) {
        const double next = y + step;
        p.drawLine(QPointF(0, next), QPointF(w, next));
        for (double x = (row % 3) * 37 + 20; x < w; x += 110)
            p.drawLine(QPointF(x, y), QPointF(x, next));
        y = next;
        step *= 1.22;
    }
}

void Rug(QPainter& p) {
    const QPointF c(192, 264);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 40, 10, 50));
    p.drawEllipse(c + QPointF(0, 4), 172, 44);
    p.setBrush(QColor(0xD8, 0x54, 0x48));
    p.drawEllipse(c, 170, 42);
    p.setBrush(QColor(0xFF, 0xEC, 0xC8));
    p.drawEllipse(c, 158, 36);
    p.setBrush(QColor(0xF2, 0x8A, 0x62));
    p.drawEllipse(c, 146, 31);
    p.setBrush(QColor(0xFF, 0xF2, 0xDA));
    p.drawEllipse(c, 128, 25);
    // Little diamonds round the pattern.
    p.setBrush(QColor(0xF2, 0x8A, 0x62));
    for (int i = 0; i < 18; ++i) {
        const double a = i * 2 * 3.14159265 / 18;
        const QPointF at = c + QPointF(std::cos(a) * 112, std::sin(a) * 18);
        QPainterPath diamond;
        diamond.moveTo(at + QPointF(0, -3));
        diamond.lineTo(at + QPointF(4, 0));
        diamond.lineTo(at + QPointF(0, 3));
        diamond.lineTo(at + QPointF(-4, 0));
        diamond.closeSubpath();
        p.drawPath(diamond);
    }
}

void SunsetWindow(QPainter& p) {
    const QRectF glass(122, 24, 142, 90);
    QLinearGradient sky(glass.topLeft(), glass.bottomLeft());
    sky.setColorAt(0, QColor(0x86, 0x8C, 0xD8));
    sky.setColorAt(0.45, QColor(0xF2, 0x9C, 0x9A));
    sky.setColorAt(0.8, QColor(0xFF, 0xC0, 0x78));
    sky.setColorAt(1, QColor(0xFF, 0xDA, 0x90));
    p.fillRect(glass, sky);
    p.save();
    p.setClipRect(glass);
    QRadialGradient glow(QPointF(214, 100), 50);
    glow.setColorAt(0, QColor(255, 250, 210, 230));
    glow.setColorAt(1, QColor(255, 230, 160, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(214, 100), 50, 50);
    p.setBrush(QColor(0xFF, 0xF0, 0xB0));
    p.drawEllipse(QPointF(214, 102), 14, 14);
    // Hills and roofs against the sky.
    QPainterPath far;
    far.moveTo(glass.left(), 104);
    far.cubicTo(150, 86, 180, 96, 200, 98);
    far.cubicTo(230, 100, 250, 88, glass.right(), 96);
    far.lineTo(glass.right(), glass.bottom());
    far.lineTo(glass.left(), glass.bottom());
    p.setBrush(QColor(0xC8, 0x7C, 0x82));
    p.drawPath(far);
    p.setBrush(QColor(0x9A, 0x5C, 0x6E));
    for (QRectF house : {QRectF(132, 98, 14, 16), QRectF(150, 102, 10, 12), QRectF(238, 100, 16, 14)}) {
        p.drawRect(house);
        QPainterPath roof;
        roof.moveTo(house.left() - 2, house.top());
        roof.lineTo(house.center().x(), house.top() - 7);
        roof.lineTo(house.right() + 2, house.top());
        p.drawPath(roof);
    }
    p.setBrush(QColor(0xFF, 0xE0, 0x80));
    p.drawRect(QRectF(137, 104, 3, 3));
    p.drawRect(QRectF(244, 105, 3, 3));
    // Two birds going home.
    p.setPen(QPen(QColor(0x6A, 0x4A, 0x6A), 1.2));
    p.setBrush(Qt::NoBrush);
    for (QPointF at : {QPointF(160, 48), QPointF(174, 56)}) {
        QPainterPath bird;
        bird.moveTo(at + QPointF(-5, -1));
        bird.quadTo(at + QPointF(-2, -3), at);
        bird.quadTo(at + QPointF(2, -3), at + QPointF(5, -1));
        p.drawPath(bird);
    }
    p.restore();
    // The frame, its bars, the sill.
    p.setPen(QPen(QColor(0xB8, 0x86, 0x5A), 1));
    p.setBrush(QColor(0xFF, 0xF6, 0xE8));
    QPainterPath frame;
    frame.addRect(glass.adjusted(-5, -5, 5, 5));
    frame.addRect(glass);
    p.drawPath(frame);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(glass.center().x() - 2, glass.top(), 4, glass.height()));
    p.drawRect(QRectF(glass.left(), glass.center().y() - 2, glass.width(), 4));
    p.setBrush(QColor(0xC8, 0x88, 0x52));
    p.drawRect(QRectF(glass.left() - 12, glass.bottom() + 5, glass.width() + 24, 6));
    p.setBrush(QColor(0xE6, 0xAA, 0x70));
    p.drawRect(QRectF(glass.left() - 12, glass.bottom() + 5, glass.width() + 24, 2));
}

void Curtains(QPainter& p) {
    p.setPen(QPen(QColor(0x8A, 0x52, 0x2A), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(96, 14), QPointF(290, 14));
    for (int side : {-1, 1}) {
        const double outer = side < 0 ? 98 : 288;
        const double inner = side < 0 ? 132 : 254;
        QPainterPath curtain;
        curtain.moveTo(outer, 13);
        curtain.lineTo(inner, 13);
        curtain.cubicTo(QPointF(inner, 40), QPointF(outer - side * 6, 66), QPointF(outer - side * 12, 78));
        curtain.cubicTo(QPointF(outer - side * 8, 96), QPointF(outer - side * 8, 118), QPointF(outer - side * 12, 134));
        curtain.lineTo(outer + side * 2, 134);
        curtain.closeSubpath();
        QLinearGradient cloth(QPointF(outer, 0), QPointF(inner, 0));
        cloth.setColorAt(0, QColor(0xE0, 0x6A, 0x58));
        cloth.setColorAt(1, QColor(0xF8, 0x98, 0x7C));
        p.setPen(QPen(QColor(0xA8, 0x44, 0x38), 1));
        p.setBrush(cloth);
        p.drawPath(curtain);
        p.setPen(QPen(QColor(0xC0, 0x50, 0x44), 1));
        for (double f : {0.33, 0.66})
            p.drawLine(QPointF(outer + (inner - outer) * f * 0.7, 16), QPointF(outer - side * 6, 76));
        p.setPen(QPen(QColor(0xFF, 0xD8, 0x6A), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(outer + side * 1, 78), QPointF(outer - side * 13, 78));
    }
}

void Clock(QPainter& p, QPointF c) {
    p.setPen(QPen(QColor(0x8A, 0x52, 0x2A), 3));
    p.setBrush(QColor(0xFF, 0xFB, 0xF0));
    p.drawEllipse(c, 15, 15);
    p.setPen(QPen(QColor(0x8A, 0x52, 0x2A), 1.2));
    for (int i = 0; i < 12; ++i) {
        const double a = i * 3.14159265 / 6;
        p.drawLine(c + QPointF(std::sin(a), -std::cos(a)) * 10.5, c + QPointF(std::sin(a), -std::cos(a)) * 12.5);
    }
    p.setPen(QPen(kInk, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(0, 8.5));
    p.drawLine(c, c + QPointF(-4.5, -2.2));
    p.setBrush(kInk);
    p.drawEllipse(c, 1.5, 1.5);
}

void FramedPicture(QPainter& p, QRectF r) {
    p.setPen(QPen(QColor(0x8A, 0x52, 0x2A), 3));
    p.setBrush(QColor(0xCC, 0xEA, 0xFF));
    p.drawRect(r);
    p.save();
    p.setClipRect(r.adjusted(1.5, 1.5, -1.5, -1.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xD8, 0x50));
    p.drawEllipse(r.topRight() + QPointF(-11, 10), 5, 5);
    p.setBrush(QColor(0x86, 0xC8, 0x66));
    p.drawEllipse(QPointF(r.left() + 14, r.bottom() + 8), 24, 18);
    p.setBrush(QColor(0x6C, 0xB0, 0x52));
    p.drawEllipse(QPointF(r.right() - 8, r.bottom() + 10), 26, 18);
    p.restore();
}

void Sideboard(QPainter& p) {
    const QRectF body(298, 140, 82, 50);
    p.setPen(QPen(QColor(0x7A, 0x46, 0x22), 1.2));
    QLinearGradient wood(body.topLeft(), body.bottomLeft());
    wood.setColorAt(0, QColor(0xC8, 0x86, 0x4E));
    wood.setColorAt(1, QColor(0xA8, 0x68, 0x38));
    p.setBrush(wood);
    p.drawRect(body);
    p.setBrush(QColor(0xD8, 0x98, 0x5C));
    p.drawRect(QRectF(body.left() - 3, body.top() - 4, body.width() + 6, 5));
    p.setBrush(QColor(0xB8, 0x76, 0x42));
    for (int i = 0; i < 2; ++i) {
        const QRectF drawer(body.left() + 5 + i * 38, body.top() + 8, 34, 16);
        p.drawRect(drawer);
        p.setBrush(QColor(0xFF, 0xD8, 0x70));
        p.drawEllipse(drawer.center(), 2, 2);
        p.setBrush(QColor(0xB8, 0x76, 0x42));
    }
    p.drawRect(QRectF(body.left() + 5, body.top() + 28, 72, 16));
    // A plant in a pot on top.
    p.setBrush(QColor(0x4C, 0xA0, 0x52));
    p.setPen(QPen(QColor(0x2E, 0x6A, 0x34), 1));
    const QPointF base(326, 124);
    for (int i = 0; i < 7; ++i) {
        p.save();
        p.translate(base);
        p.rotate(-60 + i * 20);
        p.drawEllipse(QPointF(0, -15), 4.5, 12);
        p.restore();
    }
    QPainterPath pot;
    pot.moveTo(316, 122);
    pot.lineTo(336, 122);
    pot.lineTo(333, 136);
    pot.lineTo(319, 136);
    pot.closeSubpath();
    p.setPen(QPen(QColor(0x8A, 0x3E, 0x22), 1));
    p.setBrush(QColor(0xE0, 0x70, 0x46));
    p.drawPath(pot);
    // A little photo stand.
    p.setBrush(QColor(0xFF, 0xF4, 0xDC));
    p.setPen(QPen(QColor(0x8A, 0x52, 0x2A), 1.5));
    p.drawRect(QRectF(352, 118, 18, 18));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF2, 0x8A, 0x8A));
    p.drawEllipse(QPointF(358, 128), 3, 3);
    p.setBrush(QColor(0x7A, 0xA8, 0xE8));
    p.drawEllipse(QPointF(364, 129), 2.6, 2.6);
}

void FloorLamp(QPainter& p) {
    QRadialGradient glow(QPointF(22, 80), 60);
    glow.setColorAt(0, QColor(255, 240, 180, 150));
    glow.setColorAt(1, QColor(255, 240, 180, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(22, 80), 60, 60);
    p.setPen(QPen(QColor(0x6A, 0x44, 0x28), 2.4));
    p.drawLine(QPointF(22, 92), QPointF(22, 188));
    p.setBrush(QColor(0x6A, 0x44, 0x28));
    p.drawEllipse(QPointF(22, 189), 11, 3);
    QPainterPath shade;
    shade.moveTo(12, 66);
    shade.lineTo(32, 66);
    shade.lineTo(40, 92);
    shade.lineTo(4, 92);
    shade.closeSubpath();
    QLinearGradient cloth(0, 66, 0, 92);
    cloth.setColorAt(0, QColor(0xFF, 0xE8, 0xB0));
    cloth.setColorAt(1, QColor(0xFF, 0xCC, 0x70));
    p.setPen(QPen(QColor(0xC8, 0x8A, 0x3A), 1));
    p.setBrush(cloth);
    p.drawPath(shade);
}

}  // namespace

QImage OpeningWorld() {
    QImage picture(kOpeningWorld, QImage::Format_RGB32);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const double floorY = 196;
    Wall(p, floorY);
    SunsetWindow(p);
    Curtains(p);
    Clock(p, QPointF(58, 48));
    FramedPicture(p, QRectF(316, 40, 46, 36));
    FloorLamp(p);
    Floor(p, floorY);
    Sideboard(p);
    Rug(p);
    // The evening light from the window over everything.
    QRadialGradient light(QPointF(193, 70), 300);
    light.setColorAt(0, QColor(255, 200, 120, 50));
    light.setColorAt(1, QColor(120, 60, 30, 40));
    p.fillRect(picture.rect(), light);
    return picture;
}

QImage PlayWorld() {
    QImage picture(kPlayWorld, QImage::Format_RGB32);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = kPlayWorld.width(), h = kPlayWorld.height();
    QLinearGradient sky(0, 0, 0, 80);
    sky.setColorAt(0, QColor(0x7E, 0xC4, 0xFF));
    sky.setColorAt(1, QColor(0xDA, 0xF2, 0xFF));
    p.fillRect(QRectF(0, 0, w, 80), sky);
    QRadialGradient sun(QPointF(146, 13), 22);
    sun.setColorAt(0, QColor(255, 250, 200, 255));
    sun.setColorAt(0.4, QColor(255, 240, 150, 200));
    sun.setColorAt(1, QColor(255, 240, 150, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(146, 13), 22, 22);
    p.setBrush(QColor(0xFF, 0xE8, 0x70));
    p.drawEllipse(QPointF(146, 13), 7.5, 7.5);
    // Far hills, near hills.
    QPainterPath far;
    far.moveTo(0, 62);
    far.cubicTo(30, 46, 52, 52, 74, 58);
    far.cubicTo(96, 48, 124, 44, w, 56);
    far.lineTo(w, h);
    far.lineTo(0, h);
    p.setBrush(QColor(0xA6, 0xCE, 0xC0));
    p.drawPath(far);
    QPainterPath near;
    near.moveTo(0, 74);
    near.cubicTo(40, 64, 80, 70, 110, 72);
    near.cubicTo(130, 73, 146, 66, w, 68);
    near.lineTo(w, h);
    near.lineTo(0, h);
    p.setBrush(QColor(0x9C, 0xD2, 0x78));
    p.drawPath(near);
    // A small house far off.
    p.setBrush(QColor(0xFF, 0xF4, 0xE0));
    p.setPen(QPen(QColor(0x8A, 0x6A, 0x50), 0.8));
    p.drawRect(QRectF(88, 60, 16, 11));
    QPainterPath roof;
    roof.moveTo(85.5, 61);
    roof.lineTo(96, 53);
    roof.lineTo(106.5, 61);
    roof.closeSubpath();
    p.setBrush(QColor(0xE0, 0x5A, 0x4A));
    p.drawPath(roof);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7A, 0xB8, 0xE8));
    p.drawRect(QRectF(91, 63, 4, 4));
    p.setBrush(QColor(0xA8, 0x70, 0x48));
    p.drawRect(QRectF(98, 64, 3.5, 7));
    // The meadow.
    QLinearGradient grass(0, 78, 0, h);
    grass.setColorAt(0, QColor(0xA8, 0xDC, 0x74));
    grass.setColorAt(1, QColor(0x7A, 0xBC, 0x4A));
    QPainterPath meadow;
    meadow.moveTo(0, 84);
    meadow.cubicTo(50, 78, 110, 80, w, 82);
    meadow.lineTo(w, h);
    meadow.lineTo(0, h);
    p.setBrush(grass);
    p.drawPath(meadow);
    // A picket fence behind the meadow's edge.
    p.setPen(QPen(QColor(0xB8, 0xA0, 0x80), 0.8));
    p.setBrush(QColor(0xFF, 0xFC, 0xF2));
    p.drawRect(QRectF(0, 78, 122, 2.5));
    for (double x = 3; x < 120; x += 8) {
        QPainterPath picket;
        picket.moveTo(x, 86);
        picket.lineTo(x, 74);
        picket.lineTo(x + 2, 72);
        picket.lineTo(x + 4, 74);
        picket.lineTo(x + 4, 86);
        picket.closeSubpath();
        p.drawPath(picket);
    }
    // A path of sand winding to the front.
    QPainterPath sand;
    sand.moveTo(112, 84);
    sand.cubicTo(100, 96, 70, 104, 54, h);
    sand.lineTo(128, h);
    sand.cubicTo(118, 106, 124, 94, 120, 84);
    sand.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF2, 0xDE, 0xA8));
    p.drawPath(sand);
    // A tree at the right.
    p.setBrush(QColor(0x8A, 0x5A, 0x34));
    p.drawRect(QRectF(139, 52, 7, 42));
    for (QPointF at : {QPointF(142, 40), QPointF(132, 50), QPointF(153, 50), QPointF(142, 56)}) {
        p.setBrush(QColor(0x4E, 0xA4, 0x48));
        p.drawEllipse(at, 13, 11);
    }
    p.setBrush(QColor(0x6E, 0xC0, 0x5A));
    p.drawEllipse(QPointF(138, 38), 7, 5);
    p.setBrush(QColor(0xF0, 0x5A, 0x5A));
    for (QPointF at : {QPointF(134, 48), QPointF(148, 44), QPointF(144, 56)})
        p.drawEllipse(at, 2, 2);
    // Flowers in the grass.
    const QPointF flowers[] = {{8, 96},  {22, 110}, {36, 92}, {16, 118}, {44, 114}, {138, 100},
                               {150, 112}, {96, 118}, {66, 92}, {28, 100}, {146, 92}, {84, 95}};
    for (int i = 0; i < int(std::size(flowers)); ++i) {
        const QColor petal = i % 3 == 0 ? QColor(0xFF, 0xFF, 0xFF) : i % 3 == 1 ? QColor(0xFF, 0xE0, 0x50)
                                                                            : QColor(0xFF, 0x9C, 0xC0);
        p.setBrush(petal);
        for (QPointF d : {QPointF(-1.6, 0), QPointF(1.6, 0), QPointF(0, -1.6), QPointF(0, 1.6)})
            p.drawEllipse(flowers[i] + d, 1.3, 1.3);
        p.setBrush(QColor(0xF0, 0x9A, 0x20));
        p.drawEllipse(flowers[i], 0.9, 0.9);
    }
    return picture;
}

}  // namespace artgen
