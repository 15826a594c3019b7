// Cost of the talk timer's work: interpreter and typewriter steps, which must leave the 15 ms
// tick almost free.

#include "support/SimHost.h"
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
        if (e.talk.TalkPhrase.isEmpty()) {
            state.PauseTiming();
            e.talk.View.Box[e.talk.CurrentBox].Runs.clear();
            e.talk.TalkPhrase = QStringLiteral("あいうえおかきくけこさし");
            state.ResumeTiming();
        }
        e.talk.TypewriterStep();
    }
}

// The talker's next phrase in its open box: a new line, placeholders and the phrase taken.
void InterpreterStep(benchmark::State& state) {
    Engine e;
    e.talk.TalkVar[10] = QStringLiteral("ケン");
    e.talk.TalkText(QStringLiteral("＃〈〉"));
    for (auto _ : state) {
        state.PauseTiming();
        TalkBoxView& box = e.talk.View.Box[e.talk.CurrentBox];
        box.CurrentY = 11;
        e.talk.TalkScript = QStringLiteral("＃〈⑩さん、こんにちは〉");
        e.talk.TalkPhrase.clear();
        state.ResumeTiming();
        e.talk.InterpreterStep();
    }
}

}  // namespace

BENCHMARK(TypewriterStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(InterpreterStep)->Unit(benchmark::kMicrosecond);
