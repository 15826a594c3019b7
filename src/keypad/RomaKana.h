#pragma once

#include "model/Result.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace kirune {

struct KanaEntry {
    QString Key;      // upper-case romaji
    QString Display;  // what the keypad shows, small kana included
    QString Grid;     // what enters the grid, always full-size
};

// The conversion table: the letters whose doubling types a small "ッ", then the one-, two-
// and three-key entries in table order.
struct RomaKanaTable {
    QStringList Doubling;
    std::vector<KanaEntry> Keys[4];  // index = number of keys

    // Reads the CP932 table file; the error names what is wrong.
    static Result<RomaKanaTable> Load(const QString& path);
    const KanaEntry* Find(const QString& keys) const;
};

// The table the keypad of a program folder (ending in "/") converts with.
inline QString RomaKanaTablePath(const QString& programFolder) {
    return programFolder + QStringLiteral("sys/RomaKana/新ローマ字かな変換.txt");
}

// Comma-separated fields; a field may be enclosed in double quotes.
QStringList QuotedFields(const QString& line);

}  // namespace kirune
