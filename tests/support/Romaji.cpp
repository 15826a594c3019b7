#include "support/Romaji.h"

#include <gtest/gtest.h>

namespace kirune {

QString Romaji(const QString& katakana) {
    static const QString rows[] = {
        QStringLiteral("アイウエオ"), QStringLiteral("カキクケコ"), QStringLiteral("サシスセソ"), QStringLiteral("タチツテト"),
        QStringLiteral("ナニヌネノ"), QStringLiteral("ハヒフヘホ"), QStringLiteral("マミムメモ"), QStringLiteral("ヤ・ユ・ヨ"),
        QStringLiteral("ラリルレロ"), QStringLiteral("ワ・・・ヲ"), QStringLiteral("ガギグゲゴ"), QStringLiteral("ザジズゼゾ"),
        QStringLiteral("ダヂヅデド"), QStringLiteral("バビブベボ"), QStringLiteral("パピプペポ"), QStringLiteral("・・ヴ・・"),
    };
    static const char* const consonants[] = {"", "K", "S", "T", "N", "H", "M", "Y", "R", "W", "G", "Z", "D", "B", "P", "V"};
    static const char vowels[] = "AIUEO";
    QString keys;
    for (const QChar kana : katakana) {
        if (kana == u'ン') {
            keys += QStringLiteral("NN");
            continue;
        }
        if (kana == u'ー') {
            keys += u'-';
            continue;
        }
        bool found = false;
        for (int row = 0; row < 16 && !found; ++row)
            if (const qsizetype v = rows[row].indexOf(kana); v >= 0 && kana != u'・') {
                keys += QLatin1String(consonants[row]) + QLatin1Char(vowels[v]);
                found = true;
            }
        EXPECT_TRUE(found) << "no keys for " << QString(kana).toStdString();
    }
    return keys;
}

}  // namespace kirune
