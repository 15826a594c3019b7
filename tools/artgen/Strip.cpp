#include "Strip.h"

namespace artgen {

namespace {

// The cover at which a pixel counts as part of the shape.
int Threshold(Edge edge) {
    return edge == Edge::Inked ? 24 : 110;
}

}  // namespace

QImage MakeStrip(int w, int h, int frames, const std::function<void(QPainter&, int frame)>& draw, Edge edge) {
    QImage strip(w * frames, 2 * h, QImage::Format_RGB32);
    strip.fill(Qt::white);
    for (int k = 1; k <= frames; ++k) {
        QImage frame(w, h, QImage::Format_ARGB32_Premultiplied);
        frame.fill(Qt::transparent);
        {
            QPainter p(&frame);
            draw(p, k);
        }
        const QImage plain = frame.convertToFormat(QImage::Format_ARGB32);
        const int left = (k - 1) * w;
        for (int y = 0; y < h; ++y) {
            const auto* cover = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
            const auto* colour = reinterpret_cast<const QRgb*>(plain.constScanLine(y));
            auto* top = reinterpret_cast<QRgb*>(strip.scanLine(y)) + left;
            auto* mask = reinterpret_cast<QRgb*>(strip.scanLine(h + y)) + left;
            for (int x = 0; x < w; ++x) {
                const bool inside = qAlpha(cover[x]) >= Threshold(edge);
                // Premultiplied colour is the colour laid on black: an inked rim fades into it.
                const QRgb c = edge == Edge::Inked ? cover[x] : colour[x];
                top[x] = inside ? qRgb(qRed(c), qGreen(c), qBlue(c)) : qRgb(0, 0, 0);
                mask[x] = inside ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
            }
        }
    }
    return strip;
}

}  // namespace artgen
