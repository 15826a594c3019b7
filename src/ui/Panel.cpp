#include "ui/Panel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace kirune {

Panel::Panel(QWidget* parent, const QString& picturePath, QRect geometry, QColor tint)
    : QWidget(parent), picture(picturePath), tint(tint) {
    setGeometry(geometry);
}

void Panel::paintEvent(QPaintEvent*) {
    const QPixmap& shown = picture.Get();
    // The picture covers the panel: what changes on it (the clock every second) is painted
    // without the window's background beneath.
    setAttribute(Qt::WA_OpaquePaintEvent, !shown.isNull());
    QPainter p(this);
    if (!shown.isNull()) {
        p.drawPixmap(rect(), shown);
        return;
    }
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, tint.lighter(125));
    fill.setColorAt(1, tint.darker(108));
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 9, 9);
    p.fillPath(path, fill);
    p.setPen(QPen(tint.darker(150), 2));
    p.drawPath(path);
}

ClickArea::ClickArea(QWidget* parent, QRect geometry, const QString& caption) : QLabel(caption, parent) {
    setGeometry(geometry);
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
}

void ClickArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

}  // namespace kirune
