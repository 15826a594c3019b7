#pragma once

#include "maker/Pattern.h"
#include "maker/Rng.h"

#include <QString>

#include <optional>
#include <vector>

namespace kirune {

// The words a fill may use, as the grid writes them, with the level of each; indexed by length,
// position and letter so that the words fitting a half-filled slot are counted by bitset.
class Lexicon {
public:
    Lexicon(const std::vector<QString>& words, const std::vector<int>& levels);

    int Size() const { return int(words.size()); }
    const QString& Word(int w) const { return words[size_t(w)]; }
    int Level(int w) const { return levels[size_t(w)]; }
    int Longest() const { return int(byLength.size()) - 1; }
    int CountOfLength(int length) const { return length < int(byLength.size()) ? int(byLength[size_t(length)].size()) : 0; }

private:
    friend class Filler;
    friend class FillOdds;
    std::vector<QString> words;
    std::vector<int> levels;
    std::vector<std::vector<int>> letters;  // each word as letter numbers
    std::vector<std::vector<int>> nested;   // the words inside each word, and those it is inside
    int letterCount = 0;
    std::vector<std::vector<int>> byLength;  // word numbers of each length
    std::vector<int> rankInLength;           // a word's place in its length's list
    // index[length][position * letterCount + letter]: a bit per word of that length.
    std::vector<std::vector<std::vector<std::uint64_t>>> index;
};

// How likely a pattern is to fill from a list's words: log2 of its expected number of fills, in
// sixteenths. That is the product of the word counts of its slots, times the chance that the
// words of two crossing slots agree on the letter of their common cell, for every such cell
// (the letters of each length and position counted over the list). The pattern with the higher
// figure fills far more often; integers, so a seed picks alike on every machine.
class FillOdds {
public:
    // Words marked in `leftOut` do not count, nor slots longer than `longest`.
    FillOdds(const Lexicon& lexicon, const std::vector<bool>& leftOut, int longest);

    // std::numeric_limits<int>::min() when a slot has no word of its length or a crossing
    // cannot agree.
    int Log2Fills(const Pattern& p) const;

private:
    int Place(size_t length, size_t position) const { return placeOf[length] + int(position); }

    std::vector<int> log2Count;  // per length, of the words counted; the lowest int when none
    std::vector<int> placeOf;    // per length, the number of its first position
    int places = 0;
    // agreement[a * places + b]: log2 of the chance that two words meet on a letter, one at
    // place a, the other at place b; the lowest int when they never do.
    std::vector<int> agreement;
};

struct FillLimits {
    int level = 6;                 // words up to this level come first
    long long nodes = 2'000'000;   // search steps over all restarts before giving up
    // No word inside another of the same grid (ハシ and ハシラ): kana puzzles read such a pair
    // as one word given twice.
    bool noNesting = false;
};

// A word for every slot of the pattern (in SlotsOf's order), none of them in `used` and none
// twice; nothing when the search found none within its limits.
std::optional<std::vector<int>> FillPattern(const Pattern& p, const Lexicon& lexicon, const std::vector<bool>& used,
                                            const FillLimits& limits, Rng& rng);

}  // namespace kirune
