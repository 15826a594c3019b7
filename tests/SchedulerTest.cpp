#include "host/Wait.h"
#include "support/SimHost.h"

#include <gtest/gtest.h>

namespace kirune {
namespace {

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

}  // namespace
}  // namespace kirune
