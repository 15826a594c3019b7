#include "support/Romaji.h"

#include <gtest/gtest.h>

namespace kirune {

QString Romaji(const QString& katakana) {
    // The kana in rows of five vowels, "・" where a row has a gap.
    static const QString kana = QStringLiteral("アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤ・ユ・ヨ"
                                               "ラリルレロワ・・・ヲガギグゲゴザジズゼゾダヂヅデドバビブベボパピプペポ・・ヴ・・");
    static const char* const consonants[] = {"", "K", "S", "T", "N", "H", "M", "Y", "R", "W", "G", "Z", "D", "B", "P", "V"};
    QString keys;
    for (const QChar ch : katakana) {
        const qsizetype at = ch == u'・' ? -1 : kana.indexOf(ch);
        if (ch == u'ン')
            keys += QStringLiteral("NN");
        else if (ch == u'ー')
            keys += u'-';
        else if (at >= 0)
            keys += QLatin1String(consonants[at / 5]) + QLatin1Char("AIUEO"[at % 5]);
        else
            ADD_FAILURE() << "no keys for " << QString(ch).toStdString();
    }
    return keys;
}

}  // namespace kirune
