#include "support/SimGame.h"

#include <gtest/gtest.h>

namespace kirune {
namespace {

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
