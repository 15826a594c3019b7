#pragma once

#include "anim/Sprite.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace kirune {

// The cast data row of a sprite: the first line that starts with its name; nullopt for an
// empty name or when no line does.
std::optional<QString> FindCastRow(const QStringList& lines, const QString& name);

// Every number of a cast row lies within this: sizes, positions, frames and waits of a stage
// all do, and sums and products of two such numbers stay inside int.
inline constexpr qint32 kCastLimit = 32767;

// A sprite's settings from its row ("name,W,H,X,Y,Active,..."): a missing field reads 0, a
// zero wait 1; nullopt when a number lies beyond kCastLimit. InUse and Cell are left to the
// caller, which owns the picture.
std::optional<SpriteRec> ParseCastRow(QString row);

}  // namespace kirune
