// Cost of the talk timer's work: interpreter and typewriter steps, which must leave the 15 ms
// tick almost free.

#include "support/SimHost.h"
#include "support/TalkPeer.h"
#include "talk/TalkEngine.h"

#include <benchmark/benchmark.h>

using namespace kirune;

namespace {

struct Engine {
    Engine() : effect(host), talk(host, effect) {
        talk.InitTalk(420, 126);
        talk.AddTalker(QStringLiteral("＃"), 1, QStringLiteral("声ナレーション"), 1, 100, 200, 0, 0);
        talk.StartTalk();
    }
    SimHost host;
    Effect effect;
    TalkEngine talk;
};

// A phrase of twelve characters typed into an open box: the typewriter step alone.
void TypewriterStep(benchmark::State& state) {
    Engine e;
    e.talk.TalkText(QStringLiteral("＃〈〉"));
    for (auto _ : state) {
        if (e.talk.TalkPhrase().isEmpty()) {
            state.PauseTiming();
            TalkPeer::CurrentBox(e.talk).Runs.clear();
            TalkPeer::Phrase(e.talk) = QStringLiteral("あいうえおかきくけこさし");
            state.ResumeTiming();
        }
        TalkPeer::TypewriterStep(e.talk);
    }
}

// The talker's next phrase in its open box: a new line, placeholders and the phrase taken.
void InterpreterStep(benchmark::State& state) {
    Engine e;
    e.talk.SetTalkVar(10, QStringLiteral("ケン"));
    e.talk.TalkText(QStringLiteral("＃〈〉"));
    for (auto _ : state) {
        state.PauseTiming();
        TalkPeer::CurrentBox(e.talk).CurrentY = 11;
        TalkPeer::Script(e.talk) = QStringLiteral("＃〈⑩さん、こんにちは〉");
        TalkPeer::Phrase(e.talk).clear();
        state.ResumeTiming();
        TalkPeer::InterpreterStep(e.talk);
    }
}

}  // namespace

BENCHMARK(TypewriterStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(InterpreterStep)->Unit(benchmark::kMicrosecond);
