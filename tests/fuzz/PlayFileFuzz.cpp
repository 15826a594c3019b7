// The play file the way the game takes it up: header numbers, then every stage section
// through the reader and the checks run before play, and the captions of a playable stage.

#include "fuzz/FuzzInput.h"
#include "library/PlayFile.h"
#include "model/StageCheck.h"

#include <algorithm>

using namespace kirune;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = WriteFuzzFile(QStringLiteral("play.vxl"), data, size);
    ReadInputMode(path);
    const auto stageMax = ReadStageMax(path);
    // The game stops at the first bad stage; the fuzzer goes on to cover the later ones too,
    // up to a bound that keeps every run short.
    const int last = stageMax ? std::clamp(stageMax.value, 1, 12) : 1;
    for (int n = 1; n <= last; ++n) {
        auto read = LoadStageData(path, n);
        if (!read) {
            read.error->Describe();
            continue;
        }
        Crossword x = std::move(read.value);
        if (auto error = PrepareForPlay(x)) {
            error->Describe();
            continue;
        }
        // Play walks every word from its start cell: all of it must lie on white cells of the grid.
        for (int w = 1; w <= x.QuesNmbMax; ++w) {
            const QuesRec& q = x.Ques[w];
            const int step = x.IsAcrossWord(w) ? 1 : x.MasStride;
            FuzzCheck(q.Length >= 1, "a playable word without cells");
            for (int k = 0; k < q.Length; ++k) {
                const int cell = q.Start + k * step;
                FuzzCheck(x.Row(cell) >= 1 && x.Row(cell) <= x.MasMaxY && x.Column(cell) >= 1 &&
                              x.Column(cell) <= x.MasMaxX && x.Mas[cell].Kind != KindBlack,
                          "a playable word runs off the grid or over a black cell");
            }
        }
        CaptionsFor(x, QStringLiteral("play.vxl"), n, QStringLiteral("★"));
    }
    return 0;
}
