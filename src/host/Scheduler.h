#pragma once

#include <QtGlobal>

#include <functional>
#include <vector>

namespace kirune {

class Scheduler;

// One of the game's timers: an interval, an enabled flag and a handler, driven by the host's
// scheduler rather than by a toolkit timer, so that it keeps ticking while its own handler waits.
class GameTimer {
public:
    GameTimer(Scheduler& scheduler, int intervalMs, std::function<void()> handler);
    GameTimer(const GameTimer&) = delete;
    GameTimer& operator=(const GameTimer&) = delete;
    ~GameTimer();

    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled; }
    void SetInterval(int ms);
    int Interval() const { return interval; }

private:
    friend class Scheduler;
    Scheduler& scheduler;
    int interval;
    bool enabled = false;
    qint64 due = 0;
    std::function<void()> handler;
};

// Holds a timer (when there is one) off for the length of a scope and then puts back whether it
// ran: a report box stops the game clock while it is open.
class TimerPause {
public:
    explicit TimerPause(GameTimer* timer) : timer(timer), wasOn(timer && timer->Enabled()) {
        if (timer)
            timer->SetEnabled(false);
    }
    TimerPause(const TimerPause&) = delete;
    TimerPause& operator=(const TimerPause&) = delete;
    ~TimerPause() {
        if (wasOn)
            timer->SetEnabled(true);
    }

private:
    GameTimer* timer;
    bool wasOn;
};

// Fires the game timers on the host's monotonic clock. RunDue may be entered again from inside
// a handler (through Host::Pump); each timer fires at most once per call, and a timer that was
// due several times while the loop was blocked fires once, not in a burst.
class Scheduler {
public:
    explicit Scheduler(std::function<qint64()> clock);

    void RunDue();
    // Earliest due time of an enabled timer, or -1 when none is enabled.
    qint64 NextDue() const;
    // Called whenever a timer is enabled, disabled or re-timed, so a host can re-arm its waker.
    std::function<void()> changed;

private:
    friend class GameTimer;
    void Add(GameTimer* timer);
    void Remove(GameTimer* timer);
    void Changed();

    std::function<qint64()> clock;
    std::vector<GameTimer*> timers;
};

}  // namespace kirune
