#include "Draw.h"
#include "Layout.h"
#include "WindowArt.h"

#include <cmath>

namespace artgen {

namespace {


void DrawWallpaper(QPainter& p) {
    QLinearGradient base(0, 0, 0, kWindowSize.height());
    base.setColorAt(0, QColor(0xFF, 0xF3, 0xDC));
    base.setColorAt(1, QColor(0xFB, 0xDB, 0xAE));
    p.fillRect(QRect(QPoint(0, 0), kWindowSize), base);
    // Soft dots in staggered rows.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    for (int row = 0; row * 22 < kWindowSize.height() + 22; ++row)
        for (int col = 0; col * 22 < kWindowSize.width() + 22; ++col)
            p.drawEllipse(QPointF(col * 22 + (row % 2) * 11, row * 22), 2.3, 2.3);
}

// A band along the top or the bottom of the window, its free edge rippling about edgeY.
void DrawBand(QPainter& p, double edgeY, bool top, QColor light, QColor dark) {
    QPainterPath band;
    const double w = kWindowSize.width(), h = kWindowSize.height();
    band.moveTo(0, top ? 0 : h);
    for (int x = 0; x <= w; x += 4)
        band.lineTo(x, edgeY + 4 * std::sin(x / 34.0));
    band.lineTo(w, top ? 0 : h);
    band.closeSubpath();
    QLinearGradient fill(0, top ? 0 : edgeY, 0, top ? edgeY : h);
    fill.setColorAt(0, top ? light : dark);
    fill.setColorAt(1, top ? dark : light);
    p.setPen(Qt::NoPen);
    p.fillPath(band.translated(0, top ? 3 : -3), QColor(255, 255, 255, 150));
    p.fillPath(band, fill);
    // A row of small stars along the band.
    p.setBrush(QColor(255, 255, 255, 70));
    for (int x = 20; x < w; x += 46)
        p.drawPath(Star(QPointF(x, top ? edgeY - 10 + 4 * std::sin(x / 34.0) : edgeY + 14 + 4 * std::sin(x / 34.0)),
                        3.4, 1.5));
}

// Letter tiles down the left side; the game writes "ことばあそび" on them.
void DrawTiles(QPainter& p) {
    const QColor colours[] = {QColor(0xFF, 0x92, 0x92), QColor(0xFF, 0xC8, 0x5A), QColor(0x8C, 0xD0, 0x78),
                              QColor(0x78, 0xBC, 0xF0), QColor(0xB8, 0x96, 0xEC), QColor(0xFF, 0x9C, 0xC8)};
    const double tilt[] = {-8, 6, -5, 9, -7, 5};
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.translate(58 + (i % 2 == 0 ? -7 : 7), 116 + i * 52);
        p.rotate(tilt[i]);
        const QRectF tile(-18, -18, 36, 36);
        p.setPen(Qt::NoPen);
        p.fillPath(Rounded(tile.translated(1.5, 4), 8), QColor(90, 50, 10, 50));
        p.fillPath(Rounded(tile.translated(0, 3), 8), colours[i].darker(125));
        QLinearGradient face(tile.topLeft(), tile.bottomLeft());
        face.setColorAt(0, colours[i].lighter(118));
        face.setColorAt(1, colours[i]);
        p.fillPath(Rounded(tile, 8), face);
        p.setPen(QPen(QColor(255, 255, 255, 160), 1.4));
        p.drawPath(Rounded(tile.adjusted(2.5, 2.5, -2.5, -2.5), 6));
        p.restore();
    }
}

// The frame around the board window, with a faint grid inside for a board smaller than it.
void DrawBoardFrame(QPainter& p) {
    const QRectF outer = QRectF(kBoard).adjusted(-11, -11, 11, 11);
    p.setPen(Qt::NoPen);
    for (int i = 4; i >= 1; --i)
        p.fillPath(Rounded(outer.translated(0, i), 16), QColor(90, 50, 10, 20));
    QLinearGradient wood(outer.topLeft(), outer.bottomLeft());
    wood.setColorAt(0, QColor(0xF0, 0xC0, 0x80));
    wood.setColorAt(1, QColor(0xD0, 0x92, 0x52));
    p.fillPath(Rounded(outer, 16), wood);
    p.setPen(QPen(QColor(255, 240, 210, 170), 1.6));
    p.drawPath(Rounded(outer.adjusted(2.5, 2.5, -2.5, -2.5), 14));
    p.setPen(QPen(QColor(0x9A, 0x60, 0x2C), 2));
    p.drawPath(Rounded(outer.adjusted(1, 1, -1, -1), 16));
    // Studs in the corners.
    for (QPointF at : {outer.topLeft() + QPointF(8, 8), outer.topRight() + QPointF(-8, 8),
                       outer.bottomLeft() + QPointF(8, -8), outer.bottomRight() + QPointF(-8, -8)}) {
        QRadialGradient stud(at - QPointF(1, 1), 3.5);
        stud.setColorAt(0, QColor(0xFF, 0xF0, 0xC0));
        stud.setColorAt(1, QColor(0xC0, 0x80, 0x30));
        p.setPen(Qt::NoPen);
        p.setBrush(stud);
        p.drawEllipse(at, 3, 3);
    }
    const QRectF inner = QRectF(kBoard).adjusted(-3, -3, 3, 3);
    p.fillPath(Rounded(inner, 5), QColor(0x8A, 0x58, 0x2A));
    p.fillRect(kBoard, QColor(0xFF, 0xFB, 0xEE));
    p.setPen(QPen(QColor(0xF2, 0xE4, 0xC4), 1));
    for (int c = 1; c < 11; ++c)
        p.drawLine(kBoard.left() + c * 35, kBoard.top(), kBoard.left() + c * 35, kBoard.bottom());
    for (int r = 1; r < 10; ++r)
        p.drawLine(kBoard.left(), kBoard.top() + r * 33, kBoard.right(), kBoard.top() + r * 33);
    // A soft shadow inside the top edge.
    QLinearGradient shade(0, kBoard.top(), 0, kBoard.top() + 6);
    shade.setColorAt(0, QColor(80, 40, 0, 70));
    shade.setColorAt(1, QColor(80, 40, 0, 0));
    p.fillRect(QRect(kBoard.left(), kBoard.top(), kBoard.width(), 6), shade);
}

void DrawHelpButton(QPainter& p) {
    const QRectF r = kHelpButton;
    FillButton(p, r, 10, QColor(0x9C, 0xDA, 0xFF), QColor(0x38, 0x94, 0xDC), QColor(0x22, 0x62, 0x9E));
    QPainterPath badge;
    badge.addEllipse(QPointF(r.center().x(), r.top() + 13), 8, 8);
    p.fillPath(badge, Qt::white);
}

void DrawEndButton(QPainter& p) {
    const QRectF r = kEndButton;
    FillButton(p, r, 10, QColor(0xFF, 0xA8, 0x98), QColor(0xE2, 0x50, 0x48), QColor(0xA0, 0x30, 0x2A));
    // A power sign.
    const QPointF c(r.center().x(), r.top() + 13);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - 7, c.y() - 7, 14, 14), 120 * 16, 300 * 16);
    p.drawLine(c + QPointF(0, -8.5), c + QPointF(0, -1));
    p.restore();
}

}  // namespace

QImage WindowBackground() {
    QImage picture(kWindowSize, QImage::Format_RGB32);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    DrawWallpaper(p);
    DrawBand(p, 88, true, QColor(0xFF, 0xC6, 0x86), QColor(0xF6, 0x9C, 0x5C));
    DrawBand(p, 562, false, QColor(0xFF, 0xC6, 0x86), QColor(0xF0, 0x94, 0x56));
    DrawTiles(p);
    DrawBoardFrame(p);
    DrawHelpButton(p);
    DrawEndButton(p);
    return picture;
}

}  // namespace artgen
