#include "library/Cp932Text.h"
#include "library/PlayFile.h"
#include "support/PlayFileMaker.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kirune {
namespace {

// Two rows, three columns: ＡＢ■ / Ｃ■■; word 1 across ＡＢ, word 2 down ＡＣ.
QString Tiny(const QString& marker = QStringLiteral(";#1")) {
    return QStringList{
        QStringLiteral("title"), QStringLiteral("0"), QStringLiteral("x"), QStringLiteral("1"),
        marker,
        QStringLiteral("size"), QStringLiteral("2,3"),
        QStringLiteral("level"), QStringLiteral("3,2,2"),
        QStringLiteral("kinds"),
        QStringLiteral("1,1,1,1,1"), QStringLiteral("1,4,2,1,1"), QStringLiteral("1,3,1,1,1"), QStringLiteral("1,1,1,1,1"),
        QStringLiteral("answers"), QStringLiteral("ＡＢ■"), QStringLiteral("Ｃ■■"),
        QStringLiteral("across"), QStringLiteral("1,0,0"), QStringLiteral("0,0,0"),
        QStringLiteral("down"), QStringLiteral("2,0,0"), QStringLiteral("0,0,0"),
        QStringLiteral("words"),
        QStringLiteral("7,鳥,とり,トリ,,3"),
        QStringLiteral("2,a,b,c,d,e,f,g,h,i,j,k"),
    }.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
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

TEST_F(PlayFileReader, LoadsEveryFieldOfAStage) {
    const auto read = LoadStageData(Write(Tiny()), 1);
    ASSERT_TRUE(read) << read.error->Describe().toStdString();
    const Crossword& x = read.value;
    EXPECT_EQ(x.MasMaxY, 2);
    EXPECT_EQ(x.MasMaxX, 3);
    EXPECT_EQ(x.MasStride, 5);
    EXPECT_EQ(x.MasLast, 19);
    EXPECT_EQ(x.Level, 3);
    EXPECT_EQ(x.Mas[6].Kind, 4);
    EXPECT_EQ(x.Mas[6].AcrossNo, 1);
    EXPECT_EQ(x.Mas[6].DownNo, 2);
    EXPECT_EQ(x.Mas[6].Answer, QChar(0xFF21));
    EXPECT_EQ(x.Mas[6].Entered, QChar(0x3000));
    EXPECT_EQ(x.Mas[6].UndoChr, QChar(0x3000));
    EXPECT_EQ(x.Mas[8].Entered, QChar(0x25A0)) << "a black cell starts as ■";
    EXPECT_TRUE(x.Mas[8].UndoChr.isNull());
    EXPECT_TRUE(x.Mas[0].Entered.isNull()) << "frame cells get their kind only";

    const QuesRec& bird = x.Ques[1];
    EXPECT_EQ(bird.QuesText, QStringLiteral("鳥"));
    EXPECT_EQ(bird.AnsText, QStringLiteral("とり"));
    EXPECT_EQ(bird.Yomi, QStringLiteral("トリ"));
    EXPECT_EQ(bird.ID, QStringLiteral("0"));
    EXPECT_EQ(bird.CN, QStringLiteral("3"));
    EXPECT_EQ(bird.BN, QString());
    EXPECT_EQ(bird.SN, QString());
    EXPECT_EQ(x.Ques[2].AN, QStringLiteral("h"));
    EXPECT_EQ(x.Ques[2].SN, QStringLiteral("i,j,k")) << "everything after the ninth comma";
}

TEST_F(PlayFileReader, FindsOnlyTheExactMarkerAnywhereInTheFile) {
    EXPECT_FALSE(LoadStageData(Write(Tiny(QStringLiteral(";#1 "))), 1));
    EXPECT_FALSE(LoadStageData(Write(Tiny(QStringLiteral(";#01"))), 1));
    EXPECT_EQ(LoadStageData(Write(Tiny(QStringLiteral(";#01"))), 1).error->problem, PlayFileProblem::NoStage);

    // Sections stored 2, 1: both load, each from its own marker.
    QString text = PlayFileText({{PatternGrid(5, 5)}, {PatternGrid(3, 4)}});
    text.replace(QStringLiteral(";#1\r\n"), QStringLiteral(";#9\r\n"));
    text.replace(QStringLiteral(";#2\r\n"), QStringLiteral(";#1\r\n"));
    text.replace(QStringLiteral(";#9\r\n"), QStringLiteral(";#2\r\n"));
    const QString path = Write(text);
    EXPECT_EQ(LoadStageData(path, 1).value.MasMaxX, 4);
    EXPECT_EQ(LoadStageData(path, 2).value.MasMaxX, 5);
}

TEST_F(PlayFileReader, ReadsNumericBlocksHoweverTheyAreSpreadOverLines) {
    QString oneLine = Tiny();
    oneLine.replace(QStringLiteral("1,1,1,1,1\r\n1,4,2,1,1\r\n1,3,1,1,1\r\n1,1,1,1,1"),
                    QStringLiteral("1,1,1,1,1,1,4,2,1,1,1,3,1,1,1,1,1,1,1,1"));
    QString perLine = Tiny();
    perLine.replace(QStringLiteral("3,2,2"), QStringLiteral("3\r\n2\r\n 2"));
    perLine.replace(QStringLiteral("1,0,0\r\n0,0,0\r\ndown"), QStringLiteral("1\r\n0\r\n0\r\n0,0\r\n0\r\ndown"));
    for (const QString& text : {oneLine, perLine}) {
        const auto read = LoadStageData(Write(text), 1);
        ASSERT_TRUE(read) << read.error->Describe().toStdString();
        EXPECT_EQ(read.value.Mas[6].Kind, 4);
        EXPECT_EQ(read.value.Mas[7].Kind, 2);
        EXPECT_EQ(read.value.QuesDownFirst, 2);
        EXPECT_EQ(read.value.Mas[6].AcrossNo, 1);
        EXPECT_EQ(read.value.Ques[2].QuesText, QStringLiteral("a"));
    }
}

TEST_F(PlayFileReader, AShortSolutionLineGivesBlankAnswers) {
    QString text = Tiny();
    text.replace(QStringLiteral("Ｃ■■"), QStringLiteral("Ｃ"));
    const auto read = LoadStageData(Write(text), 1);
    ASSERT_TRUE(read);
    EXPECT_EQ(read.value.Mas[12].Answer, QChar(u' '));
    EXPECT_EQ(read.value.Mas[12].Entered, QChar(0x3000));
}

TEST_F(PlayFileReader, RefusesEveryUnreadableFileWithOneTypedError) {
    struct Case {
        const char* what;
        QString from, to;
        PlayFileProblem problem;
    };
    const Case cases[] = {
        {"no marker", QStringLiteral(";#1"), QStringLiteral(";#3"), PlayFileProblem::NoStage},
        {"letters in a numeric block", QStringLiteral("1,4,2,1,1"), QStringLiteral("1,4,x,1,1"),
         PlayFileProblem::NotANumber},
        {"a fraction in a numeric block", QStringLiteral("2,3"), QStringLiteral("2,3.5"), PlayFileProblem::NotANumber},
        {"ends inside the section", QStringLiteral("\r\n2,a,b,c,d,e,f,g,h,i,j,k"), QString(),
         PlayFileProblem::EndsInsideSection},
        {"ends inside a numeric block", QStringLiteral("1,3,1,1,1\r\n1,1,1,1,1"), QStringLiteral("1,3,1"),
         PlayFileProblem::NotANumber},
        {"no rows", QStringLiteral("2,3"), QStringLiteral("0,3"), PlayFileProblem::ImpossibleSize},
        {"a huge grid", QStringLiteral("2,3"), QStringLiteral("2,300000"), PlayFileProblem::ImpossibleSize},
        {"no words", QStringLiteral("3,2,2"), QStringLiteral("3,0,1"), PlayFileProblem::ImpossibleSize},
        {"down words before across", QStringLiteral("3,2,2"), QStringLiteral("3,2,9"), PlayFileProblem::ImpossibleSize},
    };
    for (const Case& c : cases) {
        QString text = Tiny();
        text.replace(c.from, c.to);
        const auto read = LoadStageData(Write(text), 1);
        ASSERT_FALSE(read) << c.what;
        EXPECT_EQ(read.error->problem, c.problem) << c.what << ": " << read.error->Describe().toStdString();
    }
    EXPECT_EQ(LoadStageData(dir.filePath(QStringLiteral("none.vxl")), 1).error->problem, PlayFileProblem::CannotOpen);
    EXPECT_EQ(ReadStageMax(dir.filePath(QStringLiteral("none.vxl"))).error->problem, PlayFileProblem::CannotOpen);
    EXPECT_EQ(LoadStageData(dir.path(), 1).error->problem, PlayFileProblem::CannotOpen) << "a folder";
    // A marker on the last line opens no stage.
    EXPECT_EQ(LoadStageData(Write(QStringLiteral("t\r\n0\r\nx\r\n1\r\n;#1\r\n")), 1).error->problem,
              PlayFileProblem::NoStage);
}

TEST_F(PlayFileReader, ReadsTheHeaderNumbers) {
    const QString path = Write(QStringLiteral("title\r\n 1 kana\r\n\r\n12.5 stages\r\n"));
    EXPECT_EQ(ReadInputMode(path).value, 1);
    EXPECT_EQ(ReadStageMax(path).value, 12);
    EXPECT_EQ(ReadStageMax(Write(QStringLiteral("only\r\n0\r\n"))).value, 0) << "a missing line has no number";
}

TEST(StageCaptions, ShowTitleLevelWordCountAndSize) {
    Crossword x;
    x.MasMaxX = 9;
    x.MasMaxY = 9;
    x.QuesNmbMax = 124;
    const std::pair<int, QString> levels[] = {
        {0, QStringLiteral("ＣＵＳＴＯＭ")}, {1, QStringLiteral("★　　　　")}, {3, QStringLiteral("★★★　　")},
        {5, QStringLiteral("★★★★★")},       {7, QStringLiteral("★★★★★")},    {-1, QStringLiteral("before")},
    };
    for (const auto& [level, caption] : levels) {
        x.Level = level;
        EXPECT_EQ(CaptionsFor(x, QStringLiteral("x.vxl"), 1, QStringLiteral("before")).lblLevel, caption) << level;
    }
    const auto captions = CaptionsFor(x, QStringLiteral("標準日本語クロス.v1.vxl"), 3, QString());
    EXPECT_EQ(captions.lblTitle, QStringLiteral("標準日本語クロス [3]"));
    EXPECT_EQ(captions.lblQuesNmbMax, QStringLiteral("１２４"));
    EXPECT_EQ(captions.lblMasMaxXY, QStringLiteral("W9xH9"));
}

}  // namespace
}  // namespace kirune
