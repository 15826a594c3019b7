// The romaji conversion table as the keypad loads it, then a player typing through it.

#include "fuzz/FuzzInput.h"
#include "keypad/Keypad.h"

#include <QDir>

using namespace kirune;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QDir().mkpath(FuzzFolder() + QStringLiteral("sys/RomaKana"));
    WriteFuzzFile(QStringLiteral("sys/RomaKana/新ローマ字かな変換.txt"), data, size);
    Keypad keypad;
    if (const auto error = keypad.SetKeypad(FuzzFolder())) {
        FuzzCheck(!error->isEmpty(), "a refused table without a reason");
        return 0;
    }
    // Single keys, doubled letters, a three-key syllable, "NN", a dash and a key no row has.
    for (QChar key : QStringLiteral("AKKATTSHINNKYO-XTUQQQZZVA@"))
        keypad.RomaKanaConvWChr(key);
    FuzzCheck(keypad.CellsInUse >= 0 && keypad.CellsInUse <= Keypad::kCells, "keypad cells out of range");
    FuzzCheck(keypad.Pending.size() < 3, "three keys pending");
    return 0;
}
