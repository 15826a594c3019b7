#pragma once

#include "anim/Sprite.h"
#include "host/Host.h"
#include "library/Random.h"
#include "talk/TalkEngine.h"

#include <QImage>
#include <QRect>
#include <QSize>

#include <functional>
#include <vector>

namespace kirune {

// A label of a word effect: text over the stage in large letters.
struct WordLabel {
    bool Visible = false;
    int X = -1, Y = -1;
    QString Text;
    quint32 Color = 0xFFFFFF;
    int PointSize = 1;
    bool OnSpotStage = false;
};

// What the window shows of the stage: the stage picture where it stands, and the effects over it.
struct StagePictures {
    int StageLeft = 0, StageTop = 0, StageW = 0, StageH = 0;
    bool StageVisible = false;
    QImage picStage;
    QImage picWork;  // the frozen stage during a shake
    bool WorkVisible = false;
    int WorkX = 0, WorkY = 0;
    QImage picSpotStage;
    bool SpotVisible = false;
    WordLabel lblWordEf[2];
};

// The effects' last arguments: an argument of 0 keeps the one remembered here.
struct EffectSettings {
    qint32 riseColour = 0, riseSize = 0, riseSpeed = 0;
    qint32 slideColour = 0, slideSize = 0, slideSpeed = 0;
    qint32 shakeAmplitude = 0, shakeSpeed = 0;
    qint32 wipeColour = 0;
    qint32 zoomPercentage = 0, zoomDirection = 0;  // direction: 1 in, 0 out
};

// The little stage: a world picture seen through a scrolling view, animated sprites painted
// with masks, the partner's mood pictures, and the word and stage effects drawn over it.
class Anim {
public:
    Anim(Host& host, Random& random, TalkEngine& talk);

    GameTimer tmrAnim;
    // The window repaints the stage on this call.
    std::function<void()> changed;
    // Asset errors (a missing picture, no cast row) go here.
    std::function<void(const QString& what)> assetError;
    // The size of a text in the bold effect face at a point size; the window measures it.
    std::function<QSize(const QString& text, int points)> MeasureText;

    const StagePictures& Shown() const { return shown; }

    // The stage and its sprites.
    void SetStageArea(int left, int top, int width, int height);
    void StartAnim() { tmrAnim.SetEnabled(true); }
    void StopAnim() { tmrAnim.SetEnabled(false); }
    void ShowStage();
    void HideStage();
    void AnimTick();
    void SetView(int x, int y, int relative);
    void FollowSprite(int sprite, int limitX, int limitY);
    // The slot becomes free, and its picture too once no sprite in use shows it.
    void FreeSprite(int sprite);
    void HideSprite(int sprite);
    void SwapSpritePicture(int sprite, int source);
    void SetSpritePos(int sprite, int x, int y);
    void GetSpritePos(int sprite, int& x, int& y) const;
    void SetSpriteJitter(int sprite, int kind, int wait, int range);
    void SetSpriteMove(int sprite, int mode, int direction, int wait, int step, int delay);
    void SetSpritePose(int sprite, int pose);
    // The sprite runs its five pose frames once and returns when it is back on frame 1.
    void PlayGesture(int sprite);
    // The sprite keeps its picture until told otherwise: no frame changes, no jitter.
    void HoldStill(int sprite);
    // A sprite drifting left (4) turns right (6) and back; any other motion is left alone.
    void ReverseDrift(int sprite);
    // Off where nothing ever shows the stage (hours of simulated play): the ticks still move
    // and animate every sprite, only the stage picture is left unpainted.
    void SetPaintStage(bool paint) { paintStage = paint; }

    const SpriteRec& Sprite(int sprite) const { return sprites[size_t(sprite)]; }
    int SpriteCount() const { return int(sprites.size()); }
    qint32 AnimCount() const { return animCount; }
    int ViewX() const { return viewX; }
    int ViewY() const { return viewY; }
    int ViewMaxX() const { return viewMaxX; }
    int ViewMaxY() const { return viewMaxY; }
    const QImage& picWorld() const { return world; }

    // World and cast, read from programFolder's pictures and its cast table castFile.
    void SetCastFiles(const QString& programFolder, const QString& castFile);
    void SetWorldSize(int width, int height, int clear);
    void LoadWorldPicture(const QString& name, int x, int y);
    int LoadSprite(const QString& name);
    int LoadMoodSet(const QString& name, int count);

    // The partner's mood: 1 sad .. MoodMax happy.
    void SetMood(const QString& word);
    void Say(int talkNumber, const QString& moodWord);
    int Mood() const { return mood; }
    const std::vector<int>& MoodPictures() const { return moodPictures; }

    // Word effects.
    void InitWordEffects();
    void RiseWord(const QString& text, int colour, int size, int speed);
    void SlideWord(const QString& text, int direction, int colour, int size, int speed);
    const EffectSettings& Settings() const { return effectSettings; }

    // Stage effects.
    void ShakeStage(int kind, int amplitude, int speed);
    void WipeStage(int kind, int colour, double pause);
    void InitSpotStage();
    void ZoomStage(int cx, int cy, int percentage, int direction);
    void HideSpotStage();
    // The part of the stage the last zoom step magnified.
    QRect ZoomRect() const { return zoomRect; }

private:
    friend struct AnimPeer;  // tests set up sprites and counters directly
    void Changed() {
        if (changed)
            changed();
    }
    bool TurnsFrames(const SpriteRec& s) const;
    void FrameStep(SpriteRec& s);
    void JitterStep(SpriteRec& s);
    void MotionStep(SpriteRec& s);
    void ReentryStep(SpriteRec& s);
    void Paint(const SpriteRec& s);
    void PaintStage();
    void WaitTick();
    void WaitForFrame1(int sprite);
    void ApplyMoodWord(const QString& word);
    bool Shows(int cell) const;
    bool HoldPixels(int cell);
    void LetGoOfPixels(int cell);
    void PlacePair(int x, int y);
    void ResetLabels();
    QSize LabelSize(int points) const;
    double Rnd() { return random.Next(); }

    Host& host;
    Random& random;
    TalkEngine& talk;

    StagePictures shown;
    QImage world;
    int worldW = 0, worldH = 0;
    int viewX = 0, viewY = 0, viewMaxX = 0, viewMaxY = 0;
    qint32 animCount = 0;
    std::vector<SpriteRec> sprites;  // element 0 unused
    // A cast picture sprites refer to by Cell. A strip is some 400 KB and most wait hidden (the
    // title's poses, the partner's other moods), so its pixels are held only while a shown
    // sprite shows it, and read again from its file when one next does.
    struct CastPicture {
        QString path;  // empty: a free holder
        QImage strip;
    };
    std::vector<CastPicture> cells;  // element 0 unused
    // The sprites this tick paints, in painting order, and what the stage showed when it was
    // last painted: a tick in which nothing moved leaves the picture and the screen alone.
    std::vector<size_t> painted;
    std::vector<qint64> shownSignature, signature;
    bool stageDirty = true;  // painted over outside the tick (a wipe) or newly made
    QString programFolder;
    QString castFileName = QStringLiteral("CastData.csv");
    int moodMax = 5;
    int mood = 3;
    int moodSprite = 0;
    std::vector<int> moodPictures;
    int shadowOffset = 2;
    EffectSettings effectSettings;
    QRect zoomRect;
    bool paintStage = true;
};

// The colour of a colour number of the effects, 0xRRGGBB.
quint32 EffectColor(int number);

}  // namespace kirune
