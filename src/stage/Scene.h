#pragma once

#include "anim/Anim.h"
#include "story/Screen.h"
#include "talk/TalkEngine.h"

namespace kirune {

// The dressing of the main window and its little stage: the opening stage with the family,
// the play stage with the chosen partner, and the partner's moves.
class Scene {
public:
    Scene(Host& host, Random& random, Screen& screen, TalkEngine& talk, Anim& anim)
        : host(host), random(random), screen(screen), talk(talk), anim(anim) {}

    int OSPlatform = 2;
    // The opening stage's family, 1 姉, 2 兄, 3 父, 4 母, and each one's five poses.
    int StandSprite[5] = {};
    int PoseSprite[5][6] = {};
    int PartnerSprite = 0, BackSprite = 0, CloudSprite = 0;

    // False when the talk data cannot be opened; a missing picture stops the game itself.
    bool SetUpScreen(const QString& programFolder);
    void PlayIdleGesture();
    void SetUpPlayStage(int inputMode, const QString& partnerName);
    void PartnerWalkIn();
    void PartnerSettle();
    void PartnerWalkOff();
    void PartnerJump();

private:
    // The platform-dependent numbers of the moves: the first for the 9x family, the second
    // for the NT family.
    int ByPlatform(int nine, int nt) const { return OSPlatform == 1 ? nine : nt; }
    bool Moves() const { return OSPlatform == 1 || OSPlatform == 2; }
    void RegisterTalkers(const QString& partnerName);

    Host& host;
    Random& random;
    Screen& screen;
    TalkEngine& talk;
    Anim& anim;
};

}  // namespace kirune
