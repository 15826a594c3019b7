// The talk files and the talk mark-up. One input holds both files: a 2-byte little-endian
// length, that many bytes of TalkIx.dat, and the rest as TalkDt.dat. Talks are read as the game
// reads them, and the first few run through the interpreter with a player who answers every
// wait, so a malformed talk must end in a stop, never in a crash or an endless wait.

#include "effect/Effect.h"
#include "fuzz/FuzzInput.h"
#include "support/SimHost.h"
#include "talk/TalkData.h"
#include "talk/TalkEngine.h"

#include <QDir>

#include <algorithm>
#include <cstdio>
#include <iterator>

using namespace kirune;

namespace {

// Bounds that keep a run in milliseconds: each index record read refills the file's buffer,
// and each typed character is a timer tick.
constexpr int kTalksRead = 512;
constexpr int kTalksRun = 3;
constexpr int kLongestRun = 800;  // longer talks are read but not run

// Every 300 ms of virtual time: clicks the box, picks an item and confirms a typed answer.
void AnswerEveryWait(SimHost& host, TalkEngine& talk, int turn = 0) {
    host.Post(300, [&host, &talk, turn] {
        static const QString typed[] = {QStringLiteral("1"), QStringLiteral("ｶﾞｯﾎﾟ"), QStringLiteral("-2.5"),
                                        QStringLiteral("12345678"), QStringLiteral(" 7")};
        talk.OnTalkBoxClick(talk.CurrentBox());
        talk.OnMenuHover(turn % 10);
        talk.OnMenuClick(1 + turn % 9);
        talk.OnInputEdited(typed[turn % std::size(typed)]);
        talk.OnInputConfirm();
        AnswerEveryWait(host, talk, turn + 1);
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const size_t indexSize = std::min<size_t>(size - 2, size_t(data[0]) | size_t(data[1]) << 8);
    QDir().mkpath(FuzzFolder() + QStringLiteral("Talk"));
    WriteFuzzFile(QStringLiteral("Talk/TalkIx.dat"), data + 2, indexSize);
    WriteFuzzFile(QStringLiteral("Talk/TalkDt.dat"), data + 2 + indexSize, size - 2 - indexSize);

    TalkData reader;
    FuzzCheck(reader.Open(FuzzFolder() + QStringLiteral("Talk/")), "the talk files do not open");
    std::vector<int> runnable;
    const int records = int(std::min<size_t>(indexSize / 4, kTalksRead));
    for (int n = 1; n <= records; ++n) {
        const auto text = reader.Read(n);
        if (text && text->size() <= kLongestRun && int(runnable.size()) < kTalksRun)
            runnable.push_back(n);
        reader.Read(0);
    }

    SimHost host;
    host.programFolder = FuzzFolder();
    host.limitMs = 4LL * 3600 * 1000;
    Effect effect(host);
    TalkEngine talk(host, effect);
    talk.SetSpritePose = [](int, int) {};
    FuzzCheck(talk.InitTalk(420, 126), "the engine cannot open the talk files");
    talk.AddTalker(QStringLiteral("＃"), 1, QStringLiteral("声ナレーション"), 1, 100, 200, 0, 0);
    talk.AddTalker(QStringLiteral("＋"), 2, QStringLiteral("声姉"), 2, 100, 180, 0, 7);
    talk.AddTalker(QStringLiteral("÷"), 3, QStringLiteral("声ナビゲータ"), 1, 100, 160, 0, 0);
    talk.StartTalk();
    AnswerEveryWait(host, talk);
    try {
        for (int n : runnable)
            talk.Talk(n);
    } catch (const SimStall& stall) {
        std::fprintf(stderr, "fuzz: a talk never ends: %s\n", stall.what());
        std::abort();
    }
    talk.EndTalk();
    return 0;
}
