#pragma once

#include "story/Screen.h"
#include "anim/Anim.h"
#include "talk/TalkEngine.h"

namespace kirune {

// The dressing of the main window and the partner's moves on the little stage. The moves end
// at once until the animated stage exists.
class Scene {
public:
    Scene(Screen& screen, TalkEngine& talk, Anim& anim) : screen(screen), talk(talk), anim(anim) {}

    // False when the talk data cannot be opened.
    bool SetUpScreen(const QString& programFolder);
    void PlayIdleGesture() {}
    // Shows the play panels; the keypad button only for kana puzzles.
    void SetUpPlayStage(int inputMode, const QString& partnerName, int partnerSprite);
    void PartnerWalkIn() {}
    void PartnerSettle() {}
    void PartnerWalkOff() {}
    void PartnerJump() {}

private:
    Screen& screen;
    TalkEngine& talk;
    Anim& anim;
};

}  // namespace kirune
