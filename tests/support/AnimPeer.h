#pragma once

#include "anim/Anim.h"

namespace kirune {

// A test's way into the stage's state: sprites placed and timed by hand, the tick counter near
// its wrap, the world picture painted over.
struct AnimPeer {
    static SpriteRec& Sprite(Anim& anim, int sprite) { return anim.sprites[size_t(sprite)]; }
    static std::vector<SpriteRec>& Sprites(Anim& anim) { return anim.sprites; }
    static std::vector<Anim::CastPicture>& Cells(Anim& anim) { return anim.cells; }
    static qint32& AnimCount(Anim& anim) { return anim.animCount; }
    static StagePictures& Shown(Anim& anim) { return anim.shown; }
    static QImage& World(Anim& anim) { return anim.world; }
    static void SetProgramFolder(Anim& anim, const QString& folder) { anim.programFolder = folder; }
};

}  // namespace kirune
