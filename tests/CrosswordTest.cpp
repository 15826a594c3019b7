#include "library/PlayFile.h"
#include "model/StageCheck.h"
#include "support/PlayFileMaker.h"
#include "support/SimGame.h"

#include <gtest/gtest.h>

namespace kirune {
namespace {

Crossword Load(const std::vector<StageSketch>& stages, QTemporaryDir& dir) {
    auto read = LoadStageData(WritePlayFile(dir.path(), QStringLiteral("c.vxl"), PlayFileText(stages)), 1);
    EXPECT_TRUE(read);
    return read.value;
}

TEST(Crossword, FramesTheGridAndLinksCellsToWords) {
    QTemporaryDir dir;
    Crossword x = Load({kRing}, dir);
    EXPECT_EQ(std::make_pair(x.MasStride, x.MasLast), std::make_pair(5, 24));
    EXPECT_TRUE(PrepareStage(x).empty());
    EXPECT_EQ(x.QuesDownFirst, 3);
    // Each word's start, length and text; a word running to the last column stops at the frame.
    QStringList words;
    for (int w = 1; w <= x.QuesNmbMax; ++w)
        words << QStringLiteral("%1+%2 %3").arg(x.Ques[w].Start).arg(x.Ques[w].Length).arg(x.Ques[w].AnswerText);
    EXPECT_EQ(words, QStringList({QStringLiteral("6+3 ＡＢＣ"), QStringLiteral("16+3 ＦＧＨ"), QStringLiteral("6+3 ＡＤＦ"),
                                  QStringLiteral("8+3 ＣＥＨ")}));
    // The across and down word of every cell, row by row (0: none).
    QStringList of;
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c)
            of << QStringLiteral("%1%2").arg(x.Mas[x.Cell(r, c)].AcrossOf).arg(x.Mas[x.Cell(r, c)].DownOf);
    EXPECT_EQ(of.join(u' '), QStringLiteral("13 10 14 03 00 04 23 20 24"));
    EXPECT_EQ(x.Mas[x.Cell(1, 3)].Kind, KindCrossing);
}

TEST(StageCheck, SortsProblemsIntoFatalAndHarmless) {
    QTemporaryDir dir;
    const Crossword good = Load({kRing}, dir);
    const struct {
        const char* what;
        std::function<void(Crossword&)> spoil;
        bool fatal;
        const char* says;
    } cases[] = {
        {"frame not black", [](Crossword& x) { x.Mas[2].Kind = 2; }, true, "frame cell"},
        {"word number out of range", [](Crossword& x) { x.Mas[x.Cell(1, 1)].AcrossNo = 9; }, true, "outside"},
        {"down number in the across range", [](Crossword& x) { x.Mas[x.Cell(1, 1)].DownNo = 1; }, true, "outside"},
        {"word without a start", [](Crossword& x) { x.Mas[x.Cell(3, 1)].AcrossNo = 0; }, true, "starts in no cell"},
        {"kind against the solution", [](Crossword& x) { x.Mas[x.Cell(2, 2)].Kind = 2; }, false, "solution holds"},
        {"kind against the words", [](Crossword& x) { x.Mas[x.Cell(1, 2)].Kind = 4; }, false, "words make it"},
        {"white cell in no word",
         [](Crossword& x) { MasRec& m = x.Mas[x.Cell(2, 2)]; m.Answer = QChar(0xFF3A); m.Kind = 2; }, false, "belongs to no word"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Crossword x = good;
        c.spoil(x);
        const auto problems = PrepareStage(x);
        ASSERT_FALSE(problems.empty());
        EXPECT_EQ(HasFatal(problems), c.fatal);
        EXPECT_TRUE(problems.front().text.contains(QLatin1String(c.says))) << problems.front().text.toStdString();
    }
}

TEST(SetupStage, AFailedLoadLeavesTheBoardAsItWas) {
    SimGame game({kRing});
    game.Keys(QStringLiteral("X"));
    game.RunFor(1.0);
    const QString before = game.Row(1);
    const QString title = game.screen.lblTitle;
    EXPECT_TRUE(game.story.flow.SetupStage(2).has_value()) << "there is no stage 2";
    EXPECT_EQ(game.Row(1), before);
    EXPECT_EQ(game.screen.lblTitle, title);
    EXPECT_EQ(game.story.flow.StageNmb(), 1);
    EXPECT_EQ(game.screen.lblCell.size(), size_t(game.Stage().MasLast + 1));
}

}  // namespace
}  // namespace kirune
