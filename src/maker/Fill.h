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
