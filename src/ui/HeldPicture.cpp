#include "ui/HeldPicture.h"

#include <QImage>

namespace kirune {

namespace {

// Longer than the pauses between the paints of a talk or of the clock, so that a picture being
// painted over and over is read once.
constexpr int kReleaseAfterMs = 2000;

}  // namespace

HeldPicture::HeldPicture(const QString& path) : path(path) {
    release.setSingleShot(true);
    release.setInterval(kReleaseAfterMs);
    QObject::connect(&release, &QTimer::timeout, [this] { picture = QPixmap(); });
}

const QPixmap& HeldPicture::Get() {
    if (picture.isNull() && !path.isEmpty()) {
        picture = QPixmap::fromImage(QImage(path));
        if (picture.isNull())
            path.clear();
    }
    if (!picture.isNull())
        release.start();
    return picture;
}

}  // namespace kirune
