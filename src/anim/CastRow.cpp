#include "anim/CastRow.h"

#include "library/Csv.h"

namespace kirune {

std::optional<QString> FindCastRow(const QStringList& lines, const QString& name) {
    if (name.isEmpty())
        return std::nullopt;
    for (const QString& line : lines)
        if (line.startsWith(name))
            return line;
    return std::nullopt;
}

std::optional<SpriteRec> ParseCastRow(QString row) {
    SpriteRec r;
    TakeCsvField(row);
    qint32* fields[] = {&r.W,          &r.H,         &r.X,        &r.Y,         &r.Active,    &r.Spare,
                        &r.Frame,      &r.FrameFirst, &r.FrameLast, &r.FrameWait, &r.JitterKind, &r.JitterWait,
                        &r.JitterRange, &r.Mode,      &r.MoveDir,  &r.MoveWait,  &r.MoveStep,  &r.WrapDelay,
                        &r.PoseMode,   &r.PoseWait1,  &r.PoseWait2};
    for (qint32* field : fields) {
        *field = TakeCsvLong(row);
        if (*field < -kCastLimit || *field > kCastLimit)
            return std::nullopt;
    }
    for (qint32* wait : {&r.FrameWait, &r.MoveWait, &r.WrapDelay, &r.PoseWait1, &r.PoseWait2})
        if (*wait == 0)
            *wait = 1;
    if (r.JitterKind == 0 || r.JitterWait == 0)
        r.JitterWait = 1;
    r.JitterBase = 0;
    if (r.Active == 1)
        r.JitterBase = r.JitterKind == 28 ? r.Y : r.JitterKind == 46 ? r.X : 0;
    r.WrapArmed = 0;
    r.WrapAt = 1;
    r.BaseWait = r.FrameWait;
    return r;
}

}  // namespace kirune
