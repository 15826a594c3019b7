#pragma once

#include "anim/Sprite.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace kirune {

// The cast data row of a sprite: the first line that starts with its name; nullopt for an
// empty name or when no line does.
std::optional<QString> FindCastRow(const QStringList& lines, const QString& name);

// A sprite's settings from its row ("name,W,H,X,Y,Active,..."): a missing field reads 0, a
// zero wait 1. InUse and Cell are left to the caller, which owns the picture.
SpriteRec ParseCastRow(QString row);

}  // namespace kirune
