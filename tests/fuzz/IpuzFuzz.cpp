// An .ipuz file as the game and the tool import it: what the reader takes, the compiler builds.

#include "author/Build.h"
#include "author/Ipuz.h"
#include "fuzz/FuzzInput.h"

using namespace kirune;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const IpuzPuzzle puzzle = ReadIpuz(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!puzzle.error.isEmpty())
        return 0;
    FuzzCheck(!puzzle.rows.isEmpty(), "a puzzle without a grid");
    // Kana stages are checked against the keypad's table, which a fuzz run does not have.
    if (puzzle.inputMode == 0) {
        const BuildResult built = BuildCollection(IpuzCollection({puzzle}, QStringLiteral("fuzz")), nullptr, Lint::Off);
        FuzzCheck(built.errors.empty(), "an accepted puzzle the compiler refuses");
    }
    return 0;
}
