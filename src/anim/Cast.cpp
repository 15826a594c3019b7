#include "anim/Anim.h"

#include "anim/CastRow.h"

#include "library/Cp932Text.h"
#include "library/Csv.h"

#include <QFileInfo>
#include <QPainter>

#include <algorithm>

namespace kirune {

void Anim::SetWorldSize(int width, int height, int clear) {
    QImage resized(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    // A clear world is a soft sky until a picture is painted into it.
    resized.fill(QColor(0xCF, 0xE8, 0xFF));
    if (clear != 1 && !world.isNull()) {
        QPainter p(&resized);
        p.drawImage(0, 0, world);
    }
    world = resized;
    worldW = width;
    worldH = height;
    viewMaxX = worldW - shown.StageW;
    viewMaxY = worldH - shown.StageH;
}

void Anim::LoadWorldPicture(const QString& name, int x, int y) {
    const QString path = programFolder + QStringLiteral("Picture/WorldPicture/") + name + QStringLiteral(".jpg");
    QImage picture(path);
    if (picture.isNull()) {
        if (assetError)
            assetError(path);
        return;
    }
    QPainter p(&world);
    p.drawImage(x, y, picture);
}

int Anim::LoadSprite(const QString& name) {
    size_t s = 1;
    while (s < sprites.size() && sprites[s].InUse != 0)
        ++s;
    if (s == sprites.size())
        sprites.emplace_back();

    const QString castPath = programFolder + QStringLiteral("Picture/cast/") + castFileName;
    const auto cast = ReadTextFile(castPath);
    const auto row = cast ? FindCastRow(cast->lines, name) : std::nullopt;
    if (!row) {
        if (assetError)
            assetError(cast ? QStringLiteral("%1 (no row for \"%2\")").arg(castPath, name) : castPath);
        return 0;
    }
    auto parsed = ParseCastRow(*row);
    if (!parsed) {
        if (assetError)
            assetError(QStringLiteral("%1 (the row for \"%2\" holds a number beyond %3)").arg(castPath, name).arg(kCastLimit));
        return 0;
    }
    const QString picturePath = programFolder + QStringLiteral("Picture/cast/") + name + QStringLiteral(".jpg");
    // A picture already held (a figure's standing pose is also one of its poses) is shared.
    size_t cell = 1;
    while (cell < cells.size() && cells[cell].path != picturePath)
        ++cell;
    const bool known = cell < cells.size();
    if (!known) {
        cell = 1;
        while (cell < cells.size() && !cells[cell].path.isEmpty())
            ++cell;
        if (cell == cells.size())
            cells.emplace_back();
        cells[cell].path = picturePath;
    }
    // Read now even if the sprite is hidden at once, so a broken picture stops the game at the
    // start and not when it is first shown.
    if (!HoldPixels(int(cell))) {
        if (!known)
            cells[cell] = CastPicture{};
        return 0;
    }

    SpriteRec r = *parsed;
    r.InUse = 1;
    r.Cell = int(cell);
    sprites[s] = r;
    LetGoOfPixels(r.Cell);
    return int(s);
}

bool Anim::Shows(int cell) const {
    return std::any_of(sprites.begin() + 1, sprites.end(),
                       [cell](const SpriteRec& s) { return s.InUse != 0 && s.Active == 1 && s.Cell == cell; });
}

bool Anim::HoldPixels(int cell) {
    CastPicture& picture = cells[size_t(cell)];
    if (!picture.strip.isNull())
        return true;
    const QImage strip(picture.path);
    if (strip.isNull()) {
        if (assetError)
            assetError(picture.path);
        return false;
    }
    picture.strip = strip.convertToFormat(QImage::Format_RGB32);
    return true;
}

void Anim::LetGoOfPixels(int cell) {
    if (cell > 0 && size_t(cell) < cells.size() && !Shows(cell))
        cells[size_t(cell)].strip = QImage();
}

int Anim::LoadMoodSet(const QString& name, int count) {
    moodMax = count;
    mood = count - 1;
    moodSprite = LoadSprite(name + QString::number(mood));
    moodPictures.assign(size_t(count) + 1, 0);
    for (int k = 1; k <= count; ++k) {
        moodPictures[size_t(k)] = LoadSprite(name + QString::number(k));
        HideSprite(moodPictures[size_t(k)]);
    }
    return moodSprite;
}

void Anim::ApplyMoodWord(const QString& word) {
    if (word.isEmpty())
        return;
    int level = mood;
    if (word[0] == u'+' && mood < moodMax)
        level = mood + 1;
    else if (word[0] == u'-' && mood > 1)
        level = mood - 1;
    else if (word[0] == u'=')
        // A level outside the pictures is taken as the nearest one.
        level = std::clamp(int(HeaderNumber(QStringView(word).mid(1))), 1, std::max(moodMax, 1));
    if (level == mood)
        return;
    mood = level;
    if (moodSprite && size_t(mood) < moodPictures.size() && moodPictures[size_t(mood)])
        SwapSpritePicture(moodSprite, moodPictures[size_t(mood)]);
}

void Anim::PlayGesture(int sprite) {
    SpriteRec& s = sprites[size_t(sprite)];
    s.Frame = s.FrameFirst = 1;
    s.FrameLast = 5;
    s.FrameWait = 1;
    s.PoseMode = 1;
    while (s.Frame <= 1 && tmrAnim.Enabled() && TurnsFrames(s))
        host.Pump();
    WaitForFrame1(sprite);
}

void Anim::HoldStill(int sprite) {
    SpriteRec& s = sprites[size_t(sprite)];
    s.FrameWait = 1000;
    s.BaseWait = 1000;
    s.JitterKind = 0;
}

void Anim::SetCastFiles(const QString& folder, const QString& castFile) {
    programFolder = folder;
    castFileName = castFile;
}

void Anim::SetMood(const QString& word) {
    if (moodSprite)
        WaitForFrame1(moodSprite);
    ApplyMoodWord(word);
}

void Anim::Say(int talkNumber, const QString& moodWord) {
    // Without a partner on the stage (the title), only the mood and the talk remain.
    if (moodSprite) {
        WaitForFrame1(moodSprite);
        ApplyMoodWord(moodWord);
        PlayGesture(moodSprite);
    } else {
        ApplyMoodWord(moodWord);
    }
    talk.Talk(talkNumber);
    if (moodSprite) {
        WaitForFrame1(moodSprite);
        PlayGesture(moodSprite);
    }
}

}  // namespace kirune
