#include "host/Wait.h"
#include "support/SimHost.h"

#include <gtest/gtest.h>

namespace kirune {
namespace {

TEST(Scheduler, ATimerKeepsTickingWhileItsOwnHandlerWaits) {
    SimHost host;
    int ticks = 0;
    int deepest = 0;
    int depth = 0;
    GameTimer timer(host.Timers(), 100, [&] {
        ++ticks;
        ++depth;
        deepest = std::max(deepest, depth);
        if (ticks == 1)
            Wait(host, 0.35);  // like a talk inside the minute work
        --depth;
    });
    timer.SetEnabled(true);
    host.RunFor(1.0);
    EXPECT_EQ(ticks, 10);
    EXPECT_EQ(deepest, 2) << "ticks during the wait run inside the first handler";
}

TEST(Scheduler, ATimerDueSeveralTimesWhileBlockedFiresOnce) {
    qint64 now = 0;
    Scheduler scheduler([&] { return now; });
    int ticks = 0;
    GameTimer timer(scheduler, 100, [&] { ++ticks; });
    timer.SetEnabled(true);
    now = 550;  // the loop was blocked for five intervals
    scheduler.RunDue();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(scheduler.NextDue(), 650);
    now = 600;
    scheduler.RunDue();
    EXPECT_EQ(ticks, 1);
}

TEST(Scheduler, TimersFireInDueOrderAndOnlyWhileEnabled) {
    SimHost host;
    QString order;
    GameTimer slow(host.Timers(), 30, [&] { order += u'S'; });
    GameTimer fast(host.Timers(), 20, [&] { order += u'F'; });
    slow.SetEnabled(true);
    fast.SetEnabled(true);
    host.RunFor(0.06);
    EXPECT_EQ(order, QStringLiteral("FSFSF")) << "equal due times fire in the order the timers were made";
    fast.SetEnabled(false);
    host.RunFor(0.06);
    EXPECT_EQ(order, QStringLiteral("FSFSFSS"));
}

TEST(SimHost, StartsAtAnyTimeOfDayAndWrapsAtMidnight) {
    SimHost host(23 * 3600 + 59 * 60 + 30);
    EXPECT_DOUBLE_EQ(host.SecondsSinceMidnight(), 86370.0);
    host.RunFor(45.0);
    EXPECT_DOUBLE_EQ(host.SecondsSinceMidnight(), 15.0);
}

TEST(SimHost, AWaitThatCanNeverEndFailsWithAMessage) {
    SimHost host;
    bool answered = false;
    EXPECT_THROW(host.RunUntil([&] { return answered; }, 5.0), SimStall);

    // Nothing enabled, nothing scripted, nothing awaited: not even time can pass.
    EXPECT_THROW(host.Pump(), SimStall);

    // Timers keep time moving, but the limit still ends a wait that never ends.
    GameTimer timer(host.Timers(), 100, [] {});
    timer.SetEnabled(true);
    host.limitMs = host.NowMs() + 2000;
    try {
        while (!answered)
            host.Pump();
        FAIL() << "the wait should have failed";
    } catch (const SimStall& stall) {
        EXPECT_NE(std::string(stall.what()).find("never ends"), std::string::npos);
    }
}

TEST(SimHost, DeliversScriptedInputInOrderAtItsTime) {
    SimHost host;
    QString seen;
    host.Post(200, [&] { seen += u'B'; });
    host.Post(100, [&] { seen += u'A'; });
    host.Post(200, [&] { seen += u'C'; });
    host.RunFor(0.15);
    EXPECT_EQ(seen, QStringLiteral("A"));
    host.RunFor(0.1);
    EXPECT_EQ(seen, QStringLiteral("ABC"));
}

}  // namespace
}  // namespace kirune
