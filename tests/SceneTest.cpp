#include "support/SimGame.h"

#include <gtest/gtest.h>

namespace kirune {
namespace {


TEST(Scene, TheOpeningStageShowsTheFamilyWhereTheyStand) {
    // Stop right after the screen is set up: the file dialog never gets an answer.
    SimGame game({kSmall}, 0, 9 * 3600.0, [](SimGame& g) {
        g.host.fileChoices = {QString()};  // cancelled, and then the player gives up
        g.host.reportAnswers = {AnswerNo};
    });
    ASSERT_TRUE(game.endedAtStart);
    const Scene& scene = game.game.scene;
    const Anim& anim = game.game.anim;
    const std::pair<int, int> places[5] = {{0, 0}, {22, 176}, {242, 176}, {72, 111}, {192, 111}};
    for (int m = 1; m <= 4; ++m) {
        ASSERT_NE(scene.StandSprite[m], 0) << m;
        const SpriteRec& s = anim.Sprites[size_t(scene.StandSprite[m])];
        EXPECT_EQ(s.X, places[m].first) << m;
        EXPECT_EQ(s.Y, places[m].second) << m;
        EXPECT_EQ(s.Active, 1);
        for (int p = 1; p <= 5; ++p)
            EXPECT_EQ(anim.Sprites[size_t(scene.PoseSprite[m][p])].Active, 0) << "poses are loaded hidden";
    }
    EXPECT_EQ(scene.StandSprite[1], 1) << "the standing figures are the first sprites";
    EXPECT_EQ(anim.CastFileName, QStringLiteral("CastData.csv"));
}

TEST(Scene, ThePartnerWalksInSettlesAndTheStageIsSmall) {
    SimGame game({kSmall});
    const Scene& scene = game.game.scene;
    const Anim& anim = game.game.anim;
    EXPECT_EQ(anim.StageLeft, 576);
    EXPECT_EQ(anim.StageW, 148);
    EXPECT_EQ(anim.WorldW, 160);
    const SpriteRec& partner = anim.Sprites[size_t(scene.PartnerSprite)];
    EXPECT_EQ(partner.JitterKind, 46) << "settled: a slow sway";
    EXPECT_EQ(partner.Mode, 0);
    EXPECT_LE(anim.ViewX, 0) << "the view followed the partner to the left edge";
    EXPECT_LT(partner.X, 160);
    const SpriteRec& cloud = anim.Sprites[size_t(scene.CloudSprite)];
    EXPECT_EQ(cloud.Mode, 21);
    EXPECT_EQ(cloud.MoveDir, 6);
    EXPECT_EQ(cloud.MoveWait, 16);
    EXPECT_TRUE(anim.StageVisible);
    EXPECT_EQ(anim.MoodSprite, scene.PartnerSprite);
}

TEST(Scene, ThePartnerWalksOffAtTheEnd) {
    SimGame game({kSmall});
    game.menuAnswers = {{1615, 1}};
    EXPECT_THROW(game.story.OnEndClick(), GameEnded);
    int x = 0, y = 0;
    game.game.anim.GetSpritePos(game.game.scene.PartnerSprite, x, y);
    EXPECT_GE(x, 160) << "off the stage to the right";
}

}  // namespace
}  // namespace kirune
