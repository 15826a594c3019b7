#pragma once

#include "talk/TalkEngine.h"

namespace kirune {

// The little stage: the partner's mood and, for now, effects that end at once.
class Anim {
public:
    explicit Anim(TalkEngine& talk) : talk(talk) {}

    int Mood = 3;  // 1 sad .. 5 happy

    // "+1" raises the mood, "-1" lowers it, "=k" sets it; always within 1..5.
    void SetMood(const QString& word);
    // A partner's line: the mood changes first, then the talk runs.
    void Say(int talkNumber, const QString& moodWord);

    void StartAnim() {}
    void StopAnim() {}
    void ShowStage() {}
    void HideStage() {}
    void RiseWord(const QString&, int, int, int) {}
    void SlideWord(const QString&, int, int, int, int) {}
    void ShakeStage(int, int, int) {}
    void WipeStage(int, int, double) {}

private:
    TalkEngine& talk;
};

}  // namespace kirune
