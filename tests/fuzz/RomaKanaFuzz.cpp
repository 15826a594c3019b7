// The romaji conversion table, then look-ups of the keys a player types.

#include "fuzz/FuzzInput.h"
#include "keypad/RomaKana.h"

using namespace kirune;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = WriteFuzzFile(QStringLiteral("romakana.txt"), data, size);
    QString error;
    const auto table = RomaKanaTable::Load(path, &error);
    if (!table) {
        FuzzCheck(!error.isEmpty(), "a refused table without a reason");
        return 0;
    }
    for (const QString& keys : {QStringLiteral("A"), QStringLiteral("KA"), QStringLiteral("SHI"), QStringLiteral("NN"),
                               QStringLiteral("XTSU"), QString(), QStringLiteral("-")})
        if (const KanaEntry* entry = table->Find(keys))
            FuzzCheck(entry->Key == keys, "a look-up found another key");
    for (const auto& row : table->Keys)
        for (const KanaEntry& entry : row)
            table->Find(entry.Key);
    return 0;
}
