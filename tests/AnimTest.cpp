#include "anim/Anim.h"
#include "library/Cp932Text.h"
#include "support/AnimPeer.h"
#include "support/SimGame.h"
#include "support/SimHost.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kirune {
namespace {

// A picture strip of frames w x h: each frame a filled circle of its colour on black, the
// masks below it black where the circle is and white around.
QImage Strip(int w, int h, int frames, QColor color) {
    QImage strip(w * frames, 2 * h, QImage::Format_RGB32);
    strip.fill(Qt::black);
    QPainter p(&strip);
    p.fillRect(0, h, w * frames, h, Qt::white);
    for (int f = 0; f < frames; ++f) {
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawEllipse(f * w + 2, 2, w - 4, h - 4);
        p.setBrush(Qt::black);
        p.drawEllipse(f * w + 2, h + 2, w - 4, h - 4);
    }
    return strip;
}

class Stage : public ::testing::Test {
protected:
    Stage() : effect(host), talk(host, effect), anim(host, random, talk) {
        const QString cast = dir.path() + QStringLiteral("/Picture/cast/");
        QDir().mkpath(cast);
        QDir().mkpath(dir.path() + QStringLiteral("/Picture/WorldPicture"));
        // name, W, H, X, Y, active, spare, frame, first, last, wait, jitter kind, wait, range,
        // mode, direction, wait, step, delay, pose mode, pose waits.
        const QStringList rows = {
            QStringLiteral("; cast for the tests"), QStringLiteral("姉10,40,80,0,0,1,0,1,1,1,0"),
            QStringLiteral("姉1,60,80,0,0,1"), QStringLiteral("雲,20,20,100,50,1,0,1,1,3,0,0,0,0,21,4,1,2,30"),
            QStringLiteral("玉,20,20,100,100,1,0,1,1,1,5"),
            QStringLiteral("母1,40,40,10,10,1,0,1,1,9,4,0,0,0,0,0,0,0,0,0,1,2"), QStringLiteral("母2,60,40,0,0,1"),
            QStringLiteral("母3,40,40,0,0,1"), QStringLiteral("母4,40,40,10,10,1,0,1,1,9,4,0,0,0,0,0,0,0,0,0,1,2"),
            QStringLiteral("母5,40,40,0,0,1"), QStringLiteral("星,20,20,0,0,1,0,2147483647,1,1")};
        WriteTextFile(cast + QStringLiteral("CastData.csv"), rows);
        for (const QString& row : rows.mid(1))
            Strip(60, 80, 9, Qt::red).save(cast + row.section(u',', 0, 0) + QStringLiteral(".jpg"), "PNG");
        AnimPeer::SetProgramFolder(anim, dir.path() + u'/');
        anim.assetError = [this](const QString& what) { errors << what; };
        anim.SetStageArea(130, 96, 385, 330);
        anim.SetWorldSize(800, 400, 1);
    }
    SpriteRec& S(int s) { return AnimPeer::Sprite(anim, s); }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i)
            anim.AnimTick();
    }

    QTemporaryDir dir;
    SimHost host;
    Random random;
    Effect effect;
    TalkEngine talk;
    Anim anim;
    QStringList errors;
};

TEST_F(Stage, SpritesComeFromTheirCastRowsByPrefixAndReuseFreeSlots) {
    const int first = anim.LoadSprite(QStringLiteral("姉1"));
    EXPECT_EQ(S(first).W, 40) << "the 姉10 row stands first and starts with 姉1";
    const int cloud = anim.LoadSprite(QStringLiteral("雲"));
    const int ball = anim.LoadSprite(QStringLiteral("玉"));
    EXPECT_EQ((std::vector{S(cloud).MoveWait, S(ball).JitterWait, S(ball).WrapDelay, S(cloud).WrapAt}),
              (std::vector{1, 1, 1, 1})) << "zero waits become 1";
    anim.FreeSprite(cloud);
    const int again = anim.LoadSprite(QStringLiteral("玉"));
    EXPECT_EQ(again, cloud) << "a freed slot is taken again";
    EXPECT_EQ(size_t(anim.SpriteCount()), 4u);
    // One picture read once for both balls, and let go when the last of them is freed.
    const QImage& held = AnimPeer::Cells(anim)[size_t(S(ball).Cell)].strip;
    EXPECT_EQ(S(again).Cell, S(ball).Cell);
    anim.FreeSprite(ball);
    EXPECT_FALSE(held.isNull());
    anim.FreeSprite(again);
    EXPECT_TRUE(held.isNull());
    EXPECT_TRUE(errors.isEmpty());
    // Unknown names, and a frame number no strip has, which would take the picture's cut far
    // outside int.
    for (const QString& name : {QStringLiteral("犬"), QString(), QStringLiteral("星")})
        EXPECT_EQ(anim.LoadSprite(name), 0) << name.toStdString();
    ASSERT_EQ(errors.size(), 3);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("犬")));
    EXPECT_TRUE(errors[2].contains(QStringLiteral("星")) && errors[2].contains(QStringLiteral("32767")));
}

TEST_F(Stage, TheTickMovesDrawsAndRetiresSpritesByTheirMode) {
    const int scenery = anim.LoadSprite(QStringLiteral("玉")), hidden = anim.LoadSprite(QStringLiteral("玉"));
    for (int s : {scenery, hidden})
        std::tie(S(s).MoveDir, S(s).MoveStep) = std::pair(6, 5);
    S(hidden).Mode = -1;
    const int leaving = anim.LoadSprite(QStringLiteral("玉"));
    anim.SetSpriteMove(leaving, 31, 4, 1, 50, 1);
    Ticks(10);
    EXPECT_EQ(std::pair(S(scenery).X, S(scenery).Frame), std::pair(100, 1)) << "scenery never moves steadily";
    EXPECT_EQ(S(hidden).X, 100) << "mode -1 is neither moved nor drawn";
    EXPECT_EQ(S(leaving).Active, 0) << "mode 31 leaves for good once past the margin";
    anim.SetView(0, 0, 0);
    S(leaving).X = 100;
    Ticks(5);
    EXPECT_EQ(S(leaving).X, 100) << "and stays inactive when the view comes back";

    S(scenery).X = 700;  // out of view: skipped, frame frozen
    const int frame = S(scenery).Frame;
    S(scenery).FrameLast = 5;
    Ticks(3);
    EXPECT_EQ(S(scenery).Frame, frame);
}

TEST_F(Stage, AWrappingSpriteReentersItsDelayAfterLeavingAlsoOverTheCountersWrap) {
    const int cloud = anim.LoadSprite(QStringLiteral("雲"));  // mode 21, left, step 2, delay 30
    // Out of view at the start: the first tick places it at its entry edge.
    S(cloud).X = -100;
    Ticks(2);
    EXPECT_EQ(S(cloud).X, 385 - 2);
    EXPECT_EQ(S(cloud).WrapArmed, 1);
    // Leave on the left: the first tick out of view starts the delay.
    S(cloud).X = -20 - 16 + 1;
    int firstOut = -1;
    for (int i = 0; i < 100 && S(cloud).X != 385; ++i) {
        anim.AnimTick();
        if (firstOut < 0 && S(cloud).X <= -20 - 16)
            firstOut = anim.AnimCount();
    }
    ASSERT_GT(firstOut, 0);
    EXPECT_EQ(anim.AnimCount() - (firstOut + 1), 30) << "re-entry exactly WrapDelay ticks after the first tick out";

    AnimPeer::AnimCount(anim) = 1000000;
    S(cloud).WrapAt = 1000005;
    S(cloud).WrapArmed = 0;
    S(cloud).X = -500;
    anim.AnimTick();
    EXPECT_EQ(anim.AnimCount(), 1);
    EXPECT_EQ(S(cloud).WrapAt, 5) << "a pending re-entry wraps with the counter";
}

// The view goes along with a walking sprite, keeping it where it stands on the stage, until
// the limit or the world's edge; either way, and then back.
TEST_F(Stage, TheViewFollowsAWalkingSprite) {
    const int walker = anim.LoadSprite(QStringLiteral("玉"));
    anim.StartAnim();
    anim.SetView(0, 0, 0);
    anim.SetSpritePos(walker, 180, 100);  // in the middle of the stage already
    anim.SetSpriteMove(walker, SpriteMode::MovesOn, 6, 1, 2, 1);
    anim.FollowSprite(walker, 200, 0);
    EXPECT_GE(anim.ViewX(), 200);
    EXPECT_NEAR(S(walker).X - anim.ViewX(), 180, 8) << "the sprite kept its place on the stage";

    anim.SetSpriteMove(walker, SpriteMode::MovesOn, 4, 1, 2, 1);
    anim.FollowSprite(walker, 50, 0);
    EXPECT_LE(anim.ViewX(), 50);
    EXPECT_NEAR(S(walker).X - anim.ViewX(), 180, 8);
}

TEST_F(Stage, ViewsClampAndSwapsKeepTheCentre) {
    anim.SetView(-20, anim.ViewMaxY() + 50, 0);
    EXPECT_EQ(std::pair(anim.ViewX(), anim.ViewY()), std::pair(0, anim.ViewMaxY()));
    for (const auto& [x, clamped] : {std::pair{10, 10}, {1000, 800 - 385}}) {
        anim.SetView(x, 0, 1);
        EXPECT_EQ(anim.ViewX(), clamped);
    }

    const int wide = anim.LoadSprite(QStringLiteral("姉1"));  // the 姉10 row: 40 x 80
    S(wide).W = 60;
    const int narrow = anim.LoadSprite(QStringLiteral("姉10"));
    S(wide).X = 100;
    anim.SwapSpritePicture(wide, narrow);
    EXPECT_EQ(std::pair(S(wide).X, S(wide).W), std::pair(110, 40));
}

// A hidden sprite's picture waits as its file: the partner's five moods hold one strip.
TEST_F(Stage, OnlyThePicturesOfShownSpritesAreHeld) {
    const auto& cells = AnimPeer::Cells(anim);
    auto held = [&] {
        std::vector<int> held;
        for (size_t c = 1; c < cells.size(); ++c)
            if (!cells[c].strip.isNull())
                held.push_back(int(c));
        return held;
    };
    const int partner = anim.LoadMoodSet(QStringLiteral("母"), 5);
    const int shown = S(partner).Cell;
    EXPECT_EQ(held(), std::vector{shown});
    anim.SetMood(QStringLiteral("=1"));
    EXPECT_EQ(held(), std::vector{S(partner).Cell}) << "the mood swapped away is let go, the new one read";
    S(partner).X = 0;
    anim.AnimTick();
    EXPECT_EQ(anim.Shown().picStage.pixel(30, 40), qRgb(255, 0, 0)) << "and painted";
    anim.SetMood(QStringLiteral("=4"));
    EXPECT_EQ(held(), std::vector{shown});
    anim.HideSprite(partner);
    EXPECT_TRUE(held().empty());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(Stage, MoodsChangeByWordAndTheTalkingPoseWaitsForFrameOne) {
    anim.StartAnim();
    const int partner = anim.LoadMoodSet(QStringLiteral("母"), 5);
    EXPECT_EQ(anim.Mood(), 4);
    EXPECT_EQ(S(partner).W, 40) << "母4";
    const std::pair<const char*, int> words[] = {{"+1", 5}, {"+3", 5}, {"=1", 1}, {"-1", 1}, {"=2", 2}, {"x", 2}};
    for (const auto& [word, level] : words) {
        anim.SetMood(QString::fromLatin1(word));
        EXPECT_EQ(anim.Mood(), level) << word;
    }
    EXPECT_EQ(std::pair(S(partner).W, S(partner).X), std::pair(60, 0)) << "母2 is wider; the centre stays: 10 + (40 - 60) / 2";

    anim.SetSpritePose(partner, 1);
    host.RunUntil([&] { return S(partner).Frame == 3; });
    anim.SetSpritePose(partner, 2);
    EXPECT_EQ((std::vector{S(partner).Frame, S(partner).FrameLast, S(partner).PoseMode}), (std::vector{6, 9, 2}));

    // Off the stage, or with the animation stopped, the frames stand still: a mood change
    // mid-loop goes through instead of waiting for ever (the partner who has walked off).
    anim.SetSpritePose(partner, 1);
    host.RunUntil([&] { return S(partner).Frame == 3; });
    S(partner).X = 2000;
    anim.SetMood(QStringLiteral("=3"));
    S(partner).X = 10;
    anim.StopAnim();
    anim.SetMood(QStringLiteral("=4"));
    EXPECT_EQ(anim.Mood(), 4);
}

TEST_F(Stage, AMaskedSpriteLeavesTheWorldVisibleAroundItsShape) {
    QPainter(&AnimPeer::World(anim)).fillRect(anim.picWorld().rect(), QColor(0, 0, 255));
    SpriteRec& ball = S(anim.LoadSprite(QStringLiteral("玉")));
    std::tie(ball.W, ball.H, ball.X, ball.Y) = std::tuple(60, 80, 100, 100);
    anim.AnimTick();
    const QImage& stage = anim.Shown().picStage;
    // Inside the shape the sprite; at the corner of its frame and outside it, the world.
    EXPECT_EQ((std::vector{stage.pixel(130, 140), stage.pixel(101, 101), stage.pixel(50, 50)}),
              (std::vector{qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 0, 255)}));
}

TEST_F(Stage, WordEffectsStepAsDesigned) {
    anim.MeasureText = [](const QString&, int points) { return QSize(points == 18 ? 185 : points * 3, points); };
    std::vector<int> xs;
    anim.changed = [&] {
        if (anim.Shown().lblWordEf[1].Visible)
            xs.push_back(anim.Shown().lblWordEf[1].X);
    };
    anim.SlideWord(QStringLiteral("ケン"), 4, 1, 3, 3);
    ASSERT_EQ(xs.size(), 76u) << "the start and 75 steps";
    EXPECT_EQ(std::pair(xs.front(), xs.back()), std::pair(264, -36));
    EXPECT_FALSE(anim.Shown().lblWordEf[1].Visible);
    EXPECT_EQ(anim.Shown().lblWordEf[0].X, -1) << "reset after the effect";

    // 10 pixels up per step from the middle: above the stage after 23 steps; with room for the
    // whole growth, 16 + 60 in steps of 2, as remembered.
    std::vector<int> sizes;
    anim.changed = [&] {
        if (anim.Shown().lblWordEf[1].Visible && (sizes.empty() || sizes.back() != anim.Shown().lblWordEf[1].PointSize))
            sizes.push_back(anim.Shown().lblWordEf[1].PointSize);
    };
    anim.MeasureText = [](const QString&, int points) { return QSize(10, points); };
    anim.RiseWord(QStringLiteral("ケン"), 1, 1, 2);
    ASSERT_GE(sizes.size(), 2u);
    EXPECT_EQ((std::vector{sizes.front(), sizes[1], sizes.back()}), (std::vector{16, 18, 60}));
    sizes.clear();
    anim.SetStageArea(0, 0, 385, 800);
    anim.RiseWord(QStringLiteral("ケン"), 0, 0, 0);
    ASSERT_FALSE(sizes.empty());
    EXPECT_EQ(std::pair(sizes.front(), sizes.back()), std::pair(16, 76));
    EXPECT_EQ(anim.Settings().riseSpeed, 2);
    EXPECT_EQ(anim.Shown().lblWordEf[0].Color, 0xFFFFFFu);
}

TEST_F(Stage, TheStageShakesWipesAndZooms) {
    for (const auto& [amplitude, low, high] : {std::tuple{1, 0, 2}, {2, -2, 3}, {3, -3, 5}, {4, -5, 6}, {5, -6, 8}}) {
        int seenLow = 99, seenHigh = -99, moves = 0;
        anim.changed = [&] {
            if (!anim.Shown().WorkVisible)
                return;
            ++moves;
            seenLow = std::min(seenLow, anim.Shown().WorkX);
            seenHigh = std::max(seenHigh, anim.Shown().WorkX);
            EXPECT_EQ(anim.Shown().WorkY, 0) << "46 moves sideways only";
        };
        anim.ShakeStage(46, amplitude, amplitude == 1 ? 1 : 5);
        EXPECT_TRUE(seenLow >= low && seenHigh <= high) << amplitude << ": " << seenLow << " to " << seenHigh;
        // The snapshot, then moves at 0, 0.3, 0.6 and 0.9 s.
        EXPECT_TRUE(amplitude != 1 || moves == 1 + 4) << moves;
        EXPECT_TRUE(!anim.Shown().WorkVisible && anim.tmrAnim.Enabled());
    }

    int passes = 0;
    anim.changed = [&] { ++passes; };
    const qint64 start = host.NowMs();
    anim.WipeStage(28, 7, 0.1);
    EXPECT_EQ(std::pair(passes, host.NowMs() - start), std::pair(8, qint64(800)));
    for (int x = 0; x < 385; x += 37)
        EXPECT_EQ(anim.Shown().picStage.pixel(x, 100), qRgb(255, 255, 255)) << x;
    // The next tick paints over the lines although nothing moved; ticks after it leave the
    // still stage and the screen alone until a sprite moves.
    const QRgb line = anim.Shown().picStage.pixel(0, 100);
    passes = 0;
    Ticks(3);
    EXPECT_NE(anim.Shown().picStage.pixel(0, 100), line);
    EXPECT_EQ(passes, 1);
    const int ball = anim.LoadSprite(QStringLiteral("玉"));
    Ticks(1);
    S(ball).X += 1;
    Ticks(2);
    EXPECT_EQ(passes, 3);

    anim.changed = nullptr;
    anim.InitSpotStage();
    anim.ZoomStage(10, 320, 200, 1);
    EXPECT_EQ(anim.ZoomRect(), QRect(0, 165, 192, 165)) << "the magnified corner stays inside the stage";
    EXPECT_TRUE(anim.Shown().SpotVisible && !anim.tmrAnim.Enabled());
    anim.ZoomStage(10, 320, 0, -1);
    EXPECT_EQ(anim.Settings().zoomDirection, 0) << "-1 toggles back out";
    EXPECT_EQ(anim.ZoomRect(), QRect(0, 0, 385, 330));
    anim.HideSpotStage();
    EXPECT_FALSE(anim.Shown().SpotVisible);
}

// Leaving the stage unpainted is only a saving: the play goes exactly as it would on screen.
TEST(Anim, AnUnpaintedStageMovesEverySpriteAsAPaintedOne) {
    SimGame painted({kSmall});
    SimGame unpainted({kSmall}, 0, 9 * 3600.0, [](SimGame& g) { g.game.anim.SetPaintStage(false); });
    // Everything a sprite does, as one list per game.
    auto state = [](SimGame& game) {
        game.story.OnAdviceClick();
        game.RunFor(90.0);
        const Anim& a = game.game.anim;
        std::vector<qint32> all = {a.AnimCount(), a.ViewX(), a.SpriteCount()};
        for (int i = 1; i < a.SpriteCount(); ++i) {
            const SpriteRec& s = a.Sprite(i);
            all.insert(all.end(), {s.InUse, s.Cell, s.W, s.H, s.X, s.Y, s.Active, s.Frame, s.FrameWait, s.JitterBase,
                                   s.Mode, s.MoveDir, s.MoveStep, s.WrapAt, s.WrapArmed});
        }
        return all;
    };
    EXPECT_EQ(state(painted), state(unpainted));
    EXPECT_EQ(painted.game.talk.History(), unpainted.game.talk.History());
    EXPECT_NE(painted.game.anim.Shown().picStage, unpainted.game.anim.Shown().picStage) << "only the picture differs";
}

}  // namespace
}  // namespace kirune
