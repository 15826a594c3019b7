#include "Draw.h"
#include "Layout.h"
#include "WindowArt.h"

namespace artgen {

namespace {

const QColor kCreamTop(0xFF, 0xFA, 0xEC);
const QColor kCreamBottom(0xFC, 0xE6, 0xBC);
const QColor kCaramel(0xC4, 0x84, 0x44);

QRectF Whole(const QImage& picture) {
    return QRectF(picture.rect()).adjusted(1, 1, -1, -2);
}

void CreamPanel(QPainter& p, const QImage& picture, double radius = 10) {
    FillPanel(p, Whole(picture), radius, kCreamTop, kCreamBottom, kCaramel);
}

void Smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

}  // namespace

QImage TitlePanel(const QImage& background) {
    QImage picture = Cut(background, kTitlePanel);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = Whole(picture);
    FillPanel(p, r, 16, QColor(0xFF, 0xFE, 0xF6), QColor(0xFF, 0xEE, 0xC4), QColor(0xD0, 0x86, 0x3C));
    // Stitching round the inside.
    p.setPen(QPen(QColor(0xE8, 0xB0, 0x70), 1.2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawPath(Rounded(r.adjusted(5, 5, -5, -5), 11));
    // A star at each end.
    for (double x : {20.0, r.right() - 20}) {
        p.setPen(QPen(QColor(0xE0, 0x8A, 0x20), 1.2));
        p.setBrush(QColor(0xFF, 0xD2, 0x4A));
        p.drawPath(Star(QPointF(x, r.center().y()), 9, 4));
    }
    return picture;
}

QImage LevelPanel(const QImage& background) {
    QImage picture = Cut(background, kLevelPanel);
    QPainter p(&picture);
    Smooth(p);
    CreamPanel(p, picture, 9);
    FillInset(p, QRectF(47, 4, 77, 17), 5, QColor(0xFF, 0xFF, 0xFF), QColor(0xE0, 0xC0, 0x90));
    FillInset(p, QRectF(47, 23, 77, 17), 5, QColor(0xFF, 0xFF, 0xFF), QColor(0xE0, 0xC0, 0x90));
    return picture;
}

QImage NumberPanel(const QImage& background) {
    QImage picture = Cut(background, kNumberPanel);
    QPainter p(&picture);
    Smooth(p);
    CreamPanel(p, picture, 12);
    FillInset(p, QRectF(25, 33, 59, 23), 6, Qt::white, QColor(0xE0, 0xC0, 0x90));
    FillInset(p, QRectF(20, 60, 68, 27), 7, QColor(0xFF, 0xF2, 0xFA), QColor(0xE8, 0xB0, 0xD0));
    return picture;
}

QImage TimerPanel(const QImage& background) {
    QImage picture = Cut(background, kTimerPanel);
    QPainter p(&picture);
    Smooth(p);
    FillPanel(p, Whole(picture), 10, QColor(0x56, 0x72, 0xB2), QColor(0x2C, 0x40, 0x72), QColor(0x1C, 0x2A, 0x50));
    FillInset(p, QRectF(60, 6, 112, 31), 7, QColor(0x1C, 0x28, 0x4C), QColor(0x7C, 0x94, 0xD0));
    return picture;
}

QImage AdvicePanel(const QImage& background) {
    QImage picture = Cut(background, kAdvicePanel);
    QPainter p(&picture);
    Smooth(p);
    FillPanel(p, Whole(picture), 12, QColor(0xEE, 0xFA, 0xE0), QColor(0xC8, 0xE6, 0xAC), QColor(0x62, 0x9A, 0x48));
    // The frame round the stage.
    const QRectF stage = QRectF(kAdviceStage).adjusted(-4, -4, 4, 4);
    p.fillPath(Rounded(stage.translated(0, 1.5), 7), QColor(40, 70, 20, 70));
    QLinearGradient wood(stage.topLeft(), stage.bottomLeft());
    wood.setColorAt(0, QColor(0xA6, 0xD4, 0x84));
    wood.setColorAt(1, QColor(0x5E, 0x98, 0x44));
    p.fillPath(Rounded(stage, 7), wood);
    p.setPen(QPen(QColor(0x3E, 0x6E, 0x2C), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(Rounded(stage.adjusted(0.6, 0.6, -0.6, -0.6), 7));
    p.fillRect(kAdviceStage, QColor(0xCF, 0xE8, 0xFF));
    // Little flowers down the free strip at the right.
    for (int i = 0; i < 3; ++i) {
        const QPointF c(165, 26 + i * 36);
        const QColor petal = i == 1 ? QColor(0xFF, 0xE0, 0x60) : QColor(0xFF, 0xA0, 0xC0);
        p.setPen(Qt::NoPen);
        p.setBrush(petal);
        for (int k = 0; k < 5; ++k) {
            p.save();
            p.translate(c);
            p.rotate(k * 72);
            p.drawEllipse(QPointF(0, -3.2), 2.2, 2.8);
            p.restore();
        }
        p.setBrush(QColor(0xF0, 0x9A, 0x30));
        p.drawEllipse(c, 1.8, 1.8);
    }
    // The hint button.
    const QRectF button(5, 127, 153, 26);
    FillButton(p, button, 12, QColor(0xFF, 0xF8, 0xC8), QColor(0xF6, 0xD8, 0x6A), QColor(0xB8, 0x8A, 0x2A));
    // A light bulb.
    const QPointF bulb(22, 138);
    p.setPen(QPen(QColor(0x9A, 0x6A, 0x10), 1.0));
    p.setBrush(QColor(0xFF, 0xE4, 0x40));
    p.drawEllipse(bulb, 5.2, 5.4);
    p.setBrush(QColor(0xA0, 0xA0, 0xA8));
    p.drawRoundedRect(QRectF(bulb.x() - 2.6, bulb.y() + 5, 5.2, 4), 1, 1);
    p.setPen(QPen(QColor(0xFF, 0xB0, 0x20), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (QPointF d : {QPointF(-8.5, -3), QPointF(8.5, -3), QPointF(0, -8.8)})
        p.drawLine(bulb + d, bulb + d * 1.25);
    return picture;
}

QImage CluePanel(const QImage& background) {
    QImage picture = Cut(background, kCluePanel);
    QPainter p(&picture);
    Smooth(p);
    FillPanel(p, Whole(picture), 12, QColor(0xFF, 0xFF, 0xFA), QColor(0xFF, 0xF2, 0xD6), kCaramel);
    // A tab at the left: "question".
    const QRectF tab(6, 12, 16, 50);
    p.fillPath(Rounded(tab, 5), QColor(0xF2, 0x8C, 0x3C));
    p.setPen(QPen(QColor(0xB8, 0x5E, 0x20), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(Rounded(tab, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(tab.center().x(), tab.top() + 30 + i * 6), 1.4, 1.4);
    // A pencil at the right.
    p.save();
    p.translate(408, 40);
    p.rotate(-55);
    p.setPen(QPen(QColor(0x5A, 0x3A, 0x20), 1.0));
    p.setBrush(QColor(0xFF, 0xC8, 0x3A));
    p.drawRect(QRectF(-16, -3.5, 24, 7));
    p.setBrush(QColor(0xFF, 0x9A, 0xA8));
    p.drawRoundedRect(QRectF(-21, -3.5, 5, 7), 1.5, 1.5);
    p.setBrush(QColor(0xC8, 0xC8, 0xC8));
    p.drawRect(QRectF(-17.5, -3.5, 2, 7));
    QPainterPath point;
    point.moveTo(8, -3.5);
    point.lineTo(15, 0);
    point.lineTo(8, 3.5);
    point.closeSubpath();
    p.setBrush(QColor(0xF6, 0xDC, 0xB4));
    p.drawPath(point);
    p.setBrush(QColor(0x40, 0x30, 0x28));
    p.drawEllipse(QPointF(13.6, 0), 1.3, 1.3);
    p.restore();
    return picture;
}

QImage KeypadButton(const QImage& background) {
    QImage picture = Cut(background, kKeypadButton);
    QPainter p(&picture);
    Smooth(p);
    const QRectF r(4, 7, 49, 41);
    FillButton(p, r, 10, QColor(0xB8, 0xEC, 0x8A), QColor(0x5C, 0xB0, 0x40), QColor(0x36, 0x80, 0x26));
    // A little keyboard.
    const QRectF keys(r.center().x() - 12, r.top() + 5, 24, 14);
    p.setPen(QPen(QColor(0x2A, 0x6A, 0x1E), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(keys, 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5C, 0xA0, 0x48));
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 5; ++col)
            p.drawRect(QRectF(keys.left() + 2.5 + col * 4, keys.top() + 2.5 + row * 4, 3, 3));
    p.drawRect(QRectF(keys.left() + 6, keys.top() + 10.5, 12, 2));
    return picture;
}

}  // namespace artgen
