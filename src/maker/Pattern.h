#pragma once

#include "maker/Rng.h"

#include <functional>
#include <optional>
#include <vector>

namespace kirune {

// How a puzzle's grid is laid out: kana grids by the Japanese rules (no two black cells side by
// side, white corners, all white cells joined), alphabet grids with every white cell in a word.
enum class Script { Kana, Alphabet };

// A grid's black cells, row by row.
struct Pattern {
    int width = 0, height = 0;
    std::vector<bool> black;

    bool Black(int r, int c) const { return black[size_t(r * width + c)]; }
    int BlackCount() const;
};

// A run of two or more white cells: a word of the puzzle.
struct Slot {
    bool across = true;
    std::vector<int> cells;  // r * width + c, in reading order
};

// Every word of a pattern: the across runs row by row, then the down runs column by column.
std::vector<Slot> SlotsOf(const Pattern& p);

// How many words of each length the pattern has, by length.
std::vector<int> WordsByLength(const Pattern& p);

// The share of white cells in two words: letters a crossing word helps to find.
double CrossingShare(const Pattern& p);

// The lengths of the words a list holds: every word of a pattern must have one of them.
struct WordLengths {
    int shortest = 2, longest = 7;
};

// The rules a pattern must keep; a reason for the first one broken.
std::optional<const char*> BrokenRule(const Pattern& p, Script script, const WordLengths& lengths);

// A symmetric pattern of the script's rules whose words all have lengths of the list; nothing
// when none was found within a bounded number of tries.
std::optional<Pattern> MakePattern(int width, int height, Script script, const WordLengths& lengths, Rng& rng);

// The pattern with black cells added, taken away or moved, a symmetric pair at a time, wherever
// the rules still hold, `score` rises, and the white cells in one word only grow no more in
// number (a kana grid may gain a sixteenth of its white cells of them); `tries` moves are tried.
Pattern ImprovePattern(Pattern p, Script script, const WordLengths& lengths, const std::function<int(const Pattern&)>& score,
                       int tries, Rng& rng);

}  // namespace kirune
