#include "Icon.h"

#include "Draw.h"

#include <QPainter>

#include <cmath>

namespace artgen {

namespace {

// Which cells of the 3 x 3 corner are blocks, and where the letter stands.
constexpr bool kBlock[3][3] = {{false, false, true}, {false, true, false}, {false, false, false}};
constexpr int kLetterRow = 0, kLetterColumn = 0;

}  // namespace

QImage AppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The tile: a rounded square in the title's orange, lighter at the top.
    const double margin = std::max(1.0, size / 16.0);
    const QRectF tile(margin, margin, size - 2 * margin, size - 2 * margin);
    const double radius = tile.width() * 0.2;
    QLinearGradient warm(tile.topLeft(), tile.bottomLeft());
    warm.setColorAt(0, QColor(0xFF, 0xB8, 0x5C));
    warm.setColorAt(1, QColor(0xE0, 0x68, 0x20));
    p.fillPath(Rounded(tile, radius), warm);
    if (size >= 32)
        p.strokePath(Rounded(tile.adjusted(0.5, 0.5, -0.5, -0.5), radius), QPen(QColor(0x9A, 0x40, 0x10), size / 64.0));

    // The grid: three whole-pixel cells a side, so small sizes stay sharp.
    const int cells = 3;
    const int cell = std::max(3, int(std::floor(tile.width() * 0.78 / cells)));
    const int line = std::max(1, size / 48);
    const int grid = cells * cell + line;
    const int left = (size - grid) / 2, top = (size - grid) / 2;
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(left, top, grid, grid, QColor(0x30, 0x20, 0x18));
    for (int r = 0; r < cells; ++r)
        for (int c = 0; c < cells; ++c) {
            const QRect inner(left + c * cell + line, top + r * cell + line, cell - line, cell - line);
            if (kBlock[r][c])
                continue;
            const bool lit = r == kLetterRow && c == kLetterColumn;
            p.fillRect(inner, lit ? QColor(0xFF, 0xC0, 0x80) : QColor(0xFF, 0xFC, 0xF2));
        }

    // The letter, only where it can be read.
    if (size >= 48) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        const QRect letterCell(left + kLetterColumn * cell + line, top + kLetterRow * cell + line, cell - line,
                               cell - line);
        QFont font = JapaneseFont(std::max(6, int(cell * 0.8)), true);
        p.setFont(font);
        p.setPen(QColor(0x20, 0x18, 0x40));
        p.drawText(letterCell, Qt::AlignCenter, QStringLiteral("キ"));
    }
    return image;
}

}  // namespace artgen
