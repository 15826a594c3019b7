#pragma once

#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace kirune {

// Pixel art drawn at the painter's scale. At a whole scale every picture pixel becomes a
// square block. At a fractional one (1.5) drawing it directly would make some blocks one
// screen pixel wider than others (a 3-pixel post as 4, 5, 4, 5 ...): it is enlarged block by
// block to the next whole scale and smoothed down from there, so every feature keeps its width.
class ScreenPicture {
public:
    ScreenPicture() = default;
    explicit ScreenPicture(const QString& path) { picture.load(path); }
    explicit ScreenPicture(QPixmap picture) : picture(std::move(picture)) {}

    bool isNull() const { return picture.isNull(); }
    void Draw(QPainter& p, const QRect& target);

private:
    QPixmap picture;
    QPixmap enlarged;  // only at a fractional scale
    int enlargedBy = 0;
};

// The same for a picture that changes on every frame, such as the stage.
void DrawScreenImage(QPainter& p, QPoint at, const QImage& image);

}  // namespace kirune
