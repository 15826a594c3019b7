// The crossword maker: patterns that keep their script's rules, fills of list words only.

#include "author/CollectionSource.h"
#include "author/ContentLint.h"
#include "author/Generate.h"
#include "library/Cp932Text.h"
#include "maker/Fill.h"

#include <QFile>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

namespace kirune {
namespace {

std::vector<ListWord> ShippedList(const char* name) {
    QFile file(QStringLiteral(KIRUNE_PROGRAM_DIR "/words/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ReadWordList(SplitLines(QString::fromUtf8(file.readAll()))).words;
}

// What the content lint, which the tool's build runs, holds against each stage of a collection.
std::vector<LintProblem> Lint(const Generated& made) { return LintCollection(made.source); }

TEST(Maker, PatternsKeepTheirScriptsRulesForEverySize) {
    Rng rng(7);
    for (const Script script : {Script::Kana, Script::Alphabet})
        for (int w = 4; w <= 15; ++w)
            for (int seed = 0; seed < 12; ++seed) {
                const int h = std::clamp(w - 2 + seed % 5, 4, 15);  // square and near-square grids
                const WordLengths lengths = script == Script::Kana ? WordLengths{2, 7} : WordLengths{3, 8};  // as generate
                const auto p = MakePattern(w, h, script, lengths, rng);
                ASSERT_TRUE(p) << w << "x" << h << (script == Script::Kana ? " kana" : " alphabet");
                EXPECT_FALSE(BrokenRule(*p, script, lengths)) << w << "x" << h << ": " << *BrokenRule(*p, script, lengths);
            }
}

TEST(Maker, AFillUsesListWordsOnceAndTheSameSeedGivesTheSameCollection) {
    const auto list = ShippedList("kanji.tsv");
    ASSERT_GT(list.size(), 5000u);
    const GenerateOptions options{{{7, 7}, {9, 9}}, 2, 11, QStringLiteral("t")};
    const Generated made = GenerateCollection(list, options);
    ASSERT_TRUE(made.error.isEmpty()) << made.error.toStdString();
    EXPECT_EQ(GenerateCollection(list, options).source, made.source);
    QSet<QString> answers, seen;
    for (const ListWord& w : list)
        answers.insert(w.answer);
    for (const QString& line : made.source) {
        const qsizetype equals = line.indexOf(QLatin1String(" = "));
        if (!line.startsWith(QLatin1String("  ")) || equals < 0)
            continue;
        const QString answer = line.mid(2, equals - 2);
        EXPECT_TRUE(answers.contains(answer)) << answer.toStdString();
        EXPECT_FALSE(seen.contains(answer)) << answer.toStdString() << " twice";
        seen.insert(answer);
    }
    EXPECT_GT(seen.size(), 20);
}

// Every seed fills, keeps to the lint and crosses its letters well: the largest kana grid, the katakana list (few short
// words, many alike) on small grids whose later stages have fewer words left, the same list with
// fewer short words still, and the alphabet.
TEST(Maker, EverySeedFillsAndPassesTheContentLint) {
    struct Case {
        const char* list;
        std::vector<std::pair<int, int>> sizes;
        int level;              // 0: rising over the stages
        bool fewShort = false;  // no two-letter words, every other three-letter one
    };
    for (const Case& c : {Case{"kanji.tsv", {{15, 15}}, 7}, Case{"katakana.tsv", {{7, 7}, {9, 9}, {9, 9}}, 0},
                          Case{"katakana.tsv", {{9, 9}}, 7, true}, Case{"english.tsv", {{13, 13}}, 7}}) {
        auto list = ShippedList(c.list);
        ASSERT_FALSE(list.empty()) << c.list;
        if (c.fewShort) {
            int threes = 0;
            std::erase_if(list, [&](const ListWord& w) { return w.answer.size() == 2 || (w.answer.size() == 3 && ++threes % 2 == 0); });
        }
        for (quint64 seed = 1; seed <= 4; ++seed) {
            const Generated made = GenerateCollection(list, {c.sizes, int(c.sizes.size()), seed, QStringLiteral("t"), c.level});
            ASSERT_TRUE(made.error.isEmpty()) << c.list << " seed " << seed << ": " << made.error.toStdString();
            for (const LintProblem& p : Lint(made))
                ADD_FAILURE() << c.list << " seed " << seed << " line " << p.line << ": " << p.text.toStdString();
            // Most letters are crossed by a second word: kana grids by their rules, alphabet
            // grids because thin patterns are refused.
            for (const StageQuality& q : made.quality)
                EXPECT_GE(q.crossing, std::string_view(c.list) == "english.tsv" ? 0.5 : 0.65) << c.list << " seed " << seed;
        }
    }
}

TEST(Maker, AGivenPatternIsFilledAsItIsOrRefused) {
    const auto list = ShippedList("kanji.tsv");
    Rng rng(3);
    const auto p = MakePattern(9, 9, Script::Kana, WordLengths{2, 7}, rng);
    ASSERT_TRUE(p);
    GenerateOptions options{{}, 2, 5, QStringLiteral("t")};
    options.pattern = *p;
    const Generated made = GenerateCollection(list, options);
    ASSERT_TRUE(made.error.isEmpty()) << made.error.toStdString();
    std::vector<bool> black;
    for (const QString& line : made.source)
        if (line.startsWith(QLatin1String("  ")) && !line.contains(u'='))
            for (QChar c : line.mid(2))
                black.push_back(c == u'■');
    EXPECT_EQ(black.size(), 2 * p->black.size());
    black.resize(p->black.size());
    EXPECT_EQ(black, p->black);

    options.pattern->black[0] = true;  // a black corner
    EXPECT_FALSE(GenerateCollection(list, options).error.isEmpty());
}

TEST(Maker, ListsAndSizesItCannotUseAreRefused) {
    EXPECT_EQ(ReadWordList({QStringLiteral("# a comment"), QStringLiteral("ア\tb\tc\t1\td"), QStringLiteral("broken")}).badLine, 3);
    const std::vector<ListWord> tiny = {{QStringLiteral("アオ"), QStringLiteral("青"), QString(), 1, QString()}};
    EXPECT_FALSE(GenerateCollection(tiny, {{{9, 9}}, 1, 1, QString()}).error.isEmpty());
    EXPECT_FALSE(GenerateCollection({}, {{{5, 5}}, 1, 1, QString()}).error.isEmpty());
    // Every word above a first stage's level: the level-bound tries find nothing to place and
    // must give up at once, not restart without end.
    auto hard = ShippedList("kanji.tsv");
    for (ListWord& w : hard)
        w.level = 7;
    EXPECT_TRUE(GenerateCollection(hard, {{{5, 5}}, 1, 1, QString()}).error.isEmpty());
}

}  // namespace
}  // namespace kirune
