#include "support/ModelInvariants.h"
#include "support/SimGame.h"

#include <gtest/gtest.h>

namespace kirune {
namespace {

// Nothing here looks at the stage picture.
const auto kUnpainted = [](SimGame& g) { g.game.anim.PaintStage = false; };

// The soak trusts this checker to speak up: each way of breaking the model must be named.
TEST(ModelInvariants, HoldInAFreshGameAndNameEveryBreak) {
    SimGame game({kRing, kRing}, 0, 9 * 3600.0, kUnpainted);
    ASSERT_EQ(CheckModelInvariants(game.story, game.screen), QStringList());
    EXPECT_TRUE(AllowedEntry(QChar(0xFF21), 0));
    EXPECT_FALSE(AllowedEntry(u'A', 0));
    EXPECT_TRUE(AllowedEntry(u'ー', 1));
    EXPECT_FALSE(AllowedEntry(u'ッ', 1)) << "small kana never enter the grid";

    struct Break {
        const char* what;
        std::function<void(Story&, Screen&)> apply;
        const char* reported;
    };
    const Break breaks[] = {
        {"caption", [](Story& s, Screen& screen) { screen.lblCell[s.CurMas].Caption = QStringLiteral("Ｚ"); }, "shows"},
        {"colour", [](Story& s, Screen& screen) { screen.lblCell[s.CurMas].BackColor = CellColor::Wrong; }, "colour"},
        {"cursor", [](Story& s, Screen&) { s.CurMas = s.Stage().Cell(2, 2); }, "cursor"},
        {"word", [](Story& s, Screen&) { s.CurQuesNmb = 0; }, "no word"},
        {"step", [](Story& s, Screen&) { s.CurStep = s.Stage().MasStride; }, "step"},
        {"solved flag", [](Story& s, Screen&) { s.StageClear[2] = 2; }, "solved flag"},
        {"stage", [](Story& s, Screen&) { s.StageNmb = 3; }, "stage 3 of 2"},
        {"busy", [](Story& s, Screen&) { s.ModalBusy = true; }, "not at rest"},
        {"clue", [](Story&, Screen& screen) { screen.lblQuesNmb = QStringLiteral("９"); }, "clue"},
    };
    for (const Break& b : breaks) {
        SimGame broken({kRing, kRing}, 0, 9 * 3600.0, kUnpainted);
        b.apply(broken.story, broken.game.screen);
        const QStringList found = CheckModelInvariants(broken.story, broken.screen);
        EXPECT_TRUE(found.join(u'\n').contains(QLatin1String(b.reported)))
            << b.what << ": " << found.join(u'\n').toStdString();
    }
}

TEST(ModelInvariants, TheScoreFileMustAgreeWithTheGame) {
    SimGame game({kRing, kRing}, 0, 9 * 3600.0, kUnpainted);
    std::vector<qint32> clear = game.story.StageClear;
    EXPECT_EQ(CheckScoreFile(game.ScoreFilePath(), clear, game.typedName), QStringList());
    clear[1] = 1;
    EXPECT_EQ(CheckScoreFile(game.ScoreFilePath(), clear, game.typedName).size(), 1);
    EXPECT_EQ(CheckScoreFile(game.ScoreFilePath(), game.story.StageClear, QStringLiteral("ユミ")).size(), 1);
    EXPECT_FALSE(CheckScoreFile(game.folder.filePath(QStringLiteral("none.log")), clear, game.typedName).isEmpty());
}

}  // namespace
}  // namespace kirune
