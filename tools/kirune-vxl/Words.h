#pragma once

#include "author/WordList.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace kirune {

// Which puzzles a word list feeds: kanji readings, loanwords, or English words for Japanese clues.
enum class WordKind { Kanji, Katakana, English };

// One dictionary line: headword, reading (empty for a kana headword), parts of speech and
// tags of the first sense, every tag of the entry, and the glosses of the first sense.
struct DictEntry {
    QString headword;
    QString reading;
    QStringList firstSenseTags;
    QSet<QString> tags;
    QStringList firstSense;
    bool common = false;
};

// A line of the Japanese–English dictionary in its EDICT form, or nothing when it is not one.
std::optional<DictEntry> ParseDictLine(const QString& line);

// The school grade (1–6) of each kanji of a KANJIDIC file's lines; kanji beyond them are absent.
QHash<QChar, int> ParseKanjiGrades(const QStringList& lines);

// The words of one kind a crossword can use: common nouns and adjectives, nothing blocked,
// each answer once, in a stable order (level, then answer).
std::vector<ListWord> SelectWords(const std::vector<DictEntry>& entries, WordKind kind,
                                  const QHash<QChar, int>& grades, const QSet<QString>& blocked);

}  // namespace kirune
