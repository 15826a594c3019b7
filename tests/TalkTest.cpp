#include "library/Cp932Text.h"
#include "support/SimHost.h"
#include "talk/TalkEngine.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <map>

namespace kirune {
namespace {

// Writes talk files by hand: each talk as the given chunks of text.
void WriteTalkFiles(const QString& folder, const std::vector<std::pair<int, QStringList>>& talks) {
    QByteArray index(4 * 20, '\0'), data;
    for (const auto& [number, chunks] : talks) {
        if (number > 0)
            qToLittleEndian<qint32>(qint32(data.size() + 1), index.data() + (number - 1) * 4);
        for (const QString& chunk : chunks) {
            const QByteArray bytes = *EncodeCp932(chunk);
            const quint16 length = qToLittleEndian(quint16(bytes.size()));
            data += QByteArray(reinterpret_cast<const char*>(&length), 2) + bytes;
        }
    }
    for (const auto& [name, bytes] : {std::pair{"/TalkIx.dat", index}, {"/TalkDt.dat", data}}) {
        QFile file(folder + QLatin1String(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
}

TEST(TalkData, JoinsChunksUntilOneEndsTheTalk) {
    QTemporaryDir dir;
    WriteTalkFiles(dir.path(), {{3, {QStringLiteral("＃〈あ"), QStringLiteral("い∴う"), QStringLiteral("〉∴")}},
                                {0, {QStringLiteral("▼∴")}},
                                {5, {QStringLiteral("※∴")}}});
    TalkData data;
    ASSERT_TRUE(data.Open(dir.path() + u'/'));
    EXPECT_EQ(data.Read(3), QStringLiteral("＃〈あい∴う〉")) << "a ∴ inside a chunk is text";
    EXPECT_EQ(data.Read(0), QStringLiteral("▼")) << "Talk 0 reads the talk stored after the last one";
    EXPECT_EQ(data.Read(0), QStringLiteral("※"));
    EXPECT_EQ(data.Read(4), std::nullopt) << "a number without a talk";
    EXPECT_EQ(data.Read(99), std::nullopt) << "past the index";
    EXPECT_FALSE(data.Open(dir.path() + QStringLiteral("/none/")));
}

class Talking : public ::testing::Test {
protected:
    Talking() : effect(host), talk(host, effect) {
        talk.InitTalk(420, 126);
        talk.AddTalker(QStringLiteral("＃"), 1, QStringLiteral("声ナレーション"), 1, 100, 200, 0, 0);
        talk.AddTalker(QStringLiteral("＋"), 2, QStringLiteral("声姉"), 2, 100, 180, 0, 7);
        talk.StartTalk();
    }
    // Runs a script and lets its last phrase finish typing; answers come from what the test
    // posted before.
    void Run(const QString& script) {
        talk.TalkText(script);
        while (!talk.TalkPhrase().isEmpty())
            host.Pump();
    }
    QStringList Printed(int box) const {
        QStringList out;
        for (const PrintedRun& run : talk.View().Box[box].Runs)
            out << QStringLiteral("%1,%2:%3").arg(run.X).arg(run.Y).arg(run.Text);
        return out;
    }

    SimHost host;
    Effect effect;
    TalkEngine talk;
};

TEST_F(Talking, TypesPhrasesWithLineBreaksVoicesAndLipSync) {
    std::vector<std::pair<int, int>> poses;
    talk.SetSpritePose = [&](int sprite, int pose) { poses.push_back({sprite, pose}); };
    Run(QStringLiteral("＋〈あ　い〉"));
    // H 16, W 16: margin X 8, margin Y 11, pitch 19.
    EXPECT_EQ(Printed(2), (QStringList{QStringLiteral("8,11:あ"), QStringLiteral("8,30:い")}))
        << "the partner is not box 1's talker, so box 2 opens; the line break is not printed";
    EXPECT_EQ(host.sounds, QStringList{QStringLiteral("声姉")});
    EXPECT_EQ(talk.CurrentBox(), 2);
    EXPECT_TRUE(poses.empty());
    Run(QStringLiteral("＋《はい》"));
    EXPECT_EQ(poses, (std::vector<std::pair<int, int>>{{7, 2}, {7, 1}})) << "talking while the phrase types";
}

TEST_F(Talking, SetsVariablesAndSubstitutesPlaceholders) {
    talk.SetTalkVar(1, QStringLiteral("keep"));
    Run(QStringLiteral("【ゼロ●●ニ】＋〈◎①②〉"));
    EXPECT_EQ((QStringList{talk.TalkVar(0), talk.TalkVar(1), talk.TalkVar(2)}),
              (QStringList{QStringLiteral("ゼロ"), QStringLiteral("keep"), QStringLiteral("ニ")}))
        << "an empty piece leaves its variable";
    QString typed;
    for (const PrintedRun& run : talk.View().Box[2].Runs)
        typed += run.Text;
    EXPECT_EQ(typed, QStringLiteral("ゼロkeepニ")) << "a placeholder at the very start is replaced too";

    // A placeholder twice in one text stops the talk before anything of it is typed.
    Run(QStringLiteral("＃〈①と①〉＃〈never〉"));
    EXPECT_TRUE(talk.View().Box[1].Runs.empty() && talk.TalkScript().isEmpty());
}

TEST_F(Talking, ClickWaitsEndOnTheirOwnBoxOrByThemselves) {
    Run(QStringLiteral("＋〈a〉＃〈b〉"));  // box 2 aside, box 1 current
    ASSERT_EQ(talk.CurrentBox(), 1);
    host.Post(600, [this] { talk.OnTalkBoxClick(2); });
    host.Post(1200, [this] { talk.OnTalkBoxClick(1); });
    qint64 start = host.NowMs();
    Run(QStringLiteral("▼"));
    EXPECT_EQ(host.NowMs() - start, 1200) << "the script ending in ▼ returns only after the click";
    EXPECT_EQ(talk.TalkWaitResult(), TalkEngine::WaitResult::Answered);
    EXPECT_FALSE(talk.tmrTalkCursorBlink.Enabled());
    EXPECT_TRUE(std::none_of(talk.View().Box[1].Runs.begin(), talk.View().Box[1].Runs.end(), [](const PrintedRun& r) {
        return r.Text == QStringLiteral("▼") && r.Color == 0xFFFFFF;
    })) << "the prompt is erased when the wait ends";

    // The fifth 500 ms tick makes the count exceed 2 x 2: 2.5 s after the wait began on the
    // second talk tick (the first takes "¶2"); the next wait has the length 5 again.
    for (const auto& [script, ms] : {std::pair{"¶2▽", 2530}, {"▽", 5515}}) {
        start = host.NowMs();
        Run(QString::fromUtf8(script));
        EXPECT_EQ(host.NowMs() - start, ms) << script;
        EXPECT_EQ(talk.TalkWaitResult(), TalkEngine::WaitResult::TimedOut);
    }
}

TEST_F(Talking, BoxesTakeTurnsAndCloseTogether) {
    Run(QStringLiteral("＃〈a〉"));
    EXPECT_EQ(talk.BoxLayout(), 1);
    EXPECT_EQ(talk.CurrentBox(), 1) << "box 1's own talker speaks in box 1";
    Run(QStringLiteral("＃〈b〉"));
    EXPECT_EQ(talk.View().Box[1].Runs.size(), 2u) << "the same talker goes on in its box";
    EXPECT_EQ(talk.View().Box[1].Runs[1].Y, 11 + 19);
    Run(QStringLiteral("＋〈c〉"));
    EXPECT_EQ(talk.BoxLayout(), 3);
    EXPECT_EQ(talk.BoxState(1), 2);
    EXPECT_EQ(talk.View().Box[1].Left, 420 - 8 - 208) << "slid aside";
    Run(QStringLiteral("＃〈d〉"));
    EXPECT_EQ(talk.CurrentBox(), 1);
    EXPECT_EQ(talk.BoxState(2), 2) << "the partner's box slid aside";
    EXPECT_EQ(talk.View().Box[1].Left, 420);
    EXPECT_EQ(talk.View().Box[1].Runs.size(), 1u) << "reopened at home, cleared";
    Run(QStringLiteral("×"));
    EXPECT_EQ(talk.BoxLayout(), 2);
    EXPECT_EQ(talk.CurrentBox(), 2);
    Run(QStringLiteral("＋〈e〉"));
    EXPECT_EQ(talk.BoxLayout(), 1) << "the aside box's talker reopens it at home";
    EXPECT_EQ(talk.View().Box[2].Left, 420);
    Run(QStringLiteral("＃〈f〉『x／y』"));
    Run(QStringLiteral("※"));
    EXPECT_EQ(talk.BoxLayout(), 0);
    EXPECT_FALSE(talk.View().Box[1].Visible || talk.View().Box[2].Visible || talk.View().Menu.Visible);
}

TEST_F(Talking, BoxesOpenAndGrowStepByStep) {
    std::vector<int> heights;
    talk.viewChanged = [&](bool repaintNow) {
        if (repaintNow && (heights.empty() || heights.back() != talk.View().Box[1].Height))
            heights.push_back(talk.View().Box[1].Height);
    };
    Run(QStringLiteral("＃〈a〉"));
    // gap 3, pitch 19: closed 22, open 3 x 19 - 3 + 22 = 76, in steps of 2; the fourth line
    // needs 11 + 3 x 19 + 27 = 95.
    auto steps = [](int from, int to) {
        std::vector<int> heights;
        for (int h = from; h <= to; h += 2)
            heights.push_back(h);
        return heights;
    };
    EXPECT_EQ(heights, steps(22, 76));
    heights.clear();
    Run(QStringLiteral("＃〈b〉＃〈c〉＃〈d〉"));
    EXPECT_EQ(heights, steps(77, 95));
}

TEST_F(Talking, MenusRiseChooseAndHighlight) {
    Run(QStringLiteral("『1／2／3／4／5／6／7』"));
    const MenuView& menu = talk.View().Menu;
    EXPECT_EQ((std::vector{menu.Count, menu.Top, menu.Height}), (std::vector{7, 126 + 11 - 2 * 15, 7 * 15 + 2 * 10}))
        << "seven items raise the menu by two pitches";
    talk.OnMenuHover(2);
    host.Post(120, [this] { talk.OnMenuHover(3); });
    host.Post(240, [&] {
        EXPECT_TRUE(menu.Opaque[3] && !menu.Opaque[2]) << "the bar follows the pointer within a 50 ms tick";
        talk.OnMenuClick(5);
    });
    Run(QStringLiteral("★"));
    EXPECT_EQ(talk.TalkAnswer(), 5);
    EXPECT_EQ(std::pair(menu.TextColor[5], menu.TextColor[3]), std::pair(Rgb(0xFFFF00), Rgb(0xFFFFFF)));
    EXPECT_FALSE(menu.Opaque[3]) << "the hover bar is cleared by the choice";
    Run(QStringLiteral("『only』☆"));
    EXPECT_EQ(menu.Count, 1);
    EXPECT_EQ(talk.TalkAnswer(), 0) << "a timed menu left alone answers nothing";
    EXPECT_EQ(talk.TalkWaitResult(), TalkEngine::WaitResult::TimedOut);
}

TEST_F(Talking, TheInputLineTakesNamesAndNumbers) {
    const std::tuple<QString, QString, int> cases[] = {
        {QStringLiteral("42"), QStringLiteral("４２"), 42},      {QStringLiteral("042"), QStringLiteral("０４２"), 0},
        {QStringLiteral("12345678"), QStringLiteral("１２３４５６７８"), 0},
        {QStringLiteral("-7"), QStringLiteral("－７"), -7},      {QStringLiteral("2.5"), QStringLiteral("２．５"), 2},
        {QStringLiteral("ｹﾝﾀﾞ"), QStringLiteral("ケンダ"), 0}, {QStringLiteral("Ken"), QStringLiteral("Ｋｅｎ"), 0},
    };
    Run(QStringLiteral("＋〈name:　〉"));
    bool first = true;
    for (const auto& [typed, text, answer] : cases) {
        SCOPED_TRACE(typed.toStdString());
        host.Post(100, [&] {
            if (std::exchange(first, false)) {
                EXPECT_EQ(talk.View().Input.Left, 8) << "at the print position, the start of the second line";
                EXPECT_EQ(talk.View().Input.Width, 208 - 8 - 8);
            }
            talk.OnInputEdited(QString());
            talk.OnInputConfirm();  // an empty answer keeps the wait open
            EXPECT_EQ(talk.WaitMode(), TalkEngine::WaitFor::Input);
            talk.OnInputEdited(typed);
            talk.OnInputConfirm();
        });
        const int focus = talk.View().Input.FocusRequests;
        Run(QStringLiteral("◆"));
        EXPECT_EQ(talk.TalkInputText(), text);
        EXPECT_EQ(talk.TalkAnswer(), answer);
        EXPECT_EQ(talk.View().Input.FocusRequests, focus + 2) << "shown with focus, then sent back when empty";
        EXPECT_FALSE(talk.View().Input.Visible);
    }
}

// A talk engine alone with a narrator, on a clock that starts at the given time of day.
struct Narrator {
    explicit Narrator(double start) : host(start), effect(host), talk(host, effect) {
        talk.InitTalk(420, 126);
        talk.AddTalker(QStringLiteral("＃"), 1, QString(), 0, 0, 0, 0, 0);
        talk.StartTalk();
    }
    SimHost host;
    Effect effect;
    TalkEngine talk;
};

// "§" holds the typewriter for half a second, also when the half second spans midnight:
// "b" no sooner than 500 ms after "a", then "c" on the next talk tick.
TEST(TalkPause, HoldsTheTypewriterHalfASecond) {
    for (const double start : {9 * 3600.0, 86399.8}) {
        Narrator n(start);
        std::map<QString, qint64> printedAt;
        n.talk.viewChanged = [&](bool) {
            for (const PrintedRun& run : n.talk.View().Box[1].Runs)
                printedAt.try_emplace(run.Text, n.host.NowMs());
        };
        n.host.Post(0, [&] { n.talk.TalkText(QStringLiteral("＃〈a§bc〉")); });
        n.host.RunUntil([&] { return printedAt.count(QStringLiteral("c")) > 0; });
        const qint64 a = printedAt[QStringLiteral("a")], b = printedAt[QStringLiteral("b")];
        EXPECT_GE(b - a, 500) << "at " << start;
        EXPECT_EQ(printedAt[QStringLiteral("c")] - b, 15) << "at " << start;
        EXPECT_TRUE(start < 86000 || n.host.SecondsSinceMidnight() < 1.0) << "the pause ended after midnight";
    }
}

// Another timer's handler may start a talk while a pause runs (the game timer's remarks do):
// the pause must not sit under it in the call stack, or neither could ever end.
TEST(TalkPause, ATalkStartedDuringThePauseFinishes) {
    Narrator n(9 * 3600.0);
    bool remarked = false;
    GameTimer other(n.host.Timers(), 100, [&] {
        other.SetEnabled(false);
        n.talk.TalkText(QStringLiteral("＃〈x〉"));
        remarked = true;
    });
    n.host.Post(0, [&] {
        other.SetEnabled(true);
        n.talk.TalkText(QStringLiteral("＃〈a§b〉"));
    });
    n.host.RunUntil([&] { return remarked; });
}

// Compiles the source with talkc into dir/out; returns its exit code and what it said.
std::pair<int, QString> Talkc(const QString& source, QTemporaryDir& dir) {
    QFile file(dir.filePath(QStringLiteral("talks.txt")));
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(source.toUtf8());
    file.close();
    QProcess process;
    process.start(QStringLiteral(KIRUNE_PROGRAM_DIR "/../tools/talkc"), {file.fileName(), dir.filePath(QStringLiteral("out"))});
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

TEST(Talkc, CompilesTalksTheReaderGivesBack) {
    QTemporaryDir dir;
    const QString source = QStringLiteral(
        "talkers: ＃＋\n[2]\n＃〈いちばんめの　はなし〉\n▼\n[]\n※\n[7]\n【あ●い】『はい／いいえ』★\n");
    const auto [exitCode, err] = Talkc(source, dir);
    ASSERT_EQ(exitCode, 0) << err.toStdString();
    TalkData data;
    ASSERT_TRUE(data.Open(dir.filePath(QStringLiteral("out/"))));
    EXPECT_EQ(data.Read(2), QStringLiteral("＃〈いちばんめの　はなし〉▼"));
    EXPECT_EQ(data.Read(0), QStringLiteral("※"));
    EXPECT_EQ(data.Read(7), QStringLiteral("【あ●い】『はい／いいえ』★"));
    EXPECT_EQ(data.Read(3), std::nullopt);
    EXPECT_GT(QFile(dir.filePath(QStringLiteral("out/TalkDt.dat"))).size(), 60) << "split into several chunks";
}

TEST(Talkc, RefusesBrokenTalksWithTheirLine) {
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("[1]\n＃〈😀〉"), QStringLiteral(":3: \"")},
        {QStringLiteral("[1]\n※\n[1]\n※"), QStringLiteral(":4: talk 1 is already defined")},
        {QStringLiteral("[1]\n＄〈a〉"), QStringLiteral(":3: 〈 without a registered talker")},
        {QStringLiteral("[1]\n＃〈a"), QStringLiteral(":3: 〈 is never closed")},
        {QStringLiteral("[1]\n＃〈①と①〉"), QStringLiteral(":3: placeholder ① appears 2 times")},
        {QStringLiteral("[1]\n『1／2／3／4／5／6／7／8／9／10』"), QStringLiteral(":3: a menu of 10 items")},
        {QStringLiteral("[1]\n『はい／いいえ、まだ考えています』"), QStringLiteral(":3: a menu item is wider")},
        {QStringLiteral("[1]\n＃〈あいうえおかきくけこさしす〉"), QStringLiteral(":3: a phrase line is wider")},
        {QStringLiteral("[1]\n＃〈1　2　3〉＃〈4　5　6〉"), QStringLiteral(":3: the box of talker ＃ grows past 5 lines")},
    };
    for (const auto& [body, message] : cases) {
        QTemporaryDir dir;
        const auto [exitCode, err] = Talkc(QStringLiteral("talkers: ＃＋\n") + body + u'\n', dir);
        EXPECT_EQ(exitCode, 1) << body.toStdString();
        EXPECT_TRUE(err.contains(message)) << body.toStdString() << " -> " << err.toStdString();
    }
}

}  // namespace
}  // namespace kirune
