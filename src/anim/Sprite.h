#pragma once

#include <QtGlobal>

namespace kirune {

// How a sprite moves, by the cast data's numbers: a number below 0 hides the sprite, and any
// number not named here moves it while it is in view and leaves it be when it is not.
namespace SpriteMode {
inline constexpr qint32 Scenery = 0;    // never moves; animated only in view
inline constexpr qint32 MovesOn = 11;   // keeps moving out of view
inline constexpr qint32 ReEnters = 21;  // comes back after its wrap delay
inline constexpr qint32 Vanishes = 31;  // is retired once out of view
}  // namespace SpriteMode

// One sprite of the stage. Directions are keypad digits: 2 down, 4 left, 6 right, 8 up.
struct SpriteRec {
    qint32 InUse = 0;
    qint32 Cell = 0;  // the picture strip: frames side by side, their masks below
    qint32 W = 0, H = 0;
    qint32 X = 0, Y = 0;
    qint32 Active = 0;
    qint32 Spare = 0;
    qint32 Frame = 1, FrameFirst = 1, FrameLast = 1, FrameWait = 1;
    qint32 JitterKind = 0, JitterWait = 1, JitterRange = 0, JitterBase = 0;
    qint32 Mode = 0;  // a SpriteMode number, as the cast data gives it; below 0 hidden
    qint32 MoveDir = 0, MoveWait = 1, MoveStep = 0;
    qint32 WrapDelay = 1, WrapAt = 1, WrapArmed = 0;
    qint32 PoseMode = 0, PoseWait1 = 1, PoseWait2 = 1, BaseWait = 1;
};

}  // namespace kirune
