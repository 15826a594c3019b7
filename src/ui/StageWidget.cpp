#include "ui/StageWidget.h"

#include "ui/Fonts.h"
#include "ui/ScreenPicture.h"

#include <QPainter>

namespace kirune {

StageWidget::StageWidget(Anim& anim, QWidget* parent) : QWidget(parent), anim(anim) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

QSize StageWidget::MeasureText(const QString& text, int points) {
    const QFontMetrics metrics(GameFont(kPGothic, points, true));
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}

void StageWidget::Sync() {
    setGeometry(anim.Shown().StageLeft, anim.Shown().StageTop, anim.Shown().StageW, anim.Shown().StageH);
    setVisible(anim.Shown().StageVisible);
    update();
}

void StageWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // The stage stands still during a shake, so the edges the jittering snapshot uncovers
    // show the stage itself.
    DrawScreenImage(p, QPoint(0, 0), anim.Shown().picStage);
    if (anim.Shown().WorkVisible)
        DrawScreenImage(p, QPoint(anim.Shown().WorkX, anim.Shown().WorkY), anim.Shown().picWork);
    if (anim.Shown().SpotVisible && !anim.Shown().picSpotStage.isNull())
        DrawScreenImage(p, QPoint(0, 0), anim.Shown().picSpotStage);
    for (const WordLabel& label : anim.Shown().lblWordEf) {
        if (!label.Visible)
            continue;
        p.setFont(GameFont(kPGothic, label.PointSize, true));
        p.setPen(QColor::fromRgb(QRgb(0xFF000000u | label.Color)));
        p.drawText(label.X, label.Y + p.fontMetrics().ascent(), label.Text);
    }
}

}  // namespace kirune
