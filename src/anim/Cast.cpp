#include "anim/Anim.h"

#include "anim/CastRow.h"

#include "library/Cp932Text.h"
#include "library/Csv.h"

#include <QFileInfo>
#include <QPainter>

namespace kirune {

void Anim::SetWorldSize(int width, int height, int clear) {
    QImage world(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    // A clear world is a soft sky until a picture is painted into it.
    world.fill(QColor(0xCF, 0xE8, 0xFF));
    if (clear != 1 && !picWorld.isNull()) {
        QPainter p(&world);
        p.drawImage(0, 0, picWorld);
    }
    picWorld = world;
    WorldW = width;
    WorldH = height;
    ViewMaxX = WorldW - StageW;
    ViewMaxY = WorldH - StageH;
}

void Anim::LoadWorldPicture(const QString& name, int x, int y) {
    const QString path = ProgramFolder + QStringLiteral("Picture/WorldPicture/") + name + QStringLiteral(".jpg");
    QImage picture(path);
    if (picture.isNull()) {
        if (assetError)
            assetError(path);
        return;
    }
    QPainter p(&picWorld);
    p.drawImage(x, y, picture);
}

int Anim::LoadSprite(const QString& name) {
    size_t s = 1;
    while (s < Sprites.size() && Sprites[s].InUse != 0)
        ++s;
    if (s == Sprites.size())
        Sprites.emplace_back();
    size_t cell = 1;
    while (cell < Cells.size() && !Cells[cell].isNull())
        ++cell;
    if (cell == Cells.size())
        Cells.emplace_back();

    const QString castPath = ProgramFolder + QStringLiteral("Picture/cast/") + CastFileName;
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
    const QString picturePath = ProgramFolder + QStringLiteral("Picture/cast/") + name + QStringLiteral(".jpg");
    QImage strip(picturePath);
    if (strip.isNull()) {
        if (assetError)
            assetError(picturePath);
        return 0;
    }

    SpriteRec r = *parsed;
    Cells[cell] = strip.convertToFormat(QImage::Format_RGB32);
    r.InUse = 1;
    r.Cell = int(cell);
    Sprites[s] = r;
    return int(s);
}

int Anim::LoadMoodSet(const QString& name, int count) {
    MoodMax = count;
    Mood = count - 1;
    MoodSprite = LoadSprite(name + QString::number(Mood));
    MoodPictures.assign(size_t(count) + 1, 0);
    for (int k = 1; k <= count; ++k) {
        MoodPictures[size_t(k)] = LoadSprite(name + QString::number(k));
        HideSprite(MoodPictures[size_t(k)]);
    }
    return MoodSprite;
}

void Anim::ApplyMoodWord(const QString& word) {
    if (word.isEmpty())
        return;
    int level = Mood;
    if (word[0] == u'+' && Mood < MoodMax)
        level = Mood + 1;
    else if (word[0] == u'-' && Mood > 1)
        level = Mood - 1;
    else if (word[0] == u'=')
        // A level outside the pictures is taken as the nearest one.
        level = std::clamp(int(HeaderNumber(QStringView(word).mid(1))), 1, std::max(MoodMax, 1));
    if (level == Mood)
        return;
    Mood = level;
    if (MoodSprite && size_t(Mood) < MoodPictures.size() && MoodPictures[size_t(Mood)])
        SwapSpritePicture(MoodSprite, MoodPictures[size_t(Mood)]);
}

void Anim::Gesture(int sprite) {
    SpriteRec& s = Sprites[size_t(sprite)];
    s.Frame = s.FrameFirst = 1;
    s.FrameLast = 5;
    s.FrameWait = 1;
    s.PoseMode = 1;
    while (Sprites[size_t(sprite)].Frame <= 1)
        host.Pump();
    WaitForFrame1(sprite);
}

void Anim::SetMood(const QString& word) {
    if (MoodSprite)
        WaitForFrame1(MoodSprite);
    ApplyMoodWord(word);
}

void Anim::Say(int talkNumber, const QString& moodWord) {
    // Without a partner on the stage (the title), only the mood and the talk remain.
    if (MoodSprite) {
        WaitForFrame1(MoodSprite);
        ApplyMoodWord(moodWord);
        Gesture(MoodSprite);
    } else {
        ApplyMoodWord(moodWord);
    }
    talk.Talk(talkNumber);
    if (MoodSprite) {
        WaitForFrame1(MoodSprite);
        Gesture(MoodSprite);
    }
}

}  // namespace kirune
