#include "support/SimGame.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kirune {
namespace {

TEST(Clock, RunsAcrossMidnight) {
    SimGame game({kSmall}, 0, 23 * 3600 + 59 * 60 + 30);
    ASSERT_GT(game.story.clock.StartTime(), 86000);
    // Sixty seconds after the stage began, well into the next day (the greeting may already
    // have run past midnight). Sampled by a posted input, which arrives on time even while a
    // remark of the partner waits inside the game timer.
    const double elapsed = std::fmod(game.host.SecondsSinceMidnight() - game.story.clock.StartTime() + 86400.0, 86400.0);
    ASSERT_LT(elapsed, 60.0);
    double seconds = 0;
    std::vector<int> passed;
    QString shown;
    game.host.Post(qint64((60.2 - elapsed) * 1000), [&] {
        seconds = game.host.SecondsSinceMidnight();
        passed = {game.story.clock.PassedH(), game.story.clock.PassedM(), game.story.clock.PassedS()};
        shown = game.screen.lblPassedTime;
    });
    game.RunFor(61.0 - elapsed);
    EXPECT_LT(seconds, 100.0);
    EXPECT_EQ(passed, (std::vector<int>{0, 1, 0}));
    EXPECT_TRUE(shown.contains(QStringLiteral("01:00"))) << shown.toStdString();
}

TEST(Clock, TheCursorBlinksEveryHalfSecond) {
    SimGame game({kSmall});
    std::vector<Rgb> seen;
    for (int i = 0; i < 4; ++i) {
        game.RunFor(0.5);
        seen.push_back(game.Back(game.CursorCell()));
    }
    const Rgb other = seen[0] == CellColor::Cursor ? CellColor::Selected : CellColor::Cursor;
    EXPECT_EQ(seen, (std::vector<Rgb>{seen[0], other, seen[0], other}));
    EXPECT_TRUE(seen[0] == CellColor::Selected || seen[0] == CellColor::Cursor);
    game.story.flow.SetupStage(1);
    EXPECT_EQ(game.screen.lblPassedTime, QStringLiteral("00:00")) << "a stage's clock starts at 00:00";
}

TEST(Clock, TenHoursOnOneStageEndTheGameByItself) {
    // Ten hours of stage animation would take most of the run; nothing here looks at it.
    SimGame game({kSmall}, 0, 9 * 3600.0, [](SimGame& g) { g.game.anim.SetPaintStage(false); });
    // A player who keeps pressing keys is never idle, so only the ten-hour limit ends the game;
    // they never answer a talk, and the farewell and its report end by themselves.
    game.playerAnswers = false;
    for (int minute = 0; minute < 601; ++minute)
        game.host.Post(minute * 60000 + 30000, [&game] { game.story.OnKeyDown(Key::Right, false); });
    EXPECT_THROW(game.RunFor(10 * 3600.0 + 1.0), GameEnded);
    EXPECT_EQ(game.story.clock.PassedH(), 10);
    ASSERT_EQ(game.host.reports.size(), 1u);
    EXPECT_EQ(game.host.reports[0].title, QStringLiteral("Kiruneの終了"));
    EXPECT_EQ(game.game.talk.History().last(5), QList<int>({3101, 1211, 3111, 1223, 3121}));
}

}  // namespace
}  // namespace kirune
