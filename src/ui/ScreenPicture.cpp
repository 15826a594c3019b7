#include "ui/ScreenPicture.h"

#include <cmath>

namespace kirune {

namespace {

// The next whole scale above a fractional one, or 0 at a whole scale.
int WholeScaleAbove(const QPainter& p) {
    const qreal scale = p.device()->devicePixelRatioF();
    const qreal whole = std::ceil(scale);
    return whole == scale ? 0 : int(whole);
}

}  // namespace

void ScreenPicture::Draw(QPainter& p, const QRect& target) {
    const int whole = WholeScaleAbove(p);
    if (whole == 0) {
        p.drawPixmap(target, picture);
        return;
    }
    if (enlargedBy != whole) {
        enlarged = picture.scaled(picture.size() * whole, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        enlarged.setDevicePixelRatio(whole);
        enlargedBy = whole;
    }
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(target, enlarged);
    p.restore();
}

void DrawScreenImage(QPainter& p, QPoint at, const QImage& image) {
    const int whole = WholeScaleAbove(p);
    if (whole == 0) {
        p.drawImage(at, image);
        return;
    }
    QImage enlarged = image.scaled(image.size() * whole, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    enlarged.setDevicePixelRatio(whole);
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(at, image.size()), enlarged);
    p.restore();
}

}  // namespace kirune
