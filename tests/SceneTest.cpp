#include "support/SimGame.h"

#include <gtest/gtest.h>

namespace kirune {
namespace {

// The view follows the partner: in from the right to the world's left edge, and out again to
// the right.
TEST(Scene, TheViewFollowsThePartnerInAndOff) {
    SimGame game({kSmall});
    const Anim& anim = game.game.anim;
    EXPECT_LE(anim.ViewX(), 0) << "the view followed the partner in to the left edge";
    game.menuAnswers = {{1615, 1}};
    EXPECT_THROW(game.story.OnEndClick(), GameEnded);
    int x = 0, y = 0;
    anim.GetSpritePos(game.game.scene.PartnerSprite, x, y);
    EXPECT_GE(x, 160) << "off the stage to the right";
    EXPECT_GT(anim.ViewX(), 0) << "the view went along to the right";
}

}  // namespace
}  // namespace kirune
