#pragma once

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QString>
#include <QTimer>

namespace kirune {

// A picture of the window, read from its file when first drawn and let go once nothing has drawn
// it for a while: most of the time it lies under widgets that paint themselves, and the window's
// background alone is 1.8 MB of pixels.
//
// It is drawn at the painter's scale. At a whole scale every picture pixel becomes a square
// block. At a fractional one (1.5) drawing it directly would make some blocks one screen pixel
// wider than others (a 3-pixel post as 4, 5, 4, 5 ...): it is enlarged block by block to the
// next whole scale and smoothed down from there, so every feature keeps its width.
class ScreenPicture {
public:
    explicit ScreenPicture(const QString& path);
    explicit ScreenPicture(QPixmap picture);  // held for good
    ScreenPicture(const ScreenPicture&) = delete;
    ScreenPicture& operator=(const ScreenPicture&) = delete;

    // Draws the picture over target; false when there is none (its file cannot be read, which
    // is not tried again).
    bool Draw(QPainter& p, const QRect& target);

private:
    QString path;  // emptied when the file cannot be read
    QPixmap picture;
    QPixmap enlarged;  // only at a fractional scale
    int enlargedBy = 0;
    QTimer release;
};

// The same for a picture that changes on every frame, such as the stage.
void DrawScreenImage(QPainter& p, QPoint at, const QImage& image);

}  // namespace kirune
