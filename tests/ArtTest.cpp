#include "library/Cp932Text.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>

namespace kirune {
namespace {

const QString kProgram = QStringLiteral(KIRUNE_PROGRAM_DIR "/");
const QString kCast = kProgram + QStringLiteral("Picture/cast/");

const char* const kMembers[] = {"父", "母", "兄", "姉"};  // tallest first

int Darkest(QRgb c) { return std::min({qRed(c), qGreen(c), qBlue(c)}); }
int Brightest(QRgb c) { return std::max({qRed(c), qGreen(c), qBlue(c)}); }

QImage Strip(const QString& name) {
    return QImage(kCast + name + QStringLiteral(".jpg")).convertToFormat(QImage::Format_RGB32);
}

TEST(ArtFiles, EveryWindowPictureLoadsAndTheWorldsFillTheStage) {
    // The window scales each picture into its place; the stage draws a world unscaled.
    for (const char* name : {"基本背景", "タイトル欄", "レベル欄", "問題番号欄", "タイマー欄", "アドバイス枠", "ダイヤル周り",
                             "出題文欄", "キー表示用ボタン", "ダイヤル左右", "ダイヤル上下", "スクロール上下", "スクロール左右", "キーパット"})
        EXPECT_FALSE(QImage(kProgram + QStringLiteral("sys/Picture/%1.jpg").arg(QString::fromUtf8(name))).isNull()) << name;
    EXPECT_EQ(QImage(kProgram + QStringLiteral("Picture/WorldPicture/オープニング背景.jpg")).size(), QSize(385, 330));
    EXPECT_EQ(QImage(kProgram + QStringLiteral("Picture/WorldPicture/背景(160x123).jpg")).size(), QSize(160, 123));
}

TEST(ArtFiles, SpriteStripsAreBlackAroundEachFigureAndWhiteAroundEachMask) {
    const auto table = ReadTextFile(kCast + QStringLiteral("CastData.csv"));
    ASSERT_TRUE(table);
    QStringList names = {QStringLiteral("背景スプライト"), QStringLiteral("流雲")};
    for (const char* member : kMembers)
        for (int mood = 1; mood <= 5; ++mood)
            names << QString::fromUtf8(member) + QString::number(mood);
    QList<QSize> memberSizes;  // at mood 1, tallest first
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        // The game takes the first row that starts with the name.
        const auto row = std::find_if(table->lines.begin(), table->lines.end(),
                                      [&](const QString& line) { return line.startsWith(name); });
        ASSERT_NE(row, table->lines.end());
        const QStringList f = row->split(u',');
        const int w = f[1].toInt(), h = f[2].toInt(), last = f[9].toInt();
        const bool family = name != QStringLiteral("背景スプライト") && name != QStringLiteral("流雲");
        if (family && name.endsWith(u'1'))
            memberSizes << QSize(w, h);
        EXPECT_TRUE(!family || QSize(w, h) == memberSizes.last()) << "a mood swap keeps the partner's centre and size";
        const QImage strip = Strip(name);
        ASSERT_FALSE(strip.isNull());
        ASSERT_EQ(strip.height(), 2 * h);
        ASSERT_EQ(strip.width() % w, 0);
        const int frames = strip.width() / w;
        EXPECT_GE(frames, family ? 9 : last) << "rest, gesture and talking frames";
        for (int k = 0; k < frames; ++k) {
            const int left = k * w;
            for (QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
                EXPECT_LT(Brightest(strip.pixel(corner + QPoint(left, 0))), 16) << "frame " << k + 1;
                EXPECT_GT(Darkest(strip.pixel(corner + QPoint(left, h))), 239) << "mask " << k + 1;
            }
            // The mask must cover the figure, and nothing bright may lie outside it.
            int leaks = 0, uncovered = 0;
            for (int y = 0; y < h; ++y)
                for (int x = left; x < left + w; ++x) {
                    const QRgb frame = strip.pixel(x, y), mask = strip.pixel(x, y + h);
                    leaks += Darkest(mask) > 200 && Brightest(frame) > 40;
                    uncovered += Brightest(frame) > 120 && Brightest(mask) > 128;
                }
            EXPECT_EQ(leaks, 0) << "frame " << k + 1;
            EXPECT_EQ(uncovered, 0) << "frame " << k + 1;
        }
    }
    for (qsizetype m = 1; m < memberSizes.size(); ++m)
        EXPECT_LT(memberSizes[m].height(), memberSizes[m - 1].height()) << kMembers[m] << " is shorter than the one before";
}

TEST(ArtFiles, TalkingFramesMoveTheMouthAndTheMoodsLookDifferent) {
    auto differing = [](const QImage& a, const QImage& b) {
        int count = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                count += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) > 90;
            }
        return count;
    };
    for (const char* member : kMembers) {
        std::vector<QImage> moods;
        for (int mood = 1; mood <= 5; ++mood)
            moods.push_back(Strip(QString::fromUtf8(member) + QString::number(mood)));
        const int h = moods[0].height() / 2, w = moods[0].width() / 9;
        auto frame = [&](int mood, int k) { return moods[size_t(mood - 1)].copy((k - 1) * w, 0, w, h); };
        for (int mood = 1; mood <= 5; ++mood) {
            EXPECT_GT(differing(frame(mood, 6), frame(mood, 8)), 10)
                << member << mood << ": the open mouth (frame 6) against the closed one (frame 8)";
            EXPECT_GT(differing(frame(mood, 1), frame(mood, 3)), 10) << member << mood << ": the gesture moves";
            for (int other = mood + 1; other <= 5; ++other)
                EXPECT_GT(differing(frame(mood, 1), frame(other, 1)), 10)
                    << member << ": moods " << mood << " and " << other << " at rest";
        }
    }
}

}  // namespace
}  // namespace kirune
