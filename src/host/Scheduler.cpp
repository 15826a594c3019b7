#include "host/Scheduler.h"

#include <algorithm>

namespace kirune {

GameTimer::GameTimer(Scheduler& scheduler, int intervalMs, std::function<void()> handler)
    : scheduler(scheduler), interval(std::max(1, intervalMs)), handler(std::move(handler)) {
    scheduler.Add(this);
}

GameTimer::~GameTimer() { scheduler.Remove(this); }

void GameTimer::SetEnabled(bool on) {
    if (on == enabled)
        return;
    enabled = on;
    if (on)
        due = scheduler.clock() + interval;
    scheduler.Changed();
}

void GameTimer::SetInterval(int ms) {
    interval = std::max(1, ms);
    if (enabled)
        due = scheduler.clock() + interval;
    scheduler.Changed();
}

Scheduler::Scheduler(std::function<qint64()> clock) : clock(std::move(clock)) {}

void Scheduler::Add(GameTimer* timer) { timers.push_back(timer); }

void Scheduler::Remove(GameTimer* timer) {
    timers.erase(std::remove(timers.begin(), timers.end(), timer), timers.end());
}

void Scheduler::Changed() {
    if (changed)
        changed();
}

qint64 Scheduler::NextDue() const {
    qint64 next = -1;
    for (const GameTimer* t : timers)
        if (t->enabled && (next < 0 || t->due < next))
            next = t->due;
    return next;
}

void Scheduler::RunDue() {
    const qint64 now = clock();
    for (;;) {
        // Re-scan after every handler: a handler may have waited, re-entered RunDue and
        // switched timers on or off meanwhile.
        GameTimer* next = nullptr;
        for (GameTimer* t : timers)
            if (t->enabled && t->due <= now && (!next || t->due < next->due))
                next = t;
        if (!next)
            return;
        next->due += next->interval;
        if (next->due <= now)
            next->due = now + next->interval;
        if (next->handler)
            next->handler();
    }
}

}  // namespace kirune
