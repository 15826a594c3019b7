#include "support/SimGame.h"

#include <gtest/gtest.h>

namespace kirune {
namespace {

const std::vector<StageSketch> kSmall = {{PatternGrid(5, 5)}};

TEST(Clock, RunsAcrossMidnight) {
    SimGame game(kSmall, 0, 23 * 3600 + 59 * 60 + 30);
    EXPECT_EQ(game.screen.lblPassedTime, QStringLiteral("00:00"));
    game.RunFor(60.0);  // 00:00:30 the next day
    EXPECT_EQ(game.story.PassedH, 0);
    EXPECT_EQ(game.story.PassedM, 1);
    EXPECT_EQ(game.story.PassedS, 0);
    EXPECT_TRUE(game.screen.lblPassedTime.contains(QStringLiteral("01:00")))
        << game.screen.lblPassedTime.toStdString();
}

TEST(Clock, TheCursorBlinksEveryHalfSecond) {
    SimGame game(kSmall);
    const int cursor = game.CursorCell();
    std::vector<Rgb> seen;
    for (int i = 0; i < 4; ++i) {
        game.RunFor(0.5);
        seen.push_back(game.Back(cursor));
    }
    EXPECT_EQ(seen, (std::vector<Rgb>{CellColor::Selected, CellColor::Cursor, CellColor::Selected, CellColor::Cursor}));
}

TEST(Clock, TenHoursOnOneStageEndTheGame) {
    SimGame game(kSmall);
    EXPECT_THROW(game.RunFor(10 * 3600.0 + 1.0), GameEnded);
    EXPECT_EQ(game.story.PassedH, 10);
}

}  // namespace
}  // namespace kirune
