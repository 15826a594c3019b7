#include "ui/PictureCaptions.h"

#include "ui/Fonts.h"

#include <span>

namespace kirune {

namespace {

struct Caption {
    QRectF place;
    const char* text;  // UTF-8
    int pixels;
    QColor colour;
    QColor shadow = {};  // one pixel down and right; none when invalid
    int align = Qt::AlignCenter;
    QPointF pivot = {};  // a tilted caption's place is about this point
    qreal degrees = 0;
};

const QColor kBrown(0x6A, 0x42, 0x20);
const QColor kKeypadBrown(0x6A, 0x34, 0x16);

const Caption kWindowButtons[] = {
    {QRectF(624, 20, 49, 18), "?", 14, QColor(0x22, 0x70, 0xC0)},
    {QRectF(624, 39, 49, 15), "ヘルプ", 12, Qt::white, QColor(0x1A, 0x50, 0x88)},
    {QRectF(696, 39, 49, 15), "終了", 12, Qt::white, QColor(0x8A, 0x22, 0x1C)},
};

// A letter on one of the tilted tiles, in white shadowed with the tile's own colour.
Caption Tile(const char* letter, QColor tile, QPointF centre, qreal degrees) {
    return {QRectF(-18, -19, 36, 36), letter, 23, Qt::white, tile.darker(160), Qt::AlignCenter, centre, degrees};
}

// "ことばあそび" down the left side.
const Caption kWindowTiles[] = {
    Tile("こ", QColor(0xFF, 0x92, 0x92), {51, 116}, -8), Tile("と", QColor(0xFF, 0xC8, 0x5A), {65, 168}, 6),
    Tile("ば", QColor(0x8C, 0xD0, 0x78), {51, 220}, -5), Tile("あ", QColor(0x78, 0xBC, 0xF0), {65, 272}, 9),
    Tile("そ", QColor(0xB8, 0x96, 0xEC), {51, 324}, -7), Tile("び", QColor(0xFF, 0x9C, 0xC8), {65, 376}, 5),
};

const Caption kLevelPanel[] = {
    {QRectF(5, 4, 42, 17), "レベル", 12, kBrown},
    {QRectF(5, 23, 42, 17), "サイズ", 12, kBrown},
};

const Caption kNumberPanel[] = {
    {QRectF(4, 11, 100, 18), "問題数", 13, kBrown},
    {QRectF(4, 90, 100, 18), "番 目", 13, kBrown},
};

const Caption kTimerPanel[] = {
    {QRectF(6, 8, 56, 27), "経過時間", 12, QColor(0xD4, 0xE2, 0xFF)},
};

const Caption kAdvicePanel[] = {
    {QRectF(27, 127, 131, 26), "ヒントをもらう", 15, QColor(0x2A, 0x6E, 0x30), QColor(255, 255, 255, 200)},
};

const Caption kCluePanel[] = {
    {QRectF(6, 16, 16, 20), "問", 12, Qt::white},
};

const Caption kKeypadButton[] = {
    {QRectF(4, 29, 49, 16), "かな", 13, Qt::white, QColor(0x22, 0x5A, 0x16)},
};

const Caption kDialAcross[] = {
    {QRectF(41.5, 47, 28, 16), "ヨコ", 12, QColor(0xD8, 0x3C, 0x24).darker(130)},
};

const Caption kDialDown[] = {
    {QRectF(41.5, 47, 28, 16), "タテ", 12, QColor(0x1E, 0x58, 0xC8).darker(130)},
};

const Caption kKeypadWindow[] = {
    {QRectF(27, 1, 150, 16), "ローマ字 → かな", 11, QColor(0x7A, 0x46, 0x1E), {},
     Qt::AlignLeft | Qt::AlignVCenter},
    {QRectF(3, 18, 24, 17), "キー", 10, kKeypadBrown},
    {QRectF(3, 44, 24, 17), "かな", 10, kKeypadBrown},
};

std::span<const Caption> CaptionsOf(Captioned picture) {
    switch (picture) {
    case Captioned::None: return {};
    case Captioned::WindowButtons: return kWindowButtons;
    case Captioned::WindowTiles: return kWindowTiles;
    case Captioned::LevelPanel: return kLevelPanel;
    case Captioned::NumberPanel: return kNumberPanel;
    case Captioned::TimerPanel: return kTimerPanel;
    case Captioned::AdvicePanel: return kAdvicePanel;
    case Captioned::CluePanel: return kCluePanel;
    case Captioned::KeypadButton: return kKeypadButton;
    case Captioned::DialAcross: return kDialAcross;
    case Captioned::DialDown: return kDialDown;
    case Captioned::KeypadWindow: return kKeypadWindow;
    }
    return {};
}

}  // namespace

void DrawCaptions(QPainter& p, Captioned picture) {
    for (const Caption& caption : CaptionsOf(picture)) {
        p.save();
        p.setRenderHint(QPainter::TextAntialiasing);
        p.translate(caption.pivot);
        p.rotate(caption.degrees);
        p.setFont(GameFont(kPGothic, caption.pixels * 72.0 / 96.0, true));
        const QString text = QString::fromUtf8(caption.text);
        if (caption.shadow.isValid()) {
            p.setPen(caption.shadow);
            p.drawText(caption.place.translated(1, 1), caption.align, text);
        }
        p.setPen(caption.colour);
        p.drawText(caption.place, caption.align, text);
        p.restore();
    }
}

}  // namespace kirune
