#include "ui/ScreenPicture.h"

#include <cmath>

namespace kirune {

namespace {

// Longer than the pauses between the paints of a talk or of the clock, so that a picture being
// painted over and over is read once.
constexpr int kReleaseAfterMs = 2000;

// The next whole scale above a fractional one, or 0 at a whole scale.
int WholeScaleAbove(const QPainter& p) {
    const qreal scale = p.device()->devicePixelRatioF();
    const qreal whole = std::ceil(scale);
    return whole == scale ? 0 : int(whole);
}

}  // namespace

ScreenPicture::ScreenPicture(const QString& path) : path(path) {
    release.setSingleShot(true);
    release.setInterval(kReleaseAfterMs);
    QObject::connect(&release, &QTimer::timeout, [this] {
        picture = enlarged = QPixmap();
        enlargedBy = 0;
    });
}

ScreenPicture::ScreenPicture(QPixmap picture) : picture(std::move(picture)) {}

bool ScreenPicture::Draw(QPainter& p, const QRect& target) {
    if (picture.isNull() && !path.isEmpty()) {
        // Not QPixmap::load, whose cache would keep the pixels after they are let go.
        picture = QPixmap::fromImage(QImage(path));
        if (picture.isNull())
            path.clear();
    }
    if (picture.isNull())
        return false;
    if (!path.isEmpty())
        release.start();
    const int whole = WholeScaleAbove(p);
    if (whole == 0) {
        p.drawPixmap(target, picture);
        return true;
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
    return true;
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
