// Time to bring a stage onto the board: read its section from the play file, build the word
// links and lay out the cell labels (LoadStageData + SetupStage).

#include "app/Game.h"
#include "support/PlayFileMaker.h"
#include "support/SimHost.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace kirune;

namespace {

void SetupStageBench(benchmark::State& state) {
    const int side = int(state.range(0));
    QTemporaryDir dir;
    // Two stages so the file holds more than the one being read.
    const QString path = WritePlayFile(dir.path(), QStringLiteral("bench.vxl"),
                                       PlayFileText({{PatternGrid(side, side)}, {PatternGrid(side, side)}}));
    SimHost host;
    Game game(host);
    game.story.flow.UsePlayFile(dir.path() + u'/', QStringLiteral("bench.vxl"));
    if (auto error = game.story.flow.SetupStage(1)) {
        state.SkipWithError(error->Describe().toStdString().c_str());
        return;
    }
    for (auto _ : state) {
        auto error = game.story.flow.SetupStage(2);
        benchmark::DoNotOptimize(error);
    }
    state.counters["cells"] = side * side;
}

}  // namespace

BENCHMARK(SetupStageBench)->Arg(15)->Arg(50)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
