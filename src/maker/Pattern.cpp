#include "maker/Pattern.h"

#include <algorithm>

namespace kirune {

namespace {

// The runs of white cells along one line of the grid: their first cell and length.
template <typename Visit>
void ForEachRun(const Pattern& p, bool across, Visit visit) {
    const int lines = across ? p.height : p.width, along = across ? p.width : p.height;
    for (int l = 0; l < lines; ++l) {
        int start = -1;
        for (int k = 0; k <= along; ++k) {
            const bool white = k < along && !(across ? p.Black(l, k) : p.Black(k, l));
            if (white && start < 0)
                start = k;
            if (!white && start >= 0) {
                visit(l, start, k - start);
                start = -1;
            }
        }
    }
}

int Cell(const Pattern& p, bool across, int line, int k) { return across ? line * p.width + k : k * p.width + line; }

bool Connected(const Pattern& p) {
    const int n = p.width * p.height;
    const auto first = std::find(p.black.begin(), p.black.end(), false);
    if (first == p.black.end())
        return false;
    std::vector<bool> seen(size_t(n), false);
    std::vector<int> todo = {int(first - p.black.begin())};
    seen[size_t(todo[0])] = true;
    int reached = 0;
    while (!todo.empty()) {
        const int i = todo.back();
        todo.pop_back();
        ++reached;
        const int r = i / p.width, c = i % p.width;
        const int next[4][2] = {{r - 1, c}, {r + 1, c}, {r, c - 1}, {r, c + 1}};
        for (const auto& [nr, nc] : next) {
            if (nr < 0 || nc < 0 || nr >= p.height || nc >= p.width)
                continue;
            const int j = nr * p.width + nc;
            if (!p.black[size_t(j)] && !seen[size_t(j)]) {
                seen[size_t(j)] = true;
                todo.push_back(j);
            }
        }
    }
    return reached == n - p.BlackCount();
}

// Every white cell lies in a word, and every word has a length the list holds: runs of one
// cell are no word, runs of two up to the shortest word's length less one cannot be filled.
bool RunsFit(const Pattern& p, const WordLengths& lengths, bool longAllowed = false) {
    std::vector<bool> inWord(p.black.size(), false);
    bool fits = true;
    for (bool across : {true, false})
        ForEachRun(p, across, [&](int line, int start, int length) {
            if ((length > lengths.longest && !longAllowed) || (length >= 2 && length < lengths.shortest))
                fits = false;
            if (length >= lengths.shortest)
                for (int k = start; k < start + length; ++k)
                    inWord[size_t(Cell(p, across, line, k))] = true;
        });
    for (size_t i = 0; i < p.black.size(); ++i)
        if (!p.black[i] && !inWord[i])
            fits = false;
    return fits;
}

int ShortRuns(const Pattern& p) {
    int count = 0;
    for (bool across : {true, false})
        ForEachRun(p, across, [&](int, int, int length) { count += length == 2; });
    return count;
}

// How many words each cell lies in.
std::vector<int> WordsOfCells(const Pattern& p) {
    std::vector<int> words(p.black.size(), 0);
    for (bool across : {true, false})
        ForEachRun(p, across, [&](int line, int start, int length) {
            if (length >= 2)
                for (int k = start; k < start + length; ++k)
                    ++words[size_t(Cell(p, across, line, k))];
        });
    return words;
}

// The white cells in one word only: letters that no crossing word helps to find.
int Unchecked(const Pattern& p) {
    const std::vector<int> words = WordsOfCells(p);
    return int(std::count(words.begin(), words.end(), 1));
}

bool TouchesBlack(const Pattern& p, int r, int c) {
    return (r > 0 && p.Black(r - 1, c)) || (r + 1 < p.height && p.Black(r + 1, c)) || (c > 0 && p.Black(r, c - 1)) ||
           (c + 1 < p.width && p.Black(r, c + 1));
}

// Whether cell i and its partner across the centre, both white, may turn black as far as the
// cells around them tell: kana grids keep their corners white and no two black cells side by
// side.
bool MayTurnBlack(const Pattern& p, Script script, int i) {
    const int j = p.width * p.height - 1 - i;
    const int r = i / p.width, c = i % p.width, rj = j / p.width, cj = j % p.width;
    if (p.black[size_t(i)] || p.black[size_t(j)])
        return false;
    if (script == Script::Alphabet)
        return true;
    const bool corner = (r == 0 || r == p.height - 1) && (c == 0 || c == p.width - 1);
    return !corner && !TouchesBlack(p, r, c) && !TouchesBlack(p, rj, cj) && std::abs(r - rj) + std::abs(c - cj) != 1;
}

void SetPair(Pattern& p, int i, bool black) { p.black[size_t(i)] = p.black[p.black.size() - 1 - size_t(i)] = black; }

int MaxBlacks(const Pattern& p, Script script) {
    const int cells = p.width * p.height;
    return script == Script::Kana ? cells / 5 + 1 : cells * 2 / 5;
}

}  // namespace

int Pattern::BlackCount() const { return int(std::count(black.begin(), black.end(), true)); }

std::vector<Slot> SlotsOf(const Pattern& p) {
    std::vector<Slot> wordSlots;
    for (bool across : {true, false})
        ForEachRun(p, across, [&](int line, int start, int length) {
            if (length < 2)
                return;
            Slot s{across, {}};
            for (int k = start; k < start + length; ++k)
                s.cells.push_back(Cell(p, across, line, k));
            wordSlots.push_back(std::move(s));
        });
    return wordSlots;
}

double CrossingShare(const Pattern& p) {
    const std::vector<int> words = WordsOfCells(p);
    const auto white = std::count(p.black.begin(), p.black.end(), false);
    return white == 0 ? 0.0 : double(std::count(words.begin(), words.end(), 2)) / double(white);
}

std::vector<int> WordsByLength(const Pattern& p) {
    std::vector<int> count(size_t(std::max(p.width, p.height)) + 1, 0);
    for (bool across : {true, false})
        ForEachRun(p, across, [&](int, int, int length) { count[size_t(length)] += length >= 2; });
    return count;
}

std::optional<const char*> BrokenRule(const Pattern& p, Script script, const WordLengths& lengths) {
    const int n = p.width * p.height;
    for (int i = 0; i < n; ++i)
        if (p.black[size_t(i)] != p.black[size_t(n - 1 - i)])
            return "the black cells are not symmetric";
    if (script == Script::Kana) {
        for (int r = 0; r < p.height; ++r)
            for (int c = 0; c < p.width; ++c)
                if (p.Black(r, c) && ((c + 1 < p.width && p.Black(r, c + 1)) || (r + 1 < p.height && p.Black(r + 1, c))))
                    return "two black cells side by side";
        if (p.Black(0, 0) || p.Black(0, p.width - 1))
            return "a black corner";
    }
    if (p.BlackCount() > MaxBlacks(p, script))
        return "too many black cells";
    if (!Connected(p))
        return "the white cells are not all joined";
    if (!RunsFit(p, lengths))
        return "a white cell outside every word, or a word of a length the list does not hold";
    return std::nullopt;
}

namespace {

// One try at a pattern: black cells placed in symmetric pairs, each keeping the rules.
class PatternTry {
public:
    PatternTry(int width, int height, Script script, const WordLengths& lengths, Rng& rng)
        : p{width, height, std::vector<bool>(size_t(width * height), false)}, script(script), lengths(lengths), rng(rng) {}

    std::optional<Pattern> Make() {
        if (!BreakLongRuns())
            return std::nullopt;
        Scatter();
        return BrokenRule(p, script, lengths) ? std::nullopt : std::optional<Pattern>(p);
    }

private:
    int Cells() const { return p.width * p.height; }

    // Cell i and its partner across the centre turn black if the rules allow it.
    bool TryBlack(int i) {
        if (!MayTurnBlack(p, script, i))
            return false;
        SetPair(i, true);
        if (Connected(p) && RunsFit(p, lengths, true))
            return true;
        SetPair(i, false);
        return false;
    }

    void SetPair(int i, bool black) { kirune::SetPair(p, i, black); }

    // A black cell somewhere inside each run longer than the list's longest word; false when a
    // run has no cell that may turn black.
    bool BreakLongRuns() {
        for (int guard = 0; guard < Cells(); ++guard) {
            std::vector<std::vector<int>> longRuns;
            for (bool across : {true, false})
                ForEachRun(p, across, [&](int line, int start, int length) {
                    if (length <= lengths.longest)
                        return;
                    std::vector<int> cells;
                    for (int k = start + 1; k < start + length - 1; ++k)
                        cells.push_back(Cell(p, across, line, k));
                    longRuns.push_back(cells);
                });
            if (longRuns.empty())
                return true;
            std::vector<int>& run = longRuns[size_t(rng.Below(int(longRuns.size())))];
            bool broken = false;
            for (int k = 0; k < int(run.size()) && !broken; ++k) {
                std::swap(run[size_t(k)], run[size_t(k + rng.Below(int(run.size()) - k))]);
                broken = TryBlack(run[size_t(k)]);
            }
            if (!broken)
                return false;
        }
        return false;
    }

    // Scattered black cells up to the script's density. One that cuts off a two-letter word is
    // mostly taken back: short words make dull puzzles, and a grid full of them asks for more
    // of the list's rarest words.
    void Scatter() {
        const int n = Cells();
        const int target = script == Script::Kana ? n * (14 + rng.Below(4)) / 100 : n * (26 + rng.Below(6)) / 100;
        for (int tries = 0; tries < 8 * n && p.BlackCount() < target; ++tries) {
            const int i = rng.Below(n);
            const int shortBefore = ShortRuns(p);
            if (TryBlack(i) && ShortRuns(p) > shortBefore && rng.Below(5) != 0)
                SetPair(i, false);
        }
    }

    Pattern p;
    Script script;
    const WordLengths& lengths;
    Rng& rng;
};

}  // namespace

std::optional<Pattern> MakePattern(int width, int height, Script script, const WordLengths& lengths, Rng& rng) {
    for (int attempt = 0; attempt < 400; ++attempt)
        if (auto p = PatternTry(width, height, script, lengths, rng).Make())
            return p;
    return std::nullopt;
}

Pattern ImprovePattern(Pattern p, Script script, const WordLengths& lengths, const std::function<int(const Pattern&)>& score,
                       int tries, Rng& rng) {
    const int n = p.width * p.height;
    // Cells in one word only make a grid easier to fill and a little less fun to solve: a kana
    // grid may gain a sixteenth of its white cells of them, an alphabet grid none.
    const int unchecked = Unchecked(p) + (script == Script::Kana ? (n - p.BlackCount()) / 16 : 0);
    int best = score(p), blacks = p.BlackCount();
    const auto pairSize = [n](int i) { return i == n - 1 - i ? 1 : 2; };
    for (int t = 0; t < tries; ++t) {
        // A pair turns black, turns white, or moves: the cells around it are looked at first,
        // the whole grid only for a move they allow.
        const int i = rng.Below(n), move = rng.Below(3);
        const bool add = move == 0, shift = move == 2;
        if (p.black[size_t(i)] == add || (add && (!MayTurnBlack(p, script, i) || blacks + pairSize(i) > MaxBlacks(p, script))))
            continue;
        SetPair(p, i, add);
        int j = -1;
        if (shift) {
            j = rng.Below(n);
            if (!MayTurnBlack(p, script, j) || blacks - pairSize(i) + pairSize(j) > MaxBlacks(p, script)) {
                SetPair(p, i, true);
                continue;
            }
            SetPair(p, j, true);
        }
        const bool kept = (move == 1 || Connected(p)) && RunsFit(p, lengths) && Unchecked(p) <= unchecked;
        const int s = kept ? score(p) : best;
        if (s > best) {
            best = s;
            blacks = p.BlackCount();
            continue;
        }
        if (j >= 0)
            SetPair(p, j, false);
        SetPair(p, i, !add);
    }
    return p;
}

}  // namespace kirune
