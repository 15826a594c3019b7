#pragma once

#include <QString>

#include <optional>

namespace kirune {

// One entry of a word list: what the grid holds, what the player reads, and where it came from.
struct ListWord {
    QString answer;    // full-size katakana as the grid writes it, or upper-case English letters
    QString clue;
    QString reading;   // the headword's reading in hiragana or katakana, small kana kept
    int level = 1;     // the highest school grade of the headword's kanji; 7 above the grades
    QString headword;  // the dictionary entry the word was taken from
};

// Hiragana to katakana, small kana made full-size as a grid writes them; other characters kept.
QString GridKana(const QString& kana);

// One line of a list file: answer, clue, reading, level and headword, tab-separated.
QString ListLine(const ListWord& word);
// Reads a list line back; nothing when it has not five fields or a level that is no number.
std::optional<ListWord> ParseListLine(const QString& line);

}  // namespace kirune
