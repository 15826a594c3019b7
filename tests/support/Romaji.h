#pragma once

#include <QString>

namespace kirune {

// Keys the romaji table turns back into exactly this katakana, one kana at a time; a kana
// without keys is a test failure and is left out.
QString Romaji(const QString& katakana);

}  // namespace kirune
