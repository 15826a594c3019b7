#pragma once

#include "story/Screen.h"

namespace kirune {

// The dressing of the main window and the partner's moves on the little stage. The moves end
// at once until the animated stage exists.
class Scene {
public:
    explicit Scene(Screen& screen) : screen(screen) {}

    void SetUpScreen();
    void PlayIdleGesture() {}
    // Shows the play panels; the keypad button only for kana puzzles.
    void SetUpPlayStage(int inputMode);
    void PartnerWalkIn() {}
    void PartnerSettle() {}
    void PartnerWalkOff() {}
    void PartnerJump() {}

private:
    Screen& screen;
};

}  // namespace kirune
