#include "library/Cp932Text.h"
#include "library/PlayFile.h"
#include "support/PlayFileMaker.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kirune {
namespace {

// Two rows, three columns: ＡＢ■ / Ｃ■■; word 1 across ＡＢ, word 2 down ＡＣ.
QString Tiny() {
    return QStringLiteral("title\n0\nx\n1\n;#1\nsize\n2,3\nlevel\n3,2,2\nkinds\n1,1,1,1,1\n1,4,2,1,1\n1,3,1,1,1\n"
                          "1,1,1,1,1\nanswers\nＡＢ■\nＣ■■\nacross\n1,0,0\n0,0,0\ndown\n2,0,0\n0,0,0\nwords\n"
                          "7,鳥,とり,トリ,,3\n2,a,b,c,d,e,f,g,h,i,j,k\n");
}

class PlayFileReader : public ::testing::Test {
protected:
    QString Write(const QString& text) {
        const QString path = dir.filePath(QStringLiteral("p%1.vxl").arg(++count));
        WriteTextFile(path, SplitLines(text));
        return path;
    }
    QTemporaryDir dir;
    int count = 0;
};

TEST_F(PlayFileReader, LoadsEveryFieldHoweverTheNumbersAreSpreadOverLines) {
    // A short solution line leaves blank answers.
    const QString stage = Tiny().replace(QStringLiteral("Ｃ■■"), QStringLiteral("Ｃ"));
    QString oneLine = stage, perLine = stage;
    oneLine.replace(QStringLiteral("1,1,1,1,1\n1,4,2,1,1\n1,3,1,1,1\n1,1,1,1,1"),
                    QStringLiteral("1,1,1,1,1,1,4,2,1,1,1,3,1,1,1,1,1,1,1,1"));
    perLine.replace(QStringLiteral("3,2,2"), QStringLiteral("3\n2\n 2"));
    perLine.replace(QStringLiteral("1,0,0\n0,0,0\ndown"), QStringLiteral("1\n0\n0\n0,0\n0\ndown"));
    for (const QString& text : {stage, oneLine, perLine}) {
        SCOPED_TRACE(text.toStdString());
        const auto read = LoadStageData(Write(text), 1);
        ASSERT_TRUE(read) << read.error->Describe().toStdString();
        const Crossword& x = read.value;
        EXPECT_EQ(std::vector<int>({x.MasMaxY, x.MasMaxX, x.MasStride, x.MasLast, x.Level, x.QuesDownFirst}),
                  std::vector<int>({2, 3, 5, 19, 3, 2}));
        const MasRec& a = x.Mas[6];
        EXPECT_EQ(std::vector<int>({a.Kind, x.Mas[7].Kind, a.AcrossNo, a.DownNo}), std::vector<int>({4, 2, 1, 2}));
        EXPECT_EQ(QString(a.Answer) + a.Entered + a.UndoChr, QStringLiteral("Ａ　　"));
        EXPECT_EQ(x.Mas[8].Entered, QChar(0x25A0)) << "a black cell starts as ■";
        EXPECT_TRUE(x.Mas[8].UndoChr.isNull());
        EXPECT_TRUE(x.Mas[0].Entered.isNull()) << "frame cells get their kind only";
        EXPECT_EQ(QString(x.Mas[12].Answer) + x.Mas[12].Entered, QStringLiteral(" 　"));
        const QuesRec& bird = x.Ques[1];
        EXPECT_EQ(QStringList({bird.QuesText, bird.AnsText, bird.Yomi, bird.ID, bird.CN, bird.BN, bird.SN}),
                  QStringList({QStringLiteral("鳥"), QStringLiteral("とり"), QStringLiteral("トリ"), QStringLiteral("0"),
                               QStringLiteral("3"), QString(), QString()}));
        EXPECT_EQ(x.Ques[2].AN, QStringLiteral("h"));
        EXPECT_EQ(x.Ques[2].SN, QStringLiteral("i,j,k")) << "everything after the ninth comma";
    }
}

TEST_F(PlayFileReader, FindsEachStageByItsMarkerAnywhereInTheFile) {
    // Sections stored 2, 1: both load, each from its own marker.
    QString text = PlayFileText({kSmall, {PatternGrid(3, 4)}});
    text.replace(QStringLiteral(";#1\r\n"), QStringLiteral(";#9\r\n"));
    text.replace(QStringLiteral(";#2\r\n"), QStringLiteral(";#1\r\n"));
    text.replace(QStringLiteral(";#9\r\n"), QStringLiteral(";#2\r\n"));
    const QString path = Write(text);
    EXPECT_EQ(LoadStageData(path, 1).value.MasMaxX, 4);
    EXPECT_EQ(LoadStageData(path, 2).value.MasMaxX, 5);
}

TEST_F(PlayFileReader, RefusesEveryUnreadableFileWithOneTypedError) {
    const struct { const char* what; QString from, to; PlayFileProblem problem; } cases[] = {
        {"no marker", QStringLiteral(";#1"), QStringLiteral(";#3"), PlayFileProblem::NoStage},
        {"a marker with a space", QStringLiteral(";#1"), QStringLiteral(";#1 "), PlayFileProblem::NoStage},
        {"a marker with a zero", QStringLiteral(";#1"), QStringLiteral(";#01"), PlayFileProblem::NoStage},
        {"letters in a numeric block", QStringLiteral("1,4,2"), QStringLiteral("1,4,x"), PlayFileProblem::NotANumber},
        {"ends inside the section", QStringLiteral("\n2,a,b,c,d,e,f,g,h,i,j,k"), QString(), PlayFileProblem::EndsInsideSection},
        {"ends inside a numeric block", QStringLiteral("1,3,1,1,1\n1,1,1,1,1"), QStringLiteral("1,3,1"),
         PlayFileProblem::NotANumber},
        {"no rows", QStringLiteral("2,3"), QStringLiteral("0,3"), PlayFileProblem::ImpossibleSize},
        {"a huge grid", QStringLiteral("2,3"), QStringLiteral("2,300000"), PlayFileProblem::ImpossibleSize},
        {"no words", QStringLiteral("3,2,2"), QStringLiteral("3,0,1"), PlayFileProblem::ImpossibleSize},
        {"down words before across", QStringLiteral("3,2,2"), QStringLiteral("3,2,9"), PlayFileProblem::ImpossibleSize},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto read = LoadStageData(Write(Tiny().replace(c.from, c.to)), 1);
        ASSERT_FALSE(read);
        EXPECT_EQ(read.error->problem, c.problem) << read.error->Describe().toStdString();
    }
    EXPECT_EQ(LoadStageData(dir.filePath(QStringLiteral("none.vxl")), 1).error->problem, PlayFileProblem::CannotOpen);
    EXPECT_EQ(LoadStageData(dir.path(), 1).error->problem, PlayFileProblem::CannotOpen) << "a folder";
    EXPECT_EQ(ReadStageMax(Write(QStringLiteral("only\r\n0\r\n"))).value, 0) << "a missing header line has no number";
    // A marker on the last line opens no stage.
    EXPECT_EQ(LoadStageData(Write(QStringLiteral("t\n0\nx\n1\n;#1\n")), 1).error->problem, PlayFileProblem::NoStage);
}

TEST(StageCaptions, ShowTitleLevelWordCountAndSize) {
    Crossword x;
    x.MasMaxX = 9;
    x.MasMaxY = 9;
    x.QuesNmbMax = 124;
    const std::pair<int, QString> levels[] = {{0, QStringLiteral("ＣＵＳＴＯＭ")}, {1, QStringLiteral("★　　　　")},
                                              {5, QStringLiteral("★★★★★")},       {7, QStringLiteral("★★★★★")},
                                              {-1, QStringLiteral("before")}};
    for (const auto& [level, caption] : levels) {
        x.Level = level;
        EXPECT_EQ(CaptionsFor(x, QStringLiteral("x.vxl"), 1, QStringLiteral("before")).lblLevel, caption) << level;
    }
    const auto captions = CaptionsFor(x, QStringLiteral("標準日本語クロス.v1.vxl"), 3, QString());
    EXPECT_EQ(QStringList({captions.lblTitle, captions.lblQuesNmbMax, captions.lblMasMaxXY}),
              QStringList({QStringLiteral("標準日本語クロス [3]"), QStringLiteral("１２４"), QStringLiteral("W9xH9")}));
}

}  // namespace
}  // namespace kirune
