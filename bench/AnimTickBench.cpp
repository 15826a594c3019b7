// One tick of the stage animation: the world copy and the masked paint of every sprite in
// view, which must leave the 10 ms tick almost free.

#include "anim/Anim.h"
#include "support/AnimPeer.h"
#include "support/SimHost.h"

#include <QPainter>

#include <benchmark/benchmark.h>

using namespace kirune;

namespace {

void AnimTickBench(benchmark::State& state) {
    const int width = int(state.range(0)), height = int(state.range(1)), sprites = int(state.range(2));
    SimHost host;
    Random random;
    Effect effect(host);
    TalkEngine talk(host, effect);
    Anim anim(host, random, talk);
    anim.SetStageArea(0, 0, width, height);
    anim.SetWorldSize(width + 20, height + 20, 1);
    // A strip of five 40 x 60 frames with their masks.
    QImage strip(200, 120, QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter(&strip).fillRect(0, 0, 200, 60, Qt::black);
    AnimPeer::Cells(anim).push_back({QString(), strip});
    for (int i = 0; i < sprites; ++i) {
        SpriteRec s;
        s.InUse = s.Active = 1;
        s.Cell = 1;
        s.W = 40;
        s.H = 60;
        s.X = (i * 37) % std::max(1, width - 40);
        s.Y = (i * 23) % std::max(1, height - 60);
        s.FrameLast = 5;
        s.FrameWait = 3;
        s.JitterKind = 28;
        s.JitterWait = 7;
        s.JitterRange = 2;
        s.JitterBase = s.Y;
        AnimPeer::Sprites(anim).push_back(s);
    }
    for (auto _ : state)
        anim.AnimTick();
}

}  // namespace

BENCHMARK(AnimTickBench)->Args({385, 330, 30})->Args({148, 116, 5})->Unit(benchmark::kMillisecond);
