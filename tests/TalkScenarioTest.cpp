// Whole games with each partner, from the title to a farewell, watched through the talks the
// flow asks for: the right numbers, in the right order, with the variables the word effects and
// the name rely on.

#include "library/Cp932Text.h"
#include "support/SimGame.h"
#include "talk/TalkNumbers.h"
#include "support/TalkAnswer.h"

#include <gtest/gtest.h>

#include <set>

namespace kirune {
namespace {

int Hint(int P, int h) { return TalkNo::Of(TalkNo::Hint, P, h); }

QList<int> Since(const SimGame& game, qsizetype from) { return game.game.talk.History().mid(from); }

// The hint kinds each request may give: the drawn kind, or the kind it becomes for the cursor's
// own cell (0) or for a word of two cells (20, 21, 22).
const std::set<int> kKindsByStep[9] = {
    {0, 1, 2, 20, 21, 22}, {0, 1, 2, 3, 4, 5, 20, 21, 22}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 20, 21, 22},
    {0, 6, 7, 8, 9, 10},   {9, 10, 11, 12, 13},            {11, 12, 13, 14},
    {15},                  {16, 17, 18},                   {16, 17, 18}};

// Asks for one hint at the given strength and checks what the partner said.
void HintAt(SimGame& game, int P, int step) {
    SCOPED_TRACE(step);
    const qsizetype mark = game.game.talk.History().size();
    game.story.checker.SetAdviceStep(step);
    game.story.OnAdviceClick();
    QList<int> said = Since(game, mark);
    const bool big = !said.isEmpty() && said.front() == 2801;
    if (big)
        said.removeFirst();
    ASSERT_EQ(said.size(), 2);
    const int kind = (said[0] - 2900 - P) / 4;
    EXPECT_EQ(said, QList<int>({Hint(P, kind), 1213}));
    EXPECT_TRUE(kKindsByStep[step].count(kind)) << "kind " << kind;
    EXPECT_EQ(big, kind == 13 || kind == 14) << "the big hints come after the narrator's 2801";
    EXPECT_EQ(game.game.talk.TalkVar(P), kPartnerWords[P]) << "a hint's data must not replace the word of the partner";
}

TEST(TalkScenario, EachPartnerFromTheTitleToAFarewell) {
    for (int P = 1; P <= 4; ++P) {
        SCOPED_TRACE(P);
        const bool named = P % 2 == 0;
        SimGame game(P == 1 ? std::vector<StageSketch>{kRing} : std::vector<StageSketch>{kRing, kRing}, 0, 9 * 3600.0,
                     [&](SimGame& g) {
                         g.menuAnswers = {{1231, P}};
                         if (!named)
                             g.typedName.clear();
                     });
        TalkEngine& talk = game.game.talk;
        ASSERT_EQ(game.story.flow.PartnerKind(), P);
        QList<int> title = {1301, 1211, 1212, 1302, 1211, 1212, 1311, 1321, 1231, 1232, 1331};
        if (!named)
            title << 1332;
        EXPECT_EQ(talk.History(), title << 1333 << 1243 << 1401 << P + 1410);

        // The name: typed, or the one the navigator offered; the partner's word is kept apart.
        const QString name = game.ScoreFile().section(u'\n', 2, 2);
        EXPECT_EQ(talk.TalkVar(10), name);
        EXPECT_TRUE(named ? name == QStringLiteral("ケン") : !name.isEmpty()) << name.toStdString();
        for (int p = 1; p <= 4; ++p) {
            EXPECT_EQ(talk.TalkVar(p), kPartnerWords[p]);
            EXPECT_NE(name, kPartnerWords[p]);
        }

        for (int step = 0; step <= 8; ++step)
            HintAt(game, P, step);

        // A failed check, then a passed one; what follows depends on the partner: the only
        // stage solved (1), no next stage (2), the next stage and then stop (3) or hints run
        // out (4).
        game.menuAnswers = {{2115, 1}, {2535, P == 2 ? 2 : 1}, {1615, 1}};
        game.Solve();
        game.story.OnCellClick(game.Cell(3, 2));
        game.Type(QStringLiteral("Z"));
        game.TakeSounds();
        qsizetype mark = talk.History().size();
        game.story.OnAnswerOpenClick();
        EXPECT_EQ(Since(game, mark), QList<int>({2101, P + 2110, 2115, P + 2220, 1213, P + 2300, 1213, P + 2700, 1213}));
        EXPECT_TRUE(game.TakeSounds().contains(QStringLiteral("不正解"))) << "the sweep sounds the wrong cell";

        game.Type(QStringLiteral("G"));
        mark = talk.History().size();
        QList<int> passed = {2101, P + 2110, 2115, P + 2224, 1213, P + 2300, 1213, 2401, P + 2504};
        if (P <= 2) {
            EXPECT_THROW(game.story.OnAnswerOpenClick(), GameEnded);
            EXPECT_EQ(Since(game, mark), P == 1 ? passed << P + 2510 << 1213 << P + 2520 << 1223 << 2525
                                                : passed << P + 2530 << 2535 << P + 2608 << 1223 << 2613);
            continue;
        }
        game.story.OnAnswerOpenClick();
        EXPECT_EQ(Since(game, mark), passed << P + 2530 << 2535 << P + 2604 << 1213);
        EXPECT_EQ(game.story.flow.StageNmb(), 2);

        mark = talk.History().size();
        game.host.reportAnswers = {AnswerOk};
        game.story.checker.SetAdviceStep(9);
        EXPECT_THROW(P == 3 ? game.story.OnEndClick() : game.story.OnAdviceClick(), GameEnded);
        EXPECT_EQ(Since(game, mark), P == 3 ? QList<int>({1601, P + 1610, 1615, P + 1704, 1213, P + 1720, 1223, 1731})
                                            : QList<int>({Hint(P, 19), 1211, P + 3000, 1223, 3011}));
    }
}

TEST(TalkScenario, GreetingsOfAReturningPlayerAndOfAFirstKanaPuzzle) {
    for (int P = 1; P <= 4; ++P) {
        SCOPED_TRACE(P);
        SimGame back({kRing}, 0, 9 * 3600.0, [&](SimGame& g) {
            g.menuAnswers = {{1231, P}};
            WriteTextFile(g.folder.filePath(QStringLiteral("test.log")),
                          {QStringLiteral(";c"), QStringLiteral(";n"), QStringLiteral("ケン"), QStringLiteral(";s"),
                           QStringLiteral("0")});
        });
        EXPECT_EQ(back.game.talk.History(),
                  (QList<int>{1301, 1211, 1212, 1302, 1211, 1212, 1312, 1321, 1231, 1232, 1501, P + 1510}));
        EXPECT_EQ(back.game.talk.TalkVar(0) + back.game.talk.TalkVar(10), QStringLiteral("おかえり、ケン"))
            << "the greeting that slides in";

        SimGame kana({kRing}, 1, 9 * 3600.0, [&](SimGame& g) { g.menuAnswers = {{1231, P}}; });
        EXPECT_EQ(kana.game.talk.History().last(4), (QList<int>{1401, 1421, P + 1430, 0}));
        EXPECT_EQ(kana.game.talk.BoxLayout(), 0) << "every box is closed when play begins";
    }
}

}  // namespace
}  // namespace kirune
