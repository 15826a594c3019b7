#pragma once

#include <QString>

namespace kirune {

// The effect names of play, 1-based as the screen layout keeps them.
inline const QString SoundName[8] = {
    QString(),
    QStringLiteral("ピポポン"),  // 1 a character is written
    QStringLiteral("ビィヨン"),  // 2 the cursor moves, or an entry changes nothing
    QStringLiteral("ザッ"),      // 3 refused
    QStringLiteral("ピイイン"),  // 4 a word is selected
    QStringLiteral("ビュ"),      // 5 right cell
    QStringLiteral("不正解"),    // 6 wrong cell
    QStringLiteral("正解"),      // 7 solved
};

enum SoundId { SoundEntry = 1, SoundMove, SoundRefused, SoundSelect, SoundRight, SoundWrong, SoundSolved };

}  // namespace kirune
