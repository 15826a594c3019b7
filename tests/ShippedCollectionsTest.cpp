#include "library/PlayFile.h"
#include "support/Romaji.h"
#include "support/SimGame.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace kirune {
namespace {

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
    EXPECT_EQ(game.game.keypad.Shown, mode.value == 1) << "a first kana game shows the keypad";
    game.menuAnswers = {{2115, 1}, {2535, 1}};

    for (int solved = 1; solved <= stageMax.value; ++solved) {
        const int n = game.story.flow.StageNmb();
        SCOPED_TRACE(QStringLiteral("%1 stage %2").arg(fileName).arg(n).toStdString());
        for (int w = 1; w <= game.Stage().QuesNmbMax; ++w) {
            const QString& answer = game.Stage().Ques[w].AnswerText;
            game.Select(w);
            game.Type(mode.value == 1 ? Romaji(answer) : answer);
        }
        ASSERT_EQ(game.story.checker.CountWrongCells(), 0);
        if (solved < stageMax.value) {
            game.story.OnAnswerOpenClick();
            ASSERT_NE(game.story.flow.StageNmb(), n) << "a solved stage leads to the next";
        } else {
            EXPECT_THROW(game.story.OnAnswerOpenClick(), GameEnded) << "the last solved stage ends the game";
        }
    }
    const QStringList status = game.ScoreFile().section(u'\n', 4, 4).split(u',');
    EXPECT_EQ(status, QStringList(stageMax.value, QStringLiteral("1")));
}

// Kana words are typed in romaji, alphabet words as they are.
TEST(ShippedCollections, EveryStageOfEveryCollectionIsSolvedByTyping) {
    const QStringList files = QDir(QStringLiteral(KIRUNE_PROGRAM_DIR)).entryList({QStringLiteral("*.vxl")}, QDir::Files);
    ASSERT_GE(files.size(), 4);
    for (const QString& name : files)
        SolveEveryStage(name);
}

}  // namespace
}  // namespace kirune
