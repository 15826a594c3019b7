#pragma once

#include <QString>

namespace kirune {

// What the story asks of the screen's dressing, which lives in the layer above it: the little
// stage's two sets and the partner's moves on them. Scene is the real one.
class Dressing {
public:
    virtual ~Dressing() = default;

    virtual void SetPlatform(int osPlatform) = 0;
    // False when the talk data cannot be opened; a missing picture stops the game itself.
    virtual bool SetUpScreen(const QString& programFolder) = 0;
    virtual void PlayIdleGesture() = 0;
    virtual void SetUpPlayStage(int inputMode, const QString& partnerName) = 0;
    virtual void PartnerWalkIn() = 0;
    virtual void PartnerSettle() = 0;
    virtual void PartnerWalkOff() = 0;
    virtual void PartnerJump() = 0;
    // The play stage's drifting decoration; 0 before the play stage is set up.
    virtual int DecorationSprite() const = 0;
};

}  // namespace kirune
