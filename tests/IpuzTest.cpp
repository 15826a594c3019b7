// .ipuz in and out: a stage survives the round trip; what the game cannot play is refused by name.

#include "author/Ipuz.h"
#include "library/PlayFile.h"
#include <QDir>

#include <gtest/gtest.h>

namespace kirune {
namespace {

// Every stage of every shipped collection, kana and alphabet, goes out as .ipuz and comes back
// with the same grid and clues.
TEST(Ipuz, EveryShippedStageComesBackWithItsGridAndClues) {
    const QDir program(QStringLiteral(KIRUNE_PROGRAM_DIR));
    const QStringList files = program.entryList({QStringLiteral("*.vxl")}, QDir::Files);
    ASSERT_GE(files.size(), 4);
    int stages = 0;
    for (const QString& name : files) {
        const QString path = program.filePath(name);
        const int mode = ReadInputMode(path).value;
        for (int n = 1; n <= ReadStageMax(path).value; ++n, ++stages) {
            auto stage = LoadStageData(path, n);
            ASSERT_TRUE(stage && !PrepareForPlay(stage.value)) << name.toStdString() << " " << n;
            const Crossword& x = stage.value;
            const IpuzPuzzle back = ReadIpuz(StageToIpuz(x, mode, name));
            ASSERT_TRUE(back.error.isEmpty()) << name.toStdString() << " " << n << ": " << back.error.toStdString();
            QStringList rows, clues;
            for (int r = 1; r <= x.MasMaxY; ++r) {
                QString row;
                for (int c = 1; c <= x.MasMaxX; ++c)
                    row += x.Mas[x.Cell(r, c)].Kind == KindBlack ? QChar(u'■') : x.Mas[x.Cell(r, c)].Answer;
                rows << row;
            }
            for (int w = 1; w <= x.QuesNmbMax; ++w)
                clues << x.Ques[w].AnswerText + QStringLiteral(" = ") + x.Ques[w].QuesText;
            EXPECT_EQ(back.inputMode, mode) << name.toStdString() << " " << n;
            EXPECT_EQ(back.rows, rows) << name.toStdString() << " " << n;
            EXPECT_EQ(back.across + back.down, clues) << name.toStdString() << " " << n;
        }
    }
    EXPECT_GE(stages, 23);
}

TEST(Ipuz, WhatTheGameCannotPlayIsRefusedByName) {
    const QString grid = QStringLiteral(R"("dimensions": {"width": 2, "height": 2}, "puzzle": [[1, 2], [3, 0]],)");
    const QString clues = QStringLiteral(R"("clues": {"Across": [[1, "a"], [3, "b"]], "Down": [[1, "c"], [2, "d"]]})");
    auto file = [&](const QString& kind, const QString& solution, const QString& extra = QString()) {
        return (QStringLiteral(R"({"version": "http://ipuz.org/v2", "kind": [")") + kind + QStringLiteral(R"("], )") + grid +
                solution + extra + clues + u'}').toUtf8();
    };
    const QString plain = QStringLiteral(R"("solution": [["A", "B"], ["C", "D"]],)");
    EXPECT_TRUE(ReadIpuz(file(QStringLiteral("http://ipuz.org/crossword#1"), plain)).error.isEmpty());
    // Real clues hold commas, which split a play file's word line, and letters CP932 lacks.
    const IpuzPuzzle cafe = ReadIpuz(file(QStringLiteral("http://ipuz.org/crossword#1"), plain).replace("\"a\"", "\"Café, as in Paris ☕\""));
    ASSERT_FALSE(cafe.across.isEmpty());
    EXPECT_EQ(cafe.across.front(), QStringLiteral("ＡＢ = Cafe， as in Paris ・"));
    const std::vector<std::pair<QByteArray, const char*>> refused = {
        {file(QStringLiteral("http://ipuz.org/crossword/diagramless#1"), plain), "not a plain crossword"},
        {file(QStringLiteral("http://ipuz.org/crossword#1"), QString()), "no solution"},
        {file(QStringLiteral("http://ipuz.org/crossword#1"), QStringLiteral(R"("solution": [["AB", "B"], ["C", "D"]],)")), "a rebus cell"},
        {file(QStringLiteral("http://ipuz.org/crossword#1"), plain).replace("[[1, 2]", R"([[{"cell": 1, "style": {"barred": "R"}}, 2])"), "a barred grid"},
        {file(QStringLiteral("http://ipuz.org/crossword#1"), plain).replace("[3, \"b\"]", "[3, \"b\"], [7, \"x\"]"), "clue 7 across has no word"},
        {file(QStringLiteral("http://ipuz.org/crossword#1"), plain).replace("\"width\": 2", "\"width\": 900"), "a grid of 900 x 2"},
        {file(QStringLiteral("http://ipuz.org/crossword#1"), QStringLiteral(R"("solution": [["", ""], ["", ""]],)")), "no word in the grid"},
    };
    for (const auto& [json, why] : refused)
        EXPECT_TRUE(ReadIpuz(json).error.startsWith(QString::fromUtf8(why))) << why << ": " << ReadIpuz(json).error.toStdString();
}

}  // namespace
}  // namespace kirune
