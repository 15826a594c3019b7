// The cast data file: the row of every sprite the stage loads, and its settings.

#include "anim/CastRow.h"
#include "fuzz/FuzzInput.h"
#include "library/Cp932Text.h"

#include <cstdint>

using namespace kirune;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = WriteFuzzFile(QStringLiteral("CastData.csv"), data, size);
    const auto cast = ReadTextFile(path);
    if (!cast)
        return 0;
    QStringList names{QStringLiteral("背景スプライト"), QStringLiteral("流雲"), QString()};
    for (const QString& member : {QStringLiteral("姉"), QStringLiteral("兄"), QStringLiteral("父"), QStringLiteral("母")})
        for (int pose = 1; pose <= 5; ++pose)
            names << member + QString::number(pose);
    for (const QString& name : names)
        if (const auto row = FindCastRow(cast->lines, name))
            if (const auto r = ParseCastRow(*row)) {
                FuzzCheck(r->FrameWait != 0 && r->MoveWait != 0 && r->WrapDelay != 0 && r->PoseWait1 != 0 &&
                              r->PoseWait2 != 0 && r->JitterWait != 0,
                          "a sprite with a wait of zero");
                // The stage cuts frame f out of the strip at (f - 1) x W and moves by W and H.
                auto fitsInt = [](qint64 v) { return v >= INT32_MIN && v <= INT32_MAX; };
                FuzzCheck(fitsInt((qint64(r->Frame) - 1) * r->W) && fitsInt(qint64(r->X) - r->W) &&
                              fitsInt(qint64(r->Y) - r->H),
                          "a sprite whose frames or moves overflow");
            }
    return 0;
}
