#include "library/PlayFile.h"
#include "support/SimGame.h"

#include <QFile>

#include <gtest/gtest.h>

namespace kirune {
namespace {

// Keys the romaji table turns back into exactly this katakana, one kana at a time.
QString Romaji(const QString& katakana) {
    static const QString rows[] = {
        QStringLiteral("アイウエオ"), QStringLiteral("カキクケコ"), QStringLiteral("サシスセソ"), QStringLiteral("タチツテト"),
        QStringLiteral("ナニヌネノ"), QStringLiteral("ハヒフヘホ"), QStringLiteral("マミムメモ"), QStringLiteral("ヤ・ユ・ヨ"),
        QStringLiteral("ラリルレロ"), QStringLiteral("ワ・・・ヲ"), QStringLiteral("ガギグゲゴ"), QStringLiteral("ザジズゼゾ"),
        QStringLiteral("ダヂヅデド"), QStringLiteral("バビブベボ"), QStringLiteral("パピプペポ"), QStringLiteral("・・ヴ・・"),
    };
    static const char* const consonants[] = {"", "K", "S", "T", "N", "H", "M", "Y", "R", "W", "G", "Z", "D", "B", "P", "V"};
    static const char vowels[] = "AIUEO";
    QString keys;
    for (const QChar kana : katakana) {
        if (kana == u'ン') {
            keys += QStringLiteral("NN");
            continue;
        }
        if (kana == u'ー') {
            keys += u'-';
            continue;
        }
        bool found = false;
        for (int row = 0; row < 16 && !found; ++row)
            if (const qsizetype v = rows[row].indexOf(kana); v >= 0 && kana != u'・') {
                keys += QLatin1String(consonants[row]) + QLatin1Char(vowels[v]);
                found = true;
            }
        EXPECT_TRUE(found) << "no keys for " << QString(kana).toStdString();
    }
    return keys;
}

TEST(ShippedCollections, RomajiHelperTypesTheAwkwardKana) {
    EXPECT_EQ(Romaji(QStringLiteral("ツシチフジヅヂヲヴンー")), QStringLiteral("TUSITIHUZIDUDIWOVUNN-"));
}

// Plays the shipped collection from its first stage to its last: every word typed as a
// player would, every stage checked, until the solved last stage ends the game.
void SolveEveryStage(const QString& fileName) {
    const QString shipped = QStringLiteral(KIRUNE_PROGRAM_DIR "/") + fileName;
    const auto stageMax = ReadStageMax(shipped);
    const auto mode = ReadInputMode(shipped);
    ASSERT_TRUE(stageMax && mode) << fileName.toStdString();
    // A copy in the game's own folder, so the score file never lands beside the shipped one.
    SimGame game({{PatternGrid(3, 3)}}, mode.value, 9 * 3600.0, [&](SimGame& g) {
        QFile::remove(g.path);
        ASSERT_TRUE(QFile::copy(shipped, g.path));
    });
    ASSERT_FALSE(game.endedAtStart);
    game.menuAnswers = {{2115, 1}, {2535, 1}};

    for (int solved = 1; solved <= stageMax.value; ++solved) {
        const int n = game.story.StageNmb;
        SCOPED_TRACE(QStringLiteral("%1 stage %2").arg(fileName).arg(n).toStdString());
        for (int w = 1; w <= game.Stage().QuesNmbMax; ++w) {
            const QString& answer = game.Stage().Ques[w].AnswerText;
            game.Select(w);
            game.Type(mode.value == 1 ? Romaji(answer) : answer);
        }
        ASSERT_EQ(game.story.CountWrongCells(), 0);
        if (solved < stageMax.value) {
            game.story.OnAnswerOpenClick();
            ASSERT_EQ(game.ScoreFile().section(u'\n', 4, 4).split(u',').at(n - 1), QStringLiteral("1"));
            ASSERT_NE(game.story.StageNmb, n) << "a solved stage leads to the next";
        } else {
            EXPECT_THROW(game.story.OnAnswerOpenClick(), GameEnded) << "the last solved stage ends the game";
        }
    }
    const QStringList status = game.ScoreFile().section(u'\n', 4, 4).split(u',');
    EXPECT_EQ(status, QStringList(stageMax.value, QStringLiteral("1")));
}

TEST(ShippedCollections, EveryKanaStageIsSolvedByTypingRomaji) { SolveEveryStage(QStringLiteral("カタカナめぐり.vxl")); }

TEST(ShippedCollections, EveryAlphabetStageIsSolvedByTypingItsWords) {
    SolveEveryStage(QStringLiteral("英単語めぐり.vxl"));
}

}  // namespace
}  // namespace kirune
