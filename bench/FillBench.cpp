// Time to make one crossword from a whole shipped word list: patterns and their fill, as
// "kirune-vxl generate" makes each stage (list reading and indexing included). Every iteration takes the next seed; the counters give
// the median and the worst of them, and how many seeds found a fill.

#include "author/Generate.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <map>

using namespace kirune;

namespace {

const std::vector<ListWord>& List(const char* name) {
    static std::map<std::string, std::vector<ListWord>> lists;
    auto& list = lists[name];
    if (list.empty())
        list = ReadWordListFile(QStringLiteral(KIRUNE_PROGRAM_DIR "/words/") + QLatin1String(name)).words;
    return list;
}

void Fill(benchmark::State& state, const char* list, int width, int height) {
    const auto& words = List(list);
    std::vector<double> ms;
    int filled = 0;
    quint64 seed = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const Generated made = GenerateCollection(words, {{{width, height}}, 1, ++seed, QString(), 7});  // the whole list
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        filled += made.error.isEmpty();
    }
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["worst_ms"] = ms.back();
    state.counters["filled"] = filled;
}

}  // namespace

BENCHMARK_CAPTURE(Fill, kana_9x9, "kanji.tsv", 9, 9)->Iterations(100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Fill, kana_11x11, "kanji.tsv", 11, 11)->Iterations(100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Fill, kana_15x15, "kanji.tsv", 15, 15)->Iterations(100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Fill, alphabet_13x13, "english.tsv", 13, 13)->Iterations(100)->Unit(benchmark::kMillisecond);
