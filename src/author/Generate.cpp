#include "author/Generate.h"

#include "maker/Fill.h"
#include "maker/Pattern.h"

#include "library/Cp932Text.h"

#include <QFile>
#include <QHash>
#include <QStringDecoder>

#include <algorithm>
#include <limits>
#include <map>
#include <numeric>

namespace kirune {

namespace {

constexpr int kPatternsPerStage = 60;
constexpr int kLongestKanaWord = 7, kLongestAlphabetWord = 8;

bool IsLatin(const QString& answer) {
    return !answer.isEmpty() && std::all_of(answer.begin(), answer.end(), [](QChar c) { return c >= u'A' && c <= u'Z'; });
}

QString FullWidth(const QString& latin) {
    QString out;
    for (QChar c : latin)
        out += QChar(char16_t(c.unicode() - u'A' + 0xFF21));
    return out;
}

constexpr double kMaxTwoKanaShare = 0.30;
constexpr double kMinAlphabetCrossing = 0.50;
constexpr int kRefused = std::numeric_limits<int>::min();
// Moves of black cells tried on each pattern, per cell of the grid.
constexpr int kImproveTriesPerCell = 64;
// Level-bound patterns that expect less than one fill before the whole list is taken.
constexpr int kHopelessOnLevel = 10;

double TwoLetterShare(const Pattern& p) {
    const std::vector<int> count = WordsByLength(p);
    const int all = std::accumulate(count.begin(), count.end(), 0);
    return all == 0 ? 0.0 : double(count[2]) / double(all);
}

// The share of white cells in two words: letters a crossing word helps to find.
double CrossingShare(const Pattern& p) {
    std::vector<int> words(p.black.size(), 0);
    for (const Slot& s : SlotsOf(p))
        for (int cell : s.cells)
            ++words[size_t(cell)];
    const auto white = std::count(p.black.begin(), p.black.end(), false);
    return white == 0 ? 0.0 : double(std::count(words.begin(), words.end(), 2)) / double(white);
}

// Patterns a player would find thin: a kana grid of mostly two-kana words, an alphabet grid
// where most letters have no crossing word to help.
bool Thin(const Pattern& p, Script script) {
    return script == Script::Kana ? TwoLetterShare(p) > kMaxTwoKanaShare : CrossingShare(p) < kMinAlphabetCrossing;
}

}  // namespace

ReadList ReadWordListFile(const QString& path) {
    QFile file(path);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = file.open(QIODevice::ReadOnly) ? utf8(file.readAll()) : QString();
    if (!file.isOpen() || utf8.hasError()) {
        ReadList unread;
        unread.error = QStringLiteral("%1: cannot read it as UTF-8 text").arg(path);
        return unread;
    }
    ReadList read = ReadWordList(SplitLines(text));
    if (read.badLine)
        read.error = QStringLiteral("%1:%2: not a list line (answer, clue, reading, level, headword)").arg(path).arg(read.badLine);
    return read;
}

ReadList ReadWordList(const QStringList& lines) {
    ReadList read;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].isEmpty() || lines[i].startsWith(u'#'))
            continue;
        auto word = ParseListLine(lines[i]);
        if (!word) {
            read.badLine = i + 1;
            return read;
        }
        read.words.push_back(std::move(*word));
    }
    return read;
}

Generated GenerateCollection(const std::vector<ListWord>& list, const GenerateOptions& options) {
    Generated out;
    if (list.empty()) {
        out.error = QStringLiteral("the list holds no word");
        return out;
    }
    const Script script = IsLatin(list.front().answer) ? Script::Alphabet : Script::Kana;
    std::vector<QString> grid;
    std::vector<int> levels;
    std::vector<const ListWord*> source;
    QHash<QString, int> seen;
    seen.reserve(qsizetype(list.size()));
    for (const ListWord& w : list) {
        const QString g = script == Script::Alphabet ? FullWidth(w.answer) : w.answer;
        if (IsLatin(w.answer) != (script == Script::Alphabet)) {
            out.error = QStringLiteral("the list mixes English and kana answers (%1)").arg(w.answer);
            return out;
        }
        if (g.size() < 2 || seen.contains(g))
            continue;
        seen.insert(g, int(grid.size()));
        grid.push_back(g);
        levels.push_back(w.level);
        source.push_back(&w);
    }
    const Lexicon lexicon(grid, levels);
    WordLengths lengths{2, std::min(lexicon.Longest(), script == Script::Kana ? kLongestKanaWord : kLongestAlphabetWord)};
    while (lengths.shortest < lengths.longest && lexicon.CountOfLength(lengths.shortest) == 0)
        ++lengths.shortest;
    std::vector<bool> used(size_t(lexicon.Size()), false);
    Rng rng(options.seed);
    if (options.pattern) {
        if (const auto broken = BrokenRule(*options.pattern, script, lengths)) {
            out.error = QStringLiteral("the pattern breaks a rule: %1").arg(QLatin1String(*broken));
            return out;
        }
        if (Thin(*options.pattern, script)) {
            out.error = script == Script::Kana ? QStringLiteral("the pattern has more than 30 % two-kana words")
                                               : QStringLiteral("fewer than half the pattern's letters are crossed by a second word");
            return out;
        }
    }

    out.source << QStringLiteral("# Generated by kirune-vxl generate, seed %1.").arg(options.seed)
               << QStringLiteral("title: %1").arg(options.title)
               << QStringLiteral("input: %1").arg(script == Script::Kana ? QStringLiteral("kana") : QStringLiteral("alphabet"));
    for (int n = 1; n <= options.stages; ++n) {
        const auto [width, height] = options.pattern ? std::pair{options.pattern->width, options.pattern->height}
                                                     : options.sizes[size_t(std::min(n, int(options.sizes.size())) - 1)];
        // Stages rise in level; each prefers words up to one level above its own.
        const int level = options.level > 0 ? options.level : 1 + (n - 1) * 5 / std::max(options.stages, 1);
        std::optional<Pattern> pattern;
        std::optional<std::vector<int>> fill;
        // Words above the stage's level are kept out for the first half of the tries (fewer
        // when the level's words cannot fill the grid), then only put last.
        std::vector<bool> offLevel = used;
        for (int w = 0; w < lexicon.Size(); ++w)
            offLevel[size_t(w)] = offLevel[size_t(w)] || lexicon.Level(w) > level + 1;
        const FillOdds levelOdds(lexicon, offLevel, lengths.longest), listOdds(lexicon, used, lengths.longest);
        int listFrom = kPatternsPerStage / 2;  // the first try with the whole list
        int hopeless = 0;
        for (int attempt = 0; attempt < kPatternsPerStage && !fill; ++attempt) {
            const bool onLevel = attempt < listFrom;
            const FillOdds& odds = onLevel ? levelOdds : listOdds;
            const auto score = [&](const Pattern& p) {
                // The content lint refuses a stage of so many two-kana words.
                return Thin(p, script) ? kRefused : odds.Log2Fills(p);
            };
            if (options.pattern) {
                pattern = options.pattern;
            } else {
                pattern = MakePattern(width, height, script, lengths, rng);
                if (!pattern)
                    continue;
                // A pattern whose slots the list's words cross well fills at once, one they
                // cross badly wastes the whole budget: the odds shape the pattern first.
                pattern = ImprovePattern(*pattern, script, lengths, score, kImproveTriesPerCell * width * height, rng);
            }
            if (onLevel && score(*pattern) < 0) {
                // Not even one fill is to be expected from the level's words (or none can be: a
                // slot length they lack); after a few such patterns the whole list takes over.
                if (++hopeless == kHopelessOnLevel)
                    listFrom = attempt + 1;
                continue;
            }
            if (score(*pattern) == kRefused)
                continue;
            fill = onLevel ? FillPattern(*pattern, lexicon, offLevel, FillLimits{level + 1, 20'000LL * width * height / 81, script == Script::Kana}, rng)
                           : FillPattern(*pattern, lexicon, used, FillLimits{level + 1, 200'000LL * width * height / 81, script == Script::Kana}, rng);
        }
        if (!fill) {
            out.error = QStringLiteral("stage %1: no %2 x %3 grid could be filled from the list").arg(n).arg(width).arg(height);
            return out;
        }
        const std::vector<Slot> wordSlots = SlotsOf(*pattern);
        std::vector<QChar> letters(size_t(width * height), QChar(u'■'));
        for (size_t s = 0; s < wordSlots.size(); ++s) {
            const int w = (*fill)[s];
            used[size_t(w)] = true;
            for (size_t k = 0; k < wordSlots[s].cells.size(); ++k)
                letters[size_t(wordSlots[s].cells[k])] = lexicon.Word(w)[qsizetype(k)];
        }
        StageQuality q{width, height, int(wordSlots.size())};
        int two = 0, levelSum = 0;
        for (size_t s = 0; s < wordSlots.size(); ++s) {
            two += wordSlots[s].cells.size() == 2;
            levelSum += lexicon.Level((*fill)[s]);
        }
        q.crossing = CrossingShare(*pattern);
        q.twoLetter = double(two) / double(wordSlots.size());
        q.meanLevel = double(levelSum) / double(wordSlots.size());
        out.quality.push_back(q);

        out.source << QString() << QStringLiteral("stage: %1").arg(n) << QStringLiteral("level: %1").arg(std::min(level, 5))
                   << QStringLiteral("grid:");
        for (int r = 0; r < height; ++r) {
            QString row = QStringLiteral("  ");
            for (int c = 0; c < width; ++c)
                row += letters[size_t(r * width + c)];
            out.source << row;
        }
        for (const bool across : {true, false}) {
            out.source << (across ? QStringLiteral("across:") : QStringLiteral("down:"));
            // The game numbers the words of a direction in the reading order of their first cell.
            std::vector<size_t> order;
            for (size_t s = 0; s < wordSlots.size(); ++s)
                if (wordSlots[s].across == across)
                    order.push_back(s);
            std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return wordSlots[a].cells[0] < wordSlots[b].cells[0]; });
            for (size_t s : order) {
                const ListWord& w = *source[size_t((*fill)[s])];
                QString clue = w.clue;
                clue.replace(u'|', u'／');  // "|" would start a field of the clue line
                QString line = QStringLiteral("  %1 = %2").arg(lexicon.Word((*fill)[s]), clue);
                // An alphabet stage's reading is the English word's sound in katakana, which the
                // list does not know; the headword's reading is in the clue already.
                if (script == Script::Kana && !w.reading.isEmpty() && w.reading != w.answer)
                    line += QStringLiteral(" | reading: %1").arg(w.reading);
                out.source << line;
            }
        }
    }
    return out;
}

}  // namespace kirune
