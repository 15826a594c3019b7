#include "anim/Anim.h"

#include <QPainter>

#include <algorithm>
#include <optional>

namespace kirune {

namespace {

// The way a keypad direction moves the view: along x or y, forwards or back.
struct Way {
    bool horizontal;
    int sign;
};

std::optional<Way> WayOf(int direction) {
    switch (direction) {
    case 6: return Way{true, 1};
    case 4: return Way{true, -1};
    case 2: return Way{false, 1};
    case 8: return Way{false, -1};
    default: return std::nullopt;
    }
}

}  // namespace

Anim::Anim(Host& host, Random& random, TalkEngine& talk)
    : tmrAnim(host.Timers(), 10, [this] { AnimTick(); }), host(host), random(random), talk(talk) {
    sprites.resize(1);
    cells.resize(1);
}

void Anim::SetStageArea(int left, int top, int width, int height) {
    shown.StageLeft = left;
    shown.StageTop = top;
    shown.StageW = width;
    shown.StageH = height;
    shown.picStage = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    shown.picStage.fill(Qt::black);
    stageDirty = true;
    shown.WorkVisible = false;
    Changed();
}

void Anim::ShowStage() {
    shown.StageVisible = true;
    Changed();
}

void Anim::HideStage() {
    shown.StageVisible = false;
    Changed();
}

void Anim::AnimTick() {
    if (++animCount > 1000000) {
        for (size_t i = sprites.size() - 1; i >= 1; --i)
            if (sprites[i].WrapAt >= animCount)
                sprites[i].WrapAt -= 1000000;
        animCount -= 1000000;
    }
    // From the last sprite to the first, so sprite 1 is painted on top.
    painted.clear();
    for (size_t i = sprites.size() - 1; i >= 1; --i) {
        SpriteRec& s = sprites[i];
        if (s.Active != 1 || s.Mode < 0)
            continue;
        if (s.Mode == SpriteMode::Scenery) {
            if (!TurnsFrames(s))
                continue;
            FrameStep(s);
            JitterStep(s);
            painted.push_back(i);
            continue;
        }
        if (TurnsFrames(s)) {
            FrameStep(s);
            JitterStep(s);
            MotionStep(s);
            if (s.Mode == SpriteMode::ReEnters && s.WrapArmed == 0) {
                s.WrapAt = 0;
                s.WrapArmed = 1;
            }
            painted.push_back(i);
        } else if (s.Mode == SpriteMode::MovesOn) {
            MotionStep(s);
        } else if (s.Mode == SpriteMode::ReEnters) {
            ReentryStep(s);
        } else if (s.Mode == SpriteMode::Vanishes) {
            s.Active = 0;
            LetGoOfPixels(s.Cell);
        }
    }
    if (!paintStage) {
        Changed();
        return;
    }
    // A picture's cache key changes whenever it is painted on: the world and the strips count.
    signature.assign({viewX, viewY, world.cacheKey(), shown.StageW, shown.StageH});
    for (size_t i : painted) {
        const SpriteRec& s = sprites[i];
        const bool hasStrip = s.Cell > 0 && size_t(s.Cell) < cells.size();
        signature.insert(signature.end(), {qint64(i), s.X, s.Y, s.Frame, s.W, s.H, s.Cell,
                                           hasStrip ? cells[size_t(s.Cell)].strip.cacheKey() : 0});
    }
    if (!stageDirty && signature == shownSignature)
        return;
    stageDirty = false;
    shownSignature.swap(signature);
    PaintStage();
    Changed();
}

void Anim::PaintStage() {
    {
        QPainter p(&shown.picStage);
        const QRect view(viewX, viewY, shown.StageW, shown.StageH);
        // What lies outside the world (only ever for a moment, while the view follows a sprite)
        // shows black.
        if (!world.rect().contains(view))
            p.fillRect(shown.picStage.rect(), Qt::black);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(QPoint(0, 0), world, view);
    }
    for (size_t i : painted)
        Paint(sprites[i]);
}

void Anim::FrameStep(SpriteRec& s) {
    if (animCount % std::max(1, s.FrameWait) == 0) {
        if (++s.Frame > s.FrameLast)
            s.Frame = s.FrameFirst;
    }
    if (s.PoseMode == 1) {
        if (s.Frame == 1)
            s.FrameWait = s.BaseWait;
        else if (s.Frame == 2)
            s.FrameWait = s.PoseWait1;
    }
}

void Anim::JitterStep(SpriteRec& s) {
    if (animCount % std::max(1, s.JitterWait) != 0)
        return;
    switch (s.JitterKind) {
    case 2: s.Y += int(s.JitterRange * Rnd()); break;
    case 8: s.Y -= int(s.JitterRange * Rnd()); break;
    case 4: s.X -= int(s.JitterRange * Rnd()); break;
    case 6: s.X += int(s.JitterRange * Rnd()); break;
    case 28: s.Y = s.Y == s.JitterBase ? s.Y + s.JitterRange : s.JitterBase; break;
    case 46: s.X = s.X == s.JitterBase ? s.X + s.JitterRange : s.JitterBase; break;
    default: break;
    }
}

void Anim::MotionStep(SpriteRec& s) {
    if (animCount % std::max(1, s.MoveWait) != 0)
        return;
    switch (s.MoveDir) {
    case 2: s.Y += s.MoveStep; break;
    case 8: s.Y -= s.MoveStep; break;
    case 4: s.X -= s.MoveStep; break;
    case 6: s.X += s.MoveStep; break;
    default: break;
    }
}

void Anim::ReentryStep(SpriteRec& s) {
    if (s.WrapArmed == 1) {
        s.WrapAt = animCount + s.WrapDelay;
        s.WrapArmed = 0;
    }
    if (s.WrapAt == 0 || animCount % s.WrapAt != 0)
        return;
    switch (s.MoveDir) {
    case 2: s.Y = viewY - s.H; break;
    case 8: s.Y = viewY + shown.StageH; break;
    case 4: s.X = viewX + shown.StageW; break;
    case 6: s.X = viewX - s.W; break;
    default: break;
    }
}

void Anim::Paint(const SpriteRec& s) {
    if (!paintStage || s.Cell <= 0 || size_t(s.Cell) >= cells.size() || cells[size_t(s.Cell)].strip.isNull())
        return;
    const QImage& strip = cells[size_t(s.Cell)].strip;
    const QPoint at(s.X - viewX, s.Y - viewY);
    const int sx = (s.Frame - 1) * s.W;
    QPainter p(&shown.picStage);
    // The mask clears the sprite's shape to black, then the frame (on black) is ORed in: the
    // world stays visible around the shape.
    p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    p.drawImage(at, strip, QRect(sx, s.H, s.W, s.H));
    p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    p.drawImage(at, strip, QRect(sx, 0, s.W, s.H));
}

void Anim::SetView(int x, int y, int relative) {
    if (relative == 1) {
        x += viewX;
        y += viewY;
    }
    viewX = x < 0 ? 0 : std::min(x, viewMaxX);
    viewY = y < 0 ? 0 : std::min(y, viewMaxY);
}

void Anim::WaitTick() {
    const qint32 count = animCount;
    while (animCount == count)
        host.Pump();
}

void Anim::FollowSprite(int sprite, int limitX, int limitY) {
    SpriteRec& s = sprites[size_t(sprite)];
    const int step = s.MoveStep + 1;
    // First the view comes to the sprite, until it stands in the middle of the stage.
    if (const auto way = WayOf(s.MoveDir)) {
        const bool horizontal = way->horizontal;
        int& pos = horizontal ? s.X : s.Y;
        int& view = horizontal ? viewX : viewY;
        const int viewMax = horizontal ? viewMaxX : viewMaxY;
        auto centre = [&] { return horizontal ? viewX + (shown.StageW - s.W) / 2 : viewY + (shown.StageH - s.H) / 2; };
        if (pos > centre()) {
            while (pos > centre() && view < viewMax) {
                view += step;
                WaitTick();
            }
            while (pos > centre())
                host.Pump();
        } else if (pos < centre()) {
            while (pos < centre() && view >= 1) {
                view -= step;
                WaitTick();
            }
            while (pos < centre())
                host.Pump();
        }
    }
    // Then keep the sprite where it stands on the stage while the view can still move its way.
    const int sx = s.X - viewX, sy = s.Y - viewY;
    for (;;) {
        const auto way = WayOf(s.MoveDir);
        if (!way)
            return;
        int& view = way->horizontal ? viewX : viewY;
        const int limit = way->horizontal ? limitX : limitY;
        const int viewMax = way->horizontal ? viewMaxX : viewMaxY;
        if (way->sign > 0 ? view >= limit || view >= viewMax : view <= limit || view < 1)
            return;
        const int startOnStage = way->horizontal ? sx : sy;
        auto onStage = [&] { return (way->horizontal ? s.X : s.Y) - view; };
        while (way->sign > 0 ? startOnStage < onStage() - s.MoveStep / 2 : startOnStage > onStage() + s.MoveStep / 2) {
            view += way->sign * step;
            WaitTick();
        }
        host.Pump();
    }
}

void Anim::FreeSprite(int sprite) {
    SpriteRec& s = sprites[size_t(sprite)];
    s.InUse = 0;
    const int cell = s.Cell;
    if (cell <= 0 || size_t(cell) >= cells.size())
        return;
    LetGoOfPixels(cell);
    for (const SpriteRec& other : sprites)
        if (other.InUse != 0 && other.Cell == cell)
            return;
    cells[size_t(cell)] = CastPicture{};
}

void Anim::HideSprite(int sprite) {
    sprites[size_t(sprite)].Active = 0;
    LetGoOfPixels(sprites[size_t(sprite)].Cell);
}

void Anim::SwapSpritePicture(int sprite, int source) {
    SpriteRec& s = sprites[size_t(sprite)];
    const SpriteRec& from = sprites[size_t(source)];
    const int old = s.Cell;
    s.X += (s.W - from.W) / 2;
    s.Y += (s.H - from.H) / 2;
    s.Cell = from.Cell;
    s.Frame = from.Frame;
    s.W = from.W;
    s.H = from.H;
    if (Shows(s.Cell))
        HoldPixels(s.Cell);
    LetGoOfPixels(old);
}

void Anim::SetSpritePos(int sprite, int x, int y) {
    SpriteRec& s = sprites[size_t(sprite)];
    s.X = x;
    s.Y = y;
    if (s.JitterKind == 2 || s.JitterKind == 8 || s.JitterKind == 28)
        s.JitterBase = y;
    else if (s.JitterKind == 4 || s.JitterKind == 6 || s.JitterKind == 46)
        s.JitterBase = x;
}

void Anim::GetSpritePos(int sprite, int& x, int& y) const {
    x = sprites[size_t(sprite)].X;
    y = sprites[size_t(sprite)].Y;
}

void Anim::SetSpriteJitter(int sprite, int kind, int wait, int range) {
    SpriteRec& s = sprites[size_t(sprite)];
    s.JitterKind = kind;
    s.JitterWait = std::max(1, wait);
    s.JitterRange = range;
    if (kind == 28)
        s.JitterBase = s.Y;
    else if (kind == 46)
        s.JitterBase = s.X;
}

void Anim::SetSpriteMove(int sprite, int mode, int direction, int wait, int step, int delay) {
    SpriteRec& s = sprites[size_t(sprite)];
    s.Mode = mode;
    s.MoveDir = direction;
    s.MoveWait = std::max(1, wait);
    s.MoveStep = step;
    s.WrapDelay = delay;
}

bool Anim::TurnsFrames(const SpriteRec& s) const {
    if (s.Active != 1 || s.Mode < 0)
        return false;
    // Scenery shows only inside the view; moving sprites a little beyond it, so they slide in whole.
    const int margin = s.Mode == SpriteMode::Scenery ? 0 : 16;
    return s.X > viewX - s.W - margin && s.X < viewX + shown.StageW + margin && s.Y > viewY - s.H - margin &&
           s.Y < viewY + shown.StageH + margin;
}

void Anim::WaitForFrame1(int sprite) {
    // A sprite off the stage or with the animation stopped never comes round to its first frame:
    // the partner who has walked off must not hold a mood change for ever.
    const SpriteRec& s = sprites[size_t(sprite)];
    while (s.Frame != 1 && tmrAnim.Enabled() && TurnsFrames(s))
        host.Pump();
}

void Anim::ReverseDrift(int sprite) {
    if (sprite <= 0 || size_t(sprite) >= sprites.size())
        return;
    qint32& direction = sprites[size_t(sprite)].MoveDir;
    if (direction == 4)
        direction = 6;
    else if (direction == 6)
        direction = 4;
}

void Anim::SetSpritePose(int sprite, int pose) {
    if (sprite <= 0 || size_t(sprite) >= sprites.size())
        return;
    SpriteRec& s = sprites[size_t(sprite)];
    switch (pose) {
    case 0:
        s.Frame = s.FrameFirst = s.FrameLast = 1;
        s.FrameWait = s.BaseWait;
        s.PoseMode = 0;
        break;
    case 1:
        s.Frame = s.FrameFirst = 1;
        s.FrameLast = 5;
        s.FrameWait = s.PoseWait1;
        s.PoseMode = 1;
        break;
    case 2: {
        // The idle loop is never cut in the middle.
        WaitForFrame1(sprite);
        SpriteRec& t = sprites[size_t(sprite)];
        t.Frame = t.FrameFirst = 6;
        t.FrameLast = 9;
        t.FrameWait = t.PoseWait2;
        t.PoseMode = 2;
        break;
    }
    default:
        break;
    }
}

}  // namespace kirune
