// The word lists drawn from the dictionary: which entries become crossword words, and how.

#include "kirune-vxl/Words.h"

#include <gtest/gtest.h>

namespace kirune {
namespace {

std::vector<ListWord> Select(WordKind kind, const QStringList& lines) {
    std::vector<DictEntry> entries;
    for (const QString& line : lines)
        if (auto entry = ParseDictLine(line))
            entries.push_back(*entry);
    const QHash<QChar, int> grades = ParseKanjiGrades({QStringLiteral("図 3F7D U56f3 B31 G2 S7"),
                                                       QStringLiteral("書 3D71 U66f8 B73 G2 S10"),
                                                       QStringLiteral("館 345B U9928 B184 G3 S16")});
    return SelectWords(entries, kind, grades, {QStringLiteral("死体")});
}

QStringList Lines(const std::vector<ListWord>& words) {
    QStringList out;
    for (const ListWord& w : words)
        out << ListLine(w);
    return out;
}

TEST(Words, KanjiWordsHaveOneReadingAndTheGradeOfTheirHardestKanji) {
    const auto words = Select(WordKind::Kanji, {
        QStringLiteral("図書館 [としょかん] /(n) library/(P)/"),
        QStringLiteral("上手 [じょうず] /(adj-na,n) skillful/(P)/"),
        QStringLiteral("上手 [うわて] /(n) upper part/(P)/"),              // two readings
        QStringLiteral("書く [かく] /(v5k,vt) to write/(P)/"),             // a verb
        QStringLiteral("台湾 [たいわん] /(n) Taiwan/(P)/"),                 // a name
        QStringLiteral("死体 [したい] /(n) corpse/(P)/"),                   // blocked
        QStringLiteral("館 [やかた] /(n) (arch) mansion/(P)/"),             // old
        QStringLiteral("図 [ず] /(n) drawing/"),                            // not common
    });
    EXPECT_EQ(Lines(words), QStringList{QStringLiteral("トシヨカン\t図書館\tとしょかん\t3\t図書館")});
}

TEST(Words, LoanwordsAndEnglishWordsNeverSpellTheirAnswerInTheClue) {
    EXPECT_EQ(Lines(Select(WordKind::Katakana, {
                  QStringLiteral("アルバイト /(n,vs) (1) part-time job (ger: Arbeit)/side job/(P)/"),
                  QStringLiteral("カラオケ /(n) karaoke/(P)/"),  // a Japanese word: its gloss spells it
                  QStringLiteral("クマ /(n) bear/(P)/"),         // a Japanese word written in katakana
                  QStringLiteral("ライブラリー /(n) library/(P)/"),
                  QStringLiteral("図書館 [としょかん] /(n) library/(P)/"),
              })),
              (QStringList{QStringLiteral("アルバイト\tドイツ語の「Arbeit」から。英語で「part-time job」\tアルバイト\t4\tアルバイト"),
                           QStringLiteral("ライブラリー\t英語の「library」から。図書館\tライブラリー\t5\tライブラリー")}));
    EXPECT_EQ(Lines(Select(WordKind::English, {
                  QStringLiteral("図書館 [としょかん] /(n) library/(P)/"),
                  QStringLiteral("津波 [つなみ] /(n) tsunami/tidal wave/(P)/"),  // the reading spells it
                  QStringLiteral("ゆっくり /(adv) slowly/(P)/"),
              })),
              QStringList{QStringLiteral("LIBRARY\t図書館（としょかん）\tとしょかん\t3\t図書館")});
}

TEST(Words, ListLinesReadBackAndBrokenOnesAreRefused) {
    const ListWord word{QStringLiteral("シヤツ"), QStringLiteral("上に着る"), QStringLiteral("シャツ"), 2, QStringLiteral("シャツ")};
    const auto back = ParseListLine(ListLine(word));
    ASSERT_TRUE(back);
    EXPECT_EQ(ListLine(*back), ListLine(word));
    for (const char* bad : {"シヤツ\t上に着る\tシャツ\t2", "シヤツ\t上に着る\tシャツ\tX\tシャツ", "\ta\tb\t1\tc"})
        EXPECT_FALSE(ParseListLine(QString::fromUtf8(bad))) << bad;
}

}  // namespace
}  // namespace kirune
