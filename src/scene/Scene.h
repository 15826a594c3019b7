#pragma once

#include "anim/Anim.h"
#include "model/Screen.h"
#include "story/Dressing.h"
#include "talk/TalkEngine.h"

namespace kirune {

// The dressing of the main window and its little stage: the opening stage with the family,
// the play stage with the chosen partner, and the partner's moves.
class Scene final : public Dressing {
public:
    Scene(Host& host, Random& random, Screen& screen, TalkEngine& talk, Anim& anim)
        : host(host), random(random), screen(screen), talk(talk), anim(anim) {}

    int OSPlatform = 2;
    // The opening stage's family, 1 姉, 2 兄, 3 父, 4 母, and each one's five poses.
    int StandSprite[5] = {};
    int PoseSprite[5][6] = {};
    int PartnerSprite = 0, BackSprite = 0, CloudSprite = 0;

    void SetPlatform(int osPlatform) override { OSPlatform = osPlatform; }
    bool SetUpScreen(const QString& programFolder) override;
    void PlayIdleGesture() override;
    void SetUpPlayStage(int inputMode, const QString& partnerName) override;
    void PartnerWalkIn() override;
    void PartnerSettle() override;
    void PartnerWalkOff() override;
    void PartnerJump() override;
    int DecorationSprite() const override { return BackSprite; }

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
