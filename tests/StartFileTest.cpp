// "kirune FILE": the title's click opens the file instead of the dialog, which stays the way back.

#include "support/SimGame.h"

#include <gtest/gtest.h>

namespace kirune {
namespace {

TEST(StartFile, TheFirstChoiceIsTheFileAndAnUnreadableOneLeadsToTheDialog) {
    SimGame direct({kSmall}, 0, 9 * 3600.0, [](SimGame& g) {
        g.host.fileChoices.clear();  // the dialog would stall the game
        g.game.library.SetFirstChoice(g.path);
    });
    EXPECT_FALSE(direct.endedAtStart);
    EXPECT_EQ(direct.story.flow.PlayFileName(), QStringLiteral("test.vxl"));

    SimGame back({kSmall}, 0, 9 * 3600.0, [](SimGame& g) {
        const QString broken = WritePlayFile(g.folder.path(), QStringLiteral("broken.vxl"), QStringLiteral("nonsense"));
        g.game.library.SetFirstChoice(broken);
        g.host.reportAnswers = {AnswerYes};  // 103: choose another file
    });
    EXPECT_FALSE(back.endedAtStart);
    EXPECT_EQ(back.story.flow.PlayFileName(), QStringLiteral("test.vxl")) << "the dialog's choice";
    EXPECT_TRUE(back.host.fileChoices.empty());
}

}  // namespace
}  // namespace kirune
