// The game's own talks against what the flow asks of them: every number it can ask for is there,
// each shows only variables that hold something at that moment, and each sequence the flow runs
// fits its boxes and leaves them as play needs them. docs/talks.md is the catalogue.

#include "scene/Scene.h"
#include "support/SimHost.h"
#include "support/TalkAnswer.h"
#include "talk/TalkData.h"
#include "talk/TalkEngine.h"
#include "talk/TalkNumbers.h"

#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace kirune {
namespace {

const QString kTalkFolder = QStringLiteral(KIRUNE_PROGRAM_DIR "/Talk/");

int Hint(int P, int h) { return TalkNo::Of(TalkNo::Hint, P, h); }

// Every talk of partner P, from the game's own table.
std::vector<int> PartnerTalks(int P) {
    std::vector<int> n;
    for (const TalkNo::Family& family : TalkNo::kFamilies)
        for (int m = 0; m < family.members; ++m)
            n.push_back(TalkNo::Of(family, P, m));
    return n;
}

std::set<int> AllTalks() {
    std::set<int> all(std::begin(TalkNo::kShared), std::end(TalkNo::kShared));
    for (int P = 1; P <= 4; ++P)
        for (int n : PartnerTalks(P))
            EXPECT_TRUE(all.insert(n).second) << "two formulas give talk " << n;
    return all;
}

TEST(TalkCatalog, TheDataHoldsEveryTalkTheGameAsksForAndNoOther) {
    const std::set<int> wanted = AllTalks();
    EXPECT_EQ(wanted.size(), std::size(TalkNo::kShared) + 4 * PartnerTalks(1).size());

    TalkData data;
    ASSERT_TRUE(data.Open(kTalkFolder));
    for (int n : wanted)
        EXPECT_TRUE(data.Read(n)) << "talk " << n << " is missing";
    for (int P = 1; P <= 4; ++P) {
        ASSERT_TRUE(data.Read(P + 1430));
        const auto next = data.Read(0);
        EXPECT_TRUE(next && !next->isEmpty()) << "the first greeting of a kana puzzle goes on with the talk after "
                                              << P + 1430;
    }

    // A talk under a number nobody asks for is a typo that leaves the real one missing.
    QFile index(kTalkFolder + QStringLiteral("TalkIx.dat"));
    ASSERT_TRUE(index.open(QIODevice::ReadOnly));
    const QByteArray records = index.readAll();
    std::set<int> stored;
    for (qsizetype at = 0; at + 4 <= records.size(); at += 4)
        if (qFromLittleEndian<qint32>(records.constData() + at) > 0)
            stored.insert(int(at / 4) + 1);
    std::vector<int> unasked;
    std::set_difference(stored.begin(), stored.end(), wanted.begin(), wanted.end(), std::back_inserter(unasked));
    EXPECT_TRUE(unasked.empty()) << "first unasked talk: " << (unasked.empty() ? 0 : unasked.front());
}

// Which placeholders a talk may show: only variables the game has filled when it runs.
QString AllowedPlaceholders(int n) {
    const QString name = QStringLiteral("⑩"), zero = QStringLiteral("◎");
    // Before the partner's words are set, and before a first player's name is known.
    if (n == 1301 || n == 1302 || n == 1311)
        return {};
    if (n == 1312)
        return name;
    if (n == 1321 || n == 1331 || n == 1332)
        return zero;
    if (n == 1231)
        return zero + QStringLiteral("①②③④");
    if (n == 1232)
        return zero + QStringLiteral("㊥");  // the menu's answer names the chosen partner's word
    if (n >= 2901 && n <= 2992) {
        // Hints: the data the game puts into 1-4 for the kinds that carry some.
        static const std::map<int, QString> data = {
            {0, QStringLiteral("②")},   {1, QStringLiteral("①②③④")}, {2, QStringLiteral("①②③④")},
            {7, QStringLiteral("①②③④")}, {20, QStringLiteral("①②③④")}, {21, QStringLiteral("①②③④")},
            {22, QStringLiteral("①②③④")}};
        const auto kind = data.find((n - 2901) / 4);
        return name + zero + (kind == data.end() ? QString() : kind->second);
    }
    return name + zero;
}

TEST(TalkCatalog, TalksShowOnlyVariablesThatHoldSomething) {
    TalkData data;
    ASSERT_TRUE(data.Open(kTalkFolder));
    const QString placeholders = QStringLiteral("㊥◎①②③④⑤⑥⑦⑧⑨⑩");
    for (int n : AllTalks()) {
        const QString text = data.Read(n).value_or(QString());
        const QString allowed = AllowedPlaceholders(n);
        for (QChar p : placeholders)
            EXPECT_TRUE(!text.contains(p) || allowed.contains(p)) << "talk " << n << " shows " << QString(p).toStdString();
    }
    // The data a hint promises must be shown.
    const std::pair<int, QString> promised[] = {
        {0, QStringLiteral("②")}, {1, QStringLiteral("①②③")}, {2, QStringLiteral("①②")}, {7, QStringLiteral("①②④")},
        {20, QStringLiteral("①②")}, {21, QStringLiteral("②")}, {22, QStringLiteral("①②")}};
    for (int P = 1; P <= 4; ++P)
        for (const auto& [kind, shown] : promised) {
            const QString text = data.Read(Hint(P, kind)).value_or(QString());
            for (QChar p : shown)
                EXPECT_TRUE(text.contains(p)) << "hint " << Hint(P, kind) << " never shows " << QString(p).toStdString();
        }
}

// One of the flow's talk sequences, run on the real talk data by a patient player.
struct Sequence {
    Sequence(std::string what, std::vector<int> talks, std::map<int, int> answers = {}, bool backToPlay = true)
        : what(std::move(what)), talks(std::move(talks)), answers(std::move(answers)), backToPlay(backToPlay) {}

    std::string what;
    std::vector<int> talks;
    std::map<int, int> answers;  // menu item per talk; 0 lets the menu time out
    bool backToPlay;             // the game carries on afterwards: every box must be closed
    std::function<void(TalkEngine&)> setUp;
};

constexpr int kBoxLines = 5;

class Replay {
public:
    Replay(int partner, bool play, const Sequence& sequence)
        : effect(host), talk(host, effect), sequence(sequence),
          player(host.Timers(), 100, [this] { Answer(); }) {
        host.programFolder = QStringLiteral(KIRUNE_PROGRAM_DIR "/");
        // The talkers of the title, and in play the partner between them, as the screen registers them.
        talk.InitTalk(420, 126);
        talk.ClearTalkers();
        talk.AddTalker(QStringLiteral("＃"), 1, QStringLiteral("声ナレーション"), 1, 100, 200, 0, 0);
        if (play)
            talk.AddTalker(QStringLiteral("＋"), 2, QStringLiteral("声") + kPartnerNames[partner], 2, 100, 180, 0, 0);
        talk.AddTalker(QStringLiteral("÷"), 3, QStringLiteral("声ナビゲータ"), 1, 100, 160, 0, 0);
        if (play) {
            talk.SetTalkVar(0, QStringLiteral("おかえり、"));
            for (int p = 1; p <= 4; ++p)
                talk.SetTalkVar(p, kPartnerWords[p]);
            talk.SetTalkVar(10, QStringLiteral("タカハシ"));  // a name of four characters fits every line
        }
        talk.viewChanged = [this](bool) { Inspect(); };
        talk.StartTalk();
        player.SetEnabled(true);
    }

    void Run() {
        if (sequence.setUp)
            sequence.setUp(talk);
        for (int n : sequence.talks)
            talk.Talk(n);
        while (!talk.TalkPhrase().isEmpty())
            host.Pump();
    }

    SimHost host;
    Effect effect;
    TalkEngine talk;
    QString typedName = QStringLiteral("タカハシ");
    QStringList problems;

private:
    // Waits are answered after 0.7 s, so the click prompt has been drawn once.
    void Answer() {
        if (talk.WaitMode() == TalkEngine::WaitFor::Nothing) {
            ticks = 0;
            return;
        }
        if (++ticks < 7)
            return;
        ticks = 0;
        const auto answer = sequence.answers.find(talk.CurrentTalk());
        AnswerTalkWait(talk, answer == sequence.answers.end() ? 1 : answer->second, typedName);
    }

    int Width(const QString& text) const {
        int width = 0;
        for (QChar ch : text)
            width += ch.unicode() < 0x80 ? talk.Metrics().WideAdvance / 2 : talk.Metrics().WideAdvance;
        return width;
    }

    // The test metrics: lines 19 px apart from 11 px down, so five lines fill a box of 114 px.
    void Inspect() {
        auto problem = [&](const QString& what) {
            const QString entry = QStringLiteral("talk %1: %2").arg(talk.CurrentTalk()).arg(what);
            if (!problems.contains(entry))
                problems << entry;
        };
        for (int i = 1; i <= 2; ++i) {
            const TalkBoxView& box = talk.View().Box[i];
            if (!box.Visible)
                continue;
            if ((box.CurrentY - 11) / 19 + 1 > kBoxLines)
                problem(QStringLiteral("a box of more than %1 lines").arg(kBoxLines));
            for (const PrintedRun& run : box.Runs)
                if (run.X + Width(run.Text) > box.Width)
                    problem(QStringLiteral("\"%1\" sticks out of the box").arg(run.Text));
        }
        const MenuView& menu = talk.View().Menu;
        for (int i = 1; menu.Visible && i <= menu.Count; ++i)
            if (Width(menu.Caption[i]) * talk.Metrics().MenuWideAdvance / talk.Metrics().WideAdvance > menu.ItemWidth)
                problem(QStringLiteral("the menu item \"%1\" is too wide").arg(menu.Caption[i]));
        if (talk.View().Input.Visible && talk.View().Input.Width < 8 * talk.Metrics().WideAdvance)
            problem(QStringLiteral("the input line has no room for a name"));
    }

    const Sequence& sequence;
    GameTimer player;
    int ticks = 0;
};

// The sequences of play, each as the flow runs it.
std::vector<Sequence> PlaySequences(int P) {
    std::vector<Sequence> s;
    s.push_back({"first greeting, alphabet", {1401, P + 1410}});
    s.push_back({"first greeting, kana", {1401, 1421, P + 1430, 0}});
    s.push_back({"returning greeting", {1501, P + 1510}});
    for (int r = 0; r <= 2; ++r)
        s.push_back({"end button " + std::to_string(r), {1601, P + 1610, 1615, P + 1700 + 4 * r, 1213}, {{1615, r}}});
    s.push_back({"stop farewell", {P + 1720, 1223, 1731}, {}, false});
    s.push_back({"no other stage", {1801, P + 1900, 1213}});
    s.push_back({"no other stage again", {P + 1904, 1213}});
    for (int r = 0; r <= 2; ++r)
        s.push_back({"stage change " + std::to_string(r), {P + 1910, 1915, P + 2000 + 4 * r, 1213}, {{1915, r}}});
    for (int r : {2, 3, 4})
        s.push_back({"check with empty cells " + std::to_string(r), {2101, 2121, P + 2200 + 4 * r, 1213}});
    for (int r : {0, 1, 5, 6}) {
        const int item = r == 0 ? 0 : r == 1 ? 2 : 1;
        s.push_back({"check " + std::to_string(r), {2101, P + 2110, 2115, P + 2200 + 4 * r, 1213}, {{2115, item}}});
    }
    s.push_back({"sweep", {P + 2300, 1213}});
    for (int k = 0; k <= 3; ++k)
        s.push_back({"failed check " + std::to_string(k), {P + 2700 + 4 * k, 1213}});
    for (int later : {0, 4}) {
        const int solved = P + 2500 + later;
        for (int r = 0; r <= 1; ++r)
            s.push_back({"solved, next " + std::to_string(r), {2401, solved, P + 2530, 2535, P + 2600 + 4 * r, 1213},
                         {{2535, r}}});
        s.push_back({"solved, stop", {2401, solved, P + 2530, 2535, P + 2608, 1223, 2613}, {{2535, 2}}, false});
        s.push_back({"all solved", {2401, solved, P + 2510, 1213, P + 2520, 1223, 2525}, {}, false});
    }
    auto hintData = [](const QString& position, const QString& character) {
        return [=](TalkEngine& talk) {
            talk.SetTalkVar(1, position);
            talk.SetTalkVar(2, character);
            talk.SetTalkVar(3, QStringLiteral("横"));
            talk.SetTalkVar(4, QStringLiteral("縦"));
        };
    };
    for (int h = 0; h <= 22; ++h) {
        Sequence hint{"hint " + std::to_string(h), {Hint(P, h), 1213}};
        if (h == 13 || h == 14)
            hint.talks.insert(hint.talks.begin(), 2801);
        if (h == 19) {
            hint.talks = {Hint(P, h), 1211, P + 3000, 1223, 3011};
            hint.backToPlay = false;
        }
        if (h == 20)
            hint.setUp = hintData(QStringLiteral("うしろ"), QStringLiteral("ア"));
        else if (h == 21)
            hint.setUp = hintData(QStringLiteral("２"), QStringLiteral("ン"));
        else if (h == 0 || h == 1 || h == 2 || h == 7 || h == 22)
            hint.setUp = hintData(QStringLiteral("１２"), QStringLiteral("Ｗ"));
        s.push_back(hint);
    }
    s.push_back({"time up", {P + 3100, 1211, P + 3110, 1223, 3121}, {}, false});
    for (int k = 0; k <= 9; ++k)
        s.push_back({"remark " + std::to_string(k), {P + 3200 + 4 * k, 1213}});
    s.push_back({"left alone", {P + 3240, 1211, P + 3250, 1223, 3261}, {}, false});
    return s;
}

void Check(Replay& replay, const Sequence& sequence, int P, bool play) {
    replay.Run();
    const std::string where = sequence.what + " with partner " + std::to_string(P);
    EXPECT_EQ(replay.talk.MalformedStops(), 0) << where;
    EXPECT_TRUE(replay.problems.isEmpty()) << where << ": " << replay.problems.join(u'\n').toStdString();
    if (sequence.backToPlay) {
        EXPECT_EQ(replay.talk.BoxLayout(), 0) << where << ": a box stays open";
        EXPECT_FALSE(replay.talk.View().Menu.Visible) << where << ": the menu stays up";
    }
    // The word effects show the chosen partner's word whatever ran before.
    for (int p = 1; play && p <= 4; ++p)
        EXPECT_EQ(replay.talk.TalkVar(p), kPartnerWords[p]) << where;
}

TEST(TalkCatalog, EveryPlaySequenceFitsItsBoxesAndLeavesThemAsPlayNeeds) {
    for (int P = 1; P <= 4; ++P)
        for (const Sequence& sequence : PlaySequences(P)) {
            Replay replay(P, true, sequence);
            Check(replay, sequence, P, true);
        }
}

// Time up, hints run out and left alone come when nobody may be at the keyboard: every wait of
// theirs must end by itself.
TEST(TalkCatalog, EndingsWithNobodyAtTheKeyboardWaitOnlyWithTimeOuts) {
    TalkData data;
    ASSERT_TRUE(data.Open(kTalkFolder));
    for (int P = 1; P <= 4; ++P)
        for (const Sequence& sequence : PlaySequences(P)) {
            if (sequence.what != "time up" && sequence.what != "hint 19" && sequence.what != "left alone")
                continue;
            for (int n : sequence.talks) {
                const QString text = data.Read(n).value_or(QString());
                for (QChar untimed : QStringLiteral("▼★◆"))
                    EXPECT_FALSE(text.contains(untimed)) << sequence.what << ": talk " << n << " waits with " << QString(untimed).toStdString();
            }
        }
}

TEST(TalkCatalog, TheTitleSetsThePartnersWordsAndOffersANameWhenNoneIsTyped) {
    for (int P = 1; P <= 4; ++P) {
        const std::map<int, int> choice = {{1231, P}};
        const Sequence opening{"title", {1301, 1211, 1212, 1302, 1211, 1212, 1311, 1321, 1231, 1232}, choice};
        Replay first(P, false, opening);
        Check(first, opening, P, false);
        EXPECT_EQ(first.talk.TalkVar(0), QStringLiteral("おかえり、"));
        for (int p = 1; p <= 4; ++p)
            EXPECT_EQ(first.talk.TalkVar(p), kPartnerWords[p]) << "after the partner menu";
        EXPECT_EQ(first.talk.TalkAnswer(), P);

        const Sequence returning{"returning title", {1312, 1321, 1231, 1232}, choice};
        Replay again(P, false, returning);
        again.talk.SetTalkVar(10, QStringLiteral("タカハシ"));
        Check(again, returning, P, false);

        // Nothing typed: the entry times out, 1332 offers a name in variable P and 1333, which
        // shows it as the name, puts the partners' words back.
        const Sequence unnamed{"empty name", {1331, 1332}, {}, false};
        Replay name(P, false, unnamed);
        name.typedName.clear();
        Check(name, unnamed, P, false);
        const QString offered = name.talk.TalkVar(P);
        EXPECT_FALSE(offered.isEmpty());
        for (int p = 1; p <= 4; ++p)
            EXPECT_NE(offered, kPartnerWords[p]) << "the name offered for partner " << P;
        name.talk.SetTalkVar(10, offered);
        const Sequence confirm{"name confirmation", {1333, 1243}};
        name.problems.clear();
        for (int n : confirm.talks)
            name.talk.Talk(n);
        EXPECT_TRUE(name.problems.isEmpty()) << name.problems.join(u'\n').toStdString();
        EXPECT_EQ(name.talk.TalkAnswer(), 1);
        EXPECT_EQ(name.talk.BoxLayout(), 0);
        for (int p = 1; p <= 4; ++p)
            EXPECT_EQ(name.talk.TalkVar(p), kPartnerWords[p]) << "after 1333";

        Sequence typed{"typed name", {1331, 1333, 1243}};
        typed.setUp = [](TalkEngine& talk) { talk.SetTalkVar(10, QStringLiteral("タカハシ")); };
        Replay named(P, false, typed);
        Check(named, typed, P, false);
        EXPECT_EQ(named.talk.TalkInputText(), QStringLiteral("タカハシ"));
    }
}

}  // namespace
}  // namespace kirune
