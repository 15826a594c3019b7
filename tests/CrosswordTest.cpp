#include "library/PlayFile.h"
#include "model/StageCheck.h"
#include "support/PlayFileMaker.h"
#include "support/SimGame.h"

#include <gtest/gtest.h>

namespace kirune {
namespace {

Crossword Load(const std::vector<StageSketch>& stages, QTemporaryDir& dir, int n = 1) {
    const QString path = WritePlayFile(dir.path(), QStringLiteral("c.vxl"), PlayFileText(stages));
    auto read = LoadStageData(path, n);
    EXPECT_TRUE(read);
    return read.value;
}

TEST(Crossword, FramesTheGridAndLinksCellsToWords) {
    QTemporaryDir dir;
    Crossword x = Load({kRing}, dir);
    EXPECT_EQ(x.MasStride, 5);
    EXPECT_EQ(x.MasLast, 24);
    EXPECT_TRUE(PrepareStage(x).empty());
    // Across: 1 ＡＢＣ, 2 ＦＧＨ; down: 3 ＡＤＦ, 4 ＣＥＨ.
    EXPECT_EQ(x.QuesDownFirst, 3);
    const int topRight = x.Cell(1, 3);
    EXPECT_EQ(x.Mas[topRight].Kind, KindCrossing);
    EXPECT_EQ(x.Mas[topRight].AcrossOf, 1);
    EXPECT_EQ(x.Mas[topRight].DownOf, 4);
    EXPECT_EQ(x.Ques[1].Start, x.Cell(1, 1));
    EXPECT_EQ(x.Ques[1].Length, 3) << "a word running to the last column stops at the frame";
    EXPECT_EQ(x.Ques[4].AnswerText, QStringLiteral("ＣＥＨ"));
    EXPECT_EQ(x.Ques[4].Length, 3);
    EXPECT_EQ(x.Mas[x.Cell(2, 1)].AcrossOf, 0);
    EXPECT_EQ(x.Mas[x.Cell(2, 1)].DownOf, 3);
}

TEST(Crossword, GridSizesGiveTheirStrideAndLastIndex) {
    QTemporaryDir dir;
    const Crossword big = Load({{PatternGrid(15, 15)}}, dir);
    EXPECT_EQ(big.MasStride, 17);
    EXPECT_EQ(big.MasLast, 288);

    // A 1 x 1 grid by hand: the maker cannot make a word of one cell.
    const QString one = QStringLiteral("t\r\n0\r\nx\r\n1\r\n;#1\r\ns\r\n1,1\r\nl\r\n1,1,2\r\nk\r\n"
                                       "1,1,1\r\n1,2,1\r\n1,1,1\r\na\r\nＡ\r\nn\r\n1\r\nn\r\n0\r\nw\r\n1,c,Ａ\r\n");
    const QString path = WritePlayFile(dir.path(), QStringLiteral("one.vxl"), one);
    const auto read = LoadStageData(path, 1);
    ASSERT_TRUE(read);
    EXPECT_EQ(read.value.MasStride, 3);
    EXPECT_EQ(read.value.MasLast, 8);
    for (int frame : {0, 1, 2, 3, 5, 6, 7, 8})
        EXPECT_EQ(read.value.Mas[frame].Kind, KindBlack) << frame;
}

TEST(StageCheck, SortsProblemsIntoFatalAndHarmless) {
    QTemporaryDir dir;
    const Crossword good = Load({kRing}, dir);
    struct Case {
        const char* what;
        std::function<void(Crossword&)> spoil;
        bool fatal;
        const char* says;
    };
    const Case cases[] = {
        {"frame not black", [](Crossword& x) { x.Mas[2].Kind = 2; }, true, "frame cell"},
        {"word number out of range", [](Crossword& x) { x.Mas[x.Cell(1, 1)].AcrossNo = 9; }, true, "outside"},
        {"down number in the across range", [](Crossword& x) { x.Mas[x.Cell(1, 1)].DownNo = 1; }, true, "outside"},
        {"word without a start", [](Crossword& x) { x.Mas[x.Cell(3, 1)].AcrossNo = 0; }, true, "starts in no cell"},
        {"kind against the solution", [](Crossword& x) { x.Mas[x.Cell(2, 2)].Kind = 2; }, false, "solution holds"},
        {"kind against the words", [](Crossword& x) { x.Mas[x.Cell(1, 2)].Kind = 4; }, false, "words make it"},
        {"white cell in no word", [](Crossword& x) {
             x.Mas[x.Cell(2, 2)].Answer = QChar(0xFF3A);
             x.Mas[x.Cell(2, 2)].Kind = 2;
         }, false, "belongs to no word"},
    };
    for (const Case& c : cases) {
        Crossword x = good;
        c.spoil(x);
        const auto problems = PrepareStage(x);
        ASSERT_FALSE(problems.empty()) << c.what;
        EXPECT_EQ(HasFatal(problems), c.fatal) << c.what;
        EXPECT_TRUE(problems.front().text.contains(QLatin1String(c.says)))
            << c.what << ": " << problems.front().text.toStdString();
    }
}

TEST(SetupStage, AFailedLoadLeavesTheBoardAsItWas) {
    SimGame game({{{QStringLiteral("ＡＢＣ"), QStringLiteral("Ｄ■Ｅ"), QStringLiteral("ＦＧＨ")}}});
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
