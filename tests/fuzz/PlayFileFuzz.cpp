// The play file the way the game takes it up: header numbers, then every stage section
// through the reader and the checks run before play, and the captions of a playable stage.

#include "fuzz/FuzzInput.h"
#include "library/PlayFile.h"
#include "story/StageCheck.h"

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
            FuzzCheck(error->problem == PlayFileProblem::Inconsistent, "a check failed with a reader's problem");
            continue;
        }
        CaptionsFor(x, QStringLiteral("play.vxl"), n, QStringLiteral("★"));
    }
    return 0;
}
