#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace kirune {

// Which puzzles a word list feeds: kanji readings, loanwords, or English words for Japanese clues.
enum class WordKind { Kanji, Katakana, English };

// One entry of a word list: what the grid holds, what the player reads, and where it came from.
struct ListWord {
    QString answer;    // full-size katakana as the grid writes it, or upper-case English letters
    QString clue;
    QString reading;   // the headword's reading in hiragana or katakana, small kana kept
    int level = 1;     // the highest school grade of the headword's kanji; 7 above the grades
    QString headword;  // the dictionary entry the word was taken from
};

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

// Hiragana to katakana, small kana made full-size as a grid writes them; other characters kept.
QString GridKana(const QString& kana);

// One line of a list file: answer, clue, reading, level and headword, tab-separated.
QString ListLine(const ListWord& word);
// Reads a list line back; nothing when it has not five fields or a level that is no number.
std::optional<ListWord> ParseListLine(const QString& line);

}  // namespace kirune
