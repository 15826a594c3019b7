#include "maker/Fill.h"

#include <QHash>
#include <QStringView>

#include <algorithm>
#include <bit>
#include <limits>

namespace kirune {

namespace {

// Counting candidates is most of a fill's work: the processor's own instruction where it has
// one, chosen when the program starts.
__attribute__((target_clones("popcnt", "default"))) int CountBits(const std::uint64_t* bits, size_t n) {
    int count = 0;
    for (size_t i = 0; i < n; ++i)
        count += __builtin_popcountll(bits[i]);
    return count;
}

// log2(n) in sixteenths for n > 0.
int Log2In16ths(std::uint64_t n) {
    const int whole = std::bit_width(n) - 1;
    const int fraction = int(whole >= 4 ? (n >> (whole - 4)) & 15 : (n << (4 - whole)) & 15);
    return whole * 16 + fraction;
}

constexpr int kNever = std::numeric_limits<int>::min();

}  // namespace

Lexicon::Lexicon(const std::vector<QString>& words, const std::vector<int>& levels) : words(words), levels(levels) {
    std::vector<int> numbers(size_t(1) << 16, -1);  // a number for each character met, by its code
    size_t longest = 0;
    letters.reserve(words.size());
    for (const QString& w : words) {
        std::vector<int> l;
        l.reserve(size_t(w.size()));
        for (QChar ch : w) {
            int& number = numbers[ch.unicode()];
            if (number < 0)
                number = letterCount++;
            l.push_back(number);
        }
        letters.push_back(std::move(l));
        longest = std::max(longest, size_t(w.size()));
    }
    // Every word of two or more letters inside another, found through the other's pieces: views
    // of the words kept here, so that no piece is copied.
    QHash<QStringView, int> numberOf;
    numberOf.reserve(Size());
    for (int w = 0; w < Size(); ++w)
        numberOf.insert(QStringView(this->words[size_t(w)]), w);
    nested.assign(this->words.size(), {});
    for (int w = 0; w < Size(); ++w) {
        const QStringView word(this->words[size_t(w)]);
        for (qsizetype from = 0; from < word.size(); ++from)
            for (qsizetype len = 2; from + len <= word.size(); ++len) {
                const auto it = numberOf.constFind(word.mid(from, len));
                if (it != numberOf.cend() && *it != w) {
                    nested[size_t(w)].push_back(*it);
                    nested[size_t(*it)].push_back(w);
                }
            }
    }
    byLength.assign(longest + 1, {});
    rankInLength.assign(words.size(), 0);
    for (int w = 0; w < Size(); ++w) {
        rankInLength[size_t(w)] = int(byLength[size_t(Word(w).size())].size());
        byLength[size_t(Word(w).size())].push_back(w);
    }
    index.assign(longest + 1, {});
    for (size_t len = 2; len <= longest; ++len) {
        const size_t blocks = (byLength[len].size() + 63) / 64;
        index[len].assign(len * size_t(letterCount), std::vector<std::uint64_t>(blocks, 0));
        for (size_t k = 0; k < byLength[len].size(); ++k) {
            const std::vector<int>& l = letters[size_t(byLength[len][k])];
            for (size_t pos = 0; pos < len; ++pos)
                index[len][pos * size_t(letterCount) + size_t(l[pos])][k / 64] |= std::uint64_t(1) << (k % 64);
        }
    }
}

FillOdds::FillOdds(const Lexicon& lex, const std::vector<bool>& leftOut, int longest) {
    const size_t lengths = size_t(std::min(longest, lex.Longest())) + 1, letters = size_t(lex.letterCount);
    log2Count.assign(lengths, kNever);
    placeOf.assign(lengths, 0);
    for (size_t len = 0; len < lengths; ++len) {
        placeOf[len] = places;
        places += int(len);
    }
    // tally[place * letters + letter]: the words counted with that letter there.
    std::vector<std::uint64_t> tally(size_t(places) * letters, 0);
    std::vector<std::uint64_t> count(lengths, 0);
    for (int w = 0; w < lex.Size(); ++w) {
        const std::vector<int>& l = lex.letters[size_t(w)];
        if (leftOut[size_t(w)] || l.size() >= lengths)
            continue;
        ++count[l.size()];
        for (size_t pos = 0; pos < l.size(); ++pos)
            ++tally[size_t(Place(l.size(), pos)) * letters + size_t(l[pos])];
    }
    for (size_t len = 0; len < lengths; ++len)
        if (count[len] > 0)
            log2Count[len] = Log2In16ths(count[len]);
    agreement.assign(size_t(places) * size_t(places), kNever);
    for (size_t lenA = 2; lenA < lengths; ++lenA)
        for (size_t lenB = 2; lenB < lengths; ++lenB) {
            if (count[lenA] == 0 || count[lenB] == 0)
                continue;
            for (size_t posA = 0; posA < lenA; ++posA)
                for (size_t posB = 0; posB < lenB; ++posB) {
                    const size_t a = size_t(Place(lenA, posA)), b = size_t(Place(lenB, posB));
                    std::uint64_t pairs = 0;
                    for (size_t l = 0; l < letters; ++l)
                        pairs += tally[a * letters + l] * tally[b * letters + l];
                    if (pairs > 0)
                        agreement[a * size_t(places) + b] = Log2In16ths(pairs) - log2Count[lenA] - log2Count[lenB];
                }
        }
}

int FillOdds::Log2Fills(const Pattern& p) const {
    // Each white cell's place in its across word and in its down word; -1: in none.
    std::vector<int> across(p.black.size(), -1), down(p.black.size(), -1);
    int sum = 0;
    for (const bool isAcross : {true, false}) {
        const int lines = isAcross ? p.height : p.width, along = isAcross ? p.width : p.height;
        for (int line = 0; line < lines; ++line)
            for (int start = 0; start < along;) {
                const auto cell = [&](int k) { return isAcross ? line * p.width + k : k * p.width + line; };
                int end = start;
                while (end < along && !p.black[size_t(cell(end))])
                    ++end;
                const size_t len = size_t(end - start);
                if (len >= 2) {
                    if (len >= log2Count.size() || log2Count[len] == kNever)
                        return kNever;
                    sum += log2Count[len];
                    for (int k = start; k < end; ++k)
                        (isAcross ? across : down)[size_t(cell(k))] = Place(len, size_t(k - start));
                }
                start = end + 1;
            }
    }
    for (size_t i = 0; i < p.black.size(); ++i)
        if (across[i] >= 0 && down[i] >= 0) {
            const int chance = agreement[size_t(across[i]) * size_t(places) + size_t(down[i])];
            if (chance == kNever)
                return kNever;
            sum += chance;
        }
    return sum;
}

// The search: the most constrained slot first, its candidates in a shuffled order with on-level
// words first, forward checking of the crossing wordSlots, conflict-directed backjumping, and
// restarts with a growing step budget.
class Filler {
public:
    Filler(const Pattern& p, const Lexicon& lexicon, const std::vector<bool>& used, const FillLimits& limits, Rng& rng)
        : lex(lexicon), limits(limits), rng(rng), wordSlots(SlotsOf(p)), letter(size_t(p.width * p.height), -1),
          slotsOfCell(letter.size()) {
        for (int s = 0; s < int(wordSlots.size()); ++s)
            for (int cell : wordSlots[size_t(s)].cells)
                slotsOfCell[size_t(cell)].push_back(s);
        // A bit per word of each length still free: not used by an earlier stage.
        freeAtStart.assign(lex.byLength.size(), {});
        for (size_t len = 0; len < lex.byLength.size(); ++len) {
            freeAtStart[len].assign((lex.byLength[len].size() + 63) / 64, 0);
            for (size_t k = 0; k < lex.byLength[len].size(); ++k)
                if (!used[size_t(lex.byLength[len][k])])
                    freeAtStart[len][k / 64] |= std::uint64_t(1) << (k % 64);
        }
    }

    std::optional<std::vector<int>> Run() {
        for (const Slot& s : wordSlots)
            if (s.cells.size() >= lex.byLength.size() || lex.byLength[s.cells.size()].empty())
                return std::nullopt;
        long long budget = 2000;
        while (spent < limits.nodes) {
            Reset();
            stepsLeft = std::min(budget, limits.nodes - spent);
            const long long before = stepsLeft;
            const Outcome o = Search(0);
            // A search that failed without trying a word met a slot nothing fits: no restart
            // can mend that.
            if (!o.solved && stepsLeft == before)
                return std::nullopt;
            spent += before - stepsLeft;
            if (o.solved)
                return assigned;
            budget += budget / 2;
        }
        return std::nullopt;
    }

private:
    struct Outcome {
        bool solved = false;
        int jumpTo = -1;              // the depth to go back to
        std::vector<int> conflicts;   // depths whose choices caused the failure
    };

    void Reset() {
        std::fill(letter.begin(), letter.end(), -1);
        assigned.assign(wordSlots.size(), -1);
        depthOf.assign(wordSlots.size(), -1);
        fitting.assign(wordSlots.size(), 0);
        placedHere.assign(size_t(lex.Size()), false);
        stale.assign(wordSlots.size(), true);
        free = freeAtStart;
    }

    void SetFree(int w, bool on) {
        const size_t len = size_t(lex.Word(w).size()), k = size_t(lex.rankInLength[size_t(w)]);
        const std::uint64_t bit = std::uint64_t(1) << (k % 64);
        if (on)
            free[len][k / 64] |= bit;
        else
            free[len][k / 64] &= ~bit;
    }

    // The words that fit slot s as it stands, as a bitset over the words of its length; into
    // `bits`, whose room is used again.
    void Fits(int s, std::vector<std::uint64_t>& bits) const {
        const Slot& slot = wordSlots[size_t(s)];
        const size_t len = slot.cells.size();
        bits.assign(free[len].begin(), free[len].end());
        for (size_t pos = 0; pos < len; ++pos) {
            const int l = letter[size_t(slot.cells[pos])];
            if (l < 0)
                continue;
            const auto& column = lex.index[len][pos * size_t(lex.letterCount) + size_t(l)];
            for (size_t b = 0; b < bits.size(); ++b)
                bits[b] &= column[b];
        }
    }

    static int Count(const std::vector<std::uint64_t>& bits) { return CountBits(bits.data(), bits.size()); }

    // The depths of the assigned wordSlots that cross slot s: what fixed its letters.
    std::vector<int> CrossingDepths(int s) const {
        std::vector<int> depths;
        for (int cell : wordSlots[size_t(s)].cells)
            for (int t : slotsOfCell[size_t(cell)])
                if (t != s && depthOf[size_t(t)] >= 0)
                    depths.push_back(depthOf[size_t(t)]);
        return depths;
    }

    // The slots sharing a cell with s must count their words again. A word taken or given back
    // changes other counts by one at most; the counts only guide the choice of slot, and an
    // empty candidate list is caught where the slot is filled.
    void Touch(int s) {
        for (int cell : wordSlots[size_t(s)].cells)
            for (int t : slotsOfCell[size_t(cell)])
                if (t != s)
                    stale[size_t(t)] = true;
    }

    int Fitting(int s) {
        if (stale[size_t(s)]) {
            Fits(s, counting);
            fitting[size_t(s)] = Count(counting);
            stale[size_t(s)] = false;
        }
        return fitting[size_t(s)];
    }

    // Whether word w holds a placed word or is held by one.
    bool Nests(int w) const {
        for (int other : lex.nested[size_t(w)])
            if (placedHere[size_t(other)])
                return true;
        return false;
    }

    void Place(int s, int w, int depth) {
        Touch(s);
        assigned[size_t(s)] = w;
        depthOf[size_t(s)] = depth;
        SetFree(w, false);
        placedHere[size_t(w)] = true;
        const Slot& slot = wordSlots[size_t(s)];
        for (size_t k = 0; k < slot.cells.size(); ++k)
            letter[size_t(slot.cells[k])] = lex.letters[size_t(w)][k];
    }

    void Unplace(int s) {
        Touch(s);
        SetFree(assigned[size_t(s)], true);
        placedHere[size_t(assigned[size_t(s)])] = false;
        assigned[size_t(s)] = -1;
        depthOf[size_t(s)] = -1;
        // A cell keeps its letter while the crossing slot, placed earlier, still holds it.
        for (int cell : wordSlots[size_t(s)].cells) {
            bool held = false;
            for (int t : slotsOfCell[size_t(cell)])
                held = held || (t != s && assigned[size_t(t)] >= 0);
            if (!held)
                letter[size_t(cell)] = -1;
        }
    }

    Outcome Search(int depth) {
        // The open slot with the fewest fitting words.
        int best = -1, bestCount = 0;
        for (int s = 0; s < int(wordSlots.size()); ++s) {
            if (assigned[size_t(s)] >= 0)
                continue;
            const int n = Fitting(s);
            if (best < 0 || n < bestCount) {
                best = s;
                bestCount = n;
                if (n == 0)
                    break;
            }
        }
        if (best < 0)
            return {true, -1, {}};
        std::vector<std::uint64_t> bestBits;
        Fits(best, bestBits);
        if (bestCount == 0 || Count(bestBits) == 0) {
            auto conflicts = CrossingDepths(best);
            const int to = conflicts.empty() ? -1 : *std::max_element(conflicts.begin(), conflicts.end());
            return {false, to, conflicts};
        }
        const size_t len = wordSlots[size_t(best)].cells.size();
        std::vector<int> candidates;
        for (size_t b = 0; b < bestBits.size(); ++b)
            for (std::uint64_t word = bestBits[b]; word; word &= word - 1) {
                candidates.push_back(lex.byLength[len][b * 64 + size_t(std::countr_zero(word))]);
            }
        for (size_t k = candidates.size(); k > 1; --k)
            std::swap(candidates[k - 1], candidates[size_t(rng.Below(int(k)))]);
        std::stable_partition(candidates.begin(), candidates.end(),
                              [&](int w) { return lex.Level(w) <= limits.level; });

        std::vector<int> conflicts = CrossingDepths(best);
        for (int w : candidates) {
            if (--stepsLeft < 0)
                return {false, -1, {}};
            if (limits.noNesting && Nests(w))
                continue;
            Place(best, w, depth);
            // Forward check: every open slot crossing this one must still have a word.
            int dead = -1;
            for (int cell : wordSlots[size_t(best)].cells)
                for (int t : slotsOfCell[size_t(cell)])
                    if (t != best && assigned[size_t(t)] < 0 && dead < 0 && Fitting(t) == 0)
                        dead = t;
            if (dead >= 0) {
                for (int d : CrossingDepths(dead))
                    if (d != depth)
                        conflicts.push_back(d);
                Unplace(best);
                continue;
            }
            Outcome o = Search(depth + 1);
            if (o.solved)
                return o;
            Unplace(best);
            if (stepsLeft < 0)
                return {false, -1, {}};
            if (o.jumpTo < depth)
                return o;  // the fault lies further back: this slot's other words cannot mend it
            for (int d : o.conflicts)
                if (d != depth)
                    conflicts.push_back(d);
        }
        const int to = conflicts.empty() ? -1 : *std::max_element(conflicts.begin(), conflicts.end());
        return {false, to, conflicts};
    }

    const Lexicon& lex;
    const FillLimits& limits;
    Rng& rng;
    std::vector<Slot> wordSlots;
    std::vector<int> letter;
    std::vector<std::vector<int>> slotsOfCell;
    std::vector<int> assigned, depthOf;
    std::vector<std::vector<std::uint64_t>> free, freeAtStart;  // a bit per word not taken
    std::vector<int> fitting;  // words fitting each slot when last counted
    std::vector<bool> placedHere;  // the words of this grid
    std::vector<bool> stale;
    std::vector<std::uint64_t> counting;  // room for the words of a slot being counted
    long long spent = 0, stepsLeft = 0;
};

std::optional<std::vector<int>> FillPattern(const Pattern& p, const Lexicon& lexicon, const std::vector<bool>& used,
                                            const FillLimits& limits, Rng& rng) {
    return Filler(p, lexicon, used, limits, rng).Run();
}

}  // namespace kirune
