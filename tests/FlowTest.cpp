#include "library/Cp932Text.h"
#include "support/SimGame.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace kirune {
namespace {

bool Ran(const SimGame& game, int talk) { return game.game.talk.History().contains(talk); }
QString Status(const SimGame& game) { return game.ScoreFile().section(u'\n', 4, 4); }
QList<int> LastTalks(const SimGame& game, int n) { return game.game.talk.History().last(n); }

// A first visit creates the score file with the name; a solved stage is recorded at once.
TEST(Flow, AFirstVisitRecordsTheNameAndEachSolvedStageAtOnce) {
    SimGame game({kRing, kSmall});
    EXPECT_EQ(game.story.Flags().GamePhase, Phase::Play);
    EXPECT_TRUE(game.story.flow.FirstPlay());
    EXPECT_TRUE(game.host.reports.empty()) << "a writable play folder needs no report";
    EXPECT_EQ(game.ScoreFile(), QStringLiteral(";このファイルはKiruneで使う個人成績データです。\n;プレーヤー名\n"
                                               "ケン\n;解答状況のら列(#1～ステージ数) =0:未完成 =1:完成済み\n0,0"));
    EXPECT_EQ(game.host.tunes, QStringList({QStringLiteral("BGMテーマ曲"), QStringLiteral("BGM挿入曲1")}));
    EXPECT_TRUE(game.screen.PlayPanelsVisible);
    EXPECT_FALSE(game.screen.picKeypadVisible) << "an alphabet puzzle has no keypad button";

    QString statusWhenAsked;
    TalkEngine& talk = game.game.talk;
    talk.viewChanged = [&](bool) {
        if (talk.CurrentTalk() == 2535 && talk.View().Menu.Visible && statusWhenAsked.isEmpty())
            statusWhenAsked = Status(game);
    };
    game.Solve();
    game.story.OnAnswerOpenClick();
    EXPECT_EQ(statusWhenAsked, QStringLiteral("1,0")) << "written before the next-stage question";
    EXPECT_EQ(game.story.flow.StageNmb(), 2);
    EXPECT_EQ(game.Stage().MasMaxX, 5);
    EXPECT_EQ(game.story.checker.CheckCount(), 0);
    EXPECT_TRUE(Ran(game, 2501)) << "solved at the first check";
    EXPECT_TRUE(game.host.sounds.contains(QStringLiteral("正解")));
    EXPECT_FALSE(QFile::exists(game.folder.filePath(QStringLiteral("temp.log"))));
}

// A failed check cut short by the speed-up shows every result at once, then puts the cursor
// on the wrong cell; the partner scenarios check the whole sweep and its talks.
TEST(Flow, AFailedCheckCutShortShowsEveryResultAndPutsTheCursorOnTheWrongCell) {
    SimGame game({kSmall});
    game.Solve();
    const int wrongCell = game.Cell(5, 5);
    game.story.OnCellClick(wrongCell);
    game.Type(QStringLiteral("Q"));
    ASSERT_EQ(game.story.checker.CountWrongCells(), 1);

    // Cut the sweep short while the third word is highlighted, then watch for the whole board.
    auto results = [&] {
        return game.host.sounds.count(QStringLiteral("ビュ")) + game.host.sounds.count(QStringLiteral("不正解")) +
               game.host.sounds.count(QStringLiteral("正解"));
    };
    auto everyCellShown = [&] {
        const Crossword& x = game.Stage();
        for (int i = 0; i <= x.MasLast; ++i) {
            const CellLabel& label = game.screen.lblCell[i];
            if (x.Mas[i].Kind != KindBlack &&
                (i == wrongCell ? !label.Opaque || label.BackColor != CellColor::Wrong : label.Opaque))
                return false;
        }
        return true;
    };
    qsizetype soundsAtClick = -1;
    qint64 shownAt = -1, resetAt = -1;
    game.game.screen.changed = [&](Screen::Part part) {
        if (part == Screen::Part::Labels && game.screen.lblQuesNmb == QStringLiteral("３") && soundsAtClick < 0) {
            game.story.OnMarkSpeedUpClick();
            soundsAtClick = results();
        }
        if (part != Screen::Part::Cells || soundsAtClick < 0)
            return;
        if (shownAt < 0 && everyCellShown())
            shownAt = game.host.NowMs();
        if (shownAt >= 0 && resetAt < 0 && game.Back(wrongCell) != CellColor::Wrong)
            resetAt = game.host.NowMs();
    };
    game.story.OnAnswerOpenClick();
    EXPECT_TRUE(game.story.checker.SpeedUp());
    ASSERT_GE(shownAt, 0) << "every result was shown at once";
    EXPECT_GE(resetAt - shownAt, 1500) << "the results stay on the board before the cursor moves";
    EXPECT_EQ(results(), soundsAtClick) << "no cell of the cut sweep sounds";
    EXPECT_EQ(game.CursorCell(), wrongCell);
    EXPECT_EQ(game.Back(wrongCell), CellColor::Cursor);
    EXPECT_EQ(game.story.checker.CheckCount(), 1);
    EXPECT_TRUE(game.screen.lblAnswerOpenVisible && !game.screen.lblMarkSpeedUpVisible);

    game.Type(QString(game.Stage().Mas[wrongCell].Answer));
    EXPECT_THROW(game.story.OnAnswerOpenClick(), GameEnded) << "the only stage is solved: the game ends";
    EXPECT_EQ(Status(game), QStringLiteral("1"));
}

// A check waits for the queued entries; while the partner gives a hint, keys and the other
// buttons are dropped, but Alt+F4 ends the game even then.
TEST(Flow, ChecksWaitForQueuedEntriesAndKeysAndButtonsForThePartner) {
    SimGame game({kSmall});
    game.Keys(QStringLiteral("AB"));
    game.host.Post(0, [&] { game.story.OnAnswerOpenClick(); });
    game.RunFor(0.05);
    EXPECT_FALSE(Ran(game, 2101));
    game.RunFor(2.0);

    auto duringTheHint = [&](std::function<void()> press) {
        game.host.Post(0, [&] { game.story.OnAdviceClick(); });
        game.host.Post(300, [&, press] {
            EXPECT_GT(game.game.talk.CurrentTalk(), 2900) << "the hint is being told";
            press();
        });
    };
    const QString row = game.Row(1);
    duringTheHint([&] {
        game.story.OnAdviceClick();
        game.story.OnCrossChangeClick();
        game.story.OnAnswerOpenClick();
        game.story.OnEndClick();
        game.story.OnKeyDown(Key::A + ('X' - 'A'), false);
    });
    game.RunFor(20.0);
    EXPECT_EQ(game.story.checker.AdviceStep(), 1);
    for (int talk : {1801, 1911, 2101, 1601})
        EXPECT_FALSE(Ran(game, talk)) << talk;
    EXPECT_EQ(game.Row(1), row);

    duringTheHint([&] { game.story.OnKeyDown(Key::F4, true); });
    EXPECT_THROW(game.RunFor(20.0), GameEnded);
}

TEST(Flow, TheFirstCheckComplainsByHowManyCellsAreEmpty) {
    // 24 white cells of 25; 25 \ 3 = 8: eight empty cells give result 3, seven give result 2.
    for (const auto& [filled, talk] : {std::pair{16, 2213}, std::pair{17, 2209}}) {
        SimGame game({kSmall});
        for (int w = 1, left = filled; left > 0; ++w) {
            game.Select(w);
            const QString text = game.Stage().Ques[w].AnswerText.left(left);
            game.Type(text);
            left -= int(text.size());
        }
        game.story.OnAnswerOpenClick();
        EXPECT_TRUE(Ran(game, talk)) << filled;
        EXPECT_EQ(game.story.checker.CheckCount(), 0);
    }
}

// The score file's own handling of the question is the library's to test; here the game
// starts over on stage 1 with the name kept, or ends.
TEST(Flow, AllSolvedInTheScoreFileOffersAFreshStart) {
    for (const int answer : {AnswerYes, AnswerNo}) {
        SimGame game({kSmall, kRing}, 0, 9 * 3600.0, [&](SimGame& g) {
            WriteTextFile(g.folder.filePath(QStringLiteral("test.log")),
                          {QStringLiteral(";c"), QStringLiteral(";n"), QStringLiteral("ケン"), QStringLiteral(";s"),
                           QStringLiteral("1,2")});
            g.host.reportAnswers = {answer};
        });
        EXPECT_EQ(game.endedAtStart, answer == AnswerNo);
        EXPECT_TRUE(answer == AnswerNo || (game.story.flow.StageNmb() == 1 && !game.story.flow.FirstPlay() && Ran(game, 1501)));
        if (answer == AnswerYes) {
            EXPECT_EQ(SplitLines(game.ScoreFile()).mid(2), (QStringList{QStringLiteral("ケン"), QStringLiteral(";s"), QStringLiteral("0,0")}))
                << "a fresh start: every stage unsolved, the name kept";
        }
    }
}

// An unwritable play folder puts the score file in the temporary folder. With nobody at the
// keyboard the idle remarks, the farewell and its closing reports all end by themselves, and the
// file is kept; the next game takes it up, and deleting it at its end removes it.
TEST(Flow, AnUnwritablePlayFolderKeepsTheScoreFileInTheTemporaryFolder) {
    QTemporaryDir temp;
    // A folder where the score file should be: nothing can be written in its place, even by root.
    auto blocked = [&](SimGame& g) {
        QDir(g.folder.path()).mkdir(QStringLiteral("test.log"));
        g.host.environment[QStringLiteral("TEMP")] = temp.path();
        g.host.reportAnswers = {AnswerOk};
    };
    {
        SimGame first({kSmall}, 0, 9 * 3600.0, blocked);
        ASSERT_EQ(first.host.reports.size(), 1u);
        EXPECT_EQ(first.host.reports[0].title, QStringLiteral("確認：個人成績ファイルを別フォルダに作成しました"));
        EXPECT_TRUE(first.host.reports[0].text.contains(QStringLiteral("　") + temp.path() + u'/'));
        first.playerAnswers = false;
        EXPECT_THROW(first.RunFor(9 * 60.0), GameEnded) << "seven idle minutes end the game";
        QList<int> remarks;
        for (int t : first.game.talk.History())
            if (t > 3200 && t < 3250)
                remarks << t;
        EXPECT_EQ(remarks, QList<int>({3225, 3229, 3233, 3237, 3241}))
            << "minutes 1 to 4 remark, 5 and 6 say nothing, 7 says goodbye";
        EXPECT_EQ(LastTalks(first, 4), QList<int>({1211, 3251, 1223, 3261}));
        ASSERT_EQ(first.host.reports.size(), 3u);
        EXPECT_EQ(first.host.reports[1].title, QStringLiteral("Kiruneの終了"));
        EXPECT_EQ(first.host.reports[2].title, QStringLiteral("選択：個人成績ファイルの処理"));
    }
    const auto kept = ReadTextFile(temp.filePath(QStringLiteral("test.log")));
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->lines[0], QStringLiteral(";このファイルはＣＤ－ＲＯＭから起動したときの、Kiruneで使う個人成績データです。"));
    {
        SimGame second({kSmall}, 0, 9 * 3600.0, blocked);
        EXPECT_TRUE(second.host.reports.empty()) << "the kept file is taken up without a report";
        EXPECT_FALSE(second.story.flow.FirstPlay());
        second.Type(QStringLiteral("A"));
        ASSERT_TRUE(QFile::exists(temp.filePath(QStringLiteral("test.progress"))));
        second.host.reportAnswers = {AnswerNo};  // delete it, and the board kept beside it
        EXPECT_THROW(second.story.EndGame(), GameEnded);
    }
    EXPECT_FALSE(QFile::exists(temp.filePath(QStringLiteral("test.log"))));
    EXPECT_FALSE(QFile::exists(temp.filePath(QStringLiteral("test.progress"))));

    SimGame nowhere({kSmall}, 0, 9 * 3600.0, [&](SimGame& g) {
        blocked(g);
        g.host.environment.clear();
    });
    EXPECT_TRUE(nowhere.endedAtStart);
    EXPECT_EQ(nowhere.host.reports[0].title, QStringLiteral("報告：作業用フォルダがわかりません"));
}

TEST(Flow, FileChoiceRetriesUntilThePlayerGivesUp) {
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("broken.vxl"));
    WriteTextFile(broken, {QStringLiteral("t"), QStringLiteral("0"), QStringLiteral("x"), QStringLiteral("1")});
    SimGame game({kSmall}, 0, 9 * 3600.0, [&](SimGame& g) {
        g.host.fileChoices = {QString(), dir.filePath(QStringLiteral("missing.vxl")), broken, g.path};
        g.host.reportAnswers = {AnswerYes, AnswerYes, AnswerYes};
    });
    ASSERT_FALSE(game.endedAtStart);
    QStringList titles;
    for (const ReportBox& box : game.host.reports)
        titles << box.title;
    EXPECT_EQ(titles, QStringList({QStringLiteral("報告：ファイルを指定してください"),
                                   QStringLiteral("報告：ファイルが見つかりません"), QStringLiteral("報告：ファイルが読めません")}));

    SimGame givesUp({kSmall}, 0, 9 * 3600.0, [&](SimGame& g) {
        g.host.fileChoices = {QString()};
        g.host.reportAnswers = {AnswerNo};
    });
    EXPECT_TRUE(givesUp.endedAtStart);
}

TEST(Flow, AdviceGrowsStrongerUntilThePartnerGivesUpAndLeaves) {
    SimGame game({kSmall});
    game.game.library.Rnd.Seed(7);
    // The player asks and walks away: every talk and the closing report end by themselves.
    game.playerAnswers = false;
    // The partner's mood may pull the hint level back between requests, so keep asking.
    int asked = 0;
    try {
        for (; asked < 60; ++asked)
            game.story.OnAdviceClick();
    } catch (const GameEnded&) {
    }
    EXPECT_TRUE(asked >= 9 && asked < 60) << asked << " hints: at least nine come before the last, which ends the game";
    EXPECT_EQ(LastTalks(game, 4), QList<int>({1211, 3001, 1223, 3011}));
    EXPECT_EQ(game.host.reports.back().title, QStringLiteral("Kiruneの終了"));
}

TEST(Flow, AskingForAnotherStageWhenNoneIsLeft) {
    SimGame game({kSmall});
    game.story.OnCrossChangeClick();
    game.story.OnCrossChangeClick();
    EXPECT_TRUE(game.story.checker.ChangeAsked());
    EXPECT_EQ(game.game.talk.History().count(1801), 1);
    EXPECT_TRUE(Ran(game, 1901) && Ran(game, 1905));

    SimGame two({kSmall, kRing});
    two.story.OnCrossChangeClick();
    EXPECT_EQ(two.story.flow.StageNmb(), 2);
    EXPECT_TRUE(Ran(two, 2005)) << "item 1: the change was made";
}

// The view follows the partner in from the right to the world's left edge, and when the player
// stops, out again to the right.
TEST(Flow, TheEndButtonAsksAndThePartnerWalksOff) {
    SimGame game({kSmall});
    const Anim& anim = game.game.anim;
    EXPECT_LE(anim.ViewX(), 0) << "the view followed the partner in to the left edge";
    game.menuAnswers = {{1615, 2}};
    game.story.OnEndClick();
    EXPECT_TRUE(Ran(game, 1709) && game.screen.lblEndEnabled) << "item 2: carry on";
    game.menuAnswers.clear();
    EXPECT_THROW(game.story.OnEndClick(), GameEnded);
    int x = 0, y = 0;
    anim.GetSpritePos(game.game.scene.PartnerSprite, x, y);
    EXPECT_GE(x, 160) << "off the stage to the right";
    EXPECT_GT(anim.ViewX(), 0) << "the view went along to the right";
}

TEST(Flow, F1AppendsTheWordToTheReportFile) {
    SimGame game({kSmall});
    QTemporaryDir program;
    game.host.programFolder = program.path() + u'/';
    game.host.reportAnswers = {AnswerOk, AnswerCancel, AnswerOk};
    for (int i = 0; i < 3; ++i)
        game.story.OnKeyDown(Key::F1, false);
    EXPECT_TRUE(game.host.reports[0].title == QStringLiteral("■デバッグ用■") && game.host.reports[0].secondIsDefault);
    EXPECT_TRUE(game.story.clock.tmrVexal.Enabled());
    const auto file = ReadTextFile(program.filePath(QStringLiteral("Report.txt")));
    ASSERT_TRUE(file);
    ASSERT_EQ(file->lines.size(), 20) << "two entries of ten lines";
    EXPECT_EQ(QStringList({file->lines[0], file->lines[1], file->lines[4], file->lines[9]}).join(u'|'),
              QStringLiteral("|問題：clue 1|ID：0|[OK]でこの情報をセーブ化します。"));
}

TEST(Flow, AStageThatBreaksDuringPlayLeadsBackToTheFileChoice) {
    SimGame game({kRing, kSmall});
    // The file loses its second stage while the first is played.
    QString text = PlayFileText({kRing});
    text.replace(QStringLiteral("\r\n1\r\n;#1"), QStringLiteral("\r\n2\r\n;#1"));
    WritePlayFile(game.folder.path(), QStringLiteral("test.vxl"), text);
    game.host.fileChoices = {WritePlayFile(game.folder.path(), QStringLiteral("other.vxl"), PlayFileText({kSmall}))};
    const QString unreadable = QStringLiteral("報告：ファイルが読めません");
    game.host.onReport = [&](const ReportBox& box) { return box.title == unreadable ? int(AnswerYes) : int(AnswerOk); };
    game.Solve();
    game.story.OnAnswerOpenClick();
    EXPECT_TRUE(std::any_of(game.host.reports.begin(), game.host.reports.end(),
                            [&](const ReportBox& box) { return box.title == unreadable; }));
    EXPECT_EQ(std::tuple(game.story.flow.PlayFileName(), game.story.flow.StageNmb(), game.Stage().MasMaxX),
              std::tuple(QStringLiteral("other.vxl"), 1, 5));
}

TEST(Flow, MissingAssetsStopTheGameWithAMessageNamingThem) {
    QTemporaryDir folder;
    // Starts on the folder as it is so far; the one report must name what is missing.
    auto expectMissing = [&](const QString& missing, int inputMode) {
        SimGame game({kSmall}, inputMode, 9 * 3600.0, [&](SimGame& g) {
            g.host.programFolder = folder.path() + u'/';
            g.host.reportAnswers = {AnswerOk};
        });
        EXPECT_TRUE(game.endedAtStart) << missing.toStdString();
        ASSERT_EQ(game.host.reports.size(), 1u);
        EXPECT_TRUE(game.host.reports[0].text.contains(missing)) << game.host.reports[0].text.toStdString();
    };
    expectMissing(QStringLiteral("Talk/TalkIx.dat"), 0);

    // Talks but no pictures: the opening stage names its world picture. Then everything but the
    // romaji table: a kana puzzle cannot be typed.
    for (const auto& [shipped, missing, inputMode] :
         {std::tuple{"Talk", "オープニング背景.jpg", 0}, {"Picture", "新ローマ字かな変換.txt", 1}}) {
        QFile::link(QStringLiteral(KIRUNE_PROGRAM_DIR "/") + QLatin1String(shipped), folder.filePath(QLatin1String(shipped)));
        expectMissing(QString::fromUtf8(missing), inputMode);
    }
}

}  // namespace
}  // namespace kirune
