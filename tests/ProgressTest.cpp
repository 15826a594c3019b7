#include "library/Cp932Text.h"
#include "library/ProgressFile.h"
#include "support/FileBytes.h"
#include "support/SimGame.h"

#include <QFile>

#include <gtest/gtest.h>

namespace kirune {
namespace {

// A version-1 file as the game writes it: a 3 × 2 grid with a block in each row.
const QByteArray kFile = "Kirune progress 1\r\nstage 2\r\ncolumns 3\r\nrows 2\r\n"
                         "answers 0123456789abcdef0123456789abcdef\r\nword 3\r\ncursor 2 1\r\nchecks 1\r\nhints 4\r\n"
                         "entered\r\nア　■\r\nンー■\r\nundo\r\n　　■\r\n　イ■\r\n";

QByteArray Joined(const QList<QByteArray>& lines, const char* end) {
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + end;
    return bytes;
}

TEST(ProgressFile, ReadsAVersionOneFileAndWritesItBackByteForByte) {
    for (const QByteArray& bytes : {kFile, QByteArray(kFile).replace("\r\n", "\n"), "\xEF\xBB\xBF" + kFile}) {
        const auto read = ParseProgress(bytes);
        ASSERT_TRUE(read) << read.error->Describe().toStdString();
        const StageProgress& p = read.value;
        EXPECT_EQ(std::tuple(p.stage, p.columns, p.rows, p.word, p.cursorRow, p.cursorColumn, p.checks, p.hints),
                  std::tuple(2, 3, 2, 3, 2, 1, 1, 4));
        EXPECT_EQ(p.entered, QStringList({QStringLiteral("ア　■"), QStringLiteral("ンー■")}));
        EXPECT_EQ(p.undo[1], QStringLiteral("　イ■"));
        EXPECT_EQ(Joined(ProgressLines(p), "\r\n"), kFile);
    }
}

// Each case spoils the good file in one place; the error names the line at fault (0: the file
// as a whole).
TEST(ProgressFile, RefusesAnythingButAWholeFileOfItsOwnVersion) {
    auto spoilt = [](const char* from, const QByteArray& to) { return QByteArray(kFile).replace(from, to); };
    const std::pair<QByteArray, int> cases[] = {
        {"", 1},
        {";このファイルはKiruneで使う個人成績データです。\r\n", 1},
        {spoilt("progress 1", "progress 2"), 1},
        {kFile.left(kFile.indexOf("undo")), 0},
        {kFile.left(kFile.size() - 5), 15},
        {spoilt("stage 2", "stage 0"), 2},
        {spoilt("columns 3", "columns three"), 3},
        {spoilt("rows 2", "rows 2 2"), 4},
        {spoilt("answers 0123", "answers 0"), 5},
        {spoilt("answers 0123", "answers ABCD"), 5},
        {spoilt("cursor 2 1", "cursor 3 1"), 7},
        {spoilt("checks 1\r\nhints 4", "hints 4\r\nchecks 1"), 8},
        {spoilt("hints 4", "hints -4"), 9},
        {spoilt("ア　■", "ア■"), 11},
        {spoilt("ア　■", "ア　\t"), 11},
        {spoilt("ア　■", "ア\xFF\xFE"), 11},
        {spoilt("ア　■", "ア\xF0\x9F\x98\x80"), 11},
        {spoilt("undo", "undone"), 13},
        {kFile + "extra\r\n", 16},
    };
    for (const auto& [bytes, line] : cases) {
        const auto read = ParseProgress(bytes);
        ASSERT_FALSE(read) << bytes.toStdString();
        EXPECT_EQ(read.error->line, line) << bytes.toStdString() << ": " << read.error->Describe().toStdString();
    }
}

const StageSketch kBig{PatternGrid(15, 15)};

// Beside the score file, named as it is with another extension.
QString ProgressPath(const SimGame& game) { return game.ScoreFilePath().chopped(4) + QStringLiteral(".progress"); }
bool Ran(const SimGame& game, int talk) { return game.game.talk.History().contains(talk); }

// What a player left on the board, and the checker's counts.
struct Left {
    QStringList rows, undo;
    int cursor, word, checks, hints;
    bool operator==(const Left&) const = default;
};
Left BoardOf(const SimGame& game) {
    Left b{{}, {}, game.CursorCell(), game.story.board.CurQuesNmb(), game.story.checker.CheckCount(),
            game.story.checker.AdviceStep()};
    const Crossword& x = game.Stage();
    for (int r = 1; r <= x.MasMaxY; ++r) {
        b.rows << game.Row(r);
        QString undo;
        for (int c = 1; c <= x.MasMaxX; ++c)
            undo += x.Mas[x.Cell(r, c)].UndoChr;
        b.undo << undo;
    }
    return b;
}

// Half a 15 × 15 stage, typed, erased in one cell, with a hint asked for; the game
// ends each way a game can end, and the next one on the same file has it all back before the
// greeting's end.
TEST(Progress, HalfABigStageComesBackAfterEveryWayOfEnding) {
    enum class Ending { EndButton, AltF4, Kill };
    for (const Ending ending : {Ending::EndButton, Ending::AltF4, Ending::Kill}) {
        SCOPED_TRACE(int(ending));
        QTemporaryDir dir;
        const QString path = WritePlayFile(dir.path(), QStringLiteral("big.vxl"), PlayFileText({kSmall, kBig}));
        Left left;
        {
            SimGame first(path);
            first.story.OnCrossChangeClick();
            ASSERT_EQ(first.Stage().MasMaxX, 15);
            const Crossword& x = first.Stage();
            for (int w = 1; w < x.QuesDownFirst; w += 2) {
                first.Select(w);
                first.Type(x.Ques[w].AnswerText);
            }
            first.Key(Key::Delete);
            first.RunFor(0.5);
            first.story.OnAdviceClick();
            const int down = x.QuesDownFirst + 2;
            first.Select(down);
            // The game ends as soon as the last letter is down, before the next timed write.
            first.Keys(x.Ques[down].AnswerText.left(3));
            const int fourth = x.Ques[down].Start + 3 * x.MasStride;
            first.host.RunUntil([&] { return first.CursorCell() == fourth; });
            left = BoardOf(first);
            ASSERT_EQ(left.hints, 1);
            switch (ending) {
            case Ending::EndButton:
                EXPECT_THROW(first.story.OnEndClick(), GameEnded);
                break;
            case Ending::AltF4:
                EXPECT_THROW(first.story.OnKeyDown(Key::F4, true), GameEnded);
                break;
            case Ending::Kill:
                // The game dies without ending: all that is left is what the second's writes kept.
                first.RunFor(1.0);
                break;
            }
        }
        bool backBeforeGreeting = false;
        SimGame second(path, 9 * 3600.0, [&](SimGame& g) {
            g.game.talk.viewChanged = [&](bool) {
                if (g.game.talk.CurrentTalk() == 1511 && !backBeforeGreeting)
                    backBeforeGreeting = g.story.board.HasStage() && BoardOf(g) == left;
            };
        });
        EXPECT_EQ(second.story.flow.StageNmb(), 2) << "the stage left unfinished, not the first unsolved one";
        EXPECT_TRUE(backBeforeGreeting);
        EXPECT_EQ(BoardOf(second), left);
        for (int r = 1; r <= 15; ++r)
            for (int c = 1; c <= 15; ++c)
                if (const MasRec& m = second.Stage().Mas[second.Cell(r, c)]; m.Kind != KindBlack) {
                    EXPECT_EQ(second.Caption(second.Cell(r, c)), QString(m.Entered));
                }
        EXPECT_TRUE(Ran(second, 1521)) << "the partner mentions the board";
    }
}

// The clock of the game's host paces the writes: never two within a second, yet typing never
// waits for the end to be kept.
TEST(Progress, WritesComeAtMostOnceASecondWhileTyping) {
    SimGame game({kBig});
    const QString path = ProgressPath(game);
    std::vector<qint64> writes;
    QByteArray last;
    GameTimer watch(game.host.Timers(), 10, [&] {
        const QByteArray now = FileBytes(path);
        if (now != last)
            writes.push_back(game.host.NowMs());
        last = now;
    });
    watch.SetEnabled(true);
    const QString word = game.Stage().Ques[1].AnswerText;
    game.Type(word);
    game.RunFor(1.0);
    ASSERT_GE(writes.size(), 4u) << "a word typed over seconds is kept as it is typed";
    for (size_t i = 1; i < writes.size(); ++i)
        EXPECT_GE(writes[i] - writes[i - 1], 1000);
    const auto kept = ParseProgress(last);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept.value.entered[0], word);
}

// The file follows the stage in play: a fresh stage has nothing to keep, and a solved one's goes.
TEST(Progress, TheFileFollowsTheStageInPlayAndGoesWithItsSolution) {
    SimGame game({kRing, kSmall, kRing});
    const QString path = ProgressPath(game);
    EXPECT_FALSE(QFile::exists(path)) << "nothing typed, nothing kept";
    game.Type(QStringLiteral("AB"));
    EXPECT_TRUE(QFile::exists(path));
    game.story.OnCrossChangeClick();
    EXPECT_FALSE(QFile::exists(path)) << "the new stage is blank";
    game.Solve();
    EXPECT_TRUE(ParseProgress(FileBytes(path)) && ParseProgress(FileBytes(path)).value.stage == 2);
    game.story.OnAnswerOpenClick();
    EXPECT_EQ(game.story.flow.StageNmb(), 3);
    EXPECT_FALSE(QFile::exists(path)) << "stage 2 is solved";
}

// Whatever stands in the progress file, play starts as designed: the first unsolved stage,
// blank, no mention of a kept board. A file that cannot be read is kept as .bad and one that no
// longer fits the play file as .old, each with one line for whoever looks after the game; a
// solved stage's file just goes.
TEST(Progress, AFileThatCannotBeTakenUpNeverStandsInThePlaysWay) {
    StageProgress other;
    other.stage = 1;
    other.columns = other.rows = 3;
    other.answers = QString(32, u'0');
    other.word = other.cursorRow = other.cursorColumn = 1;
    other.entered = other.undo = {QStringLiteral("ＡＢＣ"), QStringLiteral("Ｄ■Ｅ"), QStringLiteral("ＦＧＨ")};
    const QByteArray otherAnswers = Joined(ProgressLines(other), "\n");
    other.stage = 3;
    const QByteArray noSuchStage = Joined(ProgressLines(other), "\n");
    const QByteArray solvedStage = QByteArray(noSuchStage).replace("stage 3", "stage 2");

    const std::tuple<const char*, QByteArray, const char*> cases[] = {
        {"garbled", "\x81\x40garbage", ".bad"},
        {"truncated", kFile.left(40), ".bad"},
        {"other answers", otherAnswers, ".old"},
        {"no such stage", noSuchStage, ".old"},
        {"solved stage", solvedStage, nullptr},
    };
    for (const auto& [what, bytes, aside] : cases) {
        SCOPED_TRACE(what);
        QString path;
        SimGame game({kRing, kRing}, 0, 9 * 3600.0, [&](SimGame& g) {
            WriteTextFile(g.ScoreFilePath(), {QStringLiteral(";c"), QStringLiteral(";n"), QStringLiteral("ケン"),
                                              QStringLiteral(";s"), QStringLiteral("0,1")});
            path = ProgressPath(g);
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        });
        EXPECT_EQ(game.story.flow.StageNmb(), 1);
        EXPECT_EQ(game.Row(1), QStringLiteral("　　　"));
        EXPECT_FALSE(Ran(game, 1521));
        EXPECT_FALSE(QFile::exists(path));
        EXPECT_EQ(game.host.diagnostics.size(), aside ? 1 : 0) << game.host.diagnostics.join(u'\n').toStdString();
        if (aside) {
            EXPECT_EQ(FileBytes(path + QLatin1String(aside)), bytes);
        }
        EXPECT_TRUE(game.ScoreFile().endsWith(QStringLiteral("ケン\n;s\n0,1")));
        game.Type(QStringLiteral("A"));
        EXPECT_TRUE(ParseProgress(FileBytes(path))) << "play goes on and is kept";
    }
}

}  // namespace
}  // namespace kirune
