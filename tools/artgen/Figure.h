#pragma once

#include <QPainter>
#include <QString>

#include <array>

namespace artgen {

enum class Who { Sister, Brother, Mother, Father };

struct Member {
    Who who;
    const char* name;  // the cast name the game loads: name + mood digit
    int w, h;          // one frame; the same for every picture of the member
};

// The four family members; the father tallest, then mother, brother, sister.
const std::array<Member, 4>& Family();

// Where a hand goes. Left and right are as seen on the screen.
enum class Hand { Rest, Hip, Eye, Cheek, Chest, Hair, Glasses, WaveOut, WaveIn, Thumb, Cheer, Out };

enum class Eyes { Open, Droopy, Crying, Happy, Closed, Wink };

struct Pose {
    int mood = 3;           // 1 very sad .. 5 very happy
    double lift = 0;        // the whole figure off the ground
    double crouch = 0;      // knees bent: the body lower
    double shake = 0;       // the upper body shifted sideways
    double headTilt = 0;    // degrees, clockwise
    double headDrop = 0;    // a nod
    Hand left = Hand::Rest, right = Hand::Rest;
    Eyes eyes = Eyes::Open;
    double mouthOpen = 0;   // pixels between the lips
    int sparkle = 0;        // 0 none, else which of the twinkle phases
    int tear = 0;           // 0 none, else the phase of the falling drops
    double sigh = 0;        // the size of a sigh puff, 0 none
    bool glint = false;     // light on the father's glasses
    double swing = 0;       // degrees the ponytail swings
};

// Paints the member in a w x h frame on a transparent image, feet on the bottom line.
void DrawFigure(QPainter& p, const Member& member, const Pose& pose);

}  // namespace artgen
