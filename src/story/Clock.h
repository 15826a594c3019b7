#pragma once

#include "host/Scheduler.h"
#include "story/Board.h"
#include "story/Context.h"

namespace kirune {

class Checker;
class Flow;

// The game timer's beat: typed characters placed one a tick, the cursor's blink, the clock of
// play, the partner's remark each minute, and the endings that come with time.
class Clock {
public:
    // tmrVexal is the main window's game timer; its ticks are OnVexalTick's.
    Clock(const StoryContext& context, GameTimer& tmrVexal, Board& board, Checker& checker, Flow& flow);

    void OnVexalTick();
    // The clock of play starts again from zero.
    void StartClock();
    void SetRunning(bool on) { tmrVexal.SetEnabled(on); }

    GameTimer& tmrVexal;
    qint32 StartTime() const { return startTime; }
    qint32 PassedH() const { return passedH; }
    qint32 PassedM() const { return passedM; }
    qint32 PassedS() const { return passedS; }

private:
    void UpdateClock();
    void MinuteEvents();
    void ToggleBackgroundSprite();

    StoryContext ctx;
    Board& board;
    Checker& checker;
    Flow& flow;
    qint32 vexalTick = 0;
    qint32 startTime = 0, dayRest = 0;
    qint32 passedH = 0, passedM = 0, passedS = 0, lastMinute = 0;
};

}  // namespace kirune
