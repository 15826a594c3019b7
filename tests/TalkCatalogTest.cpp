// The game's own talks against what the flow asks of them: every number it can ask for is there,
// each shows only variables that hold something at that moment, and each sequence the flow runs
// fits its boxes and leaves them as play needs them. docs/talks.md is the catalogue.

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

// Every talk the game's own table can produce: the shared ones and each partner's families.
std::set<int> AllTalks() {
    std::set<int> all(std::begin(TalkNo::kShared), std::end(TalkNo::kShared));
    for (int P = 1; P <= 4; ++P)
        for (const TalkNo::Family& family : TalkNo::kFamilies)
            for (int m = 0; m < family.members; ++m)
                EXPECT_TRUE(all.insert(TalkNo::Of(family, P, m)).second) << "two formulas give talk " << TalkNo::Of(family, P, m);
    return all;
}

TEST(TalkCatalog, TheDataHoldsEveryTalkTheGameAsksForAndNoOther) {
    const std::set<int> wanted = AllTalks();
    TalkData data;
    ASSERT_TRUE(data.Open(kTalkFolder));
    for (int n : wanted)
        EXPECT_TRUE(data.Read(n)) << "talk " << n << " is missing";
    // The first greeting of a kana puzzle goes on with the talk stored after it.
    for (int P = 1; P <= 4; ++P) {
        const auto next = data.Read(P + 1430) ? data.Read(0) : std::nullopt;
        EXPECT_TRUE(next && !next->isEmpty()) << "after " << P + 1430;
    }

    // A talk under a number nobody asks for is a typo that leaves the real one missing.
    QFile index(kTalkFolder + QStringLiteral("TalkIx.dat"));
    ASSERT_TRUE(index.open(QIODevice::ReadOnly));
    const QByteArray records = index.readAll();
    for (qsizetype at = 0; at + 4 <= records.size(); at += 4)
        if (qFromLittleEndian<qint32>(records.constData() + at) > 0 && !wanted.count(int(at / 4) + 1))
            ADD_FAILURE() << "talk " << at / 4 + 1 << " is asked for by nobody";
}

// Which placeholders a talk may show: only variables the game has filled when it runs.
QString AllowedPlaceholders(int n) {
    // Before the partner's words are set, and before a first player's name is known; 1232's
    // menu answer names the chosen partner's word.
    static const std::map<int, QString> title = {
        {1301, {}}, {1302, {}}, {1311, {}}, {1312, QStringLiteral("⑩")}, {1321, QStringLiteral("◎")},
        {1331, QStringLiteral("◎")}, {1332, QStringLiteral("◎")}, {1231, QStringLiteral("◎①②③④")},
        {1232, QStringLiteral("◎㊥")}};
    if (const auto found = title.find(n); found != title.end())
        return found->second;
    if (n < 2901 || n > 2992)
        return QStringLiteral("⑩◎");
    // Hints: the data the game puts into 1-4 for the kinds that carry some.
    const int kind = (n - 2901) / 4;
    static const std::set<int> withData = {1, 2, 7, 20, 21, 22};
    return QStringLiteral("⑩◎") + (kind == 0 ? QStringLiteral("②") : withData.count(kind) ? QStringLiteral("①②③④") : QString());
}

TEST(TalkCatalog, TalksShowOnlyVariablesThatHoldSomething) {
    TalkData data;
    ASSERT_TRUE(data.Open(kTalkFolder));
    for (int n : AllTalks()) {
        const QString text = data.Read(n).value_or(QString());
        for (QChar p : QStringLiteral("㊥◎①②③④⑤⑥⑦⑧⑨⑩"))
            EXPECT_TRUE(!text.contains(p) || AllowedPlaceholders(n).contains(p))
                << "talk " << n << " shows " << QString(p).toStdString();
    }
    // The data a hint promises must be shown.
    const std::pair<int, QString> promised[] = {
        {0, QStringLiteral("②")}, {1, QStringLiteral("①②③")}, {2, QStringLiteral("①②")}, {7, QStringLiteral("①②④")},
        {20, QStringLiteral("①②")}, {21, QStringLiteral("②")}, {22, QStringLiteral("①②")}};
    for (int P = 1; P <= 4; ++P)
        for (const auto& [kind, shown] : promised)
            for (QChar p : shown)
                EXPECT_TRUE(data.Read(Hint(P, kind)).value_or(QString()).contains(p))
                    << "hint " << Hint(P, kind) << " never shows " << QString(p).toStdString();
}

// One of the flow's talk sequences, run on the real talk data by a patient player.
struct Sequence {
    std::string what;
    std::vector<int> talks;
    std::map<int, int> answers = {};  // menu item per talk; 0 lets the menu time out
    bool backToPlay = true;           // the game carries on afterwards: every box must be closed
    // What the flow sets up before a talk of the sequence.
    std::function<void(TalkEngine&, int next)> before = {};
    bool typesName = true;  // false lets the name entry time out
};

constexpr int kBoxLines = 5;
const QString kName = QStringLiteral("タカハシ");  // a name of four characters fits every line

// Runs the sequence with a patient player and checks every box, menu and input line as it
// shows, and how the boxes are left. In play the partner talks between the narrator and the
// navigator, and the title's talks have left the greeting in 0 and the partners' words in 1-4.
void Check(int P, bool play, const Sequence& sequence) {
    SCOPED_TRACE(sequence.what + " with partner " + std::to_string(P));
    QStringList problems;
    SimHost host;
    host.programFolder = QStringLiteral(KIRUNE_PROGRAM_DIR "/");
    Effect effect(host);
    TalkEngine talk(host, effect);
    talk.InitTalk(420, 126);
    talk.ClearTalkers();
    talk.AddTalker(QStringLiteral("＃"), 1, QStringLiteral("声ナレーション"), 1, 100, 200, 0, 0);
    if (play)
        talk.AddTalker(QStringLiteral("＋"), 2, QStringLiteral("声") + kPartnerNames[P], 2, 100, 180, 0, 0);
    talk.AddTalker(QStringLiteral("÷"), 3, QStringLiteral("声ナビゲータ"), 1, 100, 160, 0, 0);
    if (play) {
        talk.SetTalkVar(0, QStringLiteral("おかえり、"));
        for (int p = 1; p <= 4; ++p)
            talk.SetTalkVar(p, kPartnerWords[p]);
    }
    talk.SetTalkVar(10, kName);

    auto width = [&](const QString& text) {
        int width = 0;
        for (QChar ch : text)
            width += ch.unicode() < 0x80 ? talk.Metrics().WideAdvance / 2 : talk.Metrics().WideAdvance;
        return width;
    };
    // The test metrics: lines 19 px apart from 11 px down, so five lines fill a box of 114 px.
    talk.viewChanged = [&](bool) {
        auto problem = [&](const QString& what) {
            const QString entry = QStringLiteral("talk %1: %2").arg(talk.CurrentTalk()).arg(what);
            if (!problems.contains(entry))
                problems << entry;
        };
        for (int i = 1; i <= 2; ++i) {
            const TalkBoxView& box = talk.View().Box[i];
            if (box.Visible && (box.CurrentY - 11) / 19 + 1 > kBoxLines)
                problem(QStringLiteral("a box of more than %1 lines").arg(kBoxLines));
            for (const PrintedRun& run : box.Runs)
                if (box.Visible && run.X + width(run.Text) > box.Width)
                    problem(QStringLiteral("\"%1\" sticks out of the box").arg(run.Text));
        }
        const MenuView& menu = talk.View().Menu;
        for (int i = 1; menu.Visible && i <= menu.Count; ++i)
            if (width(menu.Caption[i]) * talk.Metrics().MenuWideAdvance / talk.Metrics().WideAdvance > menu.ItemWidth)
                problem(QStringLiteral("the menu item \"%1\" is too wide").arg(menu.Caption[i]));
        if (talk.View().Input.Visible && talk.View().Input.Width < 8 * talk.Metrics().WideAdvance)
            problem(QStringLiteral("the input line has no room for a name"));
    };
    // Waits are answered after 0.7 s, so the click prompt has been drawn once.
    int ticks = 0;
    GameTimer player(host.Timers(), 100, [&] {
        ticks = talk.WaitMode() == TalkEngine::WaitFor::Nothing ? 0 : ticks + 1;
        if (ticks < 7)
            return;
        ticks = 0;
        const auto answer = sequence.answers.find(talk.CurrentTalk());
        AnswerTalkWait(talk, answer == sequence.answers.end() ? 1 : answer->second, sequence.typesName ? kName : QString());
    });
    talk.StartTalk();
    player.SetEnabled(true);
    for (int n : sequence.talks) {
        if (sequence.before)
            sequence.before(talk, n);
        talk.Talk(n);
    }
    while (!talk.TalkPhrase().isEmpty())
        host.Pump();

    EXPECT_EQ(talk.MalformedStops(), 0);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
    if (sequence.backToPlay) {
        EXPECT_EQ(talk.BoxLayout(), 0) << "a box stays open";
        EXPECT_FALSE(talk.View().Menu.Visible) << "the menu stays up";
    }
    // The word effects show the chosen partner's word whatever ran before.
    for (int p = 1; p <= 4; ++p)
        EXPECT_EQ(talk.TalkVar(p), kPartnerWords[p]);
}

// The sequences of play, each as the flow runs it.
std::vector<Sequence> PlaySequences(int P) {
    std::vector<Sequence> s;
    s.push_back({"first greeting, alphabet", {1401, P + 1410}});
    s.push_back({"first greeting, kana", {1401, 1421, P + 1430, 0}});
    s.push_back({"returning greeting", {1501, P + 1510}});
    s.push_back({"returning greeting, board taken up", {1501, P + 1510, P + 1520}});
    s.push_back({"first greeting, board taken up", {1401, 1421, P + 1430, 0, P + 1520}});
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
    // The hints that carry data find it in 1-4 as the game puts it there.
    auto hintData = [P](int h, const QString& position, const QString& character) {
        return [=](TalkEngine& talk, int next) {
            const std::pair<int, QString> vars[] = {
                {1, position}, {2, character}, {3, QStringLiteral("横")}, {4, QStringLiteral("縦")}};
            for (const auto& [var, text] : vars)
                if (next == Hint(P, h))
                    talk.SetTalkVar(var, text);
        };
    };
    for (int h = 0; h <= 22; ++h) {
        Sequence hint{"hint " + std::to_string(h), {Hint(P, h), 1213}};
        if (h == 13 || h == 14)
            hint.talks.insert(hint.talks.begin(), 2801);
        if (h == 19)
            hint = {"hint 19", {Hint(P, h), 1211, P + 3000, 1223, 3011}, {}, false};
        if (h == 20)
            hint.before = hintData(h, QStringLiteral("うしろ"), QStringLiteral("ア"));
        else if (h == 21)
            hint.before = hintData(h, QStringLiteral("２"), QStringLiteral("ン"));
        else if (h == 0 || h == 1 || h == 2 || h == 7 || h == 22)
            hint.before = hintData(h, QStringLiteral("１２"), QStringLiteral("Ｗ"));
        s.push_back(hint);
    }
    s.push_back({"time up", {P + 3100, 1211, P + 3110, 1223, 3121}, {}, false});
    for (int k = 0; k <= 9; ++k)
        s.push_back({"remark " + std::to_string(k), {P + 3200 + 4 * k, 1213}});
    s.push_back({"left alone", {P + 3240, 1211, P + 3250, 1223, 3261}, {}, false});
    return s;
}

// Time up, hints run out and left alone come when nobody may be at the keyboard: every wait of
// theirs must end by itself.
TEST(TalkCatalog, EveryPlaySequenceFitsItsBoxesAndLeavesThemAsPlayNeeds) {
    TalkData data;
    ASSERT_TRUE(data.Open(kTalkFolder));
    for (int P = 1; P <= 4; ++P)
        for (const Sequence& sequence : PlaySequences(P)) {
            Check(P, true, sequence);
            if (sequence.what != "time up" && sequence.what != "hint 19" && sequence.what != "left alone")
                continue;
            for (int n : sequence.talks)
                for (QChar untimed : QStringLiteral("▼★◆"))
                    EXPECT_FALSE(data.Read(n).value_or(QString()).contains(untimed))
                        << sequence.what << ": talk " << n << " waits with " << QString(untimed).toStdString();
        }
}

// The title for a first and a returning player; the name typed, or none typed, when 1332
// offers one in variable P and 1333, which shows it as the name, puts the partners' words back.
TEST(TalkCatalog, TheTitleSetsThePartnersWordsAndOffersANameWhenNoneIsTyped) {
    const std::vector<int> title = {1301, 1211, 1212, 1302, 1211, 1212, 1311, 1321, 1231, 1232, 1331};
    for (int P = 1; P <= 4; ++P) {
        const std::map<int, int> choice = {{1231, P}};
        auto name = [P](TalkEngine& talk, int next) {
            if (next == 1333)
                talk.SetTalkVar(10, talk.TalkInputText().isEmpty() ? talk.TalkVar(P) : talk.TalkInputText());
        };
        std::vector<int> typed = title, offered = title;
        typed.insert(typed.end(), {1333, 1243});
        offered.insert(offered.end(), {1332, 1333, 1243});
        Check(P, false, {"title, name typed", typed, choice, true, name});
        Check(P, false, {"title, name offered", offered, choice, true, name, false});
        Check(P, false, {"returning title", {1312, 1321, 1231, 1232}, choice});
    }
}

}  // namespace
}  // namespace kirune
