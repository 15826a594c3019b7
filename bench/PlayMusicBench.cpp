// Starting a tune: closing the old one, loading the MIDI file through FluidSynth and playing it.
// The game starts tunes only in its talk sequences, never from a key press.

#include "host/QtHost.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <benchmark/benchmark.h>

using namespace kirune;

namespace {

void PlayMusicBench(benchmark::State& state) {
    int argc = 1;
    char name[] = "kirune_bench";
    char* argv[] = {name, nullptr};
    static QCoreApplication* app = new QCoreApplication(argc, argv);
    (void)app;
    QtHost host;
    const QString tune = QStringLiteral(KIRUNE_PROGRAM_DIR "/sound/midi/BGMテーマ曲.mid");
    if (!QFileInfo::exists(tune)) {
        state.SkipWithError("the theme tune is not built");
        return;
    }
    for (auto _ : state)
        host.PlayMusic(tune);
    host.StopMusic();
}

}  // namespace

BENCHMARK(PlayMusicBench)->Unit(benchmark::kMillisecond)->Iterations(20);
