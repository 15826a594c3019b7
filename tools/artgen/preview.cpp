// artpreview: lays out the pictures artgen wrote, for looking at them together:
//
//   artpreview PROGRAM_FOLDER OUT_FOLDER
//
// writes sheet.png (every picture), window.png (the panels in place with a partner on the
// play stage), title.png (the family on the title stage) and cast-NAME.png (each member's
// frames for every mood, painted over the play world the way the stage paints them).

#include "Figure.h"
#include "Layout.h"
#include "Poses.h"

#include <QDir>
#include <QDirIterator>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

namespace {

QString folder;

QImage Load(const QString& relative) {
    QImage image(folder + relative);
    if (image.isNull())
        std::fprintf(stderr, "artpreview: cannot read %s\n", qUtf8Printable(relative));
    return image.convertToFormat(QImage::Format_RGB32);
}

// As the stage paints a sprite: the mask ANDed, then the frame ORed.
void PaintSprite(QImage& target, const QImage& strip, int w, int h, int frame, QPoint at) {
    QPainter p(&target);
    p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    p.drawImage(at, strip, QRect((frame - 1) * w, h, w, h));
    p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    p.drawImage(at, strip, QRect((frame - 1) * w, 0, w, h));
}

QFont Face(int pixels, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void Text(QPainter& p, QRect r, const QString& text, int pixels, QColor color, int flags = Qt::AlignCenter) {
    p.setFont(Face(pixels, true));
    p.setPen(color);
    p.drawText(r, flags, text);
}

QImage Window(bool title) {
    using namespace artgen;
    QImage window = Load(QStringLiteral("sys/Picture/基本背景.jpg"));
    QPainter p(&window);
    Text(p, kTitlePanel.translated(0, 0).adjusted(0, 19, -8, -23), QStringLiteral("Kirune"), 21, Qt::blue);
    if (title) {
        QImage stage = Load(QStringLiteral("Picture/WorldPicture/オープニング背景.jpg"));
        const struct {
            const char* name;
            QPoint at;
        } places[] = {{"父", {72, 111}}, {"母", {192, 111}}, {"姉", {22, 176}}, {"兄", {242, 176}}};
        for (const auto& place : places)
            for (const Member& m : Family())
                if (QString::fromUtf8(m.name) == QString::fromUtf8(place.name))
                    PaintSprite(stage, Load(QStringLiteral("Picture/cast/") + QString::fromUtf8(m.name) + QStringLiteral("4.jpg")),
                                m.w, m.h, 1, place.at);
        p.drawImage(130, 96, stage);
        p.drawImage(kTitlePanel.topLeft(), Load(QStringLiteral("sys/Picture/タイトル欄.jpg")));
        Text(p, QRect(kTitlePanel.left(), kTitlePanel.top() + 19, 305, 25), QStringLiteral("Kirune"), 21, Qt::blue);
        return window;
    }
    const struct {
        const char* name;
        QRect place;
    } panels[] = {{"タイトル欄", kTitlePanel},     {"レベル欄", kLevelPanel},         {"タイマー欄", kTimerPanel},
                  {"アドバイス枠", kAdvicePanel},  {"ダイヤル周り", kDialPanel},      {"問題番号欄", kNumberPanel},
                  {"出題文欄", kCluePanel},        {"キー表示用ボタン", kKeypadButton}, {"スクロール左右", kScrollAcross},
                  {"スクロール上下", kScrollDown}};
    for (const auto& panel : panels)
        p.drawImage(panel.place.topLeft(), Load(QStringLiteral("sys/Picture/") + QString::fromUtf8(panel.name) + QStringLiteral(".jpg")));
    p.drawImage(kDialPanel.topLeft() + kDial.topLeft(), Load(QStringLiteral("sys/Picture/ダイヤル左右.jpg")));
    // Sample values where the game prints them.
    Text(p, QRect(kTitlePanel.left(), kTitlePanel.top() + 19, 305, 25), QStringLiteral("Kirune"), 21, Qt::blue);
    Text(p, QRect(kLevelPanel.topLeft() + QPoint(50, 4), QSize(69, 17)), QStringLiteral("★★☆"), 13, Qt::red,
         Qt::AlignLeft | Qt::AlignVCenter);
    Text(p, QRect(kLevelPanel.topLeft() + QPoint(48, 22), QSize(69, 17)), QStringLiteral("13×12"), 15, Qt::red,
         Qt::AlignLeft | Qt::AlignVCenter);
    Text(p, QRect(kTimerPanel.topLeft() + QPoint(62, 8), QSize(110, 27)), QStringLiteral("12:34"), 27, Qt::white);
    Text(p, QRect(kNumberPanel.topLeft() + QPoint(28, 34), QSize(53, 21)), QStringLiteral("24"), 19, QColor(0, 0, 0xC0));
    Text(p, QRect(kNumberPanel.topLeft() + QPoint(23, 61), QSize(62, 25)), QStringLiteral("7"), 21, QColor(0xFF, 0, 0xFF));
    Text(p, QRect(kCluePanel.topLeft() + QPoint(26, 15), QSize(365, 41)),
         QStringLiteral("秋になると赤や黄色に色づく、木の葉のこと。"), 19, Qt::black,
         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
    const char* captions[4] = {"取り消し", "文字消去", "問題変更", "完 成"};
    const QRect spots[4] = {{1, 6, 78, 25}, {88, 6, 78, 25}, {0, 140, 78, 25}, {86, 140, 78, 25}};
    for (int i = 0; i < 4; ++i)
        Text(p, spots[i].translated(kDialPanel.topLeft()), QString::fromUtf8(captions[i]), 16, QColor(0x80, 0, 0));
    // A few cells of a board.
    for (int c = 0; c < 9; ++c)
        for (int r = 0; r < 8; ++r) {
            const QRect cell(kBoard.left() + 35 + c * 35, kBoard.top() + 33 + r * 33, 35, 33);
            p.fillRect(cell.adjusted(0, 0, -1, -1), (c + r) % 5 == 0 ? QColor(0x30, 0x30, 0x30) : Qt::white);
            p.setPen(QColor(0x80, 0x80, 0x80));
            p.drawRect(cell.adjusted(0, 0, -1, -1));
        }
    // The play stage: the world from x 12, the cloud, the bird and the partner.
    QImage world = Load(QStringLiteral("Picture/WorldPicture/背景(160x123).jpg"));
    QImage stage = world.copy(12, 0, kAdviceStage.width(), kAdviceStage.height());
    PaintSprite(stage, Load(QStringLiteral("Picture/cast/流雲.jpg")), 56, 24, 1, QPoint(45 - 12, -6));
    PaintSprite(stage, Load(QStringLiteral("Picture/cast/背景スプライト.jpg")), 24, 16, 1, QPoint(96, 20));
    PaintSprite(stage, Load(QStringLiteral("Picture/cast/姉4.jpg")), 48, 88, 6, QPoint(14, 116 - 88 - 2));
    p.drawImage(kAdvicePanel.topLeft() + kAdviceStage.topLeft(), stage);
    return window;
}

QImage Cast(const artgen::Member& m) {
    const int scale = 2, pad = 4;
    const QImage world = Load(QStringLiteral("Picture/WorldPicture/背景(160x123).jpg"));
    const int cellW = m.w + 2 * pad, cellH = m.h + 2 * pad;
    QImage sheet(artgen::kFigureFrames * cellW, 5 * cellH, QImage::Format_RGB32);
    sheet.fill(QColor(0x40, 0x40, 0x40));
    for (int mood = 1; mood <= 5; ++mood) {
        const QImage strip = Load(QStringLiteral("Picture/cast/") + QString::fromUtf8(m.name) + QString::number(mood) + QStringLiteral(".jpg"));
        for (int f = 1; f <= artgen::kFigureFrames; ++f) {
            QImage cell = world.copy(20, world.height() - cellH, cellW, cellH);
            PaintSprite(cell, strip, m.w, m.h, f, QPoint(pad, pad));
            QPainter p(&sheet);
            p.drawImage((f - 1) * cellW, (mood - 1) * cellH, cell);
        }
    }
    return sheet.scaled(sheet.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// The heads close up: each member's five moods at rest, then mood 3 talking.
QImage Faces() {
    const int scale = 5, cellW = 64, cellH = 48;
    const int columns[][2] = {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {3, 6}, {3, 7}, {3, 8}, {5, 3}};
    QImage sheet(int(std::size(columns)) * cellW, 4 * cellH, QImage::Format_RGB32);
    sheet.fill(QColor(0x80, 0xC0, 0xF0));
    QPainter p(&sheet);
    int row = 0;
    for (const artgen::Member& m : artgen::Family()) {
        for (int c = 0; c < int(std::size(columns)); ++c) {
            const QImage strip = Load(QStringLiteral("Picture/cast/") + QString::fromUtf8(m.name) +
                                      QString::number(columns[c][0]) + QStringLiteral(".jpg"));
            QImage whole(m.w, m.h, QImage::Format_RGB32);
            whole.fill(QColor(0xA0, 0xD8, 0x90));
            PaintSprite(whole, strip, m.w, m.h, columns[c][1], QPoint(0, 0));
            p.drawImage(c * cellW + (cellW - m.w) / 2, row * cellH, whole.copy(0, 0, m.w, cellH));
        }
        ++row;
    }
    p.end();
    return sheet.scaled(sheet.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// The small pictures at three times their size, and the bird and cloud over the sky.
QImage Details() {
    const char* names[] = {"ダイヤル左右", "ダイヤル上下", "スクロール上下", "スクロール左右", "キー表示用ボタン",
                           "キーパット", "レベル欄", "タイマー欄"};
    QImage sheet(900, 420, QImage::Format_RGB32);
    sheet.fill(QColor(0x70, 0x70, 0x78));
    QPainter p(&sheet);
    int x = 4, y = 4, rowH = 0;
    for (const char* name : names) {
        const QImage image = Load(QStringLiteral("sys/Picture/") + QString::fromUtf8(name) + QStringLiteral(".jpg"));
        if (x + image.width() > sheet.width()) {
            x = 4;
            y += rowH + 4;
            rowH = 0;
        }
        p.drawImage(x, y, image);
        x += image.width() + 4;
        rowH = std::max(rowH, image.height());
    }
    QImage sky = Load(QStringLiteral("Picture/WorldPicture/背景(160x123).jpg")).copy(0, 0, 160, 40);
    QImage row(4 * 30 + 64, 40, QImage::Format_RGB32);
    QPainter r(&row);
    for (int f = 1; f <= 4; ++f) {
        QImage cell = sky.copy(0, 8, 28, 24);
        PaintSprite(cell, Load(QStringLiteral("Picture/cast/背景スプライト.jpg")), 24, 16, f, QPoint(2, 4));
        r.drawImage((f - 1) * 30, 0, cell);
    }
    QImage cloud = sky.copy(0, 0, 62, 30);
    PaintSprite(cloud, Load(QStringLiteral("Picture/cast/流雲.jpg")), 56, 24, 1, QPoint(3, 3));
    r.drawImage(4 * 30, 0, cloud);
    r.end();
    p.drawImage(4, y + rowH + 4, row);
    p.end();
    return sheet.scaled(sheet.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .copy(0, 0, 2700, (y + rowH + 50) * 3);
}

QImage Sheet() {
    QImage sheet(1800, 2600, QImage::Format_RGB32);
    sheet.fill(QColor(0x70, 0x70, 0x78));
    QPainter p(&sheet);
    int x = 8, y = 8, rowH = 0;
    QDirIterator it(folder, {QStringLiteral("*.jpg")}, QDir::Files, QDirIterator::Subdirectories);
    QStringList files;
    while (it.hasNext())
        files << it.next();
    // The window's pictures first, then the worlds and the cast.
    std::sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
        const bool sysA = a.contains(QStringLiteral("/sys/")), sysB = b.contains(QStringLiteral("/sys/"));
        return sysA != sysB ? sysA : a < b;
    });
    for (const QString& file : files) {
        const QImage image(file);
        if (x + image.width() > sheet.width()) {
            x = 8;
            y += rowH + 22;
            rowH = 0;
        }
        p.drawImage(x, y + 14, image);
        p.setPen(Qt::white);
        p.setFont(Face(11, false));
        p.drawText(x, y + 11, QFileInfo(file).completeBaseName());
        x += image.width() + 10;
        rowH = std::max(rowH, image.height() + 14);
    }
    return sheet.copy(0, 0, sheet.width(), std::min(sheet.height(), y + rowH + 10));
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: artpreview PROGRAM_FOLDER OUT_FOLDER\n");
        return 2;
    }
    folder = args[1] + u'/';
    const QDir out(args[2]);
    Details().save(out.filePath(QStringLiteral("details.png")));
    Faces().save(out.filePath(QStringLiteral("faces.png")));
    Sheet().save(out.filePath(QStringLiteral("sheet.png")));
    Window(false).save(out.filePath(QStringLiteral("window.png")));
    Window(true).save(out.filePath(QStringLiteral("title.png")));
    for (const artgen::Member& m : artgen::Family())
        Cast(m).save(out.filePath(QStringLiteral("cast-") + QString::fromUtf8(m.name) + QStringLiteral(".png")));
    return 0;
}
